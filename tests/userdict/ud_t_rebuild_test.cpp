// Files whose map, index or group links are stale or damaged: each opens and
// is rebuilt from its blocks at the first read lock; it is written back
// unless its blocks are damaged, which leaves it as it is.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "engine/foundation/warning.h"
#include "engine/userdict/ud_inspect.h"
#include "userdict/ud_t_helpers.h"

namespace {

using Bytes = std::vector<unsigned char>;

constexpr uint32_t kChangeCount = 41;

// Four entries in three groups, one free block, change count 41:
//   1 "apple pie" + 2    3 "apple pies" + 4    5 "U.S. Army"    6 free    7 "don't"
struct Sample {
    UDFixture fixture;

    Sample() {
        std::string const longTranslation(60, 't');
        fixture.AddGroup({MakeEntry("apple pie", UDPOS_N_SING, longTranslation),
                          MakeEntry("apple pies", UDPOS_N_PLURAL, longTranslation)});
        fixture.AddGroup({MakeEntry("U.S. Army")});
        fixture.AddFreeBlock();
        fixture.AddGroup({MakeEntry("don't", UDPOS_CONJ)});
    }

    Bytes BytesWith(std::function<void(Bytes*)> const& damage) const {
        Bytes bytes = fixture.Bytes();
        PutUlong(&bytes, kUDHeaderChangeCount, kChangeCount);
        damage(&bytes);
        return bytes;
    }

    uint64_t HeadWord(uint32_t block, uint32_t word) const { return fixture.BlockOffset(block) + 4 * word; }

