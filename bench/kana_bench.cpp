// Kana to romaji and back over 1 MB of kana, generated from a fixed seed so
// runs compare.  Rates count the kana bytes in both directions.
#include <benchmark/benchmark.h>

#include <memory>
#include <random>
#include <string>

#include "engine/foundation/kana_romaji.h"
#include "engine/foundation/kana_tables.h"

namespace {

constexpr std::size_t kKanaBytes = 1024 * 1024;

// Hiragana syllables of the Kana table (contracted ones included), with a
// katakana word now and then, as in translations.
std::string const& KanaText() {
    static std::string const text = [] {
        std::mt19937 random(1105);
        std::string made;
        made.reserve(kKanaBytes + 16);
        while (made.size() < kKanaBytes) {
            if (random() % 10 == 0) {
                for (unsigned n = 2 + random() % 4; n > 0; --n) made += Katakana[random() % kKatakanaCount].kana;
            } else {
                made += Kana[random() % kKanaCount].kana;
            }
        }
        return made;
    }();
    return text;
}

// The hiragana-only part of the text read as syllables: what the reader
// gets back from cooked translations.
std::string const& RomajiText() {
    static std::string const text = [] {
        std::mt19937 random(1105);
        std::string kana;
        while (kana.size() < kKanaBytes) kana += Kana[random() % kKanaCount].kana;
        char* romaji = nullptr;
        SyllableAwareKanaToRomaji(kana.c_str(), &romaji, nullptr);
        std::unique_ptr<char[]> owned(romaji);
        return std::string(romaji);
    }();
    return text;
}

void KanaToRomajiWith(benchmark::State& state, bool syllableAware) {
    std::string const& text = KanaText();
    for (auto _ : state) {
        char* romaji = nullptr;
        unsigned short* offsets = nullptr;
        AmbiKanaToRomaji(text.c_str(), &romaji, &offsets, syllableAware);
        benchmark::DoNotOptimize(romaji);
        delete[] romaji;
        delete[] offsets;
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * text.size()));
}

void BM_KanaToRomaji(benchmark::State& state) { KanaToRomajiWith(state, false); }
BENCHMARK(BM_KanaToRomaji)->Unit(benchmark::kMillisecond);

void BM_SyllableAwareKanaToRomaji(benchmark::State& state) { KanaToRomajiWith(state, true); }
BENCHMARK(BM_SyllableAwareKanaToRomaji)->Unit(benchmark::kMillisecond);

void BM_RomajiToKana(benchmark::State& state) {
    std::string const& romaji = RomajiText();
    std::size_t kanaBytes = 0;
    for (auto _ : state) {
        std::string const kana = RomajiToKana(romaji, false);
        kanaBytes = kana.size();
        benchmark::DoNotOptimize(kana.data());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * kanaBytes));
}
BENCHMARK(BM_RomajiToKana)->Unit(benchmark::kMillisecond);

}  // namespace
