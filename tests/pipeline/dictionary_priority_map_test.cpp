// The priorities the part-of-speech expert weighs dictionaries by.
#include "engine/pipeline/dictionary_priority_map.h"

#include <gtest/gtest.h>

#include "engine/foundation/dictionary.h"

namespace {

TEST(DictionaryPriorityMap, NormalisesAndRanksDynamicAndUnknownDictionariesLast) {
    DictionaryPriorityMap map;
    map.Set(3, 1.5);
    map.Set(7, -0.5);
    map.Set(3, 9.0);  // the first priority stays
    EXPECT_EQ(map.Get(3), 1.5);
    EXPECT_EQ(map.Get(12), 1.5);  // never set: with the last one
    // Not yet normalised, a dynamic dictionary still ranks above the others
    // (the stored range, -32768, would put it thousands of points ahead).
    EXPECT_EQ(map.Get(kMinDynamicDictionaryID), 2.5);
    EXPECT_EQ(DictionaryPriorityMap().Get(kMinDynamicDictionaryID), 1.0);
    map.Normalize();
    EXPECT_TRUE(map.IsNormalized());
    struct {
        uint16_t id;
        double priority;
    } const cases[] = {
        {3, 2.0}, {7, 0.0}, {kMinDynamicDictionaryID, 3.0}, {kMaxDynamicDictionaryID, 3.0}, {12, 2.0}, {0, 2.0},
    };
    for (auto const& c : cases) EXPECT_EQ(map.Get(c.id), c.priority) << c.id;
    EXPECT_EQ(map.GetRange(), 2.0);

    // An empty map keeps range 0, so dynamic readings rank at 1, not
    // thousands of points above everything.
    DictionaryPriorityMap empty;
    empty.Normalize();
    EXPECT_EQ(empty.GetRange(), 0.0);
    EXPECT_EQ(empty.Get(kMinDynamicDictionaryID), 1.0);
    EXPECT_EQ(empty.Get(5), 0.0);
}

}  // namespace
