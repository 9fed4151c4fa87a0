#include "engine/userdict/ud_create.h"

#include <fcntl.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "engine/foundation/file_errors.h"
#include "engine/userdict/ud_inspect.h"
#include "userdict/ud_fixture.h"

namespace {

// The bytes of a new dictionary, worked out by hand rather than through the
// encoders under test.
std::vector<unsigned char> HandMadeNewDictionary() {
    std::vector<unsigned char> bytes(16601, 0);
    auto put = [&bytes](std::size_t at, uint32_t value) {
        bytes[at] = static_cast<unsigned char>(value >> 24);
        bytes[at + 1] = static_cast<unsigned char>(value >> 16);
        bytes[at + 2] = static_cast<unsigned char>(value >> 8);
        bytes[at + 3] = static_cast<unsigned char>(value);
    };
    // Header: magic, description at 256, blocks at 512, map at 576, index at
    // 585, no groups, version 2, the constants 1 and 0, change count 0.
    uint32_t const header[] = {0x2FAD0806, 256, 512, 576, 585, 0, 2, 1, 0, 0};
    for (std::size_t i = 0; i < std::size(header); ++i) put(4 * i, header[i]);
    std::memcpy(&bytes[256], "hi mom", 6);
    put(512, 1);  // block 0: one block
    // Map: checksum 1 + 0xFE = 255, block count 1, block 0 in use and bits
    // 1-7 past the end set.
    put(576, 255);
    put(580, 1);
    bytes[584] = 0xFE;
    // Index: 4001 empty buckets, every table word the end of the index,
    // 585 + 8 + 4 x 4002 = 16601.  Checksum: B gives 0x0F + 0xA1 = 176, each
    // table word 0x40 + 0xD9 = 281, so 176 + 4002 x 281 = 1,124,738.
    put(585, 1124738);
    put(589, 4001);
    for (std::size_t i = 0; i <= 4001; ++i) put(593 + 4 * i, 16601);
    return bytes;
}

TEST(CreateUDFile, WritesANewDictionaryByteForByte) {
    MemoryFile file({});
    UDHeader const header = CreateUDFile(file.Fd());
    std::vector<unsigned char> const written = file.Bytes();
    std::vector<unsigned char> const expected = HandMadeNewDictionary();
    ASSERT_EQ(written.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) ASSERT_EQ(written[i], expected[i]) << "byte " << i;
    EXPECT_EQ(header.mapOffset, 576u);
    EXPECT_EQ(header.indexOffset, 585u);
}

TEST(CreateUDFile, TheNewFileVerifies) {
    MemoryFile file({});
    CreateUDFile(file.Fd());
    UDInspection const inspection = InspectUDFile(file.Fd());
    EXPECT_TRUE(inspection.Verified());
    EXPECT_EQ(inspection.basics.description, "hi mom");
    EXPECT_EQ(inspection.basics.blockCount, 1u);
    EXPECT_EQ(inspection.bucketCount, 4001u);
    EXPECT_EQ(inspection.mapChecksums.computed, 255u);
    EXPECT_EQ(inspection.indexChecksums.computed, 1124738u);
}

TEST(CreateUDFile, AFullDiskThrowsFileNoSpaceError) {
    int fd = ::open("/dev/full", O_WRONLY);
    if (fd < 0) GTEST_SKIP() << "no /dev/full";
    EXPECT_THROW(CreateUDFile(fd), FileNoSpaceError);
    ::close(fd);
}

}  // namespace
