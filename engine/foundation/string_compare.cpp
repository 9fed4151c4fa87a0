#include "engine/foundation/string_compare.h"

#include <climits>
#include <cstring>
#include <cwchar>

#include "engine/foundation/sjis_chars.h"

namespace {

// One step of dictionary order: the difference of the two bytes (0 when they
// are equal), folding ASCII letters unless the bytes are trail bytes.
// inTrail tells whether they are, and is moved on to the next pair.
inline int CompareStep(unsigned char a, unsigned char b, bool& inTrail) {
    if (!inTrail) {
        a = ASCIIToLower(a);
        b = ASCIIToLower(b);
    }
    inTrail = !inTrail && IsSJISLeadByte(a);
    return a - b;
}

// Dictionary order of NUL-terminated a and b over at most limit bytes.  Each
// pair is compared before anything moves on, so a lead byte just before a
// NUL never carries the walk past it.
int CompareTerminated(unsigned char const* a, unsigned char const* b, unsigned long limit) {
    bool inTrail = false;
    for (unsigned long i = 0; i < limit; ++i) {
        if (a[i] == 0) return -static_cast<int>(b[i]);
        int const difference = CompareStep(a[i], b[i], inTrail);
        if (difference != 0) return difference;
    }
    return 0;
}

unsigned char const* Bytes(char const* s) { return reinterpret_cast<unsigned char const*>(s); }

// Where suffix would begin in s, provided that is a character boundary of s;
// null otherwise.
char const* SuffixStart(char const* s, char const* suffix) {
    std::size_t const length = std::strlen(s);
    std::size_t const suffixLength = std::strlen(suffix);
    if (suffixLength > length) return nullptr;
    char const* start = s + (length - suffixLength);
    char const* p = s;
    while (p < start) p += SJISCharSize(p);
    return p == start ? start : nullptr;
}

}  // namespace

int StringCompare_E_Source(unsigned char const* a, unsigned char const* b) {
    return CompareTerminated(a, b, ULONG_MAX);
}

int StringCompare_E_Source(char const* a, char const* aEnd, char const* b, char const* bEnd) {
    bool inTrail = false;
    for (;; ++a, ++b) {
        if (a == aEnd) return b == bEnd ? 0 : -1;
        if (b == bEnd) return 1;
        int const difference = CompareStep(*a, *b, inTrail);
        if (difference != 0) return difference;
    }
}

int StringCompare_E_Source(char const* a, char const* b, unsigned long n) {
    return CompareTerminated(Bytes(a), Bytes(b), n);
}

int StringCompare_E_Source(std::string const& a, std::string const& b) {
    return StringCompare_E_Source(a.data(), a.data() + a.size(), b.data(), b.data() + b.size());
}

int StringCompare_E_Source(std::string const& a, char const* b, unsigned long n) {
    return CompareTerminated(Bytes(a.c_str()), Bytes(b), n);
}

int StringCompare_E_Source(std::string const& a, std::string const& b, unsigned long n) {
    return CompareTerminated(Bytes(a.c_str()), Bytes(b.c_str()), n);
}

bool EndsWith(char const* s, char const* suffix) {
    char const* start = SuffixStart(s, suffix);
    return start != nullptr && std::strcmp(start, suffix) == 0;
}

bool CaseInsensitiveEndsWith(char const* s, char const* suffix) {
    char const* start = SuffixStart(s, suffix);
    return start != nullptr && CaseInsensitiveEqual(start, suffix);
}

bool EndsWith(wchar_t const* s, wchar_t const* suffix) {
    std::size_t const length = std::wcslen(s);
    std::size_t const suffixLength = std::wcslen(suffix);
    return suffixLength <= length && std::wmemcmp(s + (length - suffixLength), suffix, suffixLength) == 0;
}

bool CaseInsensitiveEqual(char a, char b) { return ASCIIToUpper(a) == ASCIIToUpper(b); }

bool CaseInsensitiveEqual(wchar_t a, wchar_t b) { return ASCIIToLower(a) == ASCIIToLower(b); }

// The narrow string forms are equality in dictionary order: ASCII letters
// match either case, but a trail byte must match exactly, or else two
// different Japanese characters (0x83 0x41 and 0x83 0x61) would be equal.
bool CaseInsensitiveEqual(char const* a, char const* b) {
    return CompareTerminated(Bytes(a), Bytes(b), ULONG_MAX) == 0;
}

bool CaseInsensitiveEqual(char const* a, int na, char const* b, int nb) {
    if (nb < 0) nb = static_cast<int>(std::strlen(b));
    return na == nb && StringCompare_E_Source(a, a + na, b, b + nb) == 0;
}

bool CaseInsensitiveEqual(wchar_t const* a, int na, wchar_t const* b, int nb) {
    if (nb < 0) nb = static_cast<int>(std::wcslen(b));
    if (na != nb) return false;
    for (int i = 0; i < na; ++i) {
        if (!CaseInsensitiveEqual(a[i], b[i])) return false;
    }
    return true;
}

int StrUpMatch(char const* a, char const* b) { return CaseInsensitiveEqual(a, b) ? 1 : 0; }
