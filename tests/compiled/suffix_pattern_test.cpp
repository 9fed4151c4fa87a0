#include "engine/compiled/suffix_pattern.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

constexpr char kUntouched[] = "untouched";

struct SubstCase {
    char const* word;
    char const* pattern;
    char const* replacement;
    unsigned short minStem;
    char const* expected;  // null: the substitution fails
};

TEST(SuffixPatternTest, Substitutions) {
    SubstCase const cases[] = {
        {"travelling", "Vlling", "Vling", 2, "traveling"},
        {"traveling", "Vling", "Vlling", 2, "travelling"},
        {"TRAVELLING", "Vlling", "Vling", 2, "TRAVEling"},  // literals ignore case, V keeps the word's byte
        {"abcdefgi", "Ci", "Cuses", 6, "abcdefguses"},
        {"radici", "Ci", "Cuses", 6, nullptr},      // stem "radic" too short
        {"abcdefai", "Ci", "Cuses", 6, nullptr},    // "a" is no consonant
        {"gelled", "Vlled", "Vled", 2, nullptr},    // stem "g" too short
        {"palled", "Vlled", "Vled", 1, "paled"},    // stem exactly minStem
        {"falling", "CCing", "Cing", 0, "faling"},  // "C" twice: the same letter
        {"falting", "CCing", "Cing", 0, nullptr},
        {"fallLing", "CCing", "C", 0, "fall"},  // the same letter in either case
        {"cats", "Ds", "Dz", 0, "catz"},        // "D" gives the word's own byte
        {"pies", "Ws", "WW", 0, "pies"},
        {"boats", "WDs", "WD", 0, "boat"},
        {"tabs", "Ds", "Dx", 0, "tabx"},
        {"os", "Vlling", "Vling", 0, nullptr},  // word shorter than the pattern
        {"", "s", "", 0, nullptr},
        {"sing", "ing", "Cing", 0, nullptr},           // "C" never bound
        {"sing", "ing", "Ving", 0, nullptr},           // "V" never bound
        {"cats", "Ds", "DDD", 0, nullptr},             // "D" past the pattern
        {"cats", "s", "sW", 0, nullptr},               // "W" past the pattern
        {"\xe9lling", "Vlling", "Vling", 0, nullptr},  // high byte is no vowel
        {"\xe9\xffs", "s", "es", 0,
         "\xe9\xff"
         "es"},
    };
    for (SubstCase const& c : cases) {
        char dst[64];
        std::strcpy(dst, kUntouched);
        bool const ok = MakeVCSubst(dst, sizeof dst, c.word, c.replacement, c.pattern, c.minStem);
        SCOPED_TRACE(std::string(c.word) + " ~ " + c.pattern + " -> " + c.replacement);
        if (c.expected == nullptr) {
            EXPECT_FALSE(ok);
            EXPECT_STREQ(dst, kUntouched);
        } else {
            EXPECT_TRUE(ok);
            EXPECT_STREQ(dst, c.expected);
        }
    }
}

TEST(SuffixPatternTest, DestinationMustHoldResultAndNul) {
    // "traveling" is 9 bytes: 10 fit exactly, 9 are one byte short.
    char dst[16];
    std::strcpy(dst, kUntouched);
    EXPECT_FALSE(MakeVCSubst(dst, 9, "travelling", "Vling", "Vlling", 2));
    EXPECT_STREQ(dst, kUntouched);
    EXPECT_TRUE(MakeVCSubst(dst, 10, "travelling", "Vling", "Vlling", 2));
    EXPECT_STREQ(dst, "traveling");
    EXPECT_FALSE(MakeVCSubst(dst, 0, "a", "", "a", 0));
}

TEST(SuffixPatternTest, LetterClasses) {
    for (int c = 0; c < 256; ++c) {
        char const ch = static_cast<char>(c);
        bool const letter = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
        bool const vowel = letter && std::strchr("aeiouy", c | 0x20) != nullptr;
        EXPECT_EQ(IsVowel(ch), vowel) << c;
        EXPECT_EQ(IsConsonant(ch), letter && !vowel) << c;
    }
}

}  // namespace
