// A full disk: whichever write of an add fails with ENOSPC, the failure
// surfaces as FileNoSpaceError and the file keeps opening with its entries.
#include <gtest/gtest.h>

#include <cerrno>
#include <map>
#include <string>
#include <vector>

#include "engine/foundation/file_errors.h"
#include "engine/userdict/ud_inspect.h"
#include "userdict/ud_t_helpers.h"

namespace {

// Two entries, the first of two blocks.
struct TwoEntries {
    OpenedDictionary d{{}};
    std::map<uint32_t, std::string> entries;

    TwoEntries() {
        SimpleFileLocker_READ read(&d.dictionary);
        entries[AddEntryAndRelease(d.dictionary, MakeEntry("finch", UDPOS_N_SING, std::string(50, 'f')))] = "finch";
        entries[AddEntryAndRelease(d.dictionary, MakeEntry("dove"))] = "dove";
    }
};

// An add of a two-block entry with its release, failing at its n-th write.
bool AddFailsAt(ud_t& dictionary, int n) {
    FaultyFileSystem files;
    files.FailAt(FaultyFileSystem::Call::kWrite, n);
    try {
        AddEntryAndRelease(dictionary, MakeEntry("swift", UDPOS_N_SING, std::string(50, 's')));
    } catch (FileNoSpaceError const& e) {
        EXPECT_STREQ(e.Message(), "hi mom");
        return true;
    }
    return false;
}

// Whether a copy of the file, opened and taken through one lock cycle, holds
// the entries (and at most the one of the failed add besides) and verifies.
bool HoldsAll(std::vector<unsigned char> const& bytes, std::map<uint32_t, std::string> const& entries) {
    OpenedDictionary copy(bytes);
    std::map<uint32_t, std::string> found = EnglishByID(copy.dictionary);
    {
        SimpleFileLocker_READ read(&copy.dictionary);
        SimpleFileLocker_WRITE write(&copy.dictionary);
    }
    for (auto const& [id, english] : entries) {
        if (found[id] != english) return false;
        found.erase(id);
    }
    bool const onlyTheFailedOne = found.empty() || (found.size() == 1 && found.begin()->second == "swift");
    UDInspection const inspection = InspectUDFile(copy.file.Fd());
    for (std::string const& problem : inspection.problems) ADD_FAILURE() << problem;
    return onlyTheFailedOne && inspection.Verified();
}

TEST(UDTNoSpace, AFailedWriteSurfacesAndTheFileStillOpensWithItsEntries) {
    int writes = 0;
    {
        TwoEntries counted;
        FaultyFileSystem files;
        AddEntryAndRelease(counted.d.dictionary, MakeEntry("swift", UDPOS_N_SING, std::string(50, 's')));
        writes = files.Count(FaultyFileSystem::Call::kWrite);
    }
    ASSERT_GT(writes, 5);

    for (int n = 1; n <= writes; ++n) {
        SCOPED_TRACE("write " + std::to_string(n) + " fails");
        TwoEntries t;
        SimpleFileLocker_READ read(&t.d.dictionary);
        EXPECT_TRUE(AddFailsAt(t.d.dictionary, n));

        // Another process opening the file now finds every earlier entry.
        EXPECT_TRUE(HoldsAll(t.d.file.Bytes(), t.entries));

        // Once there is room again, the same object goes on.
        std::map<uint32_t, std::string> withWren = t.entries;
        withWren[AddEntryAndRelease(t.d.dictionary, MakeEntry("wren"))] = "wren";
        EXPECT_TRUE(HoldsAll(t.d.file.Bytes(), withWren));
    }
}

}  // namespace
