#include "engine/foundation/string_utils.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace {

// Wide white space, fixed rather than taken from the locale so that results
// do not depend on the process's locale.
bool IsWideWhite(wchar_t c) {
    switch (c) {
        case L'\x0085':  // next line
        case L'\x00A0':  // no-break space
        case L'\x1680':
        case L'\x2028':  // line separator
        case L'\x2029':  // paragraph separator
        case L'\x202F':  // narrow no-break space
        case L'\x205F':
        case L'\x3000':  // full-width space
            return true;
        default:
            return IsASCIIWhite(c) || (c >= L'\x2000' && c <= L'\x200A');
    }
}

bool IsNarrowWhite(char c) { return IsASCIIWhite(c); }

template <typename String>
String LeftOf(String const& s, unsigned long n) {
    return n >= s.size() ? s : s.substr(0, n);
}

template <typename String>
String RightOf(String const& s, unsigned long n) {
    return n >= s.size() ? s : s.substr(s.size() - n);
}

template <typename String>
String MidFrom(String const& s, unsigned long start) {
    return start >= s.size() ? String() : s.substr(start);
}

template <typename String>
String MidCount(String const& s, unsigned long start, unsigned long count) {
    return start >= s.size() ? s : s.substr(start, count);
}

template <typename Map>
void MapFrom(std::wstring* s, unsigned long from, Map map) {
    for (unsigned long i = from; i < s->size(); ++i) (*s)[i] = map((*s)[i]);
}

// Trail bytes of double-byte characters are left alone: mapping 0x83 0x41
// ("ア") as if it held the letter "A" would make it another character.
template <typename Map>
void MapFrom(std::string* s, unsigned long from, Map map) {
    bool inTrail = false;
    for (unsigned long i = 0; i < s->size(); ++i) {
        char const c = (*s)[i];
        if (!inTrail && i >= from) (*s)[i] = map(c);
        inTrail = !inTrail && IsSJISLeadByte(c);
    }
}

template <typename String, typename IsWhite>
String TrimLeft(String const& s, IsWhite isWhite) {
    return String(std::find_if_not(s.begin(), s.end(), isWhite), s.end());
}

template <typename String, typename IsWhite>
String TrimRight(String const& s, IsWhite isWhite) {
    return String(s.begin(), std::find_if_not(s.rbegin(), s.rend(), isWhite).base());
}

template <typename String, typename IsWhite>
String CollapseWhite(String const& s, IsWhite isWhite) {
    String collapsed;
    bool inRun = false;
    for (auto c : s) {
        bool const white = isWhite(c);
        if (!white) {
            collapsed += c;
        } else if (!inRun) {
            collapsed += ' ';
        }
        inRun = white;
    }
    return collapsed;
}

char const* SkipWhite(char const* p) {
    while (IsASCIIWhite(*p)) ++p;
    return p;
}

}  // namespace

std::string Left(std::string const& s, unsigned long n) { return LeftOf(s, n); }
std::wstring Left(std::wstring const& s, unsigned long n) { return LeftOf(s, n); }
std::string Right(std::string const& s, unsigned long n) { return RightOf(s, n); }
std::wstring Right(std::wstring const& s, unsigned long n) { return RightOf(s, n); }

std::string Mid(std::string const& s, unsigned long start) { return MidFrom(s, start); }
std::wstring Mid(std::wstring const& s, unsigned long start) { return MidFrom(s, start); }
std::string Mid(std::string const& s, unsigned long start, unsigned long count) { return MidCount(s, start, count); }
std::wstring Mid(std::wstring const& s, unsigned long start, unsigned long count) { return MidCount(s, start, count); }

void ToLower(std::string* s, unsigned long from) { MapFrom(s, from, ASCIIToLower<char>); }
void ToLower(std::wstring* s, unsigned long from) { MapFrom(s, from, ASCIIToLower<wchar_t>); }
void ToUpper(std::string* s, unsigned long from) { MapFrom(s, from, ASCIIToUpper<char>); }
void ToUpper(std::wstring* s, unsigned long from) { MapFrom(s, from, ASCIIToUpper<wchar_t>); }

void ToTopUpperOtherLower(std::wstring* s, unsigned long from) {
    for (unsigned long i = from; i < s->size(); ++i) {
        (*s)[i] = i == 0 ? ASCIIToUpper((*s)[i]) : ASCIIToLower((*s)[i]);
    }
}

std::string TrimWhitespaceFromLeft(std::string const& s) { return TrimLeft(s, IsNarrowWhite); }
std::wstring TrimWhitespaceFromLeft(std::wstring const& s) { return TrimLeft(s, IsWideWhite); }
std::string TrimWhitespaceFromRight(std::string const& s) { return TrimRight(s, IsNarrowWhite); }
std::wstring TrimWhitespaceFromRight(std::wstring const& s) { return TrimRight(s, IsWideWhite); }

std::string NormalizeInternalWhitespace(std::string const& s) { return CollapseWhite(s, IsNarrowWhite); }
std::wstring NormalizeInternalWhitespace(std::wstring const& s) { return CollapseWhite(s, IsWideWhite); }

std::string GetNextToken(char const** p) {
    char const* start = SkipWhite(*p);
    char const* end = start;
    while (*end != '\0' && !IsASCIIWhite(*end)) ++end;
    *p = end;
    return std::string(start, end);
}

std::string GetNextTokenQ(char const** p) {
    char const* start = SkipWhite(*p);
    char const quote = *start;
    if (quote != '"' && quote != '\'') return GetNextToken(p);
    ++start;
    char const* end = std::strchr(start, quote);
    if (end == nullptr) end = start + std::strlen(start);
    *p = end;
    return std::string(start, end);
}

std::string GetLastWord(std::string* rest, std::string s) {
    auto const wordEnd = AdvanceOverSpace(s.rbegin(), s.rend());
    auto const wordStart = AdvanceOverNONSpace(wordEnd, s.rend());
    std::string word(wordStart.base(), wordEnd.base());
    if (rest != nullptr) rest->assign(s.begin(), wordStart.base());
    return word;
}

std::string GetNthWordFromEnd(std::string s, unsigned long n) {
    for (;;) {
        std::string rest;
        std::string word = GetLastWord(&rest, s);
        if (n == 0 || word.empty()) return word;
        --n;
        s = std::move(rest);
    }
}

StringSetWithNiceInitializer::StringSetWithNiceInitializer(wchar_t const* const* items) {
    for (; items != nullptr && *items != nullptr; ++items) insert(*items);
}
