#include "engine/foundation/sjis_convert.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>
#include <thread>
#include <vector>

namespace {

struct DecodeCase {
    std::string sjis;
    std::wstring wide;  // empty when the text must not decode at all
};

DecodeCase const kDecodeCases[] = {
    {"\x5C", L"\\"},          // backslash, not a yen sign
    {"\x7E", L"~"},           // tilde, not an overline
    {"\x81\x60", L"\xFF5E"},  // full-width tilde
    {"\x81\x7C", L"\xFF0D"},  // full-width minus
    {"\x87\x40", L"\x2460"},  // circled digit one (vendor row)
    {"a\x82\xA0"
     "b",
     L"a\x3042"
     "b"},
    {"\x81\x40\x81\xA1", L"\x3000\x25A0"},
    {"", L""},
    {"a\x81\x20", L""},     // invalid pair: nothing at all
    {"\x82\xA0\x81", L""},  // lone lead byte at the end
    {"ab\x80", L""},
    {"\x81\x7F", L""},
};

TEST(SjisConvertTest, DecodesCodePage932AllOrNothing) {
    for (auto const& c : kDecodeCases) {
        EXPECT_EQ(MapSJISTowstring(c.sjis.c_str()), c.wide) << c.sjis;

        std::vector<wchar_t> out(c.sjis.size() + 1, L'?');
        unsigned long const count =
            MapSJISToWideChars(out.data(), out.size() * sizeof(wchar_t), c.sjis.c_str(), c.sjis.size());
        EXPECT_EQ(count, c.wide.size()) << c.sjis;
        EXPECT_EQ(std::wstring(out.data()), c.wide) << c.sjis;
    }
}

TEST(SjisConvertTest, EncodesBackToTheSameBytes) {
    for (auto const& c : kDecodeCases) {
        if (c.wide.empty()) continue;
        EXPECT_EQ(MapWstringToSJIS(c.wide), c.sjis) << c.sjis;
    }
}

TEST(SjisConvertTest, EncodingStopsBeforeTheFirstUnconvertibleCharacter) {
    struct Case {
        std::wstring wide;
        std::string sjis;
    } const cases[] = {
        {L"ab\x00E9"
         L"cd",
         "ab"},  // e acute has no Shift-JIS form
        {L"\x3042\x1F600\x3042", "\x82\xA0"},
        {L"\xD800x", ""},  // a lone surrogate is not a character
        {L"\x1F600", ""},
    };
    for (auto const& c : cases) {
        EXPECT_EQ(MapWstringToSJIS(c.wide), c.sjis);

        std::vector<char> out(2 * c.wide.size() + 1);
        unsigned long written = out.size();
        mapUnicodeToSJIS(c.wide.data(), c.wide.size() * sizeof(wchar_t), out.data(), &written);
        EXPECT_EQ(std::string(out.data(), written), c.sjis);
    }
}

TEST(SjisConvertTest, EncodingKeepsWithinTheOutputAndNeverSplitsAPair) {
    struct Case {
        std::wstring wide;
        unsigned long capacity;
        std::string sjis;
    } const cases[] = {
        {L"\x3042\x3042", 3, "\x82\xA0"},
        {L"\x3042\x3042", 4, "\x82\xA0\x82\xA0"},
        {L"a\x3042", 1, "a"},
        {L"abc", 0, ""},
    };
    for (auto const& c : cases) {
        std::unique_ptr<char[]> out(new char[c.capacity + 1]);
        unsigned long written = c.capacity;
        mapUnicodeToSJIS(c.wide.data(), c.wide.size() * sizeof(wchar_t), out.get(), &written);
        EXPECT_EQ(std::string(out.get(), written), c.sjis) << c.capacity;
    }
}

TEST(SjisConvertTest, WideBufferAlwaysHoldsItsTerminator) {
    struct Case {
        std::string sjis;
        unsigned long outBytes;
        std::wstring wide;
    } const cases[] = {
        {"abcdef", 3 * sizeof(wchar_t), L"ab"},
        {"abcdef", 3 * sizeof(wchar_t) + 3, L"ab"},  // a partial character is not room
        {"abc", 4 * sizeof(wchar_t), L"abc"},
        {"abc", sizeof(wchar_t), L""},
        {"ab\x80", 2 * sizeof(wchar_t), L""},  // cut short, but invalid further on
    };
    for (auto const& c : cases) {
        // Exactly outBytes bytes, so that a terminator written past them is caught.
        std::unique_ptr<char[]> storage(new char[c.outBytes]);
        wchar_t* out = reinterpret_cast<wchar_t*>(storage.get());
        unsigned long const count = MapSJISToWideChars(out, c.outBytes, c.sjis.c_str(), c.sjis.size());
        EXPECT_EQ(count, c.wide.size()) << c.sjis << " in " << c.outBytes;
        EXPECT_EQ(std::wstring(out, count), c.wide);
        EXPECT_EQ(out[count], L'\0');
    }
    wchar_t untouched = L'x';
    EXPECT_EQ(MapSJISToWideChars(&untouched, sizeof(wchar_t) - 1, "abc", 3), 0u);
    EXPECT_EQ(untouched, L'x');
}

TEST(SjisConvertTest, DecodingReportsBytesWrittenAndReadsTheWholeString) {
    wchar_t out[8];
    unsigned long outBytes = sizeof out;
    mapSJISToUnicode("ab\x82\xA0", 1, out, &outBytes);  // the length argument is not used
    EXPECT_EQ(outBytes, 3 * sizeof(wchar_t));
    EXPECT_EQ(std::wstring(out, 3), L"ab\x3042");
}

TEST(SjisConvertTest, ConversionsOnManyThreadsDoNotDisturbEachOther) {
    auto work = [] {
        int failures = 0;
        for (int i = 0; i < 500; ++i) {
            if (MapSJISTowstring("\x82\xA0\x87\x40~") != L"\x3042\x2460~") ++failures;
            if (!MapSJISTowstring("a\x81").empty()) ++failures;  // a failed one must not leave state behind
            if (MapWstringToSJIS(L"\xFF5E\x3000") != "\x81\x60\x81\x40") ++failures;
        }
        return failures;
    };
    std::vector<int> failures(4);
    std::vector<std::thread> threads;
    for (auto& count : failures) threads.emplace_back([&count, &work] { count = work(); });
    for (auto& thread : threads) thread.join();
    for (int count : failures) EXPECT_EQ(count, 0);
}

TEST(SjisConvertTest, FunkyMappingsKeepEveryCodeUnit) {
    EXPECT_EQ(FunkyCharSetIndependentMapWideToNarrowChars(L"A\x3042\xFF41", 3), "A\x42\x41");
    EXPECT_EQ(FunkyCharSetIndependentMapNarrowToWideChars("A\x82\xFF", 3), L"A\xFF82\xFFFF");
    EXPECT_EQ(FunkyCharSetIndependentMapNarrowToWideChars("a\0b", 3), std::wstring(L"a\0b", 3));

    std::string everyByte;
    for (int b = 0; b < 256; ++b) everyByte += static_cast<char>(b);
    std::wstring const wide = FunkyCharSetIndependentMapNarrowToWideChars(everyByte.data(), everyByte.size());
    EXPECT_EQ(FunkyCharSetIndependentMapWideToNarrowChars(wide.data(), wide.size()), everyByte);
}

TEST(SjisConvertTest, WidthConversionLeavesTextAlone) {
    std::wstring const fullWidth = L"\xFF21\xFF42\xFF10";
    std::wstring text = fullWidth;
    EXPECT_FALSE(ConvertToHalfWidthChars(&text));
    EXPECT_EQ(text, fullWidth);
    text = L"Ab0";
    EXPECT_FALSE(ConvertToFullWidthChars(&text));
    EXPECT_EQ(text, L"Ab0");
}

TEST(SjisConvertTest, PassThroughSetCopiesBytesAndKeepsOffsets) {
    char const source[] = "a\x82\xA0z";
    char copy[sizeof source] = {};
    EXPECT_EQ(MapSJISToWideChars2(copy, 4, source, 99), 4u);
    EXPECT_STREQ(copy, source);
    char back[sizeof source] = {};
    EXPECT_EQ(MapWideToSJISChars2(source, 4, back, 99), 4u);
    EXPECT_STREQ(back, source);

    EXPECT_EQ(MapSJISToWideCharOffsets2(source, 3), 3u);
    EXPECT_EQ(MapWideToSJISCharOffsets2(source, 3), 3u);
    EXPECT_EQ(MapWideToSJISCharOffsets2(nullptr, 3), 0u);

    EXPECT_EQ(MapSJISToWideChars2(source), source);
    EXPECT_EQ(MapSJISTowstring2(source), source);
    EXPECT_EQ(MapWideToSJISChars2(source), source);
    EXPECT_EQ(MapWideToSJISChars2(nullptr), "");

    long start = 3, end = 7;
    MapUnicodeRange2(source, start, end);
    EXPECT_EQ(start, 3);
    EXPECT_EQ(end, 7);
}

TEST(SjisConvertTest, DigitTableHoldsTheTenFullWidthDigits) {
    JDigits const& digits = JDigits::Get();
    for (int n = 0; n < JDigits::kDigitCount; ++n) {
        std::wstring const expected(1, static_cast<wchar_t>(0xFF10 + n));
        EXPECT_EQ(std::wstring(digits[static_cast<JDigits::Digit>(n)]), expected) << n;
    }
    EXPECT_EQ(&JDigits::Get(), &digits);
}

TEST(SjisConvertTest, WideDigitAndSpaceTests) {
    struct Case {
        std::wstring text;
        bool digit, space;
    } const cases[] = {
        {L"\xFF10", true, false},
        {L"\xFF19", true, false},
        {L"\xFF10\xFF11", false, false},  // exactly one digit, not a number
        {L"\xFF1A", false, false},
        {L"\xFF0F", false, false},
        {L"1", false, false},
        {L"", false, false},
        {L"\x3000", false, true},
        {L"\x3000x", false, true},
        {L" ", false, false},
    };
    for (auto const& c : cases) {
        EXPECT_EQ(IsDBCSDigit(c.text.c_str()), c.digit);
        EXPECT_EQ(IsDBCSSpace(c.text.c_str()), c.space);
    }
}

}  // namespace
