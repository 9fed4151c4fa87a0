// A full disk while a group is added: whichever write fails, the entries
// written so far are removed, the group count stays, and the same interface
// goes on once there is room again.
#include <gtest/gtest.h>

#include <cerrno>
#include <string>
#include <vector>

#include "engine/foundation/file_errors.h"
#include "support/faulty_file_system.h"
#include "userdict/ud_entry_groups_helpers.h"

namespace {

// Five entries, each of two or three blocks.
Info LongVerb() {
    Info verb = Verb({"go", "went", "gone", "goes", "going"});
    verb.translation = SJIS("取る") + std::string(60, ' ') + SJIS("取る");
    return verb;
}

std::vector<std::string> const kBaseGroups{"bee", "owl"};

// A group goes past the blocks in use in one write; into freed blocks
// entry by entry, with many writes before the group count.
TEST(UDEntryGroupsNoSpace, AFailedWriteLeavesNoEntryOfTheGroupAndTheCountUnchanged) {
    struct Start {
        char const* name;
        Bytes base;
        int groupCountWriteAfter;
    };
    Start const starts[] = {
        {"past the blocks in use", DictionaryWith({Noun("bee", "bees"), Noun("owl")}), 1},
        {"into freed blocks",
         DictionaryWithFreedBlocks({Noun("bee", "bees"), Noun("owl")},
                                   Verb({"take", "took", "taken", "takes", "taking"})),
         10},
    };
    for (Start const& start : starts) {
        SCOPED_TRACE(start.name);
        Bytes const& base = start.base;
        std::map<uint32_t, std::string> const baseEntries = EntriesOf(base);
        int writes = 0;
        int groupCountWrite = 0;
        {
            GroupDictionary counted(base);
            FaultyFileSystem files;
            counted.groups.CreateNew(LongVerb(), false);
            writes = files.Count(FaultyFileSystem::Call::kWrite);
            groupCountWrite = files.LastWriteAt(kUDHeaderGroupCount, 4);
        }
        ASSERT_GT(groupCountWrite, start.groupCountWriteAfter);
        ASSERT_GT(writes, groupCountWrite);

        for (int n = 1; n <= writes; ++n) {
            SCOPED_TRACE("write " + std::to_string(n) + " fails");
            GroupDictionary d(base);
            {
                FaultyFileSystem files;
                files.FailAt(FaultyFileSystem::Call::kWrite, n);
                EXPECT_THROW(d.groups.CreateNew(LongVerb(), false), FileNoSpaceError);
            }
            bool const added = n > groupCountWrite;  // only the write-back failed
            Bytes const after = d.FileBytes();
            if (!added) {
                EXPECT_EQ(EntriesOf(after), baseEntries);
                EXPECT_EQ(HeaderGroupCount(after), 2u);
                EXPECT_EQ(BaseForms(d.groups), kBaseGroups);
            } else {
                EXPECT_EQ(EntriesOf(after).size(), baseEntries.size() + 5);
                EXPECT_EQ(d.groups.GetCount(), 3u);
            }

            // With room again the same interface adds the group, or finds it there.
            unsigned short const code = RefusalCode([&] { d.groups.CreateNew(LongVerb(), false); });
            EXPECT_EQ(code, added ? kUDDuplicateGroup : 0);
            EXPECT_EQ(*d.groups.LookupPrefix("going"), LongVerb());
            UDInspection const inspection = InspectOnceOpened(d.FileBytes());
            for (std::string const& problem : inspection.problems) ADD_FAILURE() << problem;
            EXPECT_TRUE(inspection.Verified());
            EXPECT_EQ(inspection.groups, 3u);
        }
    }
}

}  // namespace
