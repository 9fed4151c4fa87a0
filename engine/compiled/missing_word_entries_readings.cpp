// The readings CreateMWEntries makes: from the missing-word affix rules, from
// the word's ending class, and the proper-noun reading.
#include <cstring>
#include <iterator>

#include "engine/compiled/affix_pattern.h"
#include "engine/compiled/missing_word_entries.h"
#include "engine/foundation/pos_codes.h"
#include "engine/foundation/sjis_chars.h"

namespace {

// Ending classes of an unknown word, tried in order; the last one fits any
// word.  Each key adds one reading.
struct EndingClass {
    char const* ending;
    char const* keys[7];
};

constexpr EndingClass kEndingClasses[] = {
    {"s", {"N_S", "VI01_S", "VT01_S", "ADJ_S", "ADV_S"}},
    {"ed", {"N_ED", "VI01_ED_1", "VT01_ED_1", "VI01_ED_2", "VT01_ED_2", "ADJ_ED", "ADV_ED"}},
    {"ing", {"N_ING", "VI01_ING_1", "VT01_ING_1", "VI01_ING_2", "VT01_ING_2", "ADJ_ING", "ADV_ING"}},
    {"ly", {"N_LY", "VI01_LY", "VT01_LY", "ADJ_LY", "ADV_LY"}},
    {"", {"N_GENERIC", "VI01_GENERIC", "VT01_GENERIC", "ADJ_GENERIC", "ADV_GENERIC"}},
};

bool StartsWithASCIICapital(char const* word) { return word[0] >= 'A' && word[0] <= 'Z'; }

// The semantics a missing-word rule starts from: empty, record 0 one-slot
// and noun-like.
Dict_Semantics_E_Source EmptyStemSemantics() {
    Dict_Semantics_E_Source semantics;
    semantics.records[0].flags = SemanticRecord::kOneSlot | SemanticRecord::kNounLike;
    return semantics;
}

void AddAffixReading(std::vector<Paraphrase_EX>* out, char const* word, AffixActionRule const& rule,
                     Dictionary<Entry_EX> const& dictionary) {
    FeatureSets_E_Source features;
    for (unsigned set = 0; set < AffixActionRule::kFeatureSetCount; ++set) {
        std::string derived;
        rule.GetDerivedFeatures(&derived, "", set);
        features.SetSet(set, derived.c_str());
    }
    Entry_EX entry = MakeOrCreateEntry(dictionary, word);
    FinePOS_EX finePOS = entry.CreateNewFinePOS();
    finePOS.SetFinePOS(rule.GetDerivedCategory());
    finePOS.SetPrimed(rule.GetDerivedPrimed());
    finePOS.SetPValue(rule.GetDerivedPOSProb(0));
    finePOS.SetFeatureSets(features);

    Paraphrase_EX paraphrase = finePOS.CreateNewParaphrase();
    paraphrase.SetCookedTranslation(rule.GetDerivedJ("", word, ""));
    paraphrase.SetTransplant(rule.GetDerivedJTransplant(""));
    paraphrase.SetTransPOS(rule.GetDerivedJPOS(POS_J_Target{}));
    Dict_Semantics_E_Source semantics = rule.GetDerivedSemantics(EmptyStemSemantics());
    if (rule.GetDerivedCategory() == kCatN && StartsWithASCIICapital(word) && semantics.IsBlank())
        semantics = GetDefaultProperNounSemantics();
    paraphrase.SetSemantics(semantics);
    out->push_back(paraphrase);
}

// True when some missing-word rule matched.
bool AddAffixReadings(std::vector<Paraphrase_EX>* out, char const* word, Dictionary<Entry_EX> const& dictionary) {
    bool matched = false;
    char stem[AffixPattern::kStemBufferSize];
    AffixActionRule const* rule = nullptr;
    for (int index = 0; ApplyNextMatchingPattern(&index, word, stem, &rule);) {
        if (!rule->IsMissingWordAction()) continue;
        matched = true;
        AddAffixReading(out, word, *rule, dictionary);
    }
    return matched;
}

void AddEndingClassReadings(std::vector<Paraphrase_EX>* out, char const* word, Dictionary<Entry_EX> const& dictionary) {
    std::string lower(word);
    for (char& c : lower) c = ASCIIToLower(c);
    MWRowsUsed used = {};
    for (EndingClass const& endingClass : kEndingClasses) {
        if (!EndsWithCI(lower.c_str(), endingClass.ending)) continue;
        for (char const* key : endingClass.keys) {
            if (key != nullptr) CreateVHNDictEntry(out, lower.c_str(), key, false, dictionary, used);
        }
        return;
    }
}

}  // namespace

void CreateMWEntries(std::vector<Paraphrase_EX>* out, char const* word, bool affixOnly,
                     Dictionary<Entry_EX> dictionary) {
    if (std::strlen(word) > kMaxLookupHeadwordLength) return;
    bool const affixMatched = AddAffixReadings(out, word, dictionary);
    if (!affixMatched && !affixOnly) AddEndingClassReadings(out, word, dictionary);
    if (StartsWithASCIICapital(word)) {
        MWRowsUsed used = {};
        CreateVHNDictEntry(out, word, EndsWithCI(word, "s") ? "PN_PL" : "PN_SING", false, dictionary, used);
    }
}
