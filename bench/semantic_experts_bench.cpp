// The selectional-restriction scoring of a requirement against fillers on a
// warm pairwise cache (every lookup takes the cache's lock), and the
// word-sense associates of a word in a long sentence.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "engine/parse/parse_graph.h"
#include "engine/parse/semantic_expert.h"
#include "engine/parse/word_sense_expert.h"
#include "engine/parse/word_sense_tables.h"

namespace {

void BM_SelResApplyWarmCache(benchmark::State& state) {
    SemanticRecord const requirement = Semantics_E_Source("SUBJ instrument food \"xdummy\" \"with\"").records[0];
    std::vector<SemanticRecord> fillers;
    for (char const* text : {"N tool \"knife\" \"with\"", "N food \"bean\" \"with\"", "N human animal \"dog\"",
                             "N building place \"park\" \"with\"", "N drink liquid \"tea\" \"with\""})
        fillers.push_back(Semantics_E_Source(text).records[0]);
    SemanticExpert expert;
    for (SemanticRecord const& filler : fillers) expert.SelResApply(requirement, filler, false);
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(expert.SelResApply(requirement, fillers[i], false));
        i = (i + 1) % fillers.size();
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_SelResApplyWarmCache);

// "account" read as 口座 at the end of 150 words, with its associates here
// and there.
void BM_WordSenseAssociates150Words(benchmark::State& state) {
    WSAN_SENTENCE_INFO info;
    char const* const filler[] = {"the", "of", "balance", "and", "trip", "my", "bank", "deposits", "money", "to"};
    for (int i = 0; i < 149; ++i) info.words.push_back(filler[i % 10]);
    info.words.push_back("account");
    info.cells.resize(150 * 151 / 2);
    EXPERT_VIEW view;
    view.start = 0;
    view.end = 149;
    WSANTranslation const& bank = kWSANTranslations[0];
    for (auto _ : state) benchmark::DoNotOptimize(FindWSANAssociates(&view, bank, info));
}
BENCHMARK(BM_WordSenseAssociates150Words);

}  // namespace
