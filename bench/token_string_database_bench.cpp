// Filling one pipeline's token text store: n inserts of 20-character texts
// under fresh serials, for n of 1,000,000 and 2,000,000.  Every 16,384-
// character block leaves a piece too small for the next text; the time per
// insert must not grow with the number of blocks, so the two sizes should
// differ by a factor of about 2 in total time.
#include <benchmark/benchmark.h>

#include <string>

#include "engine/foundation/token_string_database.h"

namespace {

void BM_TokenStringDatabaseInserts(benchmark::State& state) {
    uint32_t const inserts = static_cast<uint32_t>(state.range(0));
    std::wstring const text(20, L'w');
    for (auto _ : state) {
        TokenStringDatabase strings;
        for (uint32_t serial = 1; serial <= inserts; ++serial) strings.Insert(MakeToken(serial, 23), text);
        benchmark::DoNotOptimize(strings);
    }
    state.SetItemsProcessed(state.iterations() * inserts);
}

BENCHMARK(BM_TokenStringDatabaseInserts)->Arg(1000000)->Arg(2000000)->Unit(benchmark::kMillisecond);

}  // namespace
