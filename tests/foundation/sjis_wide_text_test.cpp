#include "engine/foundation/sjis_wide_text.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "engine/foundation/wide_ctype.h"

namespace {

using Offsets = std::vector<uint32_t>;

TEST(SjisWideText, DecodingKeepsEveryByteAndMapsEachCharacterToItsOffset) {
    struct {
        char const* what;
        std::string sjis;
        std::wstring wide;
        Offsets offsets;
    } const cases[] = {
        {"ASCII as it is", "Hi ~\\", L"Hi ~\\", {0, 1, 2, 3, 4, 5}},
        {"empty", "", L"", {0}},
        {"double-byte and half-width",
         "a\x82\xA0\xB1"
         "b",
         L"a\x3042\xFF71"
         "b",
         {0, 1, 3, 4, 5}},
        {"a stray byte becomes one replacement", "Hi \x80there", L"Hi \xFFFDthere", {0, 1, 2, 3, 4, 5, 6, 7, 8, 9}},
        {"a lead byte with a bad trail keeps the trail", "a\x81 b", L"a\xFFFD b", {0, 1, 2, 3, 4}},
        {"a lead byte at the end", "\x82\xA0\x81", L"\x3042\xFFFD", {0, 2, 3}},
        {"bytes that start nothing", "\xA0\xFD\xFF", L"\xFFFD\xFFFD\xFFFD", {0, 1, 2, 3}},
        {"a NUL is a character", std::string("a\0b", 3), std::wstring(L"a\0b", 3), {0, 1, 2, 3}},
    };
    for (auto const& c : cases) {
        Offsets offsets;
        EXPECT_EQ(DecodeSJISLenient(c.sjis, &offsets), c.wide) << c.what;
        EXPECT_EQ(offsets, c.offsets) << c.what;
        EXPECT_EQ(IsValidSJIS(c.sjis.data(), c.sjis.size()), c.wide.find(kReplacementCharacter) == std::wstring::npos)
            << c.what;
    }
}

TEST(SjisWideText, EncodingWritesAQuestionMarkForWhatHasNoForm) {
    struct {
        char const* what;
        std::wstring wide;
        std::string sjis;
        Offsets offsets;
    } const cases[] = {
        {"ASCII", L"It rains.", "It rains.", {0, 1, 2, 3, 4, 5, 6, 7, 8, 9}},
        {"double-byte", L"The \x72AC runs", "The \x8C\xA2 runs", {0, 1, 2, 3, 4, 6, 7, 8, 9, 10, 11}},
        {"no form, and the rest kept",
         L"a\x00E9\x1F600"
         L"b",
         "a??b",
         {0, 1, 2, 3, 4}},
        {"the replacement character", L"Hi \xFFFDthere", "Hi ?there", {0, 1, 2, 3, 4, 5, 6, 7, 8, 9}},
        {"a lone surrogate", L"\xD800x", "?x", {0, 1, 2}},
    };
    for (auto const& c : cases) {
        Offsets offsets;
        EXPECT_EQ(EncodeSJISLenient(c.wide.data(), c.wide.size(), &offsets), c.sjis) << c.what;
        EXPECT_EQ(offsets, c.offsets) << c.what;
        EXPECT_EQ(MapWideToSJISChars(c.wide.c_str()), c.sjis) << c.what;
    }
    EXPECT_EQ(MapWideToSJISChars(nullptr), "");
}

TEST(SjisWideText, ValidTextComesBackByteForByte) {
    std::string const text = "The \x8C\xA2 runs. \x82\xA0\x87\x40\xB1~\\";
    EXPECT_EQ(MapWideToSJISChars(DecodeSJISLenient(text).c_str()), text);
}

TEST(WideCtype, ClassesDoNotDependOnTheProcessLocale) {
    struct {
        wchar_t c;
        bool space, alpha, upper, punct;
        wchar_t lower;
    } const cases[] = {
        {L' ', true, false, false, false, L' '}, {L'\x3000', true, false, false, false, L'\x3000'},
        {L'A', false, true, true, false, L'a'},  {L'\x00C9', false, true, true, false, L'\x00E9'},
        {L'.', false, false, false, true, L'.'}, {L'\x3042', false, true, false, false, L'\x3042'},
    };
    for (auto const& c : cases) {
        EXPECT_EQ(IsWideSpace(c.c), c.space) << static_cast<int>(c.c);
        EXPECT_EQ(IsWideAlpha(c.c), c.alpha) << static_cast<int>(c.c);
        EXPECT_EQ(IsWideUpper(c.c), c.upper) << static_cast<int>(c.c);
        EXPECT_EQ(IsWidePunct(c.c), c.punct) << static_cast<int>(c.c);
        EXPECT_EQ(ToWideLower(c.c), c.lower) << static_cast<int>(c.c);
    }
    EXPECT_FALSE(IsWideDigit(L'\xFF11'));
    EXPECT_EQ(ToWideUpper(L'z'), L'Z');
}

}  // namespace
