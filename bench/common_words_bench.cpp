// One million common-word tests per iteration, over words as running English
// text gives them: about half common words in any case, half other words.
// Inputs come from a fixed seed so runs compare.
#include <benchmark/benchmark.h>

#include <iterator>
#include <random>
#include <string>
#include <vector>

#include "engine/foundation/common_words.h"

namespace {

constexpr std::size_t kCallCount = 1000000;

std::vector<std::string> const& Words() {
    static std::vector<std::string> const words = [] {
        static char const* const kOthers[] = {"translation", "dictionary",  "Tokyo",         "running",
                                              "theory",      "NASA",        "cats",          "engine",
                                              "x",           "grammatical", "neverthelesss", "thee"};
        std::mt19937 random(20240101);
        std::vector<std::string> made;
        made.reserve(kCallCount);
        while (made.size() < kCallCount) {
            std::string word =
                random() % 2 == 0 ? pcCommon[random() % kCommonWordCount] : kOthers[random() % std::size(kOthers)];
            if (random() % 4 == 0) word[0] = static_cast<char>(word[0] & ~0x20);  // sentence-initial capital
            made.push_back(word);
        }
        return made;
    }();
    return words;
}

void BM_CommonGrammaticalWord(benchmark::State& state) {
    std::vector<std::string> const& words = Words();
    for (auto _ : state) {
        std::size_t common = 0;
        for (std::string const& word : words) common += CommonGrammaticalWord(word.c_str()) ? 1 : 0;
        benchmark::DoNotOptimize(common);
    }
    state.SetItemsProcessed(static_cast<int64_t>(state.iterations() * words.size()));
}
BENCHMARK(BM_CommonGrammaticalWord)->Unit(benchmark::kMillisecond);

void BM_CommonGrammaticalWordWide(benchmark::State& state) {
    static std::vector<std::wstring> const wide = [] {
        std::vector<std::wstring> made;
        for (std::string const& word : Words()) made.emplace_back(word.begin(), word.end());
        return made;
    }();
    for (auto _ : state) {
        std::size_t common = 0;
        for (std::wstring const& word : wide) common += CommonGrammaticalWord(word.c_str()) ? 1 : 0;
        benchmark::DoNotOptimize(common);
    }
    state.SetItemsProcessed(static_cast<int64_t>(state.iterations() * wide.size()));
}
BENCHMARK(BM_CommonGrammaticalWordWide)->Unit(benchmark::kMillisecond);

}  // namespace
