#include "engine/compiled/suffix_pattern.h"

#include <cstring>

namespace {

constexpr std::array<unsigned char, 256> MakeByteTable(char const* members) {
    std::array<unsigned char, 256> table{};
    for (char const* p = members; *p != '\0'; ++p) table[static_cast<unsigned char>(*p)] = 1;
    return table;
}

char FoldASCII(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + ('a' - 'A')) : c; }

// What the pattern's "C" and "V" were bound to while matching a tail.
struct Bindings {
    char consonant = '\0';
    char vowel = '\0';
};

// One pattern position against one byte of the word, binding "C" and "V".
bool MatchPatternByte(char pattern, char c, Bindings& bound) {
    switch (pattern) {
        case 'C':
        case 'V': {
            bool const consonantSlot = pattern == 'C';
            if (!(consonantSlot ? IsConsonant(c) : IsVowel(c))) return false;
            char& binding = consonantSlot ? bound.consonant : bound.vowel;
            if (binding == '\0') binding = c;
            return FoldASCII(binding) == FoldASCII(c);
        }
        case 'D':
            return IsConsonant(c);
        case 'W':
            return IsVowel(c);
        default:
            return FoldASCII(pattern) == FoldASCII(c);
    }
}

// The byte one replacement character stands for; '\0' when it refers to a
// binding or a tail position that does not exist.
char ReplacementByte(char r, unsigned long position, char const* tail, unsigned long tailLength,
                     Bindings const& bound) {
    switch (r) {
        case 'C':
            return bound.consonant;
        case 'V':
            return bound.vowel;
        case 'D':
        case 'W':
            return position < tailLength ? tail[position] : '\0';
        default:
            return r;
    }
}

}  // namespace

std::array<unsigned char, 256> const kConstonants = MakeByteTable("BCDFGHJKLMNPQRSTVWXZbcdfghjklmnpqrstvwxz");
std::array<unsigned char, 256> const kVowels = MakeByteTable("AEIOUYaeiouy");

bool IsConsonant(char c) { return kConstonants[static_cast<unsigned char>(c)] != 0; }
bool IsVowel(char c) { return kVowels[static_cast<unsigned char>(c)] != 0; }

bool MakeVCSubst(char* dst, unsigned long dstSize, char const* word, char const* replacement, char const* pattern,
                 unsigned short minStem) {
    unsigned long const wordLength = std::strlen(word);
    unsigned long const tailLength = std::strlen(pattern);
    if (wordLength < tailLength) return false;
    unsigned long const stemLength = wordLength - tailLength;
    unsigned long const replacementLength = std::strlen(replacement);
    if (stemLength < minStem || stemLength + replacementLength + 1 > dstSize) return false;

    char const* const tail = word + stemLength;
    Bindings bound;
    for (unsigned long i = 0; i < tailLength; ++i) {
        if (!MatchPatternByte(pattern[i], tail[i], bound)) return false;
    }
    // Check the whole replacement before writing, so a failure leaves dst alone.
    for (unsigned long i = 0; i < replacementLength; ++i) {
        if (ReplacementByte(replacement[i], i, tail, tailLength, bound) == '\0') return false;
    }
    std::memmove(dst, word, stemLength);
    for (unsigned long i = 0; i < replacementLength; ++i)
        dst[stemLength + i] = ReplacementByte(replacement[i], i, tail, tailLength, bound);
    dst[stemLength + replacementLength] = '\0';
    return true;
}
