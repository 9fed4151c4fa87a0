// Passes that prune readings which cannot apply to the sentence, give
// technical readings the semantics of matching system readings, and count
// the subject domains of the chart.
#include "engine/parse/aliasing_dictionaries.h"
#include "engine/parse/parse_chart_creator.h"
#include "engine/parse/sentence.h"
#include "engine/parse/sword_registry.h"

void ParseChartCreator::EliminateEntriesWithAbsentParticles() {}
void ParseChartCreator::EliminateEntriesWithNoEnabledParaphrases() {}
void ParseChartCreator::InheritFromSD() {}
void ParseChartCreator::CountDomains() {}
void ParseChartCreator::EliminateAlternateOnlyEntries() {}

void SWordRegistry::RegisterAllSWord(Sentence*) {}
void SWordRegistry::MaybeRegisterSWord(FinePOS_EX const&) {}

Dictionary_EX TempDictSetForAliasing::GetTempDict(unsigned short dictionaryNumber) {
    auto found = fDictionaries.find(dictionaryNumber);
    if (found == fDictionaries.end()) {
        found = fDictionaries.emplace(dictionaryNumber, Dictionary_EX_Temporary()).first;
        found->second.SetID(dictionaryNumber);
    }
    return found->second;
}

bool TempDictSetForAliasing::Holds(Dictionary_EX const& dictionary) const {
    for (auto const& held : fDictionaries)
        if (held.second == dictionary) return true;
    return false;
}
