// Writing back at the last write-lock release: the change count, the index
// image kept and spliced between releases, and what another writer's change
// does at the next first read lock.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "engine/userdict/ud_inspect.h"
#include "userdict/ud_t_helpers.h"

namespace {

using Bytes = std::vector<unsigned char>;

// Random insertions and removals over a few buckets; after each round the
// spliced image must equal a fresh encoding, agree with the image before on
// every byte up to the first one it reports changed, and be the image before
// with its changed runs written over it.
TEST(UDTWriteBack, TheSplicedIndexImageIsTheFreshEncodingAndReportsItsFirstChange) {
    UDFirstwordIndex index(7);
    UDIndexImageEncoder encoder;
    std::mt19937 random(11);
    uint32_t nextID = 1;
    Bytes previous;
    uint32_t offset = 1000;
    for (int round = 0; round < 300; ++round) {
        SCOPED_TRACE(round);
        for (int change = 0, changes = static_cast<int>(random() % 4); change < changes; ++change) {
            std::string const word = "W" + std::to_string(random() % 25);
            UDIndexPosition const where = index.Find(word.c_str());
            if (where.found && random() % 2 == 0) {
                fword_t& record = index.Record(where);
                record.ids.erase(record.ids.begin());
                if (record.ids.empty()) index.EraseRecord(where);
            } else {
                fword_t& record = where.found ? index.Record(where) : index.InsertRecord(where, word);
                record.ids.insert(record.ids.begin() + static_cast<std::ptrdiff_t>(random() % (record.ids.size() + 1)),
                                  nextID++);
            }
            encoder.MarkBucketChanged(where.bucket);
        }
        bool const moves = random() % 5 == 0;
        if (moves) offset += 64;
        Bytes const image = encoder.Encode(index, offset);
        ASSERT_EQ(image, EncodeUDIndexImage(index, offset));
        std::size_t const first = encoder.FirstChangedByte();
        if (round == 0 || moves) {
            EXPECT_EQ(first, 0u);
        } else {
            ASSERT_GE(first, 4u);
            ASSERT_LE(first, std::min(image.size(), previous.size()));
            EXPECT_TRUE(std::equal(image.begin() + 4, image.begin() + static_cast<std::ptrdiff_t>(first),
                                   previous.begin() + 4));
            // The previous image with the changed runs and the checksum
            // written over it is the new one.
            Bytes patched = previous;
            patched.resize(image.size());
            for (UDByteRun const& run : encoder.ChangedRuns()) {
                std::copy(image.begin() + static_cast<std::ptrdiff_t>(run.begin),
                          image.begin() + static_cast<std::ptrdiff_t>(run.end),
                          patched.begin() + static_cast<std::ptrdiff_t>(run.begin));
            }
            std::copy(image.begin(), image.begin() + 4, patched.begin());
            EXPECT_EQ(patched, image);
        }
        previous = image;
    }
}

// Entries reuse free blocks, so the index stays where it is and each release
// writes only its changed tail: the file must verify after every release.
TEST(UDTWriteBack, ReleasesThatWriteOnlyTheChangedTailLeaveAVerifiedFile) {
    OpenedDictionary d({});
    SimpleFileLocker_READ read(&d.dictionary);
    std::vector<uint32_t> ids;
    {
        SimpleFileLocker_WRITE write(&d.dictionary);
        for (int i = 0; i < 40; ++i) ids.push_back(AddEntry(d.dictionary, MakeEntry("word" + std::to_string(i))));
    }
    uint32_t const blockCount = d.dictionary.GetBlockCount();
    for (int i = 0; i < 40; i += 2) {
        SCOPED_TRACE(i);
        d.dictionary.AcquireWriteLock(0.0f);
        ud_entry_t entry;
        ThrowIfError(d.dictionary.ReadEntry(ids[i], &entry));
        d.dictionary.MarkMapAndIndexStale();
        d.dictionary.RemoveIDFromFirstword(entry);
        d.dictionary.MarkDeleted(ids[i]);
        d.dictionary.UDIncGroupID(-1);
        d.dictionary.ReleaseWriteLock();
        ASSERT_TRUE(InspectUDFile(d.file.Fd()).Verified());

        AddEntryAndRelease(d.dictionary, MakeEntry("other" + std::to_string(i)));
        ASSERT_TRUE(InspectUDFile(d.file.Fd()).Verified());
    }
    EXPECT_EQ(d.dictionary.GetBlockCount(), blockCount);
}

// (A release that writes only the index raises it by one: see the rebuild of
// a damaged index.)
TEST(UDTWriteBack, TheChangeCountRisesByTwoPerChangingReleaseAndCountsOnFromTheFile) {
    Bytes start;
    {
        OpenedDictionary d({});
        start = d.file.Bytes();
    }
    PutUlong(&start, kUDHeaderChangeCount, 1000);
    OpenedDictionary d(start);
    SimpleFileLocker_READ read(&d.dictionary);
    EXPECT_EQ(d.dictionary.GetChangeCount(), 1000u);
    { SimpleFileLocker_WRITE nothingStale(&d.dictionary); }
    EXPECT_EQ(d.dictionary.GetChangeCount(), 1000u);
    AddEntryAndRelease(d.dictionary, MakeEntry("lark"));
    AddEntryAndRelease(d.dictionary, MakeEntry("linnet"));
    EXPECT_EQ(d.dictionary.GetChangeCount(), 1004u);
    EXPECT_EQ(GetUlong(d.file.Bytes(), kUDHeaderChangeCount), 1004u);
}

// Two objects on one file, as two processes: the second one's write-back
// changes the change count, and the first reloads at its next first read
// lock.
TEST(UDTWriteBack, AnotherWritersChangeIsSeenAtTheNextFirstReadLock) {
    OpenedDictionary d({});
    DictionaryStream otherStream(d.file);
    ud_t other(otherStream.Get());
    {
        SimpleFileLocker_READ read(&d.dictionary);
        AddEntryAndRelease(d.dictionary, MakeEntry("heron"));
    }
    {
        SimpleFileLocker_READ read(&other);
        AddEntryAndRelease(other, MakeEntry("hen"));
    }
    SimpleFileLocker_READ read(&d.dictionary);
    EXPECT_EQ(IDsFiledUnder(d.dictionary, "HEN"), std::vector<uint32_t>{2});
    EXPECT_EQ(d.dictionary.GetBlockCount(), 3u);
    EXPECT_EQ(AddEntryAndRelease(d.dictionary, MakeEntry("hawk")), 3u);
    EXPECT_TRUE(InspectUDFile(d.file.Fd()).Verified());
}

}  // namespace
