#pragma once
// Coarse classes of parts of speech: numbered English (`EPOSN`) and Japanese
// (`JPOSN`) classes, used where transfer and alternate words compare readings
// without the grammar's fine categories, and the gross English classes
// (noun, verb, adjective ...) of `FindGrossEPOS`.
#include <cstddef>

#include "engine/foundation/grammar_data_sizes.h"
#include "engine/foundation/value_types.h"

using EPOSN = unsigned long;
using JPOSN = unsigned long;

// The class number a part of speech without a class gets.
constexpr EPOSN kUnknownEPOSN = 1;

struct POSClassName {
    unsigned long number;
    char const* name;
};

// English classes, sorted by name with strcmp; generated from the grammar's
// category names (epos_map_data.cpp tells how they are numbered).
extern POSClassName const fEPOSMap[kEPOSMapSize];

// Japanese classes, in the inflection tables' order (not sorted).
constexpr std::size_t kJPOSMapSize = 85;
extern POSClassName const fJPOSMap[kJPOSMapSize];

// A gross English class: a name prefix that gives it (null: none), and the
// category list of the same number that gives it too (class -1: none).
struct GrossPOSRow {
    short grossClass;
    char const* prefix;
};
constexpr std::size_t kGPOSMatcherSize = 10;
extern GrossPOSRow const fGPOSMatcher[kGPOSMatcherSize];

// s begins with prefix followed by two ASCII digits (false for a null s).
bool MatchPlus2Digits(char const* s, char const* prefix);

// Names of numbered verb classes: "VI" or "VT" plus two digits ("VT16b").
bool IsNumberedVerbName(char const* name);
// Names of numbered adjective classes: "ADJ", "HOWADJ" or "HOW2ADJ" plus two
// digits.
bool IsNumberedAdjectiveName(char const* name);

// The English name of pos, "" when it has none.
char const* EnglishPOSName(POS_E_Source pos);

// The gross class of pos: 27 noun, 28 verb, 29 adjective, 30 auxiliary,
// 31 prepositional phrase, 32 adverb, 33 preposition, 34 conjunction,
// 35 interjection; -1 none ("ADJUNCT" has none).  Tried in the order of
// fGPOSMatcher, then verbs ("VI" or "VT" plus two digits) and adjectives
// ("ADJ", "HOWADJ" or "HOW2ADJ" plus two digits) by name.
short FindGrossEPOS(POS_E_Source pos);

// The English class of pos, by its name: names beginning "CHAPT", "N_",
// "SIZE" or "TITLE" count as "N", "ADJUNCT..." as "ADV", "CONJ..." as
// "CONJ"; kUnknownEPOSN when the name is no class.
EPOSN POS_E_SourceToEPOSN(POS_E_Source pos);

// The part of speech named like the class (the first pair with the number);
// 0 when the number or the name is unknown.
POS_E_Source EPOSNToPOS_E_Source(EPOSN number);

// The Japanese class of a Japanese part-of-speech name; a name containing
// "DUMMY" counts as "SUPPRESS".  0 when it has none (or is null).
JPOSN JPOSNameToN(char const* name);
// The same for the name of pos.
JPOSN JPOSStrToN(POS_J_Target pos);

// The Japanese part of speech named like the class (the first pair with the
// number); 0 when the number or the name is unknown.
POS_J_Target JPOSNToStr(JPOSN number);
