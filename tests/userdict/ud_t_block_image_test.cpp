// The block area kept in memory: whatever this object writes, and whichever
// write fails, entries read under its lock are the ones on disk; outside a
// lock, and after another writer's change, the file is read again.
#include <gtest/gtest.h>

#include <cerrno>
#include <functional>
#include <map>
#include <string>
#include <tuple>
#include <vector>

#include "engine/foundation/file_errors.h"
#include "engine/userdict/ud_file_io.h"
#include "userdict/ud_t_helpers.h"

namespace {

// English, translation, answer, particle, batch and interactive frequency,
// previous and next ID.
using EntryState =
    std::tuple<std::string, std::string, std::string, std::string, uint32_t, uint32_t, uint32_t, uint32_t>;

// Every entry that reads, with its text, frequencies and group links.
std::map<uint32_t, EntryState> EntriesOf(ud_t& dictionary) {
    std::map<uint32_t, EntryState> entries;
    for (uint32_t n = 1; n < dictionary.GetBlockCount(); ++n) {
        if (dictionary.ReadDataBlockType(n) != kUDHeadBlock) continue;
        ud_entry_t entry;
        if (dictionary.ReadEntry(n, &entry) != kUDNoError) continue;
        UDEntryStrings const& s = entry.strings;
        entries[n] = {s.english,       s.translation,         s.answer,     s.particle,
                      entry.batchFreq, entry.interactiveFreq, entry.prevID, entry.nextID};
    }
    return entries;
}

// What a fresh object finds in the file.
std::map<uint32_t, EntryState> EntriesOnDisk(MemoryFile const& file) {
    DictionaryStream stream(file);
    ud_t fresh(stream.Get());
    SimpleFileLocker_READ read(&fresh);
    return EntriesOf(fresh);
}

void Locked(ud_t& dictionary, std::function<void()> const& change) {
    SimpleFileLocker_WRITE write(&dictionary);
    change();
}

TEST(UDTBlockImage, EntriesReadUnderTheLockAreTheOnesOnDiskAfterEveryKindOfWrite) {
    OpenedDictionary d({});
    ud_t& dictionary = d.dictionary;
    SimpleFileLocker_READ read(&dictionary);
    uint32_t finch = 0;
    uint32_t dove = 0;
    struct Step {
        char const* what;
        std::function<void()> run;
    };
    Step const steps[] = {
        {"a two-block entry",
         [&] { finch = AddEntryAndRelease(dictionary, MakeEntry("finch", UDPOS_N_SING, std::string(50, 'f'))); }},
        {"a second entry linked to the first",
         [&] { AddEntryAndRelease(dictionary, MakeEntry("finches", UDPOS_N_PLURAL), finch); }},
        {"an entry of its own", [&] { dove = AddEntryAndRelease(dictionary, MakeEntry("dove")); }},
        {"frequencies set in place",
         [&] {
             dictionary.UDSetBatchFreq(dove, 7);
             dictionary.UDSetInteractiveFreq(finch, 9);
         }},
        {"an entry freed",
         [&] {
             Locked(dictionary, [&] {
                 ud_entry_t entry;
                 ThrowIfError(dictionary.ReadEntry(dove, &entry));
                 dictionary.RemoveIDFromFirstword(entry);
                 dictionary.MarkDeleted(dove);
                 dictionary.UDIncGroupID(-1);
             });
         }},
        {"its block reused", [&] { AddEntryAndRelease(dictionary, MakeEntry("swift")); }},
        {"the block count grown past the map and index",
         [&] {
             for (int i = 0; i < 40; ++i) AddEntryAndRelease(dictionary, MakeEntry("lark" + std::to_string(i)));
         }},
        {"a failed write of an add",
         [&] {
             FaultyFileSystem files;
             files.FailAt(FaultyFileSystem::Call::kWrite, 3);
             EXPECT_THROW(AddEntryAndRelease(dictionary, MakeEntry("wren", UDPOS_N_SING, std::string(50, 'w'))),
                          FileNoSpaceError);
         }},
        {"an add after the failure", [&] { AddEntryAndRelease(dictionary, MakeEntry("robin")); }},
    };
    for (Step const& step : steps) {
        step.run();
        EXPECT_EQ(EntriesOf(dictionary), EntriesOnDisk(d.file)) << "after " << step.what;
    }
}

TEST(UDTBlockImage, AnotherWritersChangeIsReadOutsideALockAndAtTheNextFirstReadLock) {
    OpenedDictionary d({});
    uint32_t heron = 0;
    {
        SimpleFileLocker_READ read(&d.dictionary);
        heron = AddEntryAndRelease(d.dictionary, MakeEntry("heron"));
    }
    DictionaryStream otherStream(d.file);
    ud_t other(otherStream.Get());
    {
        SimpleFileLocker_READ read(&other);
        other.UDSetBatchFreq(heron, 5);  // leaves the change count alone
    }
    EXPECT_EQ(std::get<4>(EntriesOf(d.dictionary).at(heron)), 5u);

    {
        SimpleFileLocker_READ read(&other);
        Locked(other, [&] {
            ud_entry_t entry;
            ThrowIfError(other.ReadEntry(heron, &entry));
            other.RemoveIDFromFirstword(entry);
            other.MarkDeleted(heron);
        });
        AddEntryAndRelease(other, MakeEntry("hen"));
    }
    SimpleFileLocker_READ read(&d.dictionary);
    EXPECT_EQ(std::get<0>(EntriesOf(d.dictionary).at(heron)), "hen");
}

}  // namespace
