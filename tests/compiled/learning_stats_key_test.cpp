#include "engine/compiled/learning_stats_key.h"

#include <gtest/gtest.h>

#include <string>

#include "compiled/learning_test_support.h"

namespace {

using Key = Dict70CompiledLearningDataKey;
using learning_test::kNoun;

TEST(LearningStatsKey, IsMadeFromHeadwordFeaturesPartOfSpeechAndParaphraseNumber) {
    struct Case {
        char const* what;
        char const* headword;
        int paraID;
        char const* sets[3];
        std::wstring headwordKey;
        std::wstring featuresKey;
        std::wstring paraphraseKey;
    };
    // 'N' + 13 is '[', '/' + 13 is '<', 'x' + 13 is U+0085.
    Case const cases[] = {
        {"no feature sets", "run", 1, {"", "", ""}, L"run", L"[<", L"1"},
        {"the first feature set, raised", "run", 2, {"x", "", ""}, L"runx", L"[<\u0085", L"2"},
        {"lower-case sets joined by slash", "run", 0, {"vt", "PL", "past"}, L"runvt/past", L"[<\u0083\u0081", L"0"},
        {"upper-case sets left out of the headword key", "Go", -3, {"AB", "Cd", ""}, L"Go", L"[<NO", L"-3"},
    };
    learning_test::Readings readings;
    for (Case const& c : cases) {
        auto const reading = readings.MakeReading(c.headword, kNoun, c.paraID, c.sets[0], c.sets[1], c.sets[2]);
        Key const key = Key::Make(reading.finePOS, reading.paraphrase);
        EXPECT_EQ(key.headwordKey, c.headwordKey) << c.what;
        EXPECT_EQ(key.featuresKey, c.featuresKey) << c.what;
        EXPECT_EQ(key.paraphraseKey, c.paraphraseKey) << c.what;
    }
}

TEST(LearningStatsKey, OrdersByTheStringFormNotFieldByField) {
    Key const shortFirst{L"a", L"z", L"1"};
    Key const longFirst{L"a!", L"b", L"1"};
    EXPECT_EQ(shortFirst.GetKeyString(), L"a/z/1");
    // "a!/b/1" < "a/z/1" because '!' comes before '/'.
    Key::Key_MapSorter const before;
    EXPECT_TRUE(before(longFirst, shortFirst));
    EXPECT_FALSE(before(shortFirst, longFirst));
    EXPECT_FALSE(before(shortFirst, shortFirst));
}

}  // namespace
