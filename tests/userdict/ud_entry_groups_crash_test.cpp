// A process stopped after any one write while it adds or erases a group: a
// child exits right after its k-th write, for every k; the parent reopens the
// file and must find it whole: every other group as it was, and the changed
// group either as before, as after, or as a chain of its first forms still
// led by its base form (the file layer mends the last link), with the group
// count of the header agreeing.
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "engine/userdict/ud_file_io.h"
#include "userdict/ud_entry_groups_helpers.h"

namespace {

// A verb of five entries, each of two blocks or more.
Info LongVerb() {
    Info verb = Verb({"go", "went", "gone", "goes", "going"});
    verb.translation = SJIS("取る") + std::string(60, ' ') + SJIS("取る");
    return verb;
}

// The record with only its first `forms` forms.
Info FirstForms(Info record, uint32_t forms) {
    for (uint32_t i = forms; i < Info::kNumInflections; ++i) record.forms[i].clear();
    return record;
}

using Change = std::function<void(UD35EntryGroupInterface_EJ&)>;

// Whether the groups are the untouched ones plus `changed` cut to some
// number of its first forms (0: absent).
::testing::AssertionResult HoldsWholeGroups(std::vector<Info> const& found, std::vector<Info> const& untouched,
                                            Info const& changed) {
    std::vector<Info> rest;
    for (Info const& group : found) {
        if (group.GetBaseForm() != changed.GetBaseForm()) {
            rest.push_back(group);
            continue;
        }
        bool isPrefix = false;
        for (uint32_t forms = 1; forms <= Info::kNumInflections; ++forms) {
            isPrefix = isPrefix || group == FirstForms(changed, forms);
        }
        if (!isPrefix) return ::testing::AssertionFailure() << "a broken group led by " << group.GetBaseForm();
    }
    if (rest != untouched) return ::testing::AssertionFailure() << "the other groups changed";
    return ::testing::AssertionSuccess();
}

struct Scenario {
    char const* name;
    Bytes before;
    Change change;
    std::vector<Info> untouched;  // in iteration order
    Info changed;                 // the group added or erased
    bool adds;
};

TEST(UDEntryGroupsCrash, AWriterStoppedAfterAnyWriteLeavesOnlyWholeGroups) {
    Scenario const scenarios[] = {
        {"adding a verb past the blocks in use",
         DictionaryWith({Noun("bee", "bees"), Noun("owl")}),
         [](UD35EntryGroupInterface_EJ& groups) { groups.CreateNew(LongVerb(), false); },
         {Noun("bee", "bees"), Noun("owl")},
         LongVerb(),
         true},
        {"adding a verb into freed blocks",
         DictionaryWithFreedBlocks({Noun("bee", "bees"), Noun("owl")},
                                   Verb({"take", "took", "taken", "takes", "taking"})),
         [](UD35EntryGroupInterface_EJ& groups) { groups.CreateNew(LongVerb(), false); },
         {Noun("bee", "bees"), Noun("owl")},
         LongVerb(),
         true},
        {"erasing a verb",
         DictionaryWith({Noun("bee", "bees"), LongVerb(), Noun("owl")}),
         [](UD35EntryGroupInterface_EJ& groups) { groups.Erase(groups.LookupPrefix("go")); },
         {Noun("bee", "bees"), Noun("owl")},
         LongVerb(),
         false},
    };
    for (Scenario const& s : scenarios) {
        SCOPED_TRACE(s.name);
        Bytes const& base = s.before;
        int writes = 0;
        {
            GroupDictionary counted(base);
            FaultyFileSystem files;
            s.change(counted.groups);
            writes = files.Count(FaultyFileSystem::Call::kWrite);
        }
        ASSERT_GT(writes, 5);

        for (int k = 1; k <= writes; ++k) {
            SCOPED_TRACE("stopped after write " + std::to_string(k));
            MemoryFile file(base);
            RunChildStoppedAfter(file, k, [&](ud_t& dictionary, FaultyFileSystem const&) {
                UD35EntryGroupInterface_EJ groups(dictionary);
                s.change(groups);
            });

            GroupDictionary reopened(file.Bytes());
            std::vector<Info> const found = AllGroups(reopened.groups);
            EXPECT_TRUE(HoldsWholeGroups(found, s.untouched, s.changed));
            if (k == writes) {
                EXPECT_EQ(found.size(), s.untouched.size() + (s.adds ? 1 : 0));
            }
            UDInspection const inspection = InspectOnceOpened(file.Bytes());
            for (std::string const& problem : inspection.problems) ADD_FAILURE() << problem;
            EXPECT_TRUE(inspection.Verified());
            EXPECT_EQ(inspection.groups, found.size());
            EXPECT_EQ(HeaderGroupCount(reopened.FileBytes()), found.size());
        }
    }
}

// Under one write lock, new groups past the blocks in use are held back and
// written many at a time, each batch counted by block 0 only once its blocks
// are on disk; room is made at the end of the file before a batch needs it.
// Stopped after any write, the file holds the groups added first, each
// whole, and counts them; held back, many groups cost few writes.
TEST(UDEntryGroupsCrash, GroupsHeldBackUnderOneLockLandInTheOrderAdded) {
    // Each verb takes about 85 blocks: together they pass the room a new
    // file has more than once.
    std::vector<Info> added;
    for (int i = 0; i < 60; ++i) {
        std::string const number = std::to_string(i);
        std::string const base = "w" + std::string(3 - number.size(), '0') + number;
        Info verb = Verb({base, base + "ed", base + "en", base + "s", base + "ing"});
        verb.translation = SJIS("取る") + std::string(900, ' ') + SJIS("取る");
        added.push_back(verb);
    }
    Bytes const base = DictionaryWith({Noun("bee")});
    auto const addAll = [&](ud_t& dictionary) {
        UD35EntryGroupInterface_EJ groups(dictionary);
        dictionary.AcquireWriteLock(0.0f);
        for (Info const& record : added) groups.CreateNew(record, false);
        dictionary.ReleaseWriteLock();
    };
    int writes = 0;
    {
        GroupDictionary counted(base);
        FaultyFileSystem files;
        addAll(counted.File());
        writes = files.Count(FaultyFileSystem::Call::kWrite);
    }
    ASSERT_GT(writes, 6);
    ASSERT_LT(writes, 40) << "each group written on its own";

    std::size_t landedBefore = 0;
    for (int k = 1; k <= writes; ++k) {
        SCOPED_TRACE("stopped after write " + std::to_string(k));
        MemoryFile file(base);
        RunChildStoppedAfter(file, k, [&](ud_t& dictionary, FaultyFileSystem const&) { addAll(dictionary); });

        GroupDictionary reopened(file.Bytes());
        std::vector<Info> const found = AllGroups(reopened.groups);
        ASSERT_FALSE(found.empty());
        EXPECT_EQ(found.front(), Noun("bee"));
        std::vector<Info> const landed(found.begin() + 1, found.end());
        ASSERT_LE(landed.size(), added.size());
        EXPECT_TRUE(std::equal(landed.begin(), landed.end(), added.begin()));
        EXPECT_GE(landed.size(), landedBefore);
        landedBefore = landed.size();
        if (k == writes) {
            EXPECT_EQ(landed.size(), added.size());
        }
        UDInspection const inspection = InspectOnceOpened(file.Bytes());
        for (std::string const& problem : inspection.problems) ADD_FAILURE() << problem;
        EXPECT_TRUE(inspection.Verified());
        EXPECT_EQ(HeaderGroupCount(reopened.FileBytes()), found.size());
    }
}

}  // namespace
