#pragma once
// Class tests on part-of-speech names: which English classes a source part
// of speech belongs to (by the prefix of its name), the cook table an English
// part of speech uses, and the gross class of a Japanese target part of
// speech.
#include "engine/foundation/cook_tables.h"
#include "engine/foundation/value_types.h"

// All are false for a value above 14,999 or without a name.
bool IsNounLike(POS_E_Source pos);  // "N..."
bool IsNoun1(POS_E_Source pos);     // "N" or "N" and one more character
bool IsVerbLike(POS_E_Source pos);  // "V..."
bool IsVerb1(POS_E_Source pos);     // "VI" or "VT" and a digit: "VT01"
bool IsAdjLike(POS_E_Source pos);   // "ADJ..."
bool IsAdj1Like(POS_E_Source pos);  // "ADJ..." but not "ADJUNCT..."
bool IsAdvLike(POS_E_Source pos);   // "ADV..."
bool IsPrepLike(POS_E_Source pos);  // "PREP..."
bool IsArtLike(POS_E_Source pos);   // "ART..."
bool IsConjLike(POS_E_Source pos);  // "CONJ..."

// The cook table of an English part of speech: adjectives 0, adverbs 1,
// nouns 2, verbs 3, prepositions 5, anything else -1 (tested in that order).
CookTableGrossPOS mkCookTableGrossPOS(POS_E_Source pos);

// The gross class of a Japanese part of speech by its name: "VADJ..." 3,
// other "V..." 2, "NA..." 3, "ADJ..." 3, "ADV..." 4, "N" 1, "PostP...",
// "Acc..." or "Nom..." 5, anything else 6.  Classes 2 and 3 inflect.
short FindGrossJPOS(POS_J_Target pos);

constexpr short kGrossJPOSVerb = 2;
constexpr short kGrossJPOSAdjectival = 3;
