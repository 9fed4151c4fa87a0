#include "engine/parse/array.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace {

// Long enough to live outside the string object, short enough to live inside.
std::string const kLong = "a text far too long for the small-string buffer";
std::string const kShort = "ab";

struct Extent {  // a four-byte record: two word indexes
    uint16_t start;
    uint16_t end;
};

std::vector<std::string> Contents(Array<std::string> const& array) { return {array.begin(), array.end()}; }

TEST(ArrayTest, StringsSurviveGrowthInsertionAndRemoval) {
    Array<std::string> array;
    std::vector<std::string> expected;
    for (int i = 0; i < 300; ++i) {  // through both growth rules
        std::string const text = (i % 2 ? kShort : kLong) + std::to_string(i);
        array.Append(text);
        expected.push_back(text);
    }
    array.InsertAt(kShort, 0);
    expected.insert(expected.begin(), kShort);
    array.InsertAt(kLong, 150);
    expected.insert(expected.begin() + 150, kLong);
    array.RemoveAt(7);
    expected.erase(expected.begin() + 7);
    EXPECT_EQ(Contents(array), expected);
}

TEST(ArrayTest, AppendingOwnElementWhileFullCopiesItFirst) {
    Array<std::string> array;
    array.Append(kLong);
    array.Append(kShort);
    while (array.Length() < array.SlotsAlloced()) array.Append(kShort);
    array.Append(array[0]);  // forces a reallocation
    array.InsertAt(array[1], 0);
    EXPECT_EQ(array[array.Length() - 1], kLong);
    EXPECT_EQ(array[0], kShort);
    array.SetLength(array.SlotsAlloced() + 1, array[1]);
    EXPECT_EQ(array[array.Length() - 1], kLong);
}

TEST(ArrayTest, CopiesAndAssignmentsAreDeep) {
    Array<std::string> array;
    array.Append(kLong);
    array.Append(kShort);
    Array<std::string> copy(array);
    Array<std::string> assigned;
    assigned.Append("old");
    assigned = array;
    array[0] = "changed";
    EXPECT_EQ(Contents(copy), (std::vector<std::string>{kLong, kShort}));
    EXPECT_EQ(Contents(assigned), (std::vector<std::string>{kLong, kShort}));
    EXPECT_EQ(copy.SlotsAlloced(), 2u);

    Array<std::string>& alias = copy;
    copy = alias;  // self-assignment keeps the elements
    EXPECT_EQ(Contents(copy), (std::vector<std::string>{kLong, kShort}));
}

TEST(ArrayTest, CapacityFollowsTheGrowthRule) {
    struct Case {
        uint32_t length;
        uint32_t capacity;
    } const cases[] = {{1, 17}, {160, 176}, {161, 177}, {1000, 1100}};
    for (Case const& c : cases) {
        Array<Extent> array;
        array.SetLength(c.length, Extent{1, 2});
        EXPECT_EQ(array.SlotsAlloced(), c.capacity) << c.length;
        EXPECT_EQ(array[c.length - 1].end, 2);
    }
    EXPECT_EQ(Array<std::string>::kSlack, 64 / sizeof(std::string));
}

TEST(ArrayTest, EdgesOfInsertRemoveAndCapacity) {
    Array<std::string> array;
    array.Append(kShort);
    array.InsertAt(kLong, 99);  // past the end: appends
    EXPECT_EQ(Contents(array), (std::vector<std::string>{kShort, kLong}));

    array.RemoveAt(2);  // no such element: nothing happens
    EXPECT_EQ(array.Length(), 2u);

    array.SetSlotsAlloced(1);  // fewer slots than elements: the rest go
    EXPECT_EQ(Contents(array), (std::vector<std::string>{kShort}));
    EXPECT_EQ(array.SlotsAlloced(), 1u);

    array.RemoveAt(0);  // the only element: the block goes too
    EXPECT_EQ(array.Length(), 0u);
    EXPECT_EQ(array.SlotsAlloced(), 0u);
    EXPECT_EQ(array.begin(), nullptr);
}

}  // namespace
