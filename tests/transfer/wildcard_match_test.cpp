// Wildcard patterns over Shift-JIS: whole characters only, the regions of the
// successful path, replacements, and the ends of the strings never passed.
// Every string lives in an exactly sized heap block, so the sanitizers see
// any read past a terminator.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/transfer/wildcard_match.h"

namespace {

// A terminated heap copy with no room after the terminator.
class Exact {
public:
    explicit Exact(std::string const& text) : fBytes(text.begin(), text.end()) { fBytes.push_back('\0'); }
    char const* get() const { return fBytes.data(); }

private:
    std::vector<char> fBytes;
};

// Shift-JIS characters: あ, い, and 表, whose second byte is '\'.
#define A_KANA "\x82\xA0"
#define I_KANA "\x82\xA2"
#define HYOU "\x95\x5C"

struct MatchCase {
    char const* pattern;
    char const* text;
    bool matches;
};

TEST(WildcardMatch, MatchesWholeCharactersOfTheWholeText) {
    std::string const stars8 = "*a*a*a*a*a*a*a*a";
    std::string const as200(200, 'a');
    std::string const mixed200 = std::string(199, 'a') + "b";
    std::string const stars8b = stars8 + "b", stars8qb = stars8 + "?b";
    MatchCase const cases[] = {
        {"*", "", true},
        {"?", "", false},
        {"", "", true},
        {"", "a", false},
        {"abc", "abc", true},
        {"abc", "abd", false},
        {"ab", "abc", false},
        {"abc", "ab", false},
        {"?", A_KANA, true},    // one '?' takes both bytes
        {"??", A_KANA, false},  // never half a character
        {"?", "a" A_KANA, false},
        {"a?c", "a" I_KANA "c", true},
        {"\x82", A_KANA, false},  // a lead byte alone is not the character
        {"\xA0", A_KANA, false},
        {"*\xA0", A_KANA, false},  // a '*' never stops inside a character
        {"*" HYOU, "x" HYOU, true},
        {"*\\", "x" HYOU, false},  // nor does a literal '\' match a trail byte
        {A_KANA "*", A_KANA I_KANA, true},
        {"a*", "a", true},
        {"a**", "a", true},  // trailing stars after a complete match
        {"a**", "ab", true},
        {"*?", "", false},
        {"*a", "aa", true},
        {"*a*b", "xaxxb", true},
        {"*a*b", "xaxx", false},
        {"a*b*c", "abbbcbc", true},
        {"\\*", "*", true},
        {"\\*", "x", false},
        {"\\?", "?", true},
        {"\\\\", "\\", true},
        {"a\\", "a\\", true},  // a trailing '\' is a literal '\'
        {"a\\", "a", false},
        {"?", "\x82", true},  // a lead byte before the end is one byte
        {"\x82", "\x82", true},
        {"??", "a\x82", true},
        {"*\x82", "xy\x82", true},
        {"\\\x82", "\x82", true},
        {stars8.c_str(), as200.c_str(), true},
        {stars8b.c_str(), as200.c_str(), false},  // finishes: no exponential retry
        {stars8b.c_str(), mixed200.c_str(), true},
        {stars8qb.c_str(), mixed200.c_str(), true},
    };
    for (MatchCase const& c : cases) {
        Exact const pattern(c.pattern), text(c.text);
        EXPECT_EQ(FancyWildcardMatch(pattern.get(), text.get()), c.matches) << c.pattern << " / " << c.text;
        std::vector<AsteriskMatchRegion> regions;
        EXPECT_EQ(WildcardMatchForReplacement(&regions, pattern.get(), text.get()), c.matches)
            << c.pattern << " / " << c.text;
        if (!c.matches) {
            EXPECT_TRUE(regions.empty()) << "a failed match keeps no regions: " << c.pattern;
        }
    }
}

TEST(WildcardMatch, ComparesCharactersByLengthAndBytes) {
    struct {
        char const* a;
        char const* b;
        bool equal;
    } const cases[] = {
        {"", "", true},          {"a", "a", true},       {"a", "b", false},
        {"a", "", false},        {A_KANA, A_KANA, true}, {A_KANA, I_KANA, false},
        {"\x82", A_KANA, false}, {"\x82", "\x82", true}, {"ab", "ac", true},  // only the first character counts
    };
    for (auto const& c : cases) {
        Exact const a(c.a), b(c.b);
        EXPECT_EQ(DBCharsEqual(a.get(), b.get()), c.equal) << c.a << " / " << c.b;
    }
}

TEST(WildcardMatch, RecordsTheRegionsOfTheSuccessfulPathOnly) {
    struct {
        char const* pattern;
        char const* text;
        std::vector<std::string> regions;
    } const cases[] = {
        {"*", "", {""}},
        {"*X", "AX", {"A"}},
        {"*a", "aa", {"a"}},
        {"?*", A_KANA "bc", {A_KANA, "bc"}},
        {"*a*b", "xaxab", {"x", "xa"}},
        // The first try gives the '?' the "d"; that path fails, and its
        // region must not survive.
        {"*a?c", "xadyabc", {"xady", "b"}},
        {"*a?*c", "xabyac", {"x", "b", "ya"}},
        {"a**", "a", {"", ""}},
        {"*?", "xyz", {"xy", "z"}},
    };
    for (auto const& c : cases) {
        Exact const pattern(c.pattern), text(c.text);
        std::vector<AsteriskMatchRegion> regions{{nullptr, nullptr, nullptr}};
        ASSERT_TRUE(WildcardMatchForReplacement(&regions, pattern.get(), text.get())) << c.pattern;
        std::vector<std::string> got;
        for (AsteriskMatchRegion const& region : regions) {
            EXPECT_TRUE(*region.wildcard == '*' || *region.wildcard == '?');
            got.emplace_back(region.start, region.end);
        }
        EXPECT_EQ(got, c.regions) << c.pattern << " / " << c.text;
    }
}

TEST(WildcardMatch, ReplacesWithTheRegionsNamed) {
    struct {
        char const* pattern;
        char const* replacement;
        char const* text;
        char const* result;
    } const cases[] = {
        {"*X", "\\1Y", "AX", "AY"},
        {"*-*", "\\2+\\1", "ab-cd", "cd+ab"},
        {"*-*", "\\3", "ab-cd", "3"},  // no third region: the digit itself
        {"*-*", "\\0\\x\\\\", "ab-cd", "0x\\"},
        {"*k-", "\\1i-", "{" HYOU "}k-", "{" HYOU "}i-"},
        {"*k-", "\\1i-", "{" HYOU "}s-", "{" HYOU "}s-"},  // no match: the text as it was
        {"*", "ab\\", "x", "ab\\"},                        // a trailing '\' is copied
        {"*", "a\x82", "x", "a\x82"},                      // so is a lead byte before the end
        {"*", "\\" A_KANA "\\1", I_KANA, A_KANA I_KANA},
        {"?", HYOU "\\1", A_KANA, HYOU A_KANA},
    };
    for (auto const& c : cases) {
        Exact const pattern(c.pattern), replacement(c.replacement), text(c.text);
        EXPECT_EQ(DoWildcardReplacement(pattern.get(), replacement.get(), text.get()), c.result)
            << c.pattern << " / " << c.replacement << " / " << c.text;
    }
}

}  // namespace
