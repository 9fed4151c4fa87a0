// Inflecting the alternatives of one word like its current translation, as
// the post-edit code does when it shows them: 40 verb readings of several
// classes inflected like 走った, and reading the inflection of the current
// word itself (the pattern, base form and tail).
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "engine/foundation/atom_databases.h"
#include "engine/foundation/jpos_ids.h"
#include "engine/foundation/temporary_dictionary.h"
#include "engine/transfer/alt_inflection.h"
#include "engine/transfer/dictionary_length.h"
#include "engine/transfer/inflection_pattern.h"

namespace {

constexpr std::size_t kAlternatives = 40;
constexpr JPOSN kVCr = 37;
char const kRan[] = "\x91\x96\x82\xC1\x82\xBD";  // 走った
char const kRanCooked[] = "{\x91\x96}r-";        // {走}r-

// Readings of "run" cooked in the classes' shapes, cycled to 40.
std::vector<POSAndParaphrase> FortyReadings(Dictionary_EX_Temporary& dictionary) {
    struct Shape {
        char const* cooked;
        char const* jpos;
    } const shapes[] = {
        {"{\x91\x96}r-", "VCr"},       {"{\x8C\x6F\x89\x63}su-", "Vsu"},  // 走る, 経営する
        {"{\x97\xAC\x82\xEA}-", "VV"}, {"{\x8F\x91}k-", "VCk"},           // 流れる, 書く
        {"{\x94\x83}w-", "VCw"},       {"{\x98\x62}s-", "VCs"},           // 買う, 話す
        {"{\x93\xC7}m-", "VCm"},       {"{\x91\xD2}t-", "VCt"},           // 読む, 待つ
    };
    POS_E_Source verb{};
    gSourcePOSDatabase().Lookup("VT01", &verb);
    Entry_EX entry = dictionary.CreateNewEntry("run");
    std::vector<POSAndParaphrase> readings;
    for (std::size_t i = 0; i < kAlternatives; ++i) {
        Shape const& shape = shapes[i % (sizeof shapes / sizeof shapes[0])];
        FinePOS_EX fp = entry.CreateNewFinePOS();
        fp.SetFinePOS(verb);
        Paraphrase_EX paraphrase = fp.CreateNewParaphrase();
        paraphrase.SetCookedTranslation(shape.cooked);
        paraphrase.SetTransPOS(POS_J_TargetFromJPOSID(JPOSIDFromStr(shape.jpos)));
        readings.emplace_back(fp, paraphrase);
    }
    return readings;
}

DICT_SOURCE RanSource() {
    DICT_SOURCE source;
    source.japanesePOS = kVCr;
    source.translationLength = DictionaryRomajiLength(kRanCooked, 0);
    return source;
}

void InflectFortyAlternatives(benchmark::State& state) {
    Dictionary_EX_Temporary dictionary;
    std::vector<CanBeNull<POSAndParaphrase>> readings;
    for (POSAndParaphrase const& reading : FortyReadings(dictionary)) readings.emplace_back(reading);
    DICT_SOURCE const source = RanSource();
    AW_SET set({}, 0);
    set.grossJPOS = GrossClassOfJPOSN(kVCr);
    set.inflectionPattern = FindInflectPattern(&set.japaneseBaseForm, &set.tail, kRan, source, set.grossJPOS);
    set.inflections.push_back({kRan, set.tail, set.inflectionPattern, source.japanesePOS, source.translationLength});
    for (auto _ : state) {
        for (CanBeNull<POSAndParaphrase> const& reading : readings) {
            DICT_SOURCE out;
            benchmark::DoNotOptimize(CInflectAltword(&out, kRan, source, set, reading));
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(kAlternatives));
}
BENCHMARK(InflectFortyAlternatives);

void ReadInflection(benchmark::State& state) {
    DICT_SOURCE const source = RanSource();
    std::string base;
    std::string tail;
    for (auto _ : state) benchmark::DoNotOptimize(FindInflectPattern(&base, &tail, kRan, source, 2));
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(ReadInflection)->Iterations(100000);

}  // namespace
