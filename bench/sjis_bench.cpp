// Dictionary order as a sort comparator, and Shift-JIS <-> wide conversion of
// bulk text.  Inputs are generated from a fixed seed so runs compare.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <iterator>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "engine/foundation/sjis_convert.h"
#include "engine/foundation/string_compare.h"

namespace {

constexpr std::size_t kKeyCount = 200000;
constexpr std::size_t kTextBytes = 10 * 1024 * 1024;

// One Shift-JIS character from the rows that dominate real text: hiragana,
// katakana and first-level kanji.
std::string JapaneseChar(std::mt19937& random) {
    unsigned lead, trail;
    switch (random() % 4) {
        case 0:  // hiragana
            lead = 0x82;
            trail = 0x9F + random() % (0xF1 - 0x9F + 1);
            break;
        case 1:  // katakana (0x7F is no trail byte)
            lead = 0x83;
            trail = 0x40 + random() % (0x96 - 0x40);
            if (trail >= 0x7F) ++trail;
            break;
        default:  // kanji, rows 0x89 to 0x97 are fully assigned
            lead = 0x89 + random() % (0x97 - 0x89 + 1);
            trail = 0x40 + random() % (0xFC - 0x40);
            if (trail >= 0x7F) ++trail;
            break;
    }
    return {static_cast<char>(lead), static_cast<char>(trail)};
}

// An English-looking word of 2 to 10 letters, sometimes capitalised.
std::string EnglishWord(std::mt19937& random) {
    static char const* const kSyllables[] = {"an",   "ber", "con", "de", "ex", "for",  "ing", "ly",  "ment",
                                             "ness", "o",   "pre", "re", "st", "tion", "un",  "ver", "wa"};
    std::string word;
    for (unsigned n = 1 + random() % 3; n > 0; --n) word += kSyllables[random() % std::size(kSyllables)];
    if (random() % 5 == 0) word[0] = static_cast<char>(word[0] - 'a' + 'A');
    return word;
}

// Dictionary keys: one to three English words, a tenth of them with a
// Japanese word, as user-dictionary headwords and lookups are.
std::vector<std::string> const& Keys() {
    static std::vector<std::string> const keys = [] {
        std::mt19937 random(20240101);
        std::vector<std::string> made;
        made.reserve(kKeyCount);
        while (made.size() < kKeyCount) {
            std::string key = EnglishWord(random);
            for (unsigned n = random() % 3; n > 0; --n) key += " " + EnglishWord(random);
            if (random() % 10 == 0) {
                key += ' ';
                for (unsigned n = 1 + random() % 4; n > 0; --n) key += JapaneseChar(random);
            }
            made.push_back(std::move(key));
        }
        return made;
    }();
    return keys;
}

// About 10 MB of Shift-JIS: mostly Japanese, with an ASCII word now and then.
std::string const& JapaneseText() {
    static std::string const text = [] {
        std::mt19937 random(7);
        std::string made;
        made.reserve(kTextBytes + 64);
        while (made.size() < kTextBytes) {
            if (random() % 8 == 0) {
                made += ' ' + EnglishWord(random) + ' ';
            } else {
                made += JapaneseChar(random);
            }
            if (random() % 40 == 0) made += "\x81\x42";  // "。"
        }
        return made;
    }();
    return text;
}

template <typename Less>
void SortKeys(benchmark::State& state, Less less) {
    std::vector<std::string> const& keys = Keys();
    for (auto _ : state) {
        state.PauseTiming();
        std::vector<std::string> sorted = keys;
        state.ResumeTiming();
        std::sort(sorted.begin(), sorted.end(), less);
        benchmark::DoNotOptimize(sorted.data());
    }
    state.SetItemsProcessed(static_cast<int64_t>(state.iterations() * keys.size()));
}

void BM_SortKeys_TerminatedCompare(benchmark::State& state) {
    SortKeys(state, [](std::string const& a, std::string const& b) {
        return StringCompare_E_Source(reinterpret_cast<unsigned char const*>(a.c_str()),
                                      reinterpret_cast<unsigned char const*>(b.c_str())) < 0;
    });
}
BENCHMARK(BM_SortKeys_TerminatedCompare)->Unit(benchmark::kMillisecond);

void BM_SortKeys_StringCompare(benchmark::State& state) {
    SortKeys(state, [](std::string const& a, std::string const& b) { return StringCompare_E_Source(a, b) < 0; });
}
BENCHMARK(BM_SortKeys_StringCompare)->Unit(benchmark::kMillisecond);

// Both conversions count the Shift-JIS bytes, so their rates compare.
void BM_DecodeShiftJIS(benchmark::State& state) {
    std::string const& text = JapaneseText();
    std::vector<wchar_t> wide(text.size() + 1);
    for (auto _ : state) {
        unsigned long const count =
            MapSJISToWideChars(wide.data(), wide.size() * sizeof(wchar_t), text.c_str(), text.size());
        if (count == 0) state.SkipWithError("the generated text did not decode");
        benchmark::DoNotOptimize(count);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * text.size()));
}
BENCHMARK(BM_DecodeShiftJIS)->Unit(benchmark::kMillisecond);

void BM_EncodeWide(benchmark::State& state) {
    std::string const& text = JapaneseText();
    std::wstring const wide = MapSJISTowstring(text.c_str());
    std::vector<char> out(text.size());
    for (auto _ : state) {
        unsigned long written = out.size();
        mapUnicodeToSJIS(wide.data(), wide.size() * sizeof(wchar_t), out.data(), &written);
        if (written != text.size()) state.SkipWithError("the text did not encode back whole");
        benchmark::DoNotOptimize(written);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * text.size()));
}
BENCHMARK(BM_EncodeWide)->Unit(benchmark::kMillisecond);

}  // namespace
