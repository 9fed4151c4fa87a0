// The cook tables' two hot paths: finding the ending record of translations
// that always miss the one-entry cache (the romaji conversion and the table
// walk every time), and deriving the raw Japanese of cooked paraphrases, as
// dictionary browsing does for every entry shown.  100,000 calls each.
#include <benchmark/benchmark.h>

#include <string>

#include "engine/foundation/atom_databases.h"
#include "engine/foundation/cook_translation.h"
#include "engine/foundation/cooked_japanese.h"
#include "engine/foundation/jpos_ids.h"

namespace {

constexpr benchmark::IterationCount kCalls = 100000;

// Verbs whose records lie at both ends of the verb table.
char const kStudy[] = "\x95\xD7\x8B\xAD\x82\xB7\x82\xE9";  // 勉強する
char const kBuy[] = "\x94\x83\x82\xA4";                    // 買う

void GetMissingTheCache(benchmark::State& state) {
    CookArrayEntryGetterWithCache& getter = sCookArrayEntryGetter();
    char const* const texts[] = {kStudy, kBuy};
    unsigned n = 0;
    for (auto _ : state) benchmark::DoNotOptimize(getter.Get(eCookVerb, texts[n++ & 1]));
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(GetMissingTheCache)->Iterations(kCalls);

void RawFromCooked(benchmark::State& state) {
    std::string const cooked = "{\x95\xD7\x8B\xAD}su-";  // {勉強}su-
    POS_J_Target const target = POS_J_TargetFromJPOSID(JPOSIDFromStr("Vsu"));
    POS_E_Source verb{};
    gSourcePOSDatabase().Lookup("VT01", &verb);
    for (auto _ : state) benchmark::DoNotOptimize(CreateRawJapaneseFromCooked(cooked, target, verb));
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(RawFromCooked)->Iterations(kCalls);

}  // namespace
