// Name-to-code lookups over the 2,760 English part-of-speech names: the
// indexed lookup of ConstantAtomDatabase against a plain search from the
// start of the table.  Each run makes 1,000,000 lookups, cycling through all
// names, so the mean search depth is half the table.
#include <benchmark/benchmark.h>

#include <cstddef>
#include <cstring>

#include "engine/foundation/atom_databases.h"

namespace {

constexpr benchmark::IterationCount kLookups = 1000000;

bool LinearLookup(ConstantAtomDatabase<POS_E_Source> const& database, char const* name, POS_E_Source* out) {
    char const* const* names = database.GetNames();
    for (std::size_t i = 0; i < database.GetCount(); ++i) {
        if (std::strcmp(names[i], name) == 0) {
            *out = static_cast<POS_E_Source>(i);
            return true;
        }
    }
    return false;
}

template <class Lookup>
void RunLookups(benchmark::State& state, Lookup lookup) {
    ConstantAtomDatabase<POS_E_Source> const& database = gSourcePOSDatabase();
    char const* const* names = database.GetNames();
    std::size_t const count = database.GetCount();
    std::size_t next = 0;
    for (auto _ : state) {
        POS_E_Source code{};
        benchmark::DoNotOptimize(lookup(database, names[next], &code));
        benchmark::DoNotOptimize(code);
        if (++next == count) next = 0;
    }
}

void BM_SourcePOSLookup_Indexed(benchmark::State& state) {
    RunLookups(state, [](ConstantAtomDatabase<POS_E_Source> const& database, char const* name, POS_E_Source* out) {
        return database.Lookup(name, out);
    });
}
BENCHMARK(BM_SourcePOSLookup_Indexed)->Iterations(kLookups);

void BM_SourcePOSLookup_Linear(benchmark::State& state) { RunLookups(state, LinearLookup); }
BENCHMARK(BM_SourcePOSLookup_Linear)->Iterations(kLookups);

}  // namespace
