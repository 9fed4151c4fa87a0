// A full disk while a group is added: whichever write fails, the entries
// written so far are removed, the group count stays, and the same interface
// goes on once there is room again.
#include <gtest/gtest.h>

#include <cerrno>
#include <string>
#include <vector>

#include "engine/foundation/file_errors.h"
#include "engine/userdict/ud_file_io.h"
#include "userdict/ud_entry_groups_helpers.h"

namespace {

int gWrites = 0;
int gFailingWrite = 0;       // 0: none fails
int gGroupCountWrite = 0;    // the write that raised the group count in the header

ssize_t FailOneWrite(int fd, void const* buffer, std::size_t size, off_t offset) {
    ++gWrites;
    if (offset == kUDHeaderGroupCount && size == 4) gGroupCountWrite = gWrites;
    if (gWrites == gFailingWrite) {
        errno = ENOSPC;
        return -1;
    }
    return ::pwrite(fd, buffer, size, offset);
}

// Sets the hook for the scope of a test step.
struct FailingWrites {
    explicit FailingWrites(int failing) {
        gWrites = 0;
        gGroupCountWrite = 0;
        gFailingWrite = failing;
        SetUDWriteHookForTesting(FailOneWrite);
    }
    ~FailingWrites() { SetUDWriteHookForTesting(nullptr); }
};

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
            FailingWrites none(0);
            counted.groups.CreateNew(LongVerb(), false);
            writes = gWrites;
            groupCountWrite = gGroupCountWrite;
        }
        ASSERT_GT(groupCountWrite, start.groupCountWriteAfter);
        ASSERT_GT(writes, groupCountWrite);

        for (int n = 1; n <= writes; ++n) {
            SCOPED_TRACE("write " + std::to_string(n) + " fails");
            GroupDictionary d(base);
            {
                FailingWrites failing(n);
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
