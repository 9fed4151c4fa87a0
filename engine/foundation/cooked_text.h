#pragma once
// Small tests on cooked Japanese text ("{stem}romaji-tail", brace groups,
// "zxj" markers) used when Japanese output is spaced, and the full-width
// number maker.  All of them walk Shift-JIS by characters: "{" (0x7B) and
// "}" (0x7D) are also trail bytes (of "ボ" and "マ"), and so are the ASCII
// letters, so a byte search would cut characters apart.
#include <cstddef>
#include <string>

// s, after leading ASCII white space, begins with the marker "zxj".
bool IsZXJMarker(char const* s);

// s begins with one of the closing parentheses of kCloseParenList.
bool IsCharOnCloseParenList(char const* s);

// 1 + the number of romaji consonants ("kgsztdnhbpmrwy") opening s, counting
// at most three: the bytes of the syllable that begins s when it is one.
std::size_t RomajiSyllableLen(char const* s);

// Start of the character that holds byte n - 1 of s (s itself for n of 0 or
// 1).  Only bytes before n are read.  A lead byte at n - 1 with no byte of the
// text after it (n is the text's length) is a character of its own.
char const* PrevCharStart(char const* s, unsigned long n);

// s opens a brace group, not a "zxj" marker, that is closed somewhere and
// whose first character is a printable ASCII character other than "}".
bool StartsWithSingleByteRomaji(char const* s);

// s is longer than two bytes, its last character is "}" and the character
// before that is printable ASCII, and its last brace group is no "zxj" marker
// and closes on a printable ASCII character.
bool EndsWithSingleByteRomaji(char const* s);

// Texts under 100 bytes: each ASCII digit becomes its full-width digit and
// each "-" becomes "{-}"; everything else is kept.  A longer text is returned
// unconverted, cut to at most 100 bytes at a character boundary.
std::string MakeJNum(char const* s);
