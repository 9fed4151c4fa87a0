// Judging where the sentences of 1 MB of English prose begin and end through
// the translation facade, with no dictionary and with the core lexicon (whose
// word lists the period decisions consult).  The figures are bytes and
// sentences per second.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "bench/repeated_text.h"
#include "engine/compiled/core_lexicon.h"
#include "engine/pipeline/corvan_if.h"

namespace {

// Argument: 1 with the core lexicon, 0 without a dictionary.
void BM_JudgeOneMegabyteOfProse(benchmark::State& state) {
    CorvanIF facade;
    if (state.range(0) == 1 && facade.AddSysDict(CoreLexiconPath()) <= 0)
        state.SkipWithError("the core lexicon did not open");
    std::string text = SampleProse(1 << 20);
    std::size_t sentences = 0;
    for (auto _ : state) {
        std::vector<ScanIF*> records;
        if (!facade.JudgeTranslate(&text, &records)) state.SkipWithError("judging failed");
        sentences = records.size();
        DeleteScanIFs(records);
    }
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(text.size()));
    state.counters["sentences_per_s"] =
        benchmark::Counter(static_cast<double>(state.iterations() * sentences), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_JudgeOneMegabyteOfProse)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace
