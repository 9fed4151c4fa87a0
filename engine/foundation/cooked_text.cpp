#include "engine/foundation/cooked_text.h"

#include <cstring>

#include "engine/foundation/kana_tables.h"
#include "engine/foundation/sjis_chars.h"

namespace {

constexpr char kMarker[] = "zxj";
constexpr char kRomajiConsonants[] = "kgsztdnhbpmrwy";
constexpr std::size_t kMaxCountedConsonants = 3;
constexpr std::size_t kJNumLimit = 100;

// An ASCII letter, digit or punctuation character.
bool IsPrintableASCII(char c) { return c > ' ' && c < 0x7F; }

bool IsRomajiConsonant(char c) { return c != '\0' && std::strchr(kRomajiConsonants, c) != nullptr; }

// The last character of s that is the single-byte c; null when none.
char const* LastCharOf(char const* s, char c) {
    char const* found = nullptr;
    for (std::size_t size; (size = SJISCharSize(s)) != 0; s += size) {
        if (size == 1 && *s == c) found = s;
    }
    return found;
}

// The character before position p of s is the single printable ASCII byte at
// p - 1 (and not the trail byte of a double-byte character).
bool ClosesOnPrintableASCII(char const* s, char const* p) {
    auto const n = static_cast<unsigned long>(p - s);
    return n > 0 && PrevCharStart(s, n) == p - 1 && IsPrintableASCII(p[-1]);
}

}  // namespace

bool IsZXJMarker(char const* s) {
    while (IsASCIIWhite(*s)) ++s;
    return std::strncmp(s, kMarker, sizeof kMarker - 1) == 0;
}

bool IsCharOnCloseParenList(char const* s) {
    for (char const* paren : kCloseParenList) {
        if (std::strncmp(s, paren, std::strlen(paren)) == 0) return true;
    }
    return false;
}

std::size_t RomajiSyllableLen(char const* s) {
    std::size_t consonants = 0;
    while (consonants < kMaxCountedConsonants && IsRomajiConsonant(s[consonants])) ++consonants;
    return 1 + consonants;
}

char const* PrevCharStart(char const* s, unsigned long n) {
    if (n <= 1) return s;
    // A byte that cannot be a lead byte ends a character, so the next byte is
    // a boundary; walk forward from the nearest one before n - 1.
    unsigned long boundary = n - 1;
    while (boundary > 0 && IsSJISLeadByte(s[boundary - 1])) --boundary;
    unsigned long p = boundary;
    for (;;) {
        unsigned long const size = (IsSJISLeadByte(s[p]) && p + 1 < n) ? 2 : 1;
        if (p + size >= n) return s + p;
        p += size;
    }
}

bool StartsWithSingleByteRomaji(char const* s) {
    if (s[0] != '{' || IsZXJMarker(s + 1)) return false;
    return IsPrintableASCII(s[1]) && s[1] != '}' && MyDBCSstrchr(s + 1, "}") != nullptr;
}

bool EndsWithSingleByteRomaji(char const* s) {
    std::size_t const length = std::strlen(s);
    if (length <= 2) return false;
    char const* end = s + length;
    if (PrevCharStart(s, length) != end - 1 || end[-1] != '}') return false;
    if (!ClosesOnPrintableASCII(s, end - 1)) return false;

    char const* open = LastCharOf(s, '{');
    if (open == nullptr || IsZXJMarker(open + 1)) return false;
    char const* close = MyDBCSstrchr(open + 1, "}");
    return close != nullptr && close > open + 1 && ClosesOnPrintableASCII(s, close);
}

std::string MakeJNum(char const* s) {
    if (s == nullptr) return {};
    std::size_t const length = std::strlen(s);
    if (length >= kJNumLimit) {
        char const* last = PrevCharStart(s, kJNumLimit);
        bool const lastIsCut = SJISCharSize(last) == 2 && last + 2 > s + kJNumLimit;
        return std::string(s, lastIsCut ? last : s + kJNumLimit);
    }

    std::string out;
    out.reserve(3 * length);
    for (std::size_t size; (size = SJISCharSize(s)) != 0; s += size) {
        if (*s >= '0' && *s <= '9') {
            out += '\x82';
            out += static_cast<char>(*s + 0x1F);  // "0" (0x30) becomes 0x82 0x4F
        } else if (*s == '-') {
            out += "{-}";
        } else {
            out.append(s, size);
        }
    }
    return out;
}
