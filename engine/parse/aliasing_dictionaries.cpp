#include "engine/parse/aliasing_dictionaries.h"

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
