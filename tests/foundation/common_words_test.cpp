#include "engine/foundation/common_words.h"

#include <gtest/gtest.h>

#include <iterator>
#include <set>
#include <string>

#include "foundation/exact_text.h"

namespace {

TEST(CommonWordsTest, ListIsLowerCaseAndUniqueInFrequencyOrder) {
    char const* const mostFrequent[] = {"the", "of", "to", "a", "and", "in", "that", "for", "is"};
    for (std::size_t i = 0; i < std::size(mostFrequent); ++i) EXPECT_STREQ(pcCommon[i], mostFrequent[i]);
    std::set<std::string> seen;
    for (char const* word : pcCommon) {
        EXPECT_TRUE(seen.insert(word).second) << word;
        for (char const* p = word; *p != '\0'; ++p) EXPECT_TRUE(*p >= 'a' && *p <= 'z') << word;
    }
    EXPECT_EQ(seen.size(), kCommonWordCount);
}

TEST(CommonWordsTest, EveryWordInAnyCase) {
    for (char const* word : pcCommon) {
        std::string upper(word);
        for (char& c : upper) c = static_cast<char>(c - 'a' + 'A');
        std::wstring const wide(upper.begin(), upper.end());
        EXPECT_TRUE(CommonGrammaticalWord(ExactText(word).begin())) << word;
        EXPECT_TRUE(CommonGrammaticalWord(ExactText(upper).begin())) << upper;
        EXPECT_TRUE(CommonGrammaticalWord(wide.c_str())) << upper;
    }
}

TEST(CommonWordsTest, NarrowTable) {
    struct Case {
        char const* word;
        bool common;
    } const cases[] = {
        {"tHe", true},
        {"I", true},
        {"NeverTheLess", true},
        {"thee", false},
        {"theory", false},
        {"the ", false},
        {" the", false},
        {"", false},
        {"neverthelesss", false},             // longer than any common word
        {"\x82\x73\x82\x88\x82\x85", false},  // full-width "The"
        {"\x83\x41", false},                  // trail byte "A" is no letter
    };
    for (auto const& c : cases) {
        ExactText const word(c.word);
        EXPECT_EQ(CommonGrammaticalWord(word.begin()), c.common) << c.word;
    }
    EXPECT_FALSE(CommonGrammaticalWord(static_cast<char const*>(nullptr)));
}

TEST(CommonWordsTest, WideTable) {
    struct Case {
        wchar_t const* word;
        bool common;
    } const cases[] = {
        {L"The", true},
        {L"WHOM", true},
        {L"Th\u00E9", false},
        {L"\uFF54\uFF48\uFF45", false},  // full-width "the"
        // A character without a Shift-JIS form must not be dropped into a match.
        {L"the\U0010FFFF", false},
        {L"", false},
    };
    for (auto const& c : cases) EXPECT_EQ(CommonGrammaticalWord(c.word), c.common);
    EXPECT_FALSE(CommonGrammaticalWord(static_cast<wchar_t const*>(nullptr)));
}

}  // namespace
