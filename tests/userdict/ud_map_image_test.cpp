#include "engine/userdict/ud_map_image.h"

#include <gtest/gtest.h>

#include <functional>
#include <utility>
#include <vector>

#include "engine/userdict/ud_format.h"
#include "userdict/ud_fixture.h"

namespace {

TEST(UDMapImage, NineBlocksTakeTwoBitmapBytesWithBits9To15Set) {
    EXPECT_EQ(UDMapBitmapSize(9), 2u);
    EXPECT_EQ(UDMapImageSize(9), 10u);
    std::vector<unsigned char> bitmap(2, 0);
    UDMapSetFree(&bitmap, 3, true);
    std::vector<unsigned char> const image = EncodeUDMapImage(9, bitmap);
    ASSERT_EQ(image.size(), 10u);
    EXPECT_EQ(GetUlong(image, 4), 9u);
    EXPECT_EQ(image[8], 0x08);  // block 3 free, the rest in use
    EXPECT_EQ(image[9], 0xFE);  // block 8 in use, bits 9-15 past the last block
    EXPECT_EQ(GetUlong(image, 0), 9u + 0x08 + 0xFE);
}

TEST(UDMapImage, SizesComeOutWhole) {
    struct Case {
        uint32_t blockCount, bitmapSize;
        uint64_t imageSize;
    };
    Case const cases[] = {
        {1, 1, 9}, {8, 1, 9}, {9, 2, 10}, {16, 2, 10}, {17, 3, 11}, {0xFFFFFFFF, 0x20000000, 0x20000008},
    };
    for (Case const& c : cases) {
        EXPECT_EQ(UDMapBitmapSize(c.blockCount), c.bitmapSize) << c.blockCount;
        EXPECT_EQ(UDMapImageSize(c.blockCount), c.imageSize) << c.blockCount;
    }
}

TEST(UDMapImage, BlockZeroIsNeverWrittenFree) {
    std::vector<unsigned char> const image = EncodeUDMapImage(1, {0xFF});
    EXPECT_EQ(image, (std::vector<unsigned char>{0, 0, 0, 255, 0, 0, 0, 1, 0xFE}));
}

TEST(UDMapImage, DecodeGivesBackTheBitmap) {
    std::vector<unsigned char> bitmap(3, 0);
    for (uint32_t free : {1u, 7u, 8u, 16u}) UDMapSetFree(&bitmap, free, true);
    std::vector<unsigned char> const image = EncodeUDMapImage(17, bitmap);
    std::vector<unsigned char> decoded;
    UDChecksums sums;
    ASSERT_EQ(DecodeUDMapImage(image.data(), image.size(), 17, &decoded, &sums), kUDNoError);
    for (uint32_t n = 0; n < 17; ++n) EXPECT_EQ(UDMapIsFree(decoded, n), n == 1 || n == 7 || n == 8 || n == 16) << n;
    EXPECT_TRUE(sums.known);
    EXPECT_EQ(sums.stored, sums.computed);
}

TEST(UDMapImage, DecodeRefusesEveryDamage) {
    struct Case {
        char const* what;
        std::function<void(std::vector<unsigned char>*)> damage;
        uint32_t blockCount;
    };
    auto reseal = [](std::vector<unsigned char>* image) {
        PutUlong(image, 0, UDByteSum(image->data() + 4, image->size() - 4));
    };
    Case const cases[] = {
        {"cut short", [](std::vector<unsigned char>* m) { m->pop_back(); }, 17},
        {"other block count",
         [&](std::vector<unsigned char>* m) {
             PutUlong(m, 4, 16);
             reseal(m);
         },
         17},
        {"count of the file differs", [](std::vector<unsigned char>*) {}, 16},
        {"checksum", [](std::vector<unsigned char>* m) { (*m)[3] ^= 1; }, 17},
        {"bitmap byte changed", [](std::vector<unsigned char>* m) { (*m)[9] ^= 0x10; }, 17},
        {"block 0 free",
         [&](std::vector<unsigned char>* m) {
             (*m)[8] |= 1;
             reseal(m);
         },
         17},
    };
    for (Case const& c : cases) {
        std::vector<unsigned char> image = EncodeUDMapImage(17, std::vector<unsigned char>(3, 0));
        c.damage(&image);
        std::vector<unsigned char> bitmap{42};
        EXPECT_EQ(DecodeUDMapImage(image.data(), image.size(), c.blockCount, &bitmap), kUDMapOrIndexInvalid) << c.what;
        EXPECT_EQ(bitmap, std::vector<unsigned char>{42}) << c.what;
    }
}

TEST(UDMapImage, ReadRefusesAMissingOrCutMap) {
    std::vector<unsigned char> file(100, 0);
    std::vector<unsigned char> const image = EncodeUDMapImage(9, std::vector<unsigned char>(2, 0));
    std::copy(image.begin(), image.end(), file.begin() + 90);
    MemoryFile memory(file);
    std::vector<unsigned char> bitmap;
    EXPECT_EQ(ReadUDMap(memory.Fd(), 100, 90, 9, &bitmap), kUDNoError);
    EXPECT_EQ(ReadUDMap(memory.Fd(), 100, 0, 9, &bitmap), kUDMapOrIndexInvalid);  // no map on disk
    EXPECT_EQ(ReadUDMap(memory.Fd(), 99, 90, 9, &bitmap), kUDMapOrIndexInvalid);  // file ends inside
    EXPECT_EQ(ReadUDMap(memory.Fd(), 100, 0xFFFFFFFF, 9, &bitmap), kUDMapOrIndexInvalid);
}

// What an in-place write of the map must cover: every changed byte, bytes
// past the old end, and nothing else but the few bytes that join near runs.
TEST(UDMapImage, ChangedRunsCoverEveryChangedByteAndJoinNearOnes) {
    using Bytes = std::vector<unsigned char>;
    struct Case {
        char const* what;
        Bytes old, now;
        std::vector<std::pair<std::size_t, std::size_t>> runs;
    };
    Bytes const zeros(40, 0);
    auto with = [&](std::vector<std::size_t> changed, std::size_t size = 40) {
        Bytes bytes(size, 0);
        for (std::size_t at : changed) bytes[at] = 1;
        return bytes;
    };
    Case const cases[] = {
        {"nothing changed", zeros, zeros, {}},
        {"one byte", zeros, with({5}), {{5, 6}}},
        {"two runs closer than the join", zeros, with({0, 1, 2, 3, 10}), {{0, 11}}},
        {"two runs far apart", zeros, with({0, 39}), {{0, 1}, {39, 40}}},
        {"grown: the new bytes are written", zeros, with({}, 43), {{40, 43}}},
        {"grown next to a change", zeros, with({38}, 42), {{38, 42}}},
    };
    for (Case const& c : cases) {
        std::vector<std::pair<std::size_t, std::size_t>> runs;
        for (UDByteRun const& run : UDChangedRuns(c.old, c.now, 16)) runs.emplace_back(run.begin, run.end);
        EXPECT_EQ(runs, c.runs) << c.what;
    }
}

}  // namespace
