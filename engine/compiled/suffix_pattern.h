#pragma once
// Consonant/vowel suffix patterns: the small substitution language in which
// the respelling, affix and missing-word rules describe word endings.
//
// In a pattern and its replacement:
//   "C"  a consonant, bound to the first consonant it matches (a later "C"
//        must be the same letter); in the replacement, that consonant;
//   "V"  the same for vowels;
//   "D"  any consonant, "W" any vowel (not bound); in the replacement, the
//        word's own byte at the same position of the matched tail;
//   any other character matches itself ignoring ASCII case.
#include <array>

// 256-entry tables: non-zero for the ASCII consonants B C D F G H J K L M N P
// Q R S T V W X Z, and for the vowels A E I O U Y, in both cases.
extern std::array<unsigned char, 256> const kConstonants;
extern std::array<unsigned char, 256> const kVowels;

bool IsConsonant(char c);
bool IsVowel(char c);

// Replaces the tail of word matched by pattern with replacement and writes the
// result, NUL-terminated, to dst (dstSize bytes).  The stem is word without
// as many final bytes as the pattern has.  False, with dst untouched, when the
// word is shorter than the pattern, the stem is shorter than minStem, the
// result and its NUL do not fit dstSize, the tail does not match, or the
// replacement uses a "C"/"V" the pattern never bound or a "D"/"W" past the
// pattern's length.
// Example: pattern "Vlling", replacement "Vling", minStem 2: "travelling"
// gives "traveling".
bool MakeVCSubst(char* dst, unsigned long dstSize, char const* word, char const* replacement, char const* pattern,
                 unsigned short minStem);
