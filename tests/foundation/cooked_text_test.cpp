#include "engine/foundation/cooked_text.h"

#include <gtest/gtest.h>

#include "foundation/exact_text.h"

#include <string>

namespace {

TEST(CookedTextTest, MarkersParenthesesAndSyllables) {
    struct Case {
        std::string text;
        bool marker;
        bool closeParen;
        std::size_t syllableLen;
    } const cases[] =
        {
            {"zxjDASH", true, false, 2},  // "z" is a romaji consonant, "x" is not
            {" \tzxq", false, false, 1},   {" \tzxj", true, false, 1},
            {"zx", false, false, 2},       {")a", false, true, 1},
            {"]", false, true, 1},         {">", false, true, 1},
            {"\x81\x6A", false, true, 1},   // ）
            {"\x81\x70", false, true, 1},   // ｝
            {"\x81\x76", false, true, 1},   // 」
            {"\x81\x69", false, false, 1},  // （ opens
            {"\x81", false, false, 1},      // lone lead byte
            {"kya", false, false, 3},      {"tta", false, false, 3},
            {"ssss", false, false, 4},  // at most three consonants count
            {"a", false, false, 1},        {"", false, false, 1},
        };
    for (auto const& c : cases) {
        ExactText text(c.text);
        EXPECT_EQ(IsZXJMarker(text.begin()), c.marker) << c.text;
        EXPECT_EQ(IsCharOnCloseParenList(text.begin()), c.closeParen) << c.text;
        EXPECT_EQ(RomajiSyllableLen(text.begin()), c.syllableLen) << c.text;
    }
}

// Run on exactly n unterminated bytes: the walk may read only bytes before n.
TEST(CookedTextTest, PrevCharStartFindsTheCharacterHoldingTheByteBeforeN) {
    struct Case {
        std::string text;
        unsigned long n;
        long start;
    } const cases[] = {
        {"\x82\xA0", 1, 0},  // n of 1 is the start, whatever the byte
        {"ab", 2, 1},
        {"a\x82\xA0", 3, 1},         // aあ
        {"\x82\xA0\x82\xA0", 4, 2},  // ああ
        {"x\x83\x41", 3, 1},         // xア: 0x41 is a trail byte, not "A"
        {"\x82\x82\x82\x82", 4, 2},  // lead-valued trail bytes: resolved from the start
        {"\x82\x82\x82\x82", 3, 2},  // byte 2 begins a character cut by n
        {"a\x82", 2, 1},             // a lead byte just before the end is one byte
        {"\x82\xA0"
         "a\x82\xA0\x82",
         6, 5},
    };
    for (auto const& c : cases) {
        ExactText text(c.text.substr(0, c.n), false);
        EXPECT_EQ(PrevCharStart(text.begin(), c.n) - text.begin(), c.start) << c.text << " n=" << c.n;
    }
    ExactText empty("", false);
    EXPECT_EQ(PrevCharStart(empty.begin(), 0), empty.begin());
}

// "{" (0x7B) and "}" (0x7D) are the trail bytes of "ボ" and "マ", 0x41 that
// of "ア": none of them may be read as ASCII.
TEST(CookedTextTest, SingleByteRomajiTestsWalkByCharacter) {
    struct Case {
        std::string text;
        bool starts;
        bool ends;
    } const cases[] = {
        {"{abc}", true, true},
        {"{a}", true, true},
        {"{-}", true, true},
        {"x{ab}", false, true},
        {"{\x8A\xBF"
         "a}",
         false, true},                  // {漢a}
        {"{a\x8A\xBF}", true, false},   // {a漢}
        {"{\x83\x41}", false, false},   // {ア}: 0x41 is a trail byte
        {"{ab\x83\x7D", false, false},  // {abマ: the "}" is a trail byte
        {"{\x83\x7D", false, false},    // {マ: never closed
        {"{a\x83\x7B}", true, false},   // {aボ}
        {"{zxjab}", false, false},
        {"{ zxjab}", false, false},
        {"{a}{zxjB}", true, false},  // the last group is a marker
        {"{abc", false, false},      // never closed
        {"ab}", false, false},       // no group at all
        {"a}", false, false},        // two bytes are too short
        {"{}", false, false},
        {"ab{}", false, false},  // an empty group closes on nothing
        {"{ a}", false, true},   // a blank opens no romaji
        {"", false, false},
    };
    for (auto const& c : cases) {
        ExactText text(c.text);
        EXPECT_EQ(StartsWithSingleByteRomaji(text.begin()), c.starts) << c.text;
        EXPECT_EQ(EndsWithSingleByteRomaji(text.begin()), c.ends) << c.text;
    }
}

TEST(CookedTextTest, MakeJNumConvertsShortTextsAndCutsLongOnesWhole) {
    std::string const ninetyNine(99, '7');
    std::string const fullWidthSevens = [] {
        std::string sevens;
        for (int i = 0; i < 99; ++i) sevens += "\x82\x56";
        return sevens;
    }();
    std::string const kanjiAcrossTheCut = std::string(99, 'a') +
                                          "\x8A\xBF"
                                          "b";
    struct Case {
        std::string text, expected;
    } const cases[] = {
        {"3.5", "\x82\x52.\x82\x54"},    // ３.５
        {"0-9", "\x82\x4F{-}\x82\x58"},  // ０{-}９
        {"\x8A\xBF"
         "1",
         "\x8A\xBF\x82\x50"},       // 漢1
        {"1\x82", "\x82\x50\x82"},  // lone lead byte kept
        {"", ""},
        {ninetyNine, fullWidthSevens},
        {std::string(100, '7'), std::string(100, '7')},  // not converted
        {std::string(150, '7'), std::string(100, '7')},
        {kanjiAcrossTheCut, std::string(99, 'a')},  // the kanji would be cut in half
    };
    for (auto const& c : cases) {
        EXPECT_EQ(MakeJNum(ExactText(c.text).begin()), c.expected) << c.text;
    }
}

// Exactly sized heap copies: AddressSanitizer reports any read past the end.
TEST(CookedTextTest, TruncatedLeadBytesStayInsideTheText) {
    struct Case {
        std::string text;
        bool starts;
    } const cases[] = {
        {"\x82", false}, {"{\x82", false}, {"{a\x82", false}, {"{a}\x82", true}, {"zx\x82", false}, {"1\x82", false},
    };
    for (auto const& c : cases) {
        ExactText text(c.text);
        EXPECT_FALSE(IsZXJMarker(text.begin())) << c.text;
        EXPECT_FALSE(IsCharOnCloseParenList(text.begin())) << c.text;
        EXPECT_EQ(StartsWithSingleByteRomaji(text.begin()), c.starts) << c.text;
        EXPECT_FALSE(EndsWithSingleByteRomaji(text.begin())) << c.text;  // a lone lead byte is no "}"
        EXPECT_EQ(MakeJNum(text.begin()).back(), '\x82') << c.text;
        ExactText range(c.text, false);
        EXPECT_EQ(PrevCharStart(range.begin(), c.text.size()), range.end() - 1) << c.text;
    }
}

}  // namespace
