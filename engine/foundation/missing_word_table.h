#pragma once
// The standard readings of words that no dictionary holds: unknown words,
// numbers, identifiers, and user-dictionary words whose reading follows from
// their category.  Each reading is one named row of a compiled-in table; the
// names are what the rest of the engine asks for.
#include <cstddef>
#include <cstdint>

#include "engine/foundation/value_types.h"

// One named standard reading.
struct MW_POS {
    static constexpr std::size_t kKeySize = 32;
    static constexpr std::size_t kEndingSize = 32;

    char key[kKeySize];  // the reading's name, NUL-terminated
    POS_E_Source sourcePOS;
    uint8_t primed;  // nonzero: the fine part of speech is primed
    // A first set "#" stands for the word itself.
    FeatureSets_E_Source featureSets;
    POS_J_Target targetPOS;
    // Appended, after one blank, to the Japanese text the reading is made with.
    char japaneseEnding[kEndingSize];
    short pValue;
};

constexpr std::size_t kMissingWordAssignmentCount = 150;

// Searched in order; every key is distinct.
extern MW_POS const kMissingWordAssignments[kMissingWordAssignmentCount];

// The row whose key equals `key` exactly (case-sensitive), or null when
// there is none or `key` is null.  Its index in kMissingWordAssignments is
// the row number.
MW_POS const* FindMWAssignment(char const* key);

// Looks the key up as FindMWAssignment does.  Found: writes every output that
// is not null (the feature sets as three NUL-terminated strings of at most 100
// bytes) and returns true.  Absent: writes nothing and returns false.
bool ReadFromMWTable(POS_E_Source* pos, FeatureSets_E_Source* features, POS_J_Target* jpos, short* pvalue,
                     char const* key);
