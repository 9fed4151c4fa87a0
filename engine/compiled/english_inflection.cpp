#include "engine/compiled/english_inflection.h"

#include <cstring>

#include "engine/compiled/suffix_pattern.h"

namespace {

constexpr int kFirstVerbForm = 4;
constexpr int kLastVerbForm = 18;

bool IsBlank(char c) { return c == ' ' || c == '\t'; }
bool IsASCIIWhiteByte(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

bool EndsWith(std::string const& s, char const* suffix) {
    std::size_t const n = std::strlen(suffix);
    return s.size() >= n && s.compare(s.size() - n, n, suffix) == 0;
}

// "y" after a byte that is not a vowel ("try", not "play").
bool EndsWithConsonantY(std::string const& s) { return s.size() >= 2 && s.back() == 'y' && !IsVowel(s[s.size() - 2]); }

void ReplaceLastByte(std::string& s, char const* with) {
    s.pop_back();
    s += with;
}

// Plural nouns and third person singular verbs.
void AddS(std::string& s) {
    if (s.size() <= 1) {
        s += "s";
    } else if (EndsWith(s, "s") || EndsWith(s, "sh") || EndsWith(s, "ch") || EndsWith(s, "o") || EndsWith(s, "x") ||
               EndsWith(s, "z")) {
        s += "es";
    } else if (EndsWithConsonantY(s)) {
        ReplaceLastByte(s, "ies");
    } else {
        s += "s";
    }
}

// Past and past participle.
void AddEd(std::string& s) {
    if (s.size() <= 1) {
        s += "ed";
    } else if (EndsWith(s, "e")) {
        s += "d";
    } else if (EndsWithConsonantY(s)) {
        ReplaceLastByte(s, "ied");
    } else {
        s += "ed";
    }
}

void AddIng(std::string& s) {
    if (s.size() > 1 && EndsWith(s, "e") && !EndsWith(s, "ee"))
        ReplaceLastByte(s, "ing");
    else
        s += "ing";
}

}  // namespace

std::string CreateInflectionWithoutDictionary_LAST_WORD(std::string const& text, GrossPOS_E_Source form) {
    std::string s = text;
    while (!s.empty() && IsASCIIWhiteByte(s.back())) s.pop_back();
    switch (form) {
        case kGrossPlural:
        case kGrossThirdSingular:
            AddS(s);
            break;
        case kGrossPast:
        case kGrossPastParticiple:
            AddEd(s);
            break;
        case kGrossPresentParticiple:
            AddIng(s);
            break;
        case kGrossComparative:
            s.insert(0, "more ");
            break;
        case kGrossSuperlative:
            s.insert(0, "most ");
            break;
        default:
            break;
    }
    return s;
}

std::string CreateInflectionWithoutDictionary(std::string const& text, GrossPOS_E_Source form) {
    if (form < kFirstVerbForm || form > kLastVerbForm) return CreateInflectionWithoutDictionary_LAST_WORD(text, form);

    std::size_t end = 0;
    while (end < text.size() && !IsBlank(text[end])) ++end;
    return CreateInflectionWithoutDictionary_LAST_WORD(text.substr(0, end), form) + text.substr(end);
}

bool PrependString(char* s, char const* prefix, unsigned long size) {
    std::size_t const length = std::strlen(s);
    std::size_t const prefixLength = std::strlen(prefix);
    if (length + prefixLength + 1 > size) return false;
    std::memmove(s + prefixLength, s, length + 1);
    std::memcpy(s, prefix, prefixLength);
    return true;
}
