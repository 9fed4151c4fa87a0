// Building the parse graph of sentences of 5 to 40 words of the core
// lexicon: "I saw the man", made longer with prepositional phrases ("with
// the dog"), each of which may attach to the verb phrase or to any noun
// phrase before it, so the analyses multiply while the packed graph grows
// polynomially.  The sentence is preparsed, charted and parsed once; each
// iteration frees the graph and builds it again from the parsed chart.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "engine/compiled/core_lexicon.h"
#include "engine/compiled/rewriting_composite_dictionary.h"
#include "engine/foundation/token_types.h"
#include "engine/parse/chart_to_graph.h"
#include "engine/parse/expert_context.h"
#include "engine/parse/parser.h"
#include "engine/parse/preparsed_text.h"
#include "engine/parse/sentence.h"
#include "engine/pipeline/sentence_chain.h"

namespace {

EnglishTokens const sEnglishTokens;

// About `words` words: "I saw the man (with the dog)* ."
std::string SentenceOfWords(int words) {
    std::string text = "I saw the man";
    static char const* const kNouns[] = {"dog", "cat", "book", "bird", "apple"};
    for (int i = 0; 4 + 3 * (i + 1) + 1 <= words; ++i) text += std::string(" with the ") + kNouns[i % 5];
    return text + ".";
}

void BM_GraphBuilding(benchmark::State& state) {
    Dictionary_EX const lookup = mkRewritingCompositeDictionary({OpenCoreLexicon()});
    SentenceChain chain(SentenceOfWords(static_cast<int>(state.range(0))));
    PreparsedSentence preparsed;
    PreparseNextSentence(chain, &lookup, &preparsed);

    SentenceUserOptions options;
    options.fSpeed = 1;  // no time limit
    options.fMaxSavedParses = static_cast<uint16_t>(state.range(1));
    Sentence sentence(options);
    sentence.SetPreparsedWords(preparsed.words, preparsed.senses, preparsed.extra, false);
    CBeforeParse(&sentence, nullptr, nullptr, false, lookup);
    uint16_t const status = Parser(&sentence).CParse();
    for (auto _ : state) {
        ChartToGraph(sentence).FreeAllPViaParseChart();
        ExpertContext experts(sentence);
        ChartToGraph(sentence).MakeAllPGraph(&experts);
    }
    state.counters["words"] = static_cast<double>(preparsed.words.size());
    state.counters["nodes"] = static_cast<double>(sentence.GraphNodeCount());
    state.counters["parses"] = sentence.TotalAnalysisCount();
    state.counters["status"] = status;
}
BENCHMARK(BM_GraphBuilding)
    ->ArgsProduct({{5, 10, 20, 40}, {1, 20}})
    ->ArgNames({"words", "kept"})
    ->Unit(benchmark::kMicrosecond);

}  // namespace
