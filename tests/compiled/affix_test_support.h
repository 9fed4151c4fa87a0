#pragma once
// Dictionaries and rule-set makers for the affix rule tests.
#include <string>
#include <vector>

#include "engine/compiled/affix_rule_sets.h"
#include "engine/compiled/rewriting_dictionary.h"
#include "engine/foundation/atom_databases.h"
#include "engine/foundation/temporary_dictionary.h"

namespace affix_test {

// The affix rule sets alone: prefix, suffix and, for technical
// dictionaries, first-word suffix.
inline RewriteRuleSetMakers AffixMakers() {
    RewriteRuleSetMakers makers;
    makers.firstWordSuffix = &MakeFirstWordSuffixRuleSet;
    makers.prefix = &MakePrefixRuleSet;
    makers.suffix = &MakeSuffixRuleSet;
    return makers;
}

inline POS_E_Source SourcePOS(char const* name) {
    POS_E_Source pos{};
    gSourcePOSDatabase().Lookup(name, &pos);
    return pos;
}

inline POS_J_Target TargetPOS(char const* name) {
    POS_J_Target pos{};
    gTargetPOSDatabase().Lookup(name, &pos);
    return pos;
}

// One reading of a headword.
struct Word {
    std::string headword;
    char const* pos;
    std::string cooked;  // Shift-JIS
    char const* features = "";
    short pValue = 0;
};

inline FinePOS_EX AddReading(Dictionary_EX dictionary, Word const& word) {
    Entry_EX entry = dictionary.CreateNewEntry(word.headword);
    FinePOS_EX finePOS = entry.CreateNewFinePOS();
    finePOS.SetFinePOS(SourcePOS(word.pos));
    FeatureSets_E_Source sets;
    sets.SetSet(0, word.features);
    finePOS.SetFeatureSets(sets);
    finePOS.SetPValue(word.pValue);
    finePOS.CreateNewParaphrase().SetCookedTranslation(word.cooked);
    return finePOS;
}

// A dictionary of the given number standing for the wrapped one.
inline Dictionary_EX MakeDictionary(unsigned short id, std::vector<Word> const& words) {
    Dictionary_EX_Temporary dictionary;
    dictionary.SetID(id);
    for (Word const& word : words) AddReading(dictionary, word);
    return dictionary;
}

inline std::vector<Entry_EX> LookupAll(Dictionary_EX const& dictionary, std::string const& text,
                                       MaybeAnyLongerCallback* callback = nullptr) {
    std::vector<Entry_EX> found;
    for (ForwardIterator<Entry_EX> it = dictionary.Lookup(text, callback); !it.IsAtEnd(); ++it) found.push_back(*it);
    return found;
}

inline Entry_EX FirstEntry(Dictionary_EX const& dictionary, std::string const& headword) {
    return *dictionary.Lookup(headword, nullptr);
}

class SpeedCallback : public MaybeAnyLongerCallback {
public:
    explicit SpeedCallback(int speed) : fSpeed(speed) {}
    void FoundOne() override {}
    int GetCoreSpeed() override { return fSpeed; }

private:
    int fSpeed;
};

constexpr unsigned short kSystemDictionaryID = 5;
constexpr unsigned short kTechnicalDictionaryID = 100;
constexpr unsigned short kUserDictionaryID = 10000;

// The singular features of a common countable noun, as compiled
// dictionaries store them.
constexpr char kCountableNounFeatures[] = "SSSC1101110M0__";

}  // namespace affix_test
