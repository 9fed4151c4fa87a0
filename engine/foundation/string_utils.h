#pragma once
// Small operations on narrow (Shift-JIS) and wide strings.  White space and
// case are ASCII-only on narrow text, so bytes of Japanese characters are
// never taken for either.
#include <set>
#include <string>

#include "engine/foundation/sjis_chars.h"

// The whole string when n >= its length, else its first or last n characters.
std::string Left(std::string const& s, unsigned long n);
std::wstring Left(std::wstring const& s, unsigned long n);
std::string Right(std::string const& s, unsigned long n);
std::wstring Right(std::wstring const& s, unsigned long n);

// From start to the end; empty when start >= the length.
std::string Mid(std::string const& s, unsigned long start);
std::wstring Mid(std::wstring const& s, unsigned long start);
// Up to count characters from start; the whole string when start >= the length.
std::string Mid(std::string const& s, unsigned long start, unsigned long count);
std::wstring Mid(std::wstring const& s, unsigned long start, unsigned long count);

// Case-map every character from index from on, in place (ASCII letters only;
// the trail byte of a double-byte character is never changed).
void ToLower(std::string* s, unsigned long from);
void ToLower(std::wstring* s, unsigned long from);
void ToUpper(std::string* s, unsigned long from);
void ToUpper(std::wstring* s, unsigned long from);

// From index from on: the string's first character upper-case, all others
// lower-case.
void ToTopUpperOtherLower(std::wstring* s, unsigned long from);

// Copies without leading or trailing white space: ASCII white space on narrow
// text; on wide text also the Unicode spaces (U+3000, U+00A0 ...).
std::string TrimWhitespaceFromLeft(std::string const& s);
std::wstring TrimWhitespaceFromLeft(std::wstring const& s);
std::string TrimWhitespaceFromRight(std::string const& s);
std::wstring TrimWhitespaceFromRight(std::wstring const& s);

// Copy in which every run of white space, at the ends too, is one " ".
std::string NormalizeInternalWhitespace(std::string const& s);
std::wstring NormalizeInternalWhitespace(std::wstring const& s);

// Skips ASCII white space and returns the token up to the next white space or
// NUL, leaving *p at the end of the token.
std::string GetNextToken(char const** p);

// As GetNextToken, except that a token opening with a double or single quote
// is the text after the quote up to the next same quote (or the end), and *p
// is left on that closing quote.
std::string GetNextTokenQ(char const** p);

// First position of [first, last) that is not ASCII white space (or that is,
// for AdvanceOverNONSpace); last when none.  Reverse iterators walk backwards.
template <typename Iterator>
Iterator AdvanceOverSpace(Iterator first, Iterator last) {
    while (first != last && IsASCIIWhite(*first)) ++first;
    return first;
}

template <typename Iterator>
Iterator AdvanceOverNONSpace(Iterator first, Iterator last) {
    while (first != last && !IsASCIIWhite(*first)) ++first;
    return first;
}

// The last white-space-separated word of s, trailing white space ignored;
// *rest (when given) receives s up to that word.
std::string GetLastWord(std::string* rest, std::string s);

// The word n places from the end of s (0: the last); empty when s has fewer.
std::string GetNthWordFromEnd(std::string s, unsigned long n);

// An ordered set of wide strings built from an array of NUL-terminated wide
// strings ended by a null pointer; duplicates collapse.
class StringSetWithNiceInitializer : public std::set<std::wstring> {
public:
    explicit StringSetWithNiceInitializer(wchar_t const* const* items);
};
