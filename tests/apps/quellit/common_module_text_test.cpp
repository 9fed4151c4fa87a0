// Shift-JIS bytes and strings, cleaning text bytes, the English or Japanese
// guess, byte classes and colours.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "apps/quellit/qwc_functions.h"
#include "apps/quellit/tovik_common_module.h"
#include "cp932.h"

namespace quellit {
namespace {

using Module = TovikCommonModule;

TEST(CommonModuleTextTest, ShiftJISDecodesOrGivesNothing) {
    EXPECT_EQ(Module::SjisToNSString(CP932("辞書 dictionary").c_str()), std::optional<std::string>("辞書 dictionary"));
    EXPECT_EQ(Module::SjisDataToNSString(CP932("あ") + std::string("\0b", 2)),
              std::optional<std::string>(std::string("あ\0b", 5)));
    EXPECT_FALSE(Module::SjisDataToNSString("\x82"));    // lead byte with no trail
    EXPECT_FALSE(Module::SjisToNSString("ab\x82\x20"));  // invalid pair
    EXPECT_FALSE(Module::SjisToNSString(nullptr));
}

TEST(CommonModuleTextTest, GetSjisFromNSStringFillsWholeCharactersOnly) {
    struct Case {
        std::string text;
        int maxLength;
        std::string expectedBytes;  // what the buffer holds before its NUL
        bool expectedFull;
    } const cases[] = {
        {"123456789", 10, "123456789", true},
        {"12345", 10, "12345", false},
        {"12345678", 10, "12345678", false},
        {"12345678あ", 10, "12345678", true},  // the pair at the cut is left out whole
        {"1234567あ", 10, "1234567" + CP932("あ"), true},
        {"漢字", 5, CP932("漢字"), true},
        {"abc", 1, "", true},
        {"a\xF0\x9F\x98\x80"
         "b",
         10, "a?b", false},  // no Shift-JIS form: lossy
    };
    for (Case const& c : cases) {
        char buffer[32];
        std::memset(buffer, 'X', sizeof buffer);
        EXPECT_EQ(Module::GetSjisFromNSString(c.text, buffer, c.maxLength), c.expectedFull) << c.text;
        EXPECT_EQ(std::string(buffer), c.expectedBytes) << c.text;
        EXPECT_EQ(buffer[c.expectedBytes.size() + 1], 'X') << c.text;  // nothing written past the NUL
    }

    char untouched[4] = {'X', 'X', 'X', 'X'};
    EXPECT_TRUE(Module::GetSjisFromNSString("abc", untouched, 0));
    EXPECT_TRUE(Module::GetSjisFromNSString("abc", untouched, -3));
    EXPECT_EQ(std::string(untouched, 4), "XXXX");
}

TEST(CommonModuleTextTest, TrimmingControlsAndEnds) {
    std::string inside("a\tb\x01\x1F c\x7F", 8);
    Module::TrimInsideCheck(&inside);
    EXPECT_EQ(inside, "a b   c\x7F");

    struct Case {
        std::string in;
        std::string expected;
    } const cases[] = {
        {std::string("\0 \t abc d\r\n", 12), "abc d"},
        {std::string(" \x01\x1F\x20\0", 5), ""},
        {"", ""},
        {"abc", "abc"},
    };
    for (Case const& c : cases) {
        std::string bytes = c.in;
        Module::TrimHeadTail(&bytes);
        EXPECT_EQ(bytes, c.expected);
    }
}

TEST(CommonModuleTextTest, TrimHeadTailCheckMiddleForEnglishCleansText) {
    struct Case {
        char const* what;
        std::string in;
        std::string expected;
    } const cases[] = {
        {"CR LF gives one space", "  a\r\nb", "a b"},
        {"lone CR", "a\rb", "a b"},
        {"LF and TAB", "a\nb\tc", "a b c"},
        {"0xCA is a space",
         "a\xCA"
         "b",
         "a b"},
        {"0xD0..0xD5", "\xD0\xD1\xD2\xD3\xD4\xD5", "--\"\"''"},
        {"double-byte dashes",
         "\x81\x5D"
         "x\x81\x5C",
         "-x-"},
        {"double-byte quotes",
         "\x81\x65"
         "a\x81\x66 \x81\x67"
         "b\x81\x68",
         "'a' \"b\""},
        {"other pairs copied whole", CP932("表示 a"), CP932("表示 a")},
        {"other controls dropped",
         "a\x01\x1B"
         "b",
         "ab"},
        {"final lead byte", "abc\x82", "abc\x82"},
        {"trailing blanks after cleaning", "abc\r\n\t", "abc"},
        {"empty", "", ""},
    };
    for (Case const& c : cases) {
        std::string bytes = c.in;
        Module::TrimHeadTailCheckMiddleForEnglish(&bytes);
        EXPECT_EQ(bytes, c.expected) << c.what;
    }
}

TEST(CommonModuleTextTest, JudgeEnglishOrJapanese) {
    struct Case {
        std::string bytes;
        int expected;
    } const cases[] = {
        {"abc" + CP932("あ"), Module::kJapanese},        // 1 * 100 / 3 > 10
        {"abcdefghij" + CP932("あ"), Module::kEnglish},  // exactly 10: not above
        {"abcdefghi" + CP932("あ"), Module::kJapanese},
        {"a b c d e f g h i j k" + CP932("あ"), Module::kEnglish},  // blanks do not count
        {CP932("日本語"), Module::kJapanese},                       // no single bytes
        {"", Module::kEnglish},
        {"  \t\r\n", Module::kEnglish},
        {"abc\x82", Module::kJapanese},  // a final lead byte counts
    };
    for (Case const& c : cases) {
        EXPECT_EQ(Module::JudgeTextDataEorJ(c.bytes), c.expected) << c.bytes;
    }
    EXPECT_EQ(Module::JudgeTextStringEorJ("これは日本語です。"), Module::kJapanese);
    EXPECT_EQ(Module::JudgeTextStringEorJ("This is English."), Module::kEnglish);
}

TEST(CommonModuleTextTest, ByteClassesByScanningFromTheStart) {
    std::string const a = CP932("あ");
    struct Case {
        std::string bytes;
        std::size_t n;
        int expected;
    } const cases[] = {
        {"", 0, kSJISEmpty},          {"", 4, kSJISEmpty},      {"a", 0, kSJISSingle},          {a, 0, kSJISLead},
        {a, 1, kSJISTrail},           {"x" + a, 2, kSJISTrail}, {"\x81\x81\x81", 2, kSJISLead},  // lead, trail, lead
        {"\x81\x20", 1, kSJISSingle},                            // 0x20 is no trail byte
        {"ab", 5, kSJISSingle},                                  // NUL first: the last byte read
        {a, 5, kSJISTrail},           {"\xB1", 0, kSJISSingle},  // half-width katakana
    };
    for (Case const& c : cases) {
        EXPECT_EQ(qwcSJISCode(c.bytes.c_str(), c.n), c.expected) << c.bytes << " at " << c.n;
    }
    EXPECT_EQ(qwcIsJapanese("plain \xB1 text"), 0);
    EXPECT_EQ(qwcIsJapanese(("a" + a).c_str()), 1);
    EXPECT_EQ(qwcIsJapanese("\xFC"), 1);
}

TEST(CommonModuleTextTest, StringToNSColorReadsFourFields) {
    struct Case {
        std::string text;
        std::optional<Rgba> expected;
    } const cases[] = {
        {"1 0 0", std::nullopt},           {"", std::nullopt},
        {"1 0 0 0.5", Rgba{1, 0, 0, 0.5}}, {"x 0.25 0 1", Rgba{1.0, 0.25, 0, 1}},
        {"0  0 1", Rgba{0, 1.0, 0, 1}},  // an empty field is no number
        {"0 0 1 1 9 9", Rgba{0, 0, 1, 1}},
    };
    for (Case const& c : cases) {
        std::optional<Rgba> const colour = Module::StringToNSColor(c.text);
        ASSERT_EQ(colour.has_value(), c.expected.has_value()) << c.text;
        if (!colour) continue;
        EXPECT_DOUBLE_EQ(colour->red, c.expected->red) << c.text;
        EXPECT_DOUBLE_EQ(colour->green, c.expected->green) << c.text;
        EXPECT_DOUBLE_EQ(colour->blue, c.expected->blue) << c.text;
        EXPECT_DOUBLE_EQ(colour->alpha, c.expected->alpha) << c.text;
    }
}

}  // namespace
}  // namespace quellit
