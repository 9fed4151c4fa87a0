#pragma once
// The alternate words of one source word: every other Japanese translation
// the dictionaries hold for it (ALTWORD_ENTRY), with what is known of how the
// current translation is inflected, so that a picked alternative can be
// inflected the same way.  Building a set and learning from it live in
// alternate_words*; reading an inflection in inflection_pattern.h, applying
// it to an alternative in alt_inflection.h.
// All Japanese is Shift-JIS.
#include <cstdint>
#include <string>
#include <vector>

#include "engine/compiled/rewriting_composite_dictionary.h"
#include "engine/foundation/can_be_null.h"
#include "engine/foundation/cook_tables.h"
#include "engine/foundation/entry.h"
#include "engine/foundation/value_types.h"
#include "engine/pipeline/dict_source.h"
#include "engine/transfer/romaji_width.h"

// The class a host files a user-dictionary word under, derived from a fine
// part of speech.
struct UDPOS {
    uint32_t wordClass = 0;
    uint32_t subclass = 0;
    uint32_t missingWordMapValue = 0;
    uint32_t flagA = 0;
    uint32_t flagB = 0;

    bool operator==(UDPOS const& other) const {
        return wordClass == other.wordClass && subclass == other.subclass &&
               missingWordMapValue == other.missingWordMapValue && flagA == other.flagA && flagB == other.flagB;
    }
    bool operator!=(UDPOS const& other) const { return !(*this == other); }
};

// Whether a reading comes from an always-use idiom.
enum AlwaysUseFlag : uint32_t {
    kNotAlwaysUse = 0,
    kAlwaysUseIdiom = 1,       // idiom type 2
    kAlwaysUseOtherIdiom = 2,  // idiom type 5
};

enum ParaphraseEnabledState : uint32_t {
    kParaphraseDisabled = 0,
    kParaphraseEnabled = 1,
};

// One known inflection of the source word's translation.  Two describe the
// same inflection when the part-of-speech words, the dictionary lengths and
// the Japanese are equal.
struct JInfl_t {
    std::string japanese;
    std::string tail;  // romaji after the inflectional ending
    int16_t pattern = -1;
    uint16_t japanesePOS = 0;       // DICT_SOURCE::japanesePOS
    uint16_t dictionaryLength = 0;  // DICT_SOURCE::translationLength
};

// One alternate translation.
struct ALTWORD_ENTRY {
    POS_E_Source englishPOS{};    // fine part of speech of the reading
    std::string japanese;         // raw translation; empty: dropped (not reported, sorted last)
    std::string particlePhrase;   // empty, or source text, a blank and the particle words
    uint16_t particleOffset = 0;  // where the particle words begin in particlePhrase; 0 without
    JPOSID japanesePOSID = 0;
    UDPOS udpos;
    POSAndParaphrase reading;  // mapped to its original entry
    AlwaysUseFlag alwaysUse = kNotAlwaysUse;
    int16_t grossJPOS = -1;
    ParaphraseEnabledState enabledState = kParaphraseEnabled;
    float learningValue = 0.0f;
    std::vector<POSAndParaphrase> hiddenReadings;  // duplicates folded into this entry

    explicit ALTWORD_ENTRY(POSAndParaphrase const& theReading) : reading(theReading) {}
};

// An entry of the best-match list and its particle words.
struct BestMatch_t {
    uint16_t entry = 0;
    std::vector<std::string> particles;
};

// A conjugated English form and the user-dictionary class of its fine POS.
struct InflectionAndUDPOSID {
    UDPOS udpos;
    std::string form;
};

// The alternate words of one source word.
struct AW_SET {
    int16_t inflectionPattern = -1;        // record the current translation uses; -1 none
    std::string tail;                      // romaji after the current translation's ending
    uint16_t sourceGrossJPOS = 0;          // gross Japanese class of the source's JPOSN
    std::vector<std::string> sourceForms;  // [0] the source word, then its conjugated forms
    std::string japaneseBaseForm;          // dictionary form of the current translation
    std::vector<JInfl_t> inflections;      // [0] the current translation
    std::vector<ALTWORD_ENTRY> entries;
    RewritingCompositeDictionary_XX dictionaries;
    RomajiConversionMode romajiMode = 0;
    int16_t grossJPOS = -1;  // as sourceGrossJPOS, -1 when the source has no JPOSN
    int16_t grossEPOS = -1;  // gross English class of the source's EPOSN; -1 none

    AW_SET(std::vector<Dictionary_EX> const& dictionaryList, RomajiConversionMode mode)
        : dictionaries(dictionaryList), romajiMode(mode) {}

    // A copy of the Shift-JIS text in the set's romaji width.
    std::string ConvertRomajiIfNecessary(std::string const& text) const;
};

// The set's known inflection equal to (japanese, source); null when none.
JInfl_t const* SearchJInflList(AW_SET const& set, std::string const& japanese, DICT_SOURCE const& source);
