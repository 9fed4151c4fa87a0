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

}  // namespace
