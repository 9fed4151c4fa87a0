#pragma once
// The engine's English dictionary order, and case-aware equality and suffix
// tests on narrow Shift-JIS and wide text.
//
// Dictionary order compares bytes as unsigned values with the ASCII letters
// folded to lower case, except that the byte after a lead byte is a trail byte
// and is compared raw.  Every dictionary's sort and lookup uses it.
#include <string>

// NUL-terminated: the difference of the first differing (folded) bytes;
// when a ends first, minus the byte of b at that place (0 when both end).
int StringCompare_E_Source(unsigned char const* a, unsigned char const* b);

// Ranges: the difference of the first differing bytes; when a ends first 0 if
// b ends there too, else -1; when b ends first 1.
int StringCompare_E_Source(char const* a, char const* aEnd, char const* b, char const* bEnd);

// As the NUL-terminated form, but 0 once n bytes compare equal.
int StringCompare_E_Source(char const* a, char const* b, unsigned long n);

// Whole strings, compared as ranges.
int StringCompare_E_Source(std::string const& a, std::string const& b);
// Bounded to n bytes, as the NUL-terminated form.
int StringCompare_E_Source(std::string const& a, char const* b, unsigned long n);
int StringCompare_E_Source(std::string const& a, std::string const& b, unsigned long n);

// Whether s ends with suffix at a character boundary of s: a trail byte of a
// double-byte character never begins a match.
bool EndsWith(char const* s, char const* suffix);
bool CaseInsensitiveEndsWith(char const* s, char const* suffix);
bool EndsWith(wchar_t const* s, wchar_t const* suffix);

// Equal, or ASCII letters differing only in case.
bool CaseInsensitiveEqual(char a, char b);
bool CaseInsensitiveEqual(wchar_t a, wchar_t b);
// Whole NUL-terminated strings.  On narrow strings the trail byte of a
// double-byte character must match exactly (equality in dictionary order).
bool CaseInsensitiveEqual(char const* a, char const* b);
// na characters of a against nb of b (nb < 0: all of the NUL-terminated b).
bool CaseInsensitiveEqual(char const* a, int na, char const* b, int nb);
bool CaseInsensitiveEqual(wchar_t const* a, int na, wchar_t const* b, int nb);

// 1 when a and b are equal with ASCII letters upper-cased, else 0 (trail
// bytes as above).
int StrUpMatch(char const* a, char const* b);
