#pragma once
// The character classes of the English scanner.  Every character of the
// Basic Multilingual Plane belongs to one class, named by the number of the
// scanner rule that matches it when it stands alone; the rules that take runs
// of a class (script blocks, digits, Latin letters, blanks) use the same
// numbers.  Class 0 is the character no rule matches: U+0000, the surrogates
// and everything beyond U+FFFF.
#include <cstdint>
#include <utility>

namespace lex {

using CharClass = uint8_t;

// A closed range of code points and the class its characters belong to.
struct CharClassRange {
    uint32_t first;
    uint32_t last;
    CharClass charClass;
};

// The class table (its ranges and their count), sorted by code point,
// ranges disjoint; code points it leaves out are class 0.
std::pair<CharClassRange const*, unsigned> CharClassRanges();

// The class of any 32-bit value; constant time.
CharClass CharClassOf(uint32_t c);

}  // namespace lex