    // The file with an index changed by `change`, checksum right.
    Bytes WithIndex(std::function<void(UDFirstwordIndex&)> const& change) const {
        UDFirstwordIndex index = fixture.Index();
        change(index);
        Bytes bytes = BytesWith([](Bytes*) {});
        bytes.resize(fixture.IndexOffset());
        Bytes const image = EncodeUDIndexImage(index, fixture.IndexOffset());
        bytes.insert(bytes.end(), image.begin(), image.end());
        return bytes;
    }
};

std::vector<std::string> gWarnings;

void CollectWarning(unsigned short, bool, char const* a, char const*, char const*, int) { gWarnings.push_back(a); }

struct CorruptCase {
    char const* what;
    Bytes bytes;
    uint32_t changeCount;                     // after the first read lock
    std::map<uint32_t, std::string> entries;  // those that read, by ID
    uint32_t groups;
    bool verifies;         // by the inspection, once written back
    std::size_t warnings;  // entries left out of a rebuilt index
    bool damaged = false;  // blocks no writer leaves: nothing is written back
};

std::vector<CorruptCase> CorruptCases() {
    Sample const s;
    std::map<uint32_t, std::string> const all{{1, "apple pie"}, {3, "apple pies"}, {5, "U.S. Army"}, {7, "don't"}};
    std::map<uint32_t, std::string> withoutArmy = all;
    withoutArmy.erase(5);
    std::map<uint32_t, std::string> withoutApplePie = all;
    withoutApplePie.erase(1);
    return {
        {"header words 12 and 16 zero (a writer stopped)", s.BytesWith([](Bytes* b) {
             PutUlong(b, kUDHeaderMapOffset, 0);
             PutUlong(b, kUDHeaderIndexOffset, 0);
         }),
         kChangeCount + 2, all, 3, true, 0},
        {"wrong map checksum",
         s.BytesWith([&](Bytes* b) { PutUlong(b, s.fixture.MapOffset(), GetUlong(*b, s.fixture.MapOffset()) + 1); }),
         kChangeCount + 2, all, 3, true, 0},
        {"decreasing index table",
         s.BytesWith([&](Bytes* b) { PutUlong(b, s.fixture.IndexOffset() + 8 + 4, 0xFFFFFF); }), kChangeCount + 1, all,
         3, true, 0},
        {"index ID out of range", s.WithIndex([](UDFirstwordIndex& index) { index.FindFword("DON")->ids[0] = 99; }),
         kChangeCount + 1, all, 3, true, 0},
        {"index lists a free block", s.WithIndex([](UDFirstwordIndex& index) { index.FindFword("DON")->ids[0] = 6; }),
         kChangeCount + 1, all, 3, true, 0},
        {"a head linking past the block count", s.BytesWith([&](Bytes* b) { PutUlong(b, s.HeadWord(5, 1), 20); }),
         kChangeCount, withoutArmy, 2, false, 1, true},
        {"a head whose text breaks off", s.BytesWith([&](Bytes* b) { PutUlong(b, s.HeadWord(1, 1), 0); }), kChangeCount,
         withoutApplePie, 3, false, 1, true},
        {"a cycle in a group's previous links", s.BytesWith([&](Bytes* b) { PutUlong(b, s.HeadWord(1, 4), 3); }),
         kChangeCount, all, 3, true, 0},
        {"a member its previous entry does not link to",
         s.BytesWith([&](Bytes* b) { PutUlong(b, s.HeadWord(1, 5), 0); }), kChangeCount, all, 3, true, 0},
        {"a wrong group count", s.BytesWith([](Bytes* b) { PutUlong(b, kUDHeaderGroupCount, 9); }), kChangeCount, all,
         3, true, 0},
    };
}

TEST(UDTRebuild, DamagedAndStaleFilesOpenAndAreRebuiltFromTheirBlocks) {
    SetLogFunction(CollectWarning);
    for (CorruptCase const& c : CorruptCases()) {
        SCOPED_TRACE(c.what);
        gWarnings.clear();
        OpenedDictionary d(c.bytes);
        { SimpleFileLocker_READ read(&d.dictionary); }
        EXPECT_EQ(d.dictionary.GetChangeCount(), c.changeCount);
        EXPECT_EQ(GetUlong(d.file.Bytes(), kUDHeaderChangeCount), c.changeCount);
        EXPECT_EQ(EnglishByID(d.dictionary), c.entries);
        EXPECT_EQ(d.dictionary.GetGroupCount(), c.groups);
        EXPECT_EQ(gWarnings.size(), c.warnings);
        EXPECT_EQ(d.dictionary.IsDamaged(), c.damaged);
        if (c.damaged) {
            { SimpleFileLocker_WRITE write(&d.dictionary); }
            EXPECT_TRUE(d.file.Bytes() == c.bytes) << "a damaged file was written";
            continue;
        }

        UDInspection const inspection = InspectUDFile(d.file.Fd());
        EXPECT_EQ(inspection.Verified(), c.verifies);
        EXPECT_EQ(inspection.mapCode, kUDNoError);
        EXPECT_EQ(inspection.indexCode, kUDNoError);
        EXPECT_EQ(inspection.basics.header.groupCount, c.groups);
        EXPECT_EQ(inspection.indexedEntries, c.entries.size());

        // Repaired once: a later lock cycle finds nothing stale and changes
        // no byte.
        Bytes const repaired = d.file.Bytes();
        {
            OpenedDictionary again(repaired);
            SimpleFileLocker_READ read(&again.dictionary);
            SimpleFileLocker_WRITE write(&again.dictionary);
        }
        EXPECT_EQ(d.file.Bytes(), repaired);
    }
    SetLogFunction(nullptr);
}

TEST(UDTRebuild, GroupLinksAreMendedAsDocumented) {
    Sample const s;
    struct LinkCase {
        char const* what;
        Bytes bytes;
    };
    LinkCase const cases[] = {
        {"cycle", s.BytesWith([&](Bytes* b) { PutUlong(b, s.HeadWord(1, 4), 3); })},
        {"not linked back", s.BytesWith([&](Bytes* b) { PutUlong(b, s.HeadWord(1, 5), 0); })},
    };
    for (LinkCase const& c : cases) {
        SCOPED_TRACE(c.what);
        OpenedDictionary d(c.bytes);
        SimpleFileLocker_READ read(&d.dictionary);
        EXPECT_EQ(d.dictionary.UDGetPrevID(1), 0u);
        EXPECT_EQ(d.dictionary.UDGetNextID(1), 3u);
        EXPECT_EQ(d.dictionary.UDGetPrevID(3), 1u);
        EXPECT_EQ(d.dictionary.UDGetNextID(3), 0u);
        EXPECT_EQ(d.dictionary.FindLeader(3), 1u);
    }
}

// Through a read-only descriptor the links are mended in memory only.
TEST(UDTRebuild, ACycleIsOpenedInMemoryOnAFileThatIsNotWritten) {
    Sample const s;
    Bytes const cycle = s.BytesWith([&](Bytes* b) { PutUlong(b, s.HeadWord(1, 4), 3); });
    OpenedDictionary d(cycle, false);
    {
        SimpleFileLocker_READ read(&d.dictionary);
        EXPECT_EQ(d.dictionary.FindLeader(3), 1u);
        EXPECT_EQ(d.dictionary.UDGetPrevID(1), 0u);
    }
    EXPECT_TRUE(d.file.Bytes() == cycle);
}

// The damaged head keeps its block, and reading it stays code 202; nothing
// is added on top of the damage, so no later entry can overwrite a block the
// damaged entry may still own.
TEST(UDTRebuild, ADamagedFileTakesNoEntryAndKeepsEveryByte) {
    Sample const s;
    struct Case {
        char const* what;
        Bytes bytes;
    };
    Case const cases[] = {
        {"a head linking past the block count", s.BytesWith([&](Bytes* b) { PutUlong(b, s.HeadWord(5, 1), 20); })},
        {"a head whose text breaks off", s.BytesWith([&](Bytes* b) { PutUlong(b, s.HeadWord(1, 1), 0); })},
    };
    for (Case const& c : cases) {
        SCOPED_TRACE(c.what);
        OpenedDictionary d(c.bytes);
        SimpleFileLocker_READ read(&d.dictionary);
        EXPECT_TRUE(d.dictionary.IsDamaged());
        EXPECT_FALSE(d.dictionary.IsWritable());
        {
            SimpleFileLocker_WRITE write(&d.dictionary);
            try {
                AddEntry(d.dictionary, MakeEntry("eel"));
                ADD_FAILURE() << "added";
            } catch (unsigned short code) {
                EXPECT_EQ(code, kUDFileCorrupt);
            }
            EXPECT_THROW(d.dictionary.UDSetBatchFreq(7, 3), unsigned short);
        }
        EXPECT_TRUE(d.file.Bytes() == c.bytes) << "a damaged file was written";
    }
}

// Continuations no head reaches are what a writer stopped before an entry's
// head leaves: the rebuild frees them, on disk too.
TEST(UDTRebuild, ContinuationsNoHeadReachesAreFreed) {
    Sample const s;
    OpenedDictionary d(s.BytesWith([&](Bytes* b) {
        PutUlong(b, kUDHeaderMapOffset, 0);
        PutUlong(b, kUDHeaderIndexOffset, 0);
        dblock_t orphan;
        orphan.kind = kUDContinuationBlock;
        EncodeUDBlock(orphan, b->data() + s.fixture.BlockOffset(6));
    }));
    { SimpleFileLocker_READ read(&d.dictionary); }
    EXPECT_EQ(d.dictionary.ReadDataBlockType(6), kUDFreeBlock);
    EXPECT_TRUE(InspectUDFile(d.file.Fd()).Verified());
}

// Equal entries (same English, POS string and translation) are listed
// newest first by one-by-one insertion; the sorted rebuild must agree, to
// the byte.
TEST(UDTRebuild, TheRebuiltIndexIsTheOneOneByOneInsertionMakes) {
    UDFixture fixture;
    for (char const* answer : {"a", "b", "c"}) fixture.AddGroup({MakeEntry("run", UDPOS_VT_INF, "x", answer)});
    fixture.AddGroup({MakeEntry("Run", UDPOS_N_SING, "y")});
    fixture.AddGroup({MakeEntry("run away", UDPOS_VI_INF, "z"), MakeEntry("run aways", UDPOS_VI_3RD, "z")});
    fixture.AddGroup({MakeEntry("RUN", UDPOS_N_SING, "y")});
    fixture.AddGroup({MakeEntry("ran", UDPOS_VT_PAST, "x")});
    Bytes const expected = fixture.Bytes();
    Bytes stale = expected;
    PutUlong(&stale, kUDHeaderMapOffset, 0);
    PutUlong(&stale, kUDHeaderIndexOffset, 0);

    OpenedDictionary d(stale);
    { SimpleFileLocker_READ read(&d.dictionary); }
    Bytes rebuilt = d.file.Bytes();
    PutUlong(&rebuilt, kUDHeaderChangeCount, 0);
    EXPECT_EQ(rebuilt, expected);
}

}  // namespace
