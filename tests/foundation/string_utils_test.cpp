#include "engine/foundation/string_utils.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

namespace {

// The wide form of ASCII text, to check that the wide overloads agree.
std::wstring Widen(std::string const& s) { return std::wstring(s.begin(), s.end()); }

TEST(StringUtilsTest, LeftAndRight) {
    struct Case {
        std::string s;
        unsigned long n;
        std::string left, right;
    } const cases[] = {
        {"hello", 2, "he", "lo"}, {"hello", 5, "hello", "hello"}, {"hello", 9, "hello", "hello"}, {"hello", 0, "", ""},
        {"", 3, "", ""},
    };
    for (auto const& c : cases) {
        EXPECT_EQ(Left(c.s, c.n), c.left);
        EXPECT_EQ(Right(c.s, c.n), c.right);
        EXPECT_EQ(Left(Widen(c.s), c.n), Widen(c.left));
        EXPECT_EQ(Right(Widen(c.s), c.n), Widen(c.right));
    }
}

TEST(StringUtilsTest, Mid) {
    struct Case {
        std::string s;
        unsigned long start;
        std::string toEnd;
        unsigned long count;
        std::string counted;
    } const cases[] = {
        {"hello", 1, "ello", 2, "el"}, {"hello", 3, "lo", 10, "lo"},  // never past the end
        {"hello", 5, "", 2, "hello"},  // a start at or past the end: empty, or the whole string
        {"hello", 8, "", 2, "hello"},  {"hello", 0, "hello", 0, ""},
    };
    for (auto const& c : cases) {
        EXPECT_EQ(Mid(c.s, c.start), c.toEnd);
        EXPECT_EQ(Mid(c.s, c.start, c.count), c.counted);
        EXPECT_EQ(Mid(Widen(c.s), c.start), Widen(c.toEnd));
        EXPECT_EQ(Mid(Widen(c.s), c.start, c.count), Widen(c.counted));
    }
}

TEST(StringUtilsTest, CaseMappingFromAnIndex) {
    struct Case {
        std::string s;
        unsigned long from;
        std::string lower, upper;
    } const cases[] = {
        {"HeLLo", 0, "hello", "HELLO"},
        {"HeLLo", 2, "Hello", "HeLLO"},
        {"ABC", 9, "ABC", "ABC"},
        {"[@]", 0, "[@]", "[@]"},
    };
    for (auto const& c : cases) {
        std::string narrow = c.s;
        ToLower(&narrow, c.from);
        EXPECT_EQ(narrow, c.lower);
        narrow = c.s;
        ToUpper(&narrow, c.from);
        EXPECT_EQ(narrow, c.upper);

        std::wstring wide = Widen(c.s);
        ToLower(&wide, c.from);
        EXPECT_EQ(wide, Widen(c.lower));
        wide = Widen(c.s);
        ToUpper(&wide, c.from);
        EXPECT_EQ(wide, Widen(c.upper));
    }
}

TEST(StringUtilsTest, NarrowCaseMappingKeepsJapaneseCharacters) {
    // 0x83 0x41 and 0x83 0x61 are two different katakana; the trail byte is
    // no letter even when it looks like one.
    std::string text =
        "\x83\x41"
        "A\x83\x61"
        "a";
    ToLower(&text, 0);
    EXPECT_EQ(text,
              "\x83\x41"
              "a\x83\x61"
              "a");
    ToUpper(&text, 1);  // starting on a trail byte changes nothing there either
    EXPECT_EQ(text,
              "\x83\x41"
              "A\x83\x61"
              "A");
}

TEST(StringUtilsTest, TopUpperOtherLower) {
    struct Case {
        std::wstring s;
        unsigned long from;
        std::wstring result;
    } const cases[] = {
        {L"hELLO wORLD", 0, L"Hello world"},
        {L"hELLO", 1, L"hello"},  // the first character lies before the index
        {L"", 0, L""},
    };
    for (auto const& c : cases) {
        std::wstring s = c.s;
        ToTopUpperOtherLower(&s, c.from);
        EXPECT_EQ(s, c.result);
    }
}

TEST(StringUtilsTest, NarrowWhitespaceIsAsciiOnly) {
    struct Case {
        std::string s, left, right, normalized;
    } const cases[] = {
        {" \t a  b \r\n", "a  b \r\n", " \t a  b", " a b "},
        {"\xA0x\xA0", "\xA0x\xA0", "\xA0x\xA0", "\xA0x\xA0"},  // high bytes are not white
        {"\x81\x40x", "\x81\x40x", "\x81\x40x", "\x81\x40x"},  // nor is the full-width space here
        {"   ", "", "", " "},
        {"", "", "", ""},
    };
    for (auto const& c : cases) {
        EXPECT_EQ(TrimWhitespaceFromLeft(c.s), c.left);
        EXPECT_EQ(TrimWhitespaceFromRight(c.s), c.right);
        EXPECT_EQ(NormalizeInternalWhitespace(c.s), c.normalized);
    }
}

TEST(StringUtilsTest, WideWhitespaceIncludesUnicodeSpaces) {
    struct Case {
        std::wstring s, left, right, normalized;
    } const cases[] = {
        {L"\x3000 a\x00A0", L"a\x00A0", L"\x3000 a", L" a "},
        {L"a\x2003\x2003"
         L"b",
         L"a\x2003\x2003"
         L"b",
         L"a\x2003\x2003"
         L"b",
         L"a b"},
        {L"\xFF41", L"\xFF41", L"\xFF41", L"\xFF41"},
    };
    for (auto const& c : cases) {
        EXPECT_EQ(TrimWhitespaceFromLeft(c.s), c.left);
        EXPECT_EQ(TrimWhitespaceFromRight(c.s), c.right);
        EXPECT_EQ(NormalizeInternalWhitespace(c.s), c.normalized);
    }
}

TEST(StringUtilsTest, TokensAreSeparatedByAsciiWhitespace) {
    struct Case {
        std::string text;
        std::vector<std::string> tokens;
    } const cases[] = {
        {"  ab  cd\t", {"ab", "cd"}},
        {"\x82\xA0x y", {"\x82\xA0x", "y"}},
        {"one", {"one"}},
    };
    for (auto const& c : cases) {
        char const* p = c.text.c_str();
        std::vector<std::string> tokens;
        for (std::string token = GetNextToken(&p); !token.empty(); token = GetNextToken(&p)) {
            tokens.push_back(token);
        }
        EXPECT_EQ(tokens, c.tokens);
        EXPECT_EQ(*p, '\0');
    }
}

TEST(StringUtilsTest, QuotedTokens) {
    struct Case {
        std::string text;
        std::string token;
        long end;  // where *p is left
    } const cases[] = {
        {"  \"a b\" c", "a b", 6},                            // on the closing quote
        {"'x \"y' z", "x \"y", 5},    {"'open", "open", 5},   // no closing quote: the end of the text
        {"  plain text", "plain", 7}, {"a'b' c", "a'b'", 4},  // a quote inside a token is an ordinary byte
    };
    for (auto const& c : cases) {
        char const* p = c.text.c_str();
        EXPECT_EQ(GetNextTokenQ(&p), c.token) << c.text;
        EXPECT_EQ(p - c.text.c_str(), c.end) << c.text;
    }
}

TEST(StringUtilsTest, AdvanceOverSpaceWorksOnAnyIterator) {
    std::string const narrow = "  ab \xA0 ";
    auto const word = AdvanceOverSpace(narrow.begin(), narrow.end());
    EXPECT_EQ(word - narrow.begin(), 2);
    EXPECT_EQ(AdvanceOverNONSpace(word, narrow.end()) - narrow.begin(), 4);
    auto const last = AdvanceOverSpace(narrow.rbegin(), narrow.rend());
    EXPECT_EQ(*last, '\xA0');
    EXPECT_EQ(AdvanceOverNONSpace(last, narrow.rend()) - narrow.rbegin(), 2);

    std::wstring const wide = L" \t";
    EXPECT_EQ(AdvanceOverSpace(wide.begin(), wide.end()), wide.end());
    EXPECT_EQ(AdvanceOverNONSpace(wide.begin(), wide.end()), wide.begin());
}

TEST(StringUtilsTest, LastWordAndRest) {
    struct Case {
        std::string s, word, rest;
    } const cases[] = {
        {"a big  dog  ", "dog", "a big  "},
        {"dog", "dog", ""},
        {"   ", "", ""},
        {"", "", ""},
    };
    for (auto const& c : cases) {
        std::string rest = "unchanged?";
        EXPECT_EQ(GetLastWord(&rest, c.s), c.word) << c.s;
        EXPECT_EQ(rest, c.rest) << c.s;
    }
}

TEST(StringUtilsTest, NthWordFromTheEnd) {
    struct Case {
        unsigned long n;
        std::string word;
    } const cases[] = {{0, "c"}, {1, "b"}, {2, "a"}, {3, ""}, {ULONG_MAX, ""}};
    for (auto const& c : cases) EXPECT_EQ(GetNthWordFromEnd(" a  b c ", c.n), c.word) << c.n;
}

TEST(StringUtilsTest, StringSetFromANullEndedArray) {
    wchar_t const* const items[] = {L"pear", L"apple", L"pear", nullptr};
    StringSetWithNiceInitializer const set(items);
    EXPECT_EQ(std::vector<std::wstring>(set.begin(), set.end()), (std::vector<std::wstring>{L"apple", L"pear"}));

    wchar_t const* const none[] = {nullptr};
    EXPECT_TRUE(StringSetWithNiceInitializer(none).empty());
}

}  // namespace
