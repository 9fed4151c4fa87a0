// The alternate translations of a selected stretch of one 30-word sentence
// with three prepositional phrases, over the core lexicon: in this process
// through the facade's alternate road (the parse keeping 20 analyses, the
// choices over the selection and a transfer per choice), and as a fresh
// e2j alt run for its peak memory.
#include <benchmark/benchmark.h>

#include <string>

#include "bench/child_program.h"
#include "engine/compiled/core_lexicon.h"
#include "engine/pipeline/corvan_if.h"
#include "engine/transfer/alternate_sentence_work.h"
#include "engine/transfer/sentence_translation.h"

namespace {

char const kSentence[] =
    "The old man and the young woman saw the big black dog and the small white cat with the small red telescope "
    "in the big green park near the station.";
// The selections, by the benchmarks' argument: a prepositional phrase (its
// narrowest ambiguous node renders alike whichever way its phrases attach),
// and the whole sentence.
char const* const kSelections[] = {"with the small red telescope", kSentence};

short SelectionStart(int64_t which) { return static_cast<short>(std::string(kSentence).find(kSelections[which])); }
short SelectionEnd(int64_t which) {
    return static_cast<short>(SelectionStart(which) + std::string(kSelections[which]).size());
}

void BM_AlternatesOfASelectionThroughTheFacade(benchmark::State& state) {
    InstallSentenceTranslation();
    InstallAlternateTranslation();
    CorvanIF facade;
    if (facade.AddSysDict(CoreLexiconPath()) <= 0) state.SkipWithError("the core lexicon did not open");
    unsigned long alternatives = 0;
    for (auto _ : state) {
        std::string text = kSentence;
        if (!facade.AlternateTranslate(&text, SelectionStart(state.range(0)), SelectionEnd(state.range(0)), 20))
            state.SkipWithError("the alternate translation failed");
        alternatives = facade.GetNumberAlternate();
        std::string first;
        facade.GetSinkAlternate(first, 0);
        benchmark::DoNotOptimize(first.data());
    }
    state.counters["alternatives"] = static_cast<double>(alternatives);
}
BENCHMARK(BM_AlternatesOfASelectionThroughTheFacade)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_AlternatesOfASelectionAsAProgram(benchmark::State& state) {
    std::string const report = "/tmp/alternate_translation_bench.report";
    std::string const selection =
        std::to_string(SelectionStart(state.range(0))) + ":" + std::to_string(SelectionEnd(state.range(0)));
    bench_child::MeasuredRun run;
    for (auto _ : state) {
        run = bench_child::MeasureChild(bench_child::BuildFolder() + "/tools/e2j",
                                        {"alt", "--select", selection, kSentence}, report);
        if (run.exitStatus != 0) state.SkipWithError("e2j alt failed");
        state.SetIterationTime(run.seconds);
    }
    state.counters["peak_MB"] = run.peakMB;
}
BENCHMARK(BM_AlternatesOfASelectionAsAProgram)
    ->Arg(0)
    ->Arg(1)
    ->UseManualTime()
    ->Iterations(3)
    ->Unit(benchmark::kMillisecond);

}  // namespace
