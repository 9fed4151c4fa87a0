#include "engine/parse/chunked_array.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "engine/parse/hit_limit_exception.h"

namespace {

struct Entry {  // the size of a chart entry
    uint32_t id;
    uint32_t pad[3];
};

using Chunked = SimpleSimpleHeapChunkedArray<Entry>;

std::vector<uint32_t> Ids(Chunked const& array) {
    std::vector<uint32_t> ids;
    for (uint32_t i = 0; i < array.Count(); ++i) ids.push_back(array.At(i).id);
    return ids;
}

Chunked Filled(uint32_t count) {
    Chunked array;
    for (uint32_t i = 0; i < count; ++i) array.Append()->id = i;
    return array;
}

class ChunkedArrayTest : public ::testing::Test {
protected:
    void TearDown() override { ThreeTieredHeap().FreeAllData(); }
};

TEST_F(ChunkedArrayTest, AppendFillsChunksOfTwenty) {
    Chunked array = Filled(20);
    Entry* const last = &array.At(19);
    Entry* const twentyFirst = array.Append();
    EXPECT_NE(twentyFirst, last + 1);  // a chunk of its own
    EXPECT_EQ(twentyFirst, &array.At(20));
    EXPECT_EQ(array.Count(), 21u);
}

TEST_F(ChunkedArrayTest, InsertCarriesElementsAcrossChunks) {
    struct Case {
        uint32_t count;
        uint32_t at;
    } const cases[] = {{40, 5}, {40, 19}, {40, 20}, {40, 40}, {25, 0}, {3, 1}, {0, 0}};
    for (Case const& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.count << " at " << c.at);
        Chunked array = Filled(c.count);
        std::vector<uint32_t> expected = Ids(array);
        array.InsertAt(c.at)->id = 999;
        expected.insert(expected.begin() + c.at, 999);
        EXPECT_EQ(Ids(array), expected);
    }
    // The old element 19 starts the second chunk, the old element 39 a third.
    Chunked array = Filled(40);
    Entry* const secondChunk = &array.At(20);
    array.InsertAt(5)->id = 999;
    EXPECT_EQ(secondChunk->id, 19u);
    EXPECT_EQ(array.At(40).id, 39u);
}

TEST_F(ChunkedArrayTest, EmptiedArenaIsReused) {
    Chunked first = Filled(1);
    Entry* const slot = &first.At(0);
    std::size_t const subHeaps = ThreeTieredHeap().SubHeapCount();
    ThreeTieredHeap().FreeAllData();
    Chunked second = Filled(1);
    EXPECT_EQ(&second.At(0), slot);
    EXPECT_EQ(ThreeTieredHeap().SubHeapCount(), subHeaps);
}

TEST_F(ChunkedArrayTest, ArenaRefusesOversizedRequests) {
    EXPECT_NO_THROW(ThreeTieredHeap().AllocMem(SimpleDataHeap::kMaxRequestBytes));
    EXPECT_THROW(ThreeTieredHeap().AllocMem(SimpleDataHeap::kMaxRequestBytes + 1), HitLimitException);
}

}  // namespace
