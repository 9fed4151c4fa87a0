// Compiling a temporary dictionary of 100,000 entries (each with a fine part
// of speech, features, a paraphrase and semantics, every tenth with a
// conjugated form of the one before) into a file of format 4.0 or 5.0, and
// compiling that file again from its reader, which makes a new entry per
// access.  The argument is the format.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <stdlib.h>
#include <unistd.h>

#include <string>

#include "bench/compiled_bench_formats.h"
#include "bench/compiled_lookup_bench_words.h"
#include "engine/foundation/entry.h"
#include "engine/foundation/pos_codes.h"
#include "engine/foundation/semantics.h"
#include "engine/foundation/temporary_dictionary.h"

namespace {

constexpr std::size_t kEntries = 100000;

std::string ScratchPath() {
    char pattern[] = "/tmp/compiled_compile_bench.XXXXXX";
    int const fd = mkstemp(pattern);
    if (fd >= 0) close(fd);
    return pattern;
}

Dictionary_EX MakeSource() {
    Dictionary_EX_Temporary source;
    FeatureSets_E_Source features;
    features.SetSet(0, "SSSC1101110M00_");
    features.SetSet(2, "____");
    Dict_Semantics_E_Source const semantics = ConvertNounSemanticsFromText("N human");
    std::size_t n = 0;
    CanBeNull<FinePOS_EX> previous;
    for (std::string const& word : compiled_lookup_bench::Headwords(kEntries)) {
        FinePOS_EX fp = source.CreateNewEntry(word).CreateNewFinePOS();
        fp.SetFinePOS(kCatN);
        fp.SetFeatureSets(features);
        if (++n % 10 == 0 && !previous.IsNull()) {
            fp.SetBaseForm(previous.Get());
            continue;
        }
        Paraphrase_EX para = fp.CreateNewParaphrase();
        para.SetCookedTranslation("{" + word.substr(0, 3) + "}");
        para.SetSemantics(semantics);
        previous = fp;
    }
    return source;
}

void BM_Compile_100000Entries(benchmark::State& state) {
    auto const format = static_cast<int>(state.range(0));
    Dictionary_EX const source = MakeSource();
    std::string const path = ScratchPath();
    for (auto _ : state) compiled_bench::Compile(format, source, path);
    unlink(path.c_str());
    state.SetItemsProcessed(static_cast<int64_t>(state.iterations() * kEntries));
}
BENCHMARK(BM_Compile_100000Entries)->ArgName("format")->Arg(40)->Arg(50)->Unit(benchmark::kMillisecond);

// From a file of the format into a file of the same format.
void BM_RecompileFromCompiled_100000Entries(benchmark::State& state) {
    auto const format = static_cast<int>(state.range(0));
    std::string const first = ScratchPath();
    std::string const second = ScratchPath();
    compiled_bench::Compile(format, MakeSource(), first);
    Dictionary_EX const compiled = compiled_bench::OpenCompiled(format, first);
    for (auto _ : state) compiled_bench::Compile(format, compiled, second);
    unlink(first.c_str());
    unlink(second.c_str());
    state.SetItemsProcessed(static_cast<int64_t>(state.iterations() * kEntries));
}
BENCHMARK(BM_RecompileFromCompiled_100000Entries)->ArgName("format")->Arg(40)->Arg(50)->Unit(benchmark::kMillisecond);

}  // namespace
