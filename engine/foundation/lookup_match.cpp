#include "engine/foundation/lookup_match.h"

#include <cstring>

#include "engine/foundation/sjis_chars.h"

FILE* dictlookdump = nullptr;

namespace {

bool IsASCIIUpper(unsigned char c) { return c >= 'A' && c <= 'Z'; }

// A single byte of the text against the dictionary's: no match, equal, or a
// capital whose lower-case form is the dictionary's.
enum class ByteMatch { kNone, kEqual, kCaseMismatch };

ByteMatch MatchByte(unsigned char text, unsigned char dict) {
    if (text == dict) return ByteMatch::kEqual;
    if (IsASCIIUpper(text) && ASCIIToLower(text) == dict) return ByteMatch::kCaseMismatch;
    return ByteMatch::kNone;
}

// "CDs", "URLs": capitals and a final "s", 3 to 6 bytes in all.
bool IsAcronymPlural(char const* text, char const* textEnd) {
    auto const length = textEnd - text;
    if (length < 3 || length > 6 || textEnd[-1] != 's') return false;
    for (char const* p = text; p < textEnd - 1; ++p) {
        if (!IsASCIIUpper(static_cast<unsigned char>(*p))) return false;
    }
    return true;
}

int Length(char const* begin, char const* end) { return static_cast<int>(end - begin); }

}  // namespace

bool Linguistics_E_Source_LookupStringMatcher(char const* text, char const* textEnd, char const* dict,
                                              char const* dictEnd) {
    if (textEnd - text != dictEnd - dict) return false;
    bool caseMismatch = false;
    for (char const *t = text, *d = dict; t < textEnd;) {
        std::size_t const size = SJISCharSize(t, textEnd);
        if (size == 2) {
            if (t[0] != d[0] || t[1] != d[1]) return false;
        } else {
            ByteMatch const match = MatchByte(static_cast<unsigned char>(*t), static_cast<unsigned char>(*d));
            if (match == ByteMatch::kNone) return false;
            caseMismatch = caseMismatch || match == ByteMatch::kCaseMismatch;
        }
        t += size;
        d += size;
    }
    if (caseMismatch) {
        if (IsAcronymPlural(text, textEnd)) {
            if (dictlookdump != nullptr) std::fputs("REJECTING lookup due to XXXXs acronym parse\n", dictlookdump);
            return false;
        }
        if (dictlookdump != nullptr) {
            std::fprintf(dictlookdump, "      Accepting cap mismatch from |%.*s|", Length(text, textEnd), text);
            std::fprintf(dictlookdump, " to dictionary |%.*s|\n", Length(dict, dictEnd), dict);
        }
    }
    if (dictlookdump != nullptr)
        std::fprintf(dictlookdump, "FOUND string in dictionary |%.*s|\n", Length(dict, dictEnd), dict);
    return true;
}

bool Linguistics_E_Source_LookupStringMatcher(char const* text, char const* dict) {
    return Linguistics_E_Source_LookupStringMatcher(text, text + std::strlen(text), dict, dict + std::strlen(dict));
}

bool Linguistics_E_Source_LookupStringMatcher(std::string const& text, std::string const& dict) {
    return Linguistics_E_Source_LookupStringMatcher(text.data(), text.data() + text.size(), dict.data(),
                                                    dict.data() + dict.size());
}

namespace {

bool EndsWord(char c) { return c == '\0' || c == ' ' || c == '\t'; }

}  // namespace

bool WordMatch(char const* a, char const* b) {
    while (!EndsWord(*a)) {
        if (SJISCharSize(a) == 2) {
            // The trail byte may look like a letter: never fold it.
            if (a[0] != b[0] || a[1] != b[1]) return false;
            a += 2;
            b += 2;
            continue;
        }
        if (MatchByte(static_cast<unsigned char>(*a), static_cast<unsigned char>(*b)) == ByteMatch::kNone) return false;
        ++a;
        ++b;
    }
    return EndsWord(*b);
}
