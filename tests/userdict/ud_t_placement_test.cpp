// Where the write-back puts the map and the index when adds are released one
// by one: behind room for more blocks, so that the next releases write only
// what changed; behind the last block again once the blocks reach the map.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "engine/userdict/ud_english.h"
#include "engine/userdict/ud_inspect.h"
#include "platform/files/file_system.h"
#include "support/forwarding_file_system.h"
#include "userdict/ud_t_helpers.h"

namespace {

using Bytes = std::vector<unsigned char>;

// Counts the bytes written through it.
class CountingFileSystem final : public ForwardingFileSystem {
public:
    uint64_t BytesWritten() const { return fWritten; }

    ssize_t WriteAt(int fd, void const* buffer, std::size_t size, uint64_t offset) override {
        ssize_t const written = fPosix.WriteAt(fd, buffer, size, offset);
        if (written > 0) fWritten += static_cast<uint64_t>(written);
        return written;
    }

private:
    uint64_t fWritten = 0;
};

// A first word filed in one of the index's last buckets, so that what an
// add changes in the index is its last few bytes.
std::string WordOfALateBucket() {
    for (int n = 0;; ++n) {
        std::string const word = "W" + std::to_string(n);
        if (DHashFunc(word.c_str(), kUDBucketCount) >= kUDBucketCount - 4) return word;
    }
}

uint64_t BlocksEnd(uint32_t blockCount) { return kUDNewBlockAreaOffset + uint64_t{kUDBlockSize} * blockCount; }

// One-block entries under one first word, in ascending order (each filed
// last in its record), each added and released on its own.
TEST(UDTPlacement, ReleasesWriteOnlyWhatChangedUntilTheBlocksReachTheMap) {
    std::string const word = WordOfALateBucket();
    auto english = [&](int i) {
        char number[8];
        std::snprintf(number, sizeof number, "%03d", i);
        return word + " " + number;
    };
    OpenedDictionary d({});
    SimpleFileLocker_READ read(&d.dictionary);
    AddEntryAndRelease(d.dictionary, MakeEntry(english(0)));
    // The blocks grew: room is left in front of the map.
    EXPECT_GT(GetUlong(d.file.Bytes(), kUDHeaderMapOffset), BlocksEnd(d.dictionary.GetBlockCount()));

    CountingFileSystem counted;
    ScopedFileSystem installed(counted);
    int moves = 0;
    for (int i = 1; i <= 80; ++i) {
        SCOPED_TRACE(i);
        uint32_t const mapBefore = GetUlong(d.file.Bytes(), kUDHeaderMapOffset);
        uint64_t const writtenBefore = counted.BytesWritten();
        AddEntryAndRelease(d.dictionary, MakeEntry(english(i)));
        Bytes const bytes = d.file.Bytes();
        uint32_t const map = GetUlong(bytes, kUDHeaderMapOffset);
        uint32_t const index = GetUlong(bytes, kUDHeaderIndexOffset);
        ASSERT_GE(map, BlocksEnd(d.dictionary.GetBlockCount()));
        ASSERT_GE(index, map + UDMapImageSize(d.dictionary.GetBlockCount()));
        if (map == mapBefore) {
            // The block, block 0, the header words, a few map bytes and the
            // index's tail; the index alone is over 16 KB.
            EXPECT_LT(counted.BytesWritten() - writtenBefore, 1000u);
        } else {
            ++moves;
        }
        UDInspection const inspection = InspectUDFile(d.file.Fd());
        for (std::string const& problem : inspection.problems) ADD_FAILURE() << problem;
        ASSERT_TRUE(inspection.Verified());
    }
    EXPECT_EQ(moves, 2);

    // Opened again, the file goes on in place where it was left.
    OpenedDictionary reopened(d.file.Bytes());
    SimpleFileLocker_READ readAgain(&reopened.dictionary);
    EXPECT_EQ(EnglishByID(reopened.dictionary).size(), 81u);
    uint32_t const mapBefore = GetUlong(reopened.file.Bytes(), kUDHeaderMapOffset);
    uint64_t const writtenBefore = counted.BytesWritten();
    AddEntryAndRelease(reopened.dictionary, MakeEntry(english(81)));
    EXPECT_EQ(GetUlong(reopened.file.Bytes(), kUDHeaderMapOffset), mapBefore);
    EXPECT_LT(counted.BytesWritten() - writtenBefore, 1000u);
    EXPECT_TRUE(InspectUDFile(reopened.file.Fd()).Verified());
}

// A file another writer left with its map right behind the last block (as
// the fixture lays it out) is moved behind room at the first add that grows
// the blocks, and reads back whole.
TEST(UDTPlacement, AMapRightBehindTheBlocksMovesWhenTheBlocksGrow) {
    UDFixture fixture;
    fixture.AddGroup({MakeEntry("heron")});
    fixture.AddGroup({MakeEntry("egret")});
    OpenedDictionary d(fixture.Bytes());
    ASSERT_EQ(GetUlong(d.file.Bytes(), kUDHeaderMapOffset), BlocksEnd(3));
    SimpleFileLocker_READ read(&d.dictionary);
    AddEntryAndRelease(d.dictionary, MakeEntry("bittern"));
    EXPECT_GT(GetUlong(d.file.Bytes(), kUDHeaderMapOffset), BlocksEnd(4));
    EXPECT_TRUE(InspectUDFile(d.file.Fd()).Verified());
    OpenedDictionary reopened(d.file.Bytes());
    EXPECT_EQ(EnglishByID(reopened.dictionary).size(), 3u);
}

}  // namespace
