#include "engine/foundation/string_compare.h"

#include <gtest/gtest.h>

#include "foundation/exact_text.h"

#include <climits>
#include <cstring>
#include <memory>
#include <string>

namespace {

int Sign(int value) { return (value > 0) - (value < 0); }

struct OrderCase {
    std::string a, b;
    int sign;
};

OrderCase const kOrderCases[] = {
    {"Apple", "apple", 0},
    {"apple", "applet", -1},
    {"ZEBRA", "apple", 1},         // folded: "z" after "a"
    {"[", "A", -1},                // folded: "[" (0x5B) before "a" (0x61)
    {"\x82\xA0", "\x82\xA1", -1},  // trail bytes compared raw
    {"\x82\x41", "\x82\x61", -1},  // ... and not folded, although they look like "A" and "a"
    {"\x82\x41"
     "B",
     "\x82\x41"
     "b",
     0},                          // after the pair, folding resumes
    {"a\x82", "a\x82", 0},        // lone lead byte at the end of both
    {"a\x82", "a\x82\x41", -1},   // ... of one
    {"\xE0\x40", "\x9F\xFC", 1},  // lead bytes compare as unsigned values
    {"", "", 0},
    {"", "a", -1},
    {"a", "", 1},
};

TEST(StringCompareTest, EveryFormAgreesOnDictionaryOrder) {
    for (auto const& c : kOrderCases) {
        ExactText a(c.a), b(c.b);
        ExactText aRange(c.a, false), bRange(c.b, false);
        SCOPED_TRACE(c.a + " vs " + c.b);

        EXPECT_EQ(Sign(StringCompare_E_Source(a.bytes(), b.bytes())), c.sign);
        EXPECT_EQ(Sign(StringCompare_E_Source(b.bytes(), a.bytes())), -c.sign);
        EXPECT_EQ(Sign(StringCompare_E_Source(aRange.begin(), aRange.end(), bRange.begin(), bRange.end())), c.sign);
        EXPECT_EQ(Sign(StringCompare_E_Source(bRange.begin(), bRange.end(), aRange.begin(), aRange.end())), -c.sign);
        EXPECT_EQ(Sign(StringCompare_E_Source(a.begin(), b.begin(), ULONG_MAX)), c.sign);
        EXPECT_EQ(Sign(StringCompare_E_Source(c.a, c.b)), c.sign);
        EXPECT_EQ(Sign(StringCompare_E_Source(c.a, b.begin(), ULONG_MAX)), c.sign);
        EXPECT_EQ(Sign(StringCompare_E_Source(c.a, c.b, ULONG_MAX)), c.sign);
    }
}

TEST(StringCompareTest, ResultValuesWhenOneSideEnds) {
    // NUL-terminated: minus the byte of b where a ends; ranges: -1 and 1.
    EXPECT_EQ(StringCompare_E_Source(reinterpret_cast<unsigned char const*>("ab"),
                                     reinterpret_cast<unsigned char const*>("abc")),
              -'c');
    EXPECT_EQ(StringCompare_E_Source(std::string("ab"), std::string("abc")), -1);
    EXPECT_EQ(StringCompare_E_Source(std::string("abc"), std::string("ab")), 1);
    EXPECT_EQ(StringCompare_E_Source(std::string("b"), std::string("a")), 1);
}

TEST(StringCompareTest, RangesCompareEmbeddedNulBytes) {
    EXPECT_LT(StringCompare_E_Source(std::string("a\0b", 3), std::string("a\0c", 3)), 0);
    EXPECT_GT(StringCompare_E_Source(std::string("a\0b", 3), std::string("a", 1)), 0);
}

TEST(StringCompareTest, BoundedFormStopsAfterNBytes) {
    struct Case {
        std::string a, b;
        unsigned long n;
        int sign;
    } const cases[] = {
        {"abcX", "abcY", 3, 0},
        {"abcX", "abcY", 4, -1},
        {"\x82\x41x", "\x82\x61y", 1, 0},  // only the lead byte within n
        {"\x82\x41x", "\x82\x61y", 2, -1},
        {"a\x82", "a\x82", 50, 0},  // lone lead byte, n beyond both ends
        {"ABC", "abd", 2, 0},
        {"abc", "abd", 0, 0},
    };
    for (auto const& c : cases) {
        ExactText a(c.a), b(c.b);
        SCOPED_TRACE(c.a + " vs " + c.b + " n=" + std::to_string(c.n));
        EXPECT_EQ(Sign(StringCompare_E_Source(a.begin(), b.begin(), c.n)), c.sign);
        EXPECT_EQ(Sign(StringCompare_E_Source(c.a, b.begin(), c.n)), c.sign);
        EXPECT_EQ(Sign(StringCompare_E_Source(c.a, c.b, c.n)), c.sign);
    }
}

TEST(StringCompareTest, SuffixMustBeginAtACharacterBoundary) {
    struct Case {
        std::string s, suffix;
        bool endsWith, caseInsensitive;
    } const cases[] = {
        {"\x82\x41", "A", false, false},             // "A" there is a trail byte
        {"\x82\x82\x41", "\x82\x41", false, false},  // two-byte suffix starting on a trail byte
        {"x\x82\x41", "\x82\x41", true, true},
        {"abc\x82\xA0", "\x82\xA0", true, true},
        {"Hello", "LLO", false, true},
        {"Hello", "llo", true, true},
        {"lo", "hello", false, false},
        {"abc", "", true, true},
        {"a\x82", "\x82", true, true},           // lone lead byte at the end
        {"\x83\x41", "\x83\x61", false, false},  // different characters, whatever the case
    };
    for (auto const& c : cases) {
        ExactText s(c.s), suffix(c.suffix);
        EXPECT_EQ(EndsWith(s.begin(), suffix.begin()), c.endsWith) << c.s << " / " << c.suffix;
        EXPECT_EQ(CaseInsensitiveEndsWith(s.begin(), suffix.begin()), c.caseInsensitive) << c.s << " / " << c.suffix;
    }
}

TEST(StringCompareTest, WideSuffix) {
    EXPECT_TRUE(EndsWith(L"abc", L"bc"));
    EXPECT_TRUE(EndsWith(L"abc", L""));
    EXPECT_FALSE(EndsWith(L"bc", L"abc"));
    EXPECT_FALSE(EndsWith(L"abc", L"Bc"));
}

TEST(StringCompareTest, CaseInsensitiveCharactersAreAsciiLettersOnly) {
    struct Case {
        char a, b;
        bool equal;
    } const cases[] = {
        {'a', 'A', true},       {'Z', 'z', true},
        {'a', 'b', false},      {'[', '{', false},  // 0x5B and 0x7B differ in the case bit only, but are not letters
        {'@', '`', false},      {'\xC1', '\xE1', false},  // high bytes are never letters
        {'\x82', '\x82', true},
    };
    for (auto const& c : cases) {
        EXPECT_EQ(CaseInsensitiveEqual(c.a, c.b), c.equal) << c.a << c.b;
        EXPECT_EQ(CaseInsensitiveEqual(static_cast<wchar_t>(static_cast<unsigned char>(c.a)),
                                       static_cast<wchar_t>(static_cast<unsigned char>(c.b))),
                  c.equal)
            << c.a << c.b;
    }
    EXPECT_FALSE(CaseInsensitiveEqual(L'\xFF41', L'\xFF21'));  // locale-independent: ASCII only
}

TEST(StringCompareTest, CaseInsensitiveStrings) {
    struct Case {
        std::string a, b;
        bool equal;
    } const cases[] = {
        {"Hello", "hELLO", true},         {"Hello", "Hell", false}, {"Hell", "Hello", false}, {"", "", true},
        {"\x83\x41", "\x83\x61", false},  // two katakana, not "A" and "a"
        {"\x83\x41x", "\x83\x41X", true},
    };
    for (auto const& c : cases) {
        ExactText a(c.a), b(c.b);
        EXPECT_EQ(CaseInsensitiveEqual(a.begin(), b.begin()), c.equal) << c.a << " / " << c.b;
        EXPECT_EQ(StrUpMatch(a.begin(), b.begin()), c.equal ? 1 : 0) << c.a << " / " << c.b;
    }
}

TEST(StringCompareTest, CaseInsensitiveCountedStrings) {
    struct Case {
        std::string a;
        int na;
        std::string b;
        int nb;
        bool equal;
    } const cases[] = {
        {"abc", 3, "ABC", -1, true}, {"abcdef", 2, "AB", -1, true}, {"abc", 3, "ABCD", 3, true},
        {"abc", 3, "AB", -1, false}, {"ab", 2, "ABC", 3, false},    {"ab", 0, "", -1, true},
    };
    for (auto const& c : cases) {
        EXPECT_EQ(CaseInsensitiveEqual(c.a.c_str(), c.na, c.b.c_str(), c.nb), c.equal) << c.a << " / " << c.b;
        std::wstring const a(c.a.begin(), c.a.end()), b(c.b.begin(), c.b.end());
        EXPECT_EQ(CaseInsensitiveEqual(a.c_str(), c.na, b.c_str(), c.nb), c.equal) << c.a << " / " << c.b;
    }
}

}  // namespace
