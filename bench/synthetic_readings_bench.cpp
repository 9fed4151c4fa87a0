// Readings made for a sentence of 150 words that no dictionary knows: every
// word is asked whether some reading covers it, then gets the readings of
// its ending.  Each iteration starts from a fresh sentence and empty chart.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "engine/parse/parse_chart_creator.h"
#include "engine/parse/sentence.h"

namespace {

std::vector<PreparsedWord> UnknownWords(std::size_t count) {
    char const* const endings[] = {"ness", "ize", "ful", "ly", "ed", "ing", "s", "orb"};
    std::vector<PreparsedWord> words(count);
    uint16_t offset = 0;
    for (std::size_t i = 0; i < count; ++i) {
        words[i].fText = "zq" + std::to_string(i) + "x" + endings[i % 8];
        words[i].fStart = offset;
        offset = static_cast<uint16_t>(offset + words[i].fText.size());
        words[i].fEnd = offset++;
    }
    return words;
}

void BM_UnknownWordReadings(benchmark::State& state) {
    std::vector<PreparsedWord> const words = UnknownWords(static_cast<std::size_t>(state.range(0)));
    for (auto _ : state) {
        Sentence sentence{SentenceUserOptions()};
        sentence.SetPreparsedWords(words, {}, {}, false);
        sentence.Chart().Allocate(words.size());
        ParseChartCreator creator(&sentence);
        benchmark::DoNotOptimize(creator.GenerateMissingWordEntries(
            sentence.MutableWords(), sentence.SpecialDictionary(), sentence.MissingWordDictionary()));
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_UnknownWordReadings)->Arg(40)->Arg(150)->Unit(benchmark::kMillisecond);

}  // namespace
