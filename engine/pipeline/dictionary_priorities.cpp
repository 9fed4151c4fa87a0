#include "engine/pipeline/dictionary_priorities.h"

#include "engine/compiled/rewriting_rule_list.h"

int GetDictType(Dictionary_EX const& dictionary) {
    if (IsSystemDict(dictionary)) return kSystemDictType;
    if (IsUserDict(dictionary)) return kUserDictType;
    if (IsTechnicalDict(dictionary)) return kTechnicalDictType;
    switch (dictionary.GetID()) {
        case kMissingWordDictionaryID:
            return kMissingWordDictType;
        case kSpecialDictionaryID:
            return kSpecialDictType;
        default:
            return kSystemDictType;
    }
}

DictionaryPriorityMap MakeDictionaryPriorityMap(std::vector<Dictionary_EX> const& dictionaries) {
    DictionaryPriorityMap map;
    int users = 0;
    int technicals = 0;
    for (Dictionary_EX const& dictionary : dictionaries) {
        double priority = 2.0;
        switch (GetDictType(dictionary)) {
            case kUserDictType:
                priority = 1.0 + 0.01 * users++;
                break;
            case kTechnicalDictType:
                priority = 3.0 + 0.01 * technicals++;
                break;
            case kMissingWordDictType:
            case kSpecialDictType:
                priority = 32767.0;
                break;
            default:
                break;
        }
        map.Set(dictionary.GetID(), priority);
    }
    map.Normalize();
    return map;
}
