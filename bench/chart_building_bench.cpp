// Chart building for sentences of 5, 10, 20 and 40 words of the core
// lexicon, looked up through the rewriting composite as the translator does,
// and for licence prose of 10 and 40 words looked up in the core and EDICT
// lexicons as e2j does.  A span is looked up only while some headword begins
// with the text of the span before it, so the work grows with the length,
// not its square.  The sentence is preparsed once; each iteration builds its
// chart afresh.  At speed 50 spans of more than ten words are not looked up.
#include <benchmark/benchmark.h>
#include <sys/stat.h>

#include <string>
#include <vector>

#include "bench/compiled_bench_formats.h"
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

// A licence sentence cut to `words` words and a period.
std::string LicenceSentence(int words) {
    static char const* const kWords[] = {"This",
                                         "program",
                                         "is",
                                         "distributed",
                                         "in",
                                         "the",
                                         "hope",
                                         "that",
                                         "it",
                                         "will",
                                         "be",
                                         "useful,",
                                         "but",
                                         "without",
                                         "any",
                                         "warranty;",
                                         "without",
                                         "even",
                                         "the",
                                         "implied",
                                         "warranty",
                                         "of",
                                         "merchantability",
                                         "or",
                                         "fitness",
                                         "for",
                                         "a",
                                         "particular",
                                         "purpose;",
                                         "see",
                                         "the",
                                         "GNU",
                                         "General",
                                         "Public",
                                         "License",
                                         "for",
                                         "more",
                                         "details",
                                         "about",
                                         "it"};
    std::string text;
    for (int i = 0; i + 1 < words; ++i) text += std::string(i == 0 ? "" : " ") + kWords[i % std::size(kWords)];
    return text + ".";
}

void BuildChart(benchmark::State& state, Dictionary_EX const& lookup, std::string const& text, uint16_t speed) {
    SentenceChain chain(text);
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

void BuildChart(benchmark::State& state, uint16_t speed) {
    Dictionary_EX const lookup = mkRewritingCompositeDictionary({OpenCoreLexicon()});
    BuildChart(state, lookup, SentenceOfWords(static_cast<int>(state.range(0))), speed);
}

void BM_ChartBuilding(benchmark::State& state) { BuildChart(state, 10); }
BENCHMARK(BM_ChartBuilding)->Arg(5)->Arg(10)->Arg(20)->Arg(40)->Unit(benchmark::kMicrosecond);

void BM_ChartBuildingAtSpeed50(benchmark::State& state) { BuildChart(state, 50); }
BENCHMARK(BM_ChartBuildingAtSpeed50)->Arg(40)->Unit(benchmark::kMicrosecond);

// Licence prose looked up in the core lexicon and the EDICT lexicon, whose
// 30,000 headwords begin many more spans.
void BM_ChartBuildingWithEdict(benchmark::State& state) {
    struct stat status {};
    if (stat(EdictLexiconPath().c_str(), &status) != 0) {
        state.SkipWithError("no EDICT lexicon at the build's path (EDICT not installed?)");
        return;
    }
    Dictionary_EX const lookup =
        mkRewritingCompositeDictionary({OpenCoreLexicon(), compiled_bench::OpenCompiled(50, EdictLexiconPath())});
    BuildChart(state, lookup, LicenceSentence(static_cast<int>(state.range(0))), 10);
}
BENCHMARK(BM_ChartBuildingWithEdict)->Arg(10)->Arg(40)->Unit(benchmark::kMicrosecond);

}  // namespace
