// Erasing, replacing and clearing entry groups.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

#include "engine/userdict/ud_inspect.h"
#include "userdict/ud_entry_groups_helpers.h"

namespace {

// Whether the file, as a new opening finds it, verifies.
void ExpectVerified(Bytes const& bytes) {
    MemoryFile file(bytes);
    UDInspection const inspection = InspectUDFile(file.Fd());
    for (std::string const& problem : inspection.problems) ADD_FAILURE() << problem;
    EXPECT_TRUE(inspection.Verified());
}

std::vector<std::string> EnglishOf(std::map<uint32_t, std::string> const& entries) {
    std::vector<std::string> english;
    for (auto const& entry : entries) english.push_back(entry.second);
    std::sort(english.begin(), english.end());
    return english;
}

TEST(UDEntryGroupsErase, ErasingGivesTheNextGroupOrThePreviousOrTheEnd) {
    Info const verb = Verb({"go", "went", "gone", "goes", "going"});
    struct Case {
        char const* name;
        std::vector<Info> groups;
        char const* erased;
        char const* result;  // null: the end
        std::vector<std::string> left;
    };
    Case const cases[] = {
        {"a middle group", {Noun("bee"), Noun("owl", "owls"), Noun("wren")}, "owl", "wren", {"bee", "wren"}},
        {"the last group", {Noun("bee"), Noun("owl", "owls")}, "owl", "bee", {"bee"}},
        {"the first group", {Noun("bee"), verb}, "bee", "go", {"go"}},
        {"the only group", {verb}, "go", nullptr, {}},
        // Equal keys under the folded order: the one erased is the one named.
        {"one of two equal keys", {Noun("apple"), Noun("Apple"), Noun("bee")}, "Apple", "bee", {"apple", "bee"}},
    };
    for (Case const& c : cases) {
        SCOPED_TRACE(c.name);
        GroupDictionary d(DictionaryWith(c.groups));
        UDEntryGroupIterator at = d.groups.GetIterator_start();
        while ((*at).GetBaseForm() != c.erased) ++at;
        UDEntryGroupIterator const result = d.groups.Erase(at);
        if (c.result == nullptr) {
            EXPECT_TRUE(result.IsAtEnd());
        } else {
            EXPECT_EQ((*result).GetBaseForm(), c.result);
        }
        EXPECT_EQ(BaseForms(d.groups), c.left);
        EXPECT_EQ(HeaderGroupCount(d.FileBytes()), c.left.size());
        ExpectVerified(d.FileBytes());
        GroupDictionary reopened(d.FileBytes());
        EXPECT_EQ(BaseForms(reopened.groups), c.left);
    }
}

TEST(UDEntryGroupsErase, EveryBlockOfTheGroupIsFreedAndReused) {
    Info verb = Verb({"go", "went", "gone", "goes", "going"});
    verb.translation = SJIS("取る") + std::string(200, ' ') + SJIS("取る");  // entries of several blocks
    GroupDictionary d(DictionaryWith({Noun("owl")}));
    uint32_t const blocksBefore = d.File().GetBlockCount();
    d.groups.CreateNew(verb, false);
    uint32_t const blocksWithVerb = d.File().GetBlockCount();
    ASSERT_GT(blocksWithVerb, blocksBefore + 5);

    d.groups.Erase(d.groups.LookupPrefix("go"));
    EXPECT_EQ(EnglishOf(EntriesOf(d.FileBytes())), std::vector<std::string>{"owl"});
    MemoryFile copy(d.FileBytes());
    UDInspection const inspection = InspectUDFile(copy.Fd());
    EXPECT_EQ(inspection.freeBlocks, blocksWithVerb - blocksBefore);

    // The same group again fits in the freed blocks.
    d.groups.CreateNew(verb, false);
    EXPECT_EQ(d.File().GetBlockCount(), blocksWithVerb);
    ExpectVerified(d.FileBytes());
}

// A position whose group was erased names nothing: it is refused rather
// than read or erased again.
TEST(UDEntryGroupsErase, APositionOfAnErasedGroupIsRefused) {
    GroupDictionary d(DictionaryWith({Noun("bee"), Noun("owl"), Noun("wren")}));
    UDEntryGroupIterator const owl = d.groups.LookupPrefix("owl");
    UDEntryGroupIterator const kept = owl;
    d.groups.Erase(owl);
    Bytes const after = d.FileBytes();

    EXPECT_THROW(*kept, std::invalid_argument);
    EXPECT_THROW(d.groups.Erase(kept), std::invalid_argument);
    EXPECT_THROW(d.groups.UpdateEntryGroup(kept, Noun("owl")), std::invalid_argument);
    EXPECT_THROW(d.groups.GetIndexOf(kept), std::invalid_argument);
    EXPECT_THROW(GetCurrentEntryGroup(kept), std::invalid_argument);
    UDEntryGroupIterator stepped = kept;
    EXPECT_THROW(++stepped, std::invalid_argument);
    EXPECT_THROW(d.groups.Erase(d.groups.GetIterator_end()), std::out_of_range);
    EXPECT_EQ(d.FileBytes(), after);
    EXPECT_EQ(BaseForms(d.groups), (std::vector<std::string>{"bee", "wren"}));
}

TEST(UDEntryGroupsErase, UpdatingReplacesTheGroupOrRefusesAndKeepsIt) {
    GroupDictionary d(DictionaryWith({Noun("bee"), Noun("owl"), Noun("wren")}));
    Info changed = Noun("owl", "owls");
    changed.translation = SJIS("梟");
    UDEntryGroupIterator const updated = d.groups.UpdateEntryGroup(d.groups.LookupPrefix("owl"), changed);
    EXPECT_EQ(*updated, changed);
    EXPECT_EQ(d.groups.GetIndexOf(updated), 1u);
    EXPECT_EQ(EnglishOf(EntriesOf(d.FileBytes())), (std::vector<std::string>{"bee", "owl", "owls", "wren"}));
    EXPECT_EQ(HeaderGroupCount(d.FileBytes()), 3u);

    // A record the file would not take leaves the old group as it was.
    Bytes const before = d.FileBytes();
    Info refused = changed;
    refused.translation = "";
    EXPECT_EQ(RefusalCode([&] { d.groups.UpdateEntryGroup(updated, refused); }), kUDBadTextLength);
    EXPECT_THROW(d.groups.UpdateEntryGroup(d.groups.GetIterator_end(), changed), std::out_of_range);
    EXPECT_EQ(d.FileBytes(), before);
    EXPECT_EQ(*d.groups.LookupPrefix("owl"), changed);

    GroupDictionary reopened(d.FileBytes());
    EXPECT_EQ(AllGroups(reopened.groups), AllGroups(d.groups));
    ExpectVerified(d.FileBytes());
}

TEST(UDEntryGroupsErase, ClearingLearningDataZeroesEveryEntryOfTheGroupOnly) {
    Info verb = Verb({"go", "went", "gone"});
    Info noun = Noun("owl", "owls");
    for (uint32_t i = 0; i < Info::kNumInflections; ++i) verb.frequencies[i] = noun.frequencies[i] = {i + 1, i + 7};
    GroupDictionary d(DictionaryWith({verb, noun}));

    d.groups.ClearLearningData(d.groups.LookupPrefix("went"));
    for (auto const& pair : (*d.groups.LookupPrefix("go")).frequencies) {
        EXPECT_EQ(pair.batch, 0u);
        EXPECT_EQ(pair.interactive, 0u);
    }
    Info const owl = *d.groups.LookupPrefix("owl");
    EXPECT_EQ(owl.frequencies[1].batch, 2u);
    EXPECT_EQ(owl.frequencies[1].interactive, 8u);
}

// The group read last is kept for the next read of it: every change made
// since, through the interface or the file layer, must be read back.
TEST(UDEntryGroupsErase, AGroupReadAgainAfterAChangeReadsTheChange) {
    Info expected = Verb({"go", "went", "gone"});
    GroupDictionary d(DictionaryWith({expected}));
    auto const readGo = [&] { return *d.groups.LookupPrefix("go"); };
    struct Change {
        char const* what;
        std::function<void()> make;
    };
    Change const changes[] = {
        {"a frequency written by the file layer",
         [&] {
             d.File().UDSetBatchFreq(GetCurrentEntryGroup(d.groups.LookupPrefix("go")), 9);
             expected.frequencies[0].batch = 9;
         }},
        {"learning data cleared",
         [&] {
             d.groups.ClearLearningData(d.groups.LookupPrefix("go"));
             expected.frequencies[0].batch = 0;
         }},
        {"the group replaced",
         [&] {
             expected.translation = SJIS("取る");
             expected.forms[Info::kPastParticipleForm] = "goneby";
             d.groups.UpdateEntryGroup(d.groups.LookupPrefix("go"), expected);
         }},
    };
    for (Change const& change : changes) {
        SCOPED_TRACE(change.what);
        readGo();
        change.make();
        EXPECT_EQ(readGo(), expected);
    }
}

}  // namespace
