#include "engine/foundation/kana_tables.h"

#include <gtest/gtest.h>

#include "engine/foundation/sjis_chars.h"
#include "engine/foundation/sjis_convert.h"

#include <algorithm>
#include <cstring>
#include <iterator>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace {

// The tables are checked through the engine's own decoder, independently of
// the generator that wrote their bytes.
std::wstring Decoded(char const* sjis) { return MapSJISTowstring(sjis); }

bool IsHiragana(wchar_t c) { return c >= 0x3041 && c <= 0x3093; }
bool IsASCIILetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool IsKatakana(wchar_t c) { return c >= 0x30A1 && c <= 0x30F6; }
constexpr wchar_t kLongVowelMark = 0x30FC;

std::set<std::wstring> CodeRange(unsigned first, unsigned last) {
    std::set<std::wstring> chars;
    for (unsigned code = first; code <= last; ++code) {
        char const sjis[] = {static_cast<char>(code >> 8), static_cast<char>(code & 0xFF), '\0'};
        std::wstring const wide = Decoded(sjis);
        if (!wide.empty()) chars.insert(wide);
    }
    return chars;
}

TEST(KanaTablesTest, KanaIsOneToOneAndClosed) {
    EXPECT_STREQ(Kana[kKanaCount].romaji, "<<BAD>>");
    EXPECT_STREQ(Kana[kKanaCount].kana, "<<BAD>>");
    std::set<std::string> romaji, kana;
    for (std::size_t i = 0; i < kKanaCount; ++i) {
        std::string const letters = Kana[i].romaji;
        std::wstring const wide = Decoded(Kana[i].kana);
        EXPECT_TRUE(!letters.empty() && letters.size() <= 3 &&
                    std::all_of(letters.begin(), letters.end(), IsASCIILetter))
            << letters;
        EXPECT_TRUE((wide.size() == 1 || wide.size() == 2) && std::all_of(wide.begin(), wide.end(), IsHiragana))
            << letters;
        romaji.insert(letters);
        kana.insert(Kana[i].kana);
    }
    EXPECT_EQ(romaji.size(), kKanaCount);
    EXPECT_EQ(kana.size(), kKanaCount);
}

TEST(KanaTablesTest, HiraganaCoversItsBlockOnceSmallYFirst) {
    std::pair<std::string, std::wstring> const first[] = {{"a", L"\x3083"}, {"u", L"\x3085"}, {"o", L"\x3087"}};
    for (std::size_t i = 0; i < std::size(first); ++i) {
        EXPECT_EQ(Hiragana[i].romaji, first[i].first);
        EXPECT_EQ(Decoded(Hiragana[i].kana), first[i].second);
    }
    std::multiset<std::wstring> kana;
    for (auto const& row : Hiragana) kana.insert(Decoded(row.kana));
    std::set<std::wstring> const block = CodeRange(0x829F, 0x82F1);
    EXPECT_EQ(block.size(), kHiraganaCount);
    EXPECT_TRUE(std::equal(kana.begin(), kana.end(), block.begin(), block.end()));
}

TEST(KanaTablesTest, KatakanaCoversItsBlockButTheSmallKeAndAddsTheLongVowelMark) {
    std::multiset<std::wstring> kana;
    for (auto const& row : Katakana) {
        std::wstring const wide = Decoded(row.kana);
        ASSERT_EQ(wide.size(), 1u) << row.romaji;
        EXPECT_TRUE(IsKatakana(wide[0]) || wide[0] == kLongVowelMark) << row.romaji;
        kana.insert(wide);
    }
    std::set<std::wstring> expected = CodeRange(0x8340, 0x8396);
    expected.erase(L"\x30F6");  // small ke
    expected.insert(std::wstring(1, kLongVowelMark));
    EXPECT_TRUE(std::equal(kana.begin(), kana.end(), expected.begin(), expected.end()));

    auto const romajiOf = [](wchar_t c) -> std::string {
        for (auto const& row : Katakana) {
            if (Decoded(row.kana) == std::wstring(1, c)) return row.romaji;
        }
        return {};
    };
    EXPECT_EQ(romajiOf(0x30EE), "WA");  // small wa
    EXPECT_EQ(romajiOf(kLongVowelMark), ":");
    EXPECT_EQ(romajiOf(0x30C3), "Q");  // small tu
}

TEST(KanaTablesTest, SortedTableHoldsEveryCharacterRowInOrder) {
    auto const pairOf = [](KanaPair const& row) {
        return std::make_pair(std::string(row.romaji), std::string(row.kana));
    };
    std::vector<KanaPair> const& table = kKanaToRomajiTable();

    std::vector<std::pair<std::string, std::string>> rows;
    std::transform(table.begin(), table.end(), std::back_inserter(rows), pairOf);
    EXPECT_TRUE(std::is_sorted(rows.begin(), rows.end()));

    std::vector<std::pair<std::string, std::string>> expected;
    std::transform(std::begin(Hiragana), std::end(Hiragana), std::back_inserter(expected), pairOf);
    std::transform(std::begin(Katakana), std::end(Katakana), std::back_inserter(expected), pairOf);
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(rows, expected);
}

TEST(KanaTablesTest, ParenthesisListsPairUp) {
    std::wstring const open[kParenListCount] = {L"(", L"[", L"<", L"\xFF08", L"\xFF5B", L"\x300C"};
    std::wstring const close[kParenListCount] = {L")", L"]", L">", L"\xFF09", L"\xFF5D", L"\x300D"};
    for (std::size_t i = 0; i < kParenListCount; ++i) {
        EXPECT_EQ(Decoded(kOpenParenList[i]), open[i]) << i;
        EXPECT_EQ(Decoded(kCloseParenList[i]), close[i]) << i;
        EXPECT_EQ(SJISCharSize(kOpenParenList[i]), std::strlen(kOpenParenList[i])) << i;
        EXPECT_EQ(SJISCharSize(kCloseParenList[i]), std::strlen(kCloseParenList[i])) << i;
    }
}

}  // namespace
