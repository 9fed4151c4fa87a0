#pragma once
// Spellings of a word whose letters are drawn out for emphasis ("soooo goood"
// -> "so god", "so good", "soo god", "soo good"): every run of a repeated
// letter written once or twice.
#include <string>

// At most this many spellings are made for one word.
constexpr unsigned long kMaxDrawnOutRewrites = 64;
// Slots the caller provides: every spelling and an empty one after the last.
constexpr unsigned long kRewriteSlots = kMaxDrawnOutRewrites + 1;

// Fills out (kRewriteSlots strings) with the spellings of word, in order,
// followed by an empty string; count receives their number (0 when none).
// Only words of ASCII letters and blanks qualify, upper case only first, with
// a vowel, at least two distinct runs and some run longer than 2.  Letters
// that rarely double (a h i j k q u v w x y) stay single when doubling every
// run would make more than 64 spellings; a final "i" run shorter than 5 is
// kept as written ("radii").
void GetRewrites(std::string* out, unsigned long& count, char const* word);
