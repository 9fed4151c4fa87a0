#include "engine/foundation/sjis_chars.h"

#include <cstring>
#include <cwchar>

namespace {

constexpr unsigned char kFullWidthSpace[2] = {0x81, 0x40};
constexpr unsigned char kBrokenCharMark[2] = {0x81, 0xA1};  // "■"

bool IsFullWidthSpace(char const* p) {
    return static_cast<unsigned char>(p[0]) == kFullWidthSpace[0] &&
           static_cast<unsigned char>(p[1]) == kFullWidthSpace[1];
}

}  // namespace

// ---- Searching -----------------------------------------------------------

char* DBCSstrchr(char* s, char const* needle) {
    if (*needle == '\0') return s + std::strlen(s);
    return std::strstr(s, needle);
}

char* DBCSstrchr(char* s, char c) {
    char const needle[2] = {c, '\0'};
    return DBCSstrchr(s, needle);
}

char* DBCSstrrchr(char* s, char const* needle) {
    if (*needle == '\0') return s + std::strlen(s);
    char* last = nullptr;
    // Each match is a non-empty character, so stepping over it stays inside s.
    for (char* hit = DBCSstrchr(s, needle); hit != nullptr; hit = DBCSstrchr(hit + SJISCharSize(hit), needle)) {
        last = hit;
    }
    return last;
}

char* DBCSstrrchr(char* s, char c) {
    char const needle[2] = {c, '\0'};
    return DBCSstrrchr(s, needle);
}

char const* MyDBCSstrchr(char const* s, char const* ch) {
    std::size_t const wanted = SJISCharSize(ch);
    if (wanted == 0) return nullptr;
    for (std::size_t size; (size = SJISCharSize(s)) != 0; s += size) {
        if (size == wanted && std::memcmp(s, ch, size) == 0) return s;
    }
    return nullptr;
}

// ---- Classification ------------------------------------------------------

bool IsDBCSDigit(char const* s) {
    if (static_cast<unsigned char>(s[0]) != 0x82) return false;
    unsigned char const trail = s[1];
    return trail >= 0x4F && trail <= 0x58;
}

int ISJorESpace(char const* p) {
    if (IsFullWidthSpace(p)) return 2;
    return IsASCIIWhite(p[0]) ? 1 : 0;
}

bool IsDBCSSpace(char const* s) { return IsFullWidthSpace(s); }

bool AllWhite(char const* s) {
    while (*s != '\0') {
        int const size = ISJorESpace(s);
        if (size == 0) return false;
        s += size;
    }
    return true;
}

// ---- Validity and repair -------------------------------------------------

bool IsValidDBCSStr(char const* s) {
    char const* end = s + std::strlen(s);
    return FindNextInvalidChar(s, end) == end;
}

char const* FindNextInvalidChar(char const* p, char const* end) {
    while (p < end) {
        unsigned char const b = *p;
        if (b == 0) return p;
        if (!IsSJISLeadByte(b)) {
            ++p;
            continue;
        }
        if (p + 1 == end || !IsSJISTrailByte(p[1])) return p;
        p += 2;
    }
    return end;
}

char* FixInvalidChar(char* p, char* end) {
    if (p >= end) return end;
    unsigned char const b = *p;
    if (b == 0 || (IsSJISLeadByte(b) && p + 1 == end)) {
        *p = '#';
        return p + 1;
    }
    if (!IsSJISLeadByte(b)) return p + 1;
    if (!IsSJISTrailByte(p[1])) std::memcpy(p, kBrokenCharMark, 2);
    return p + 2;
}

void FixAllInvalidChars(char* p, char* end) {
    while (p < end) {
        p += FindNextInvalidChar(p, end) - p;
        if (p == end) break;
        p = FixInvalidChar(p, end);
    }
}

// ---- Counting ------------------------------------------------------------

void CharsToBytes(unsigned long* bytes, char const* s, unsigned long n) {
    char const* p = s;
    for (std::size_t size; n > 0 && (size = SJISCharSize(p)) != 0; --n) p += size;
    *bytes = static_cast<unsigned long>(p - s);
}

bool BytesToChars(char const* s, unsigned long nBytes, unsigned long* nChars) {
    if (nChars != nullptr) *nChars = 0;
    unsigned long at = 0;
    while (at < nBytes) {
        unsigned char const b = s[at];
        if (b == 0) return false;
        if (nChars != nullptr) ++*nChars;
        if (!IsSJISLeadByte(b)) {
            ++at;
            continue;
        }
        // The pair must lie inside nBytes, and a NUL in it ends the text: the
        // walk never reads past either.
        if (at + 1 >= nBytes || s[at + 1] == '\0') return false;
        at += 2;
    }
    return true;
}

// ---- Editing -------------------------------------------------------------

void NormalizeJapanese(char* dst, char const* src) {
    while (int const size = ISJorESpace(src)) src += size;
    // Copying forwards with dst never ahead of src makes in-place use safe.
    char* out = dst;
    char* endOfText = dst;
    while (*src != '\0') {
        int const space = ISJorESpace(src);
        std::size_t const size = space != 0 ? static_cast<std::size_t>(space) : SJISCharSize(src);
        for (std::size_t i = 0; i < size; ++i) *out++ = *src++;
        if (space == 0) endOfText = out;
    }
    *endOfText = '\0';
}

void HomegeniseLineEnds(char* buf, unsigned long n) {
    for (unsigned long i = 0; i + 1 < n; ++i) {
        if (buf[i] == '\r' && buf[i + 1] == '\n') {
            buf[i] = ' ';
            ++i;
        }
    }
}

char* AppendString(char* dst, char const* src, unsigned long cap) {
    if (cap == 0) return dst;
    std::size_t const used = strnlen(dst, cap - 1);
    std::size_t const room = cap - 1 - used;
    std::size_t const added = src != nullptr ? strnlen(src, room) : 0;
    if (added != 0) std::memcpy(dst + used, src, added);
    dst[used + added] = '\0';
    dst[cap - 1] = '\0';
    return dst;
}

char* STRDUP(char const* s) {
    if (s == nullptr) return nullptr;
    std::size_t const size = std::strlen(s) + 1;
    char* copy = new char[size];
    std::memcpy(copy, s, size);
    return copy;
}

wchar_t* STRDUP(wchar_t const* s) {
    if (s == nullptr) return nullptr;
    std::size_t const size = std::wcslen(s) + 1;
    wchar_t* copy = new wchar_t[size];
    std::wmemcpy(copy, s, size);
    return copy;
}
