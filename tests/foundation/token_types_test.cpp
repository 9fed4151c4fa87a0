#include "engine/foundation/token_types.h"

#include <gtest/gtest.h>

#include <clocale>
#include <set>
#include <string>

#include "engine/foundation/token_string_database.h"

namespace {

std::set<int> Range(int first, int last) {
    std::set<int> types;
    for (int t = first; t <= last; ++t) types.insert(t);
    return types;
}

std::set<int> Join(std::set<int> a, std::set<int> const& b) {
    a.insert(b.begin(), b.end());
    return a;
}

// Every one of the 256 types against each test; a Word has no stored text
// here.
TEST(TokenClassTests, EveryTypeAgainstEachTest) {
    std::set<int> const text = Join(Join(Range(3, 25), Range(27, 30)), Range(32, 34));
    std::set<int> nonWhiteText = text;
    for (int t : {4, 21, 22}) nonWhiteText.erase(t);
    std::set<int> const punctuation = Join(Range(5, 18), {20, 24, 25, 30});
    std::set<int> const posStart = {43, 45, 47, 49, 51, 53, 55, 57, 59, 61, 63, 65, 67};
    std::set<int> const posEnd = {44, 46, 48, 50, 52, 54, 56, 58, 60, 62, 64, 66, 68};

    struct {
        char const* test;
        bool (*holds)(int type);
        std::set<int> expected;
    } const cases[] = {
        {"IsTextToken", [](int t) { return EnglishTokens::IsTextToken(MakeToken(7, t)); }, text},
        {"IsNonWhiteTextToken", [](int t) { return EnglishTokens::IsNonWhiteTextToken(MakeToken(7, t)); },
         nonWhiteText},
        {"IsWhite", [](int t) { return EnglishTokens::IsWhite(MakeToken(7, t), nullptr); }, {4, 21, 22}},
        {"IsPunctuation", [](int t) { return EnglishTokens::IsPunctuation(MakeToken(7, t), nullptr); }, punctuation},
        {"IsComma", [](int t) { return EnglishTokens::IsComma(MakeToken(7, t), nullptr); }, {}},
        {"IsScopeOpener", [](int t) { return EnglishTokens::IsScopeOpener(MakeToken(7, t)); }, {10, 12, 14}},
        {"IsScopeCloser", [](int t) { return EnglishTokens::IsScopeCloser(MakeToken(7, t)); }, {11, 13, 15}},
        {"IsStartPOSTokenType", [](int t) { return POSTokens::IsStartPOSTokenType(t); }, posStart},
        {"IsEndPOSTokenType", [](int t) { return POSTokens::IsEndPOSTokenType(t); }, posEnd},
        {"IsPOSTokenType", [](int t) { return POSTokens::IsPOSTokenType(t); }, Join(posStart, posEnd)},
        {"MatchingPOSTypes(t, t + 1)", [](int t) { return POSTokens::MatchingPOSTypes(t, (t + 1) & 0xFF); }, posStart},
    };
    for (auto const& c : cases)
        for (int type = 0; type < 256; ++type)
            EXPECT_EQ(c.holds(type), c.expected.count(type) == 1) << c.test << " of type " << type;
}

TEST(TokenClassTests, MarkupValues) {
    struct {
        TokenTypeID type;
        uint16_t value;
    } const cases[] = {
        {43, 1},  {44, 1},  {45, 2},     {48, 3},     {49, 4},  {52, 5},  {53, 6},   {55, 129}, {56, 129}, {57, 65},
        {60, 66}, {61, 67}, {63, 32768}, {64, 32768}, {65, 68}, {68, 69}, {42, 130}, {69, 130}, {0, 130},
    };
    for (auto const& c : cases) EXPECT_EQ(POSTokens::POSTokenTypeToPOSValue(c.type), c.value) << int(c.type);
    EXPECT_FALSE(POSTokens::MatchingPOSTypes(44, 45));
    EXPECT_FALSE(POSTokens::MatchingPOSTypes(43, 46));
}

// Words are judged by their stored text; other types by their type alone.
TEST(TokenClassTests, WordsByTheirText) {
    std::setlocale(LC_ALL, "C");  // the answers must not depend on the locale
    TokenStringDatabase strings;
    struct {
        std::wstring text;
        TokenTypeID type;
        bool white, comma, punctuation;
    } const cases[] = {
        {L"\t ", EnglishTokens::kWord, true, false, false},
        {L"", EnglishTokens::kWord, true, false, false},
        {L"a", EnglishTokens::kWord, false, false, false},
        {L" a ", EnglishTokens::kWord, false, false, false},
        {L"\u3000\u2003\u2028", EnglishTokens::kWord, true, false, false},
        {L"\u00a0", EnglishTokens::kWord, false, false, false},  // no-break space joins words
        {L"\u0085", EnglishTokens::kWord, false, false, false},  // a Shift-JIS lead byte in pass-through text
        {L",", EnglishTokens::kWord, false, true, true},
        {L",,", EnglishTokens::kWord, false, false, false},
        {L",", EnglishTokens::kNumber, false, false, false},
        {L"a", EnglishTokens::kSpace, true, false, false},
        {L" ", EnglishTokens::kPeriod, false, false, true},
    };
    uint32_t serial = 0;
    for (auto const& c : cases) {
        Token const token = MakeToken(++serial, c.type);
        strings.Insert(token, c.text);
        EXPECT_EQ(EnglishTokens::IsWhite(token, &strings), c.white) << serial;
        EXPECT_EQ(EnglishTokens::IsComma(token, &strings), c.comma) << serial;
        EXPECT_EQ(EnglishTokens::IsPunctuation(token, &strings), c.punctuation) << serial;
    }
    Token const textless = MakeToken(++serial, EnglishTokens::kWord);
    EXPECT_FALSE(EnglishTokens::IsWhite(textless, &strings));
    EXPECT_FALSE(EnglishTokens::IsComma(textless, &strings));
}

TEST(TokenClassTests, WordShapes) {
    struct {
        std::string word;
        bool date, alnum, upper;
    } const cases[] = {
        {"Monday", true, true, false}, {"December", true, true, false},   {"May", true, true, false},
        {"may", false, true, false},   {"MONDAY", false, true, true},     {"Mondays", false, true, false},
        {"", false, true, true},       {"A1", false, true, false},        {"ABC", false, true, true},
        {"a-b", false, false, false},  {"\x82\x60", false, false, false},
    };
    for (auto const& c : cases) {
        EXPECT_EQ(EnglishTokens::IsUCDateWord(c.word), c.date) << c.word;
        EXPECT_EQ(EnglishTokens::IsAlnum(c.word), c.alnum) << c.word;
        EXPECT_EQ(EnglishTokens::AllUpper(c.word), c.upper) << c.word;
    }
}

}  // namespace
