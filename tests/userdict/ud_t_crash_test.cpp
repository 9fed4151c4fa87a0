// A writer stopped after any one of its writes: a child process adds entries
// and exits right after its k-th write, for every k; the parent reopens the
// file and must find exactly the entries completed before.
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "engine/userdict/ud_inspect.h"
#include "userdict/ud_t_helpers.h"

namespace {

using Bytes = std::vector<unsigned char>;

// "apple pie" (1, 2) "apple pies" (3, 4), free block 5, "owl" (6).
Bytes BaseFile() {
    UDFixture fixture;
    std::string const longTranslation(60, 't');
    fixture.AddGroup({MakeEntry("apple pie", UDPOS_N_SING, longTranslation),
                      MakeEntry("apple pies", UDPOS_N_PLURAL, longTranslation)});
    fixture.AddFreeBlock();
    fixture.AddGroup({MakeEntry("owl")});
    return fixture.Bytes();
}

std::map<uint32_t, std::string> const kBaseEntries{{1, "apple pie"}, {3, "apple pies"}, {6, "owl"}};

// Under one write lock: a noun of three blocks (head in the free block 5,
// continuations appended: the block count grows), then its plural of three
// more appended blocks, linked to it.  Gives the write count at which each
// entry's head was on disk.
struct Milestones {
    int noun = 0;
    int plural = 0;
    int all = 0;
};

Milestones AddTwoForms(ud_t& dictionary, FaultyFileSystem const& files) {
    auto const writes = [&] { return files.Count(FaultyFileSystem::Call::kWrite); };
    Milestones done;
    std::string const translation(80, 'k');
    SimpleFileLocker_READ read(&dictionary);
    dictionary.AcquireWriteLock(0.0f);
    dictionary.MarkMapAndIndexStale();
    ud_entry_t noun;
    noun.strings = MakeEntry("kestrel", UDPOS_N_SING, translation);
    dictionary.WriteEntry(&noun);
    done.noun = writes();
    ThrowIfError(dictionary.AddIDtoFirstword(noun));
    dictionary.UDIncGroupID(1);
    ud_entry_t plural;
    plural.strings = MakeEntry("kestrels", UDPOS_N_PLURAL, translation);
    plural.prevID = noun.id;
    dictionary.WriteEntry(&plural);
    done.plural = writes();
    ThrowIfError(dictionary.AddIDtoFirstword(plural));
    dblock_t head;
    ThrowIfError(dictionary.ReadDataBlock(noun.id, &head));
    head.nextID = plural.id;
    dictionary.WriteDataBlock(head);
    dictionary.ReleaseWriteLock();
    done.all = writes();
    return done;
}

TEST(UDTCrash, AWriterStoppedAfterAnyWriteLeavesEveryCompletedEntry) {
    Milestones expected;
    uint32_t nounID = 0;
    uint32_t pluralID = 0;
    {
        // A full run, counted, to learn the writes and the IDs.
        OpenedDictionary d(BaseFile());
        {
            FaultyFileSystem counted;
            expected = AddTwoForms(d.dictionary, counted);
        }
        std::map<uint32_t, std::string> const entries = EnglishByID(d.dictionary);
        ASSERT_EQ(entries.size(), 5u);
        for (auto const& [id, english] : entries) {
            if (english == "kestrel") nounID = id;
            if (english == "kestrels") pluralID = id;
        }
        ASSERT_EQ(nounID, 5u);  // the free block
        ASSERT_GT(expected.all, expected.plural);
    }

    for (int k = 1; k <= expected.all; ++k) {
        SCOPED_TRACE("stopped after write " + std::to_string(k));
        MemoryFile file(BaseFile());
        RunChildStoppedAfter(file, k, AddTwoForms);

        OpenedDictionary reopened(file.Bytes());
        std::map<uint32_t, std::string> want = kBaseEntries;
        if (k >= expected.noun) want[nounID] = "kestrel";
        if (k >= expected.plural) want[pluralID] = "kestrels";
        EXPECT_EQ(EnglishByID(reopened.dictionary), want);
        {
            SimpleFileLocker_READ read(&reopened.dictionary);
            if (k >= expected.plural) {
                EXPECT_EQ(reopened.dictionary.FindLeader(pluralID), nounID);
            }
            SimpleFileLocker_WRITE write(&reopened.dictionary);
        }
        UDInspection const inspection = InspectUDFile(reopened.file.Fd());
        for (std::string const& problem : inspection.problems) ADD_FAILURE() << problem;
        EXPECT_TRUE(inspection.Verified());
    }
}

// A dictionary whose map has room for two more blocks in front of it, so
// that of four one-block adds released one by one, two write the map and
// index back in place and the third moves them behind the blocks.
Bytes FileWithRoomForTwoBlocks() {
    OpenedDictionary d({});
    SimpleFileLocker_READ read(&d.dictionary);
    for (int i = 0; i < 100; ++i) {
        AddEntryAndRelease(d.dictionary, MakeEntry("sparrow " + std::to_string(i)));
        uint64_t const blocksEnd = kUDNewBlockAreaOffset + uint64_t{kUDBlockSize} * d.dictionary.GetBlockCount();
        if (GetUlong(d.file.Bytes(), kUDHeaderMapOffset) == blocksEnd + 2 * kUDBlockSize) return d.file.Bytes();
    }
    return {};
}

// Gives the write count at which each finch was on disk, then the count at
// the end.
std::vector<int> AddFinchesReleasedOneByOne(ud_t& dictionary, FaultyFileSystem const& files) {
    std::vector<int> done;
    SimpleFileLocker_READ read(&dictionary);
    for (int i = 0; i < 4; ++i) {
        dictionary.AcquireWriteLock(0.0f);
        dictionary.MarkMapAndIndexStale();
        ud_entry_t entry;
        entry.strings = MakeEntry("finch " + std::to_string(i));
        dictionary.WriteEntry(&entry);
        done.push_back(files.Count(FaultyFileSystem::Call::kWrite));
        ThrowIfError(dictionary.AddIDtoFirstword(entry));
        dictionary.UDIncGroupID(1);
        dictionary.ReleaseWriteLock();
    }
    done.push_back(files.Count(FaultyFileSystem::Call::kWrite));
    return done;
}

TEST(UDTCrash, AddsReleasedOneByOneLeaveEveryCompletedEntryWhereverStopped) {
    Bytes const base = FileWithRoomForTwoBlocks();
    ASSERT_FALSE(base.empty());
    std::vector<int> milestones;
    std::map<uint32_t, std::string> before;
    std::map<uint32_t, std::string> finches;
    {
        OpenedDictionary d(base);
        before = EnglishByID(d.dictionary);
        {
            FaultyFileSystem counted;
            milestones = AddFinchesReleasedOneByOne(d.dictionary, counted);
        }
        for (auto const& [id, english] : EnglishByID(d.dictionary)) {
            if (before.count(id) == 0) finches[id] = english;
        }
        ASSERT_EQ(finches.size(), 4u);
        EXPECT_NE(GetUlong(d.file.Bytes(), kUDHeaderMapOffset), GetUlong(base, kUDHeaderMapOffset));
    }

    for (int k = 1; k <= milestones.back(); ++k) {
        SCOPED_TRACE("stopped after write " + std::to_string(k));
        MemoryFile file(base);
        RunChildStoppedAfter(file, k, AddFinchesReleasedOneByOne);

        OpenedDictionary reopened(file.Bytes());
        std::map<uint32_t, std::string> want = before;
        int i = 0;
        for (auto const& [id, english] : finches) {
            if (k >= milestones[i++]) want[id] = english;
        }
        EXPECT_EQ(EnglishByID(reopened.dictionary), want);
        {
            SimpleFileLocker_READ read(&reopened.dictionary);
            SimpleFileLocker_WRITE write(&reopened.dictionary);
        }
        UDInspection const inspection = InspectUDFile(reopened.file.Fd());
        for (std::string const& problem : inspection.problems) ADD_FAILURE() << problem;
        EXPECT_TRUE(inspection.Verified());
    }
}

}  // namespace
