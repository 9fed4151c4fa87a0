// Chart building for sentences of 5, 10, 20 and 40 words of the core
// lexicon, looked up through the rewriting composite as the translator does:
// every span of a sentence is looked up, so the work grows with the square
// of its length.  The sentence is preparsed once; each iteration builds its
// chart afresh.  At speed 50 spans of more than ten words are not looked up.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "engine/compiled/core_lexicon.h"
#include "engine/compiled/rewriting_composite_dictionary.h"
#include "engine/foundation/token_types.h"
#include "engine/parse/preparsed_text.h"
#include "engine/parse/sentence.h"
#include "engine/pipeline/sentence_chain.h"

namespace {

EnglishTokens const sEnglishTokens;

// A sentence of `words` words (the period is one) from a paragraph of
// lexicon words, idioms and forms.
std::string SentenceOfWords(int words) {
    static char const* const kWords[] = {"The",    "old",  "man", "saw",      "a",       "big", "dog",  "in",  "front",
                                         "of",     "the",  "new", "house",    "and",     "she", "went", "to",  "the",
                                         "school", "with", "her", "children", "because", "it",  "was",  "cold"};
    std::string text;
    for (int i = 0; i + 1 < words; ++i) text += std::string(i == 0 ? "" : " ") + kWords[i % std::size(kWords)];
    return text + ".";
}

void BuildChart(benchmark::State& state, uint16_t speed) {
    Dictionary_EX const lookup = mkRewritingCompositeDictionary({OpenCoreLexicon()});
    SentenceChain chain(SentenceOfWords(static_cast<int>(state.range(0))));
    PreparsedSentence preparsed;
    PreparseNextSentence(chain, &lookup, &preparsed);

    SentenceUserOptions options;
    options.fSpeed = speed;
    std::size_t readings = 0;
    for (auto _ : state) {
        Sentence sentence(options);
        sentence.SetPreparsedWords(preparsed.words, preparsed.senses, preparsed.extra, false);
        benchmark::DoNotOptimize(CBeforeParse(&sentence, nullptr, nullptr, false, lookup));
        readings = sentence.Chart().FinePOSCount();
    }
    state.counters["words"] = static_cast<double>(preparsed.words.size());
    state.counters["readings"] = static_cast<double>(readings);
    state.SetItemsProcessed(state.iterations());
}

void BM_ChartBuilding(benchmark::State& state) { BuildChart(state, 10); }
BENCHMARK(BM_ChartBuilding)->Arg(5)->Arg(10)->Arg(20)->Arg(40)->Unit(benchmark::kMicrosecond);

void BM_ChartBuildingAtSpeed50(benchmark::State& state) { BuildChart(state, 50); }
BENCHMARK(BM_ChartBuildingAtSpeed50)->Arg(40)->Unit(benchmark::kMicrosecond);

}  // namespace
