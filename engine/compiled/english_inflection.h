#pragma once
// Regular English inflection with no dictionary behind it: the form a word or
// phrase would take if it followed the plain spelling rules ("try" -> "tried",
// "box" -> "boxes", "big" -> "more big").  Irregular and doubled forms are
// not made.
#include <string>

// Gross English forms, by their frozen numbers.
enum GrossPOS_E_Source : int {
    kGrossPlural = 3,
    kGrossPast = 5,
    kGrossThirdSingular = 6,
    kGrossPresentParticiple = 7,
    kGrossPastParticiple = 8,
    kGrossComparative = 23,
    kGrossSuperlative = 24,
};

// The verb forms run from 4 to 18: a phrase inflects its first word only
// ("give up" -> "gived up"; the first word of a text that begins with a blank
// is empty).  Every other form inflects the end of the text, leading blanks
// kept.
std::string CreateInflectionWithoutDictionary(std::string const& text, GrossPOS_E_Source form);

// The inflection of the end of text, trailing white space removed; forms
// without a rule give the trimmed text unchanged.  A text of at most one byte
// (an empty one too) takes the plain ending: "" gives "s", "ed", "ing".
std::string CreateInflectionWithoutDictionary_LAST_WORD(std::string const& text, GrossPOS_E_Source form);

// Moves s (with its NUL) right by the prefix's length and copies the prefix
// in front.  size is the capacity of s's buffer; false, with s unchanged, when
// the result and its NUL would not fit.
bool PrependString(char* s, char const* prefix, unsigned long size);
