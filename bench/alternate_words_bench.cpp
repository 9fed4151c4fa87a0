// The alternate words of a word with many readings: "run" with 50 readings
// over three dictionaries (a system, a technical and a user dictionary),
// some Japanese repeated within a dictionary and across them, a few with
// particles.  Reported: wall time of one GetTranslations, from the lookup
// through the rewriting composite to the last alternative reported, and of
// freeing the set.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "engine/compiled/dictionary_text_fields.h"
#include "engine/foundation/english_pos_classes.h"
#include "engine/foundation/sjis_wide_text.h"
#include "engine/foundation/temporary_dictionary.h"
#include "engine/transfer/alternate_words.h"

namespace {

constexpr int kReadingsPerDictionary[] = {20, 15, 15};
constexpr unsigned short kDictionaryIDs[] = {1, kMinTechnicalDictionaryID, kMinUserDictionaryID};

std::string SJIS(std::wstring const& text) { return EncodeSJISLenient(text.data(), text.size()); }

// Translations drawn from a small stock, so that some repeat.
std::string Cooked(int i) {
    static wchar_t const* const kStems[] = {L"走", L"経営", L"流", L"運転", L"立候補", L"動", L"続", L"逃"};
    return "{" + SJIS(kStems[i % 8]) + SJIS(i % 3 == 0 ? L"" : L"き") + "}" + (i % 2 == 0 ? "r-" : "su-");
}

Dictionary_EX_Temporary Member(unsigned short id, int readings, int first) {
    Dictionary_EX_Temporary dictionary;
    dictionary.SetID(id);
    Entry_EX entry = dictionary.CreateNewEntry("run");
    FinePOS_EX finePOS = entry.CreateNewFinePOS();
    for (int i = 0; i < readings; ++i) {
        // A fine part of speech every five readings, every fourth with a particle.
        if (i % 5 == 0) {
            if (i > 0) finePOS = entry.CreateNewFinePOS();
            finePOS.SetFinePOS(ParseEnglishPOS("VT01"));
            FeatureSets_E_Source sets;
            sets.SetSet(0, "B1T0__0000000_0_________");
            if ((i / 5) % 4 == 3) sets.SetSet(2, "into");
            finePOS.SetFeatureSets(sets);
        }
        Paraphrase_EX paraphrase = finePOS.CreateNewParaphrase();
        paraphrase.SetCookedTranslation(Cooked(first + i));
        paraphrase.SetTransPOS(ParseJapanesePOS(i % 2 == 0 ? "VCr" : "Vsu"));
    }
    return dictionary;
}

void BM_GetTranslationsOfAWordWithManyReadings(benchmark::State& state) {
    BasicTranslationOptions options;
    int first = 0;
    for (int m = 0; m < 3; ++m) {
        options.fDictionaries.push_back(Member(kDictionaryIDs[m], kReadingsPerDictionary[m], first));
        first += kReadingsPerDictionary[m];
    }
    DICT_SOURCE source;
    source.japanesePOS = static_cast<uint16_t>(JPOSNameToN("VCr"));
    source.englishPOS = static_cast<uint32_t>(POS_E_SourceToEPOSN(ParseEnglishPOS("VT01")));
    source.translationLength = DICT_SOURCE::kNoInflectionInfo;
    std::string const japanese = SJIS(L"走る");
    std::size_t reported = 0;
    AltFormCallback const count = [&](uint16_t, bool, std::string const&, std::string const&, JPOSID, UDPOS const&,
                                      AlwaysUseFlag, ParaphraseEnabledState, float,
                                      CanBeNull<POSAndParaphrase> const&) { ++reported; };

    for (auto _ : state) {
        reported = 0;
        AW_SET* set = GetTranslations("run", japanese, source, &options, count);
        if (set->entries.size() != 50) state.SkipWithError("the set does not hold the 50 readings");
        FreeTranslations(set);
        benchmark::DoNotOptimize(reported);
    }
    state.counters["reported"] = static_cast<double>(reported);
}
BENCHMARK(BM_GetTranslationsOfAWordWithManyReadings)->Unit(benchmark::kMicrosecond)->UseRealTime();

}  // namespace
