// The first-word index kept by ud_t: filing IDs in entry order through the
// key cache, taking them out again, and the flag for lookups in progress.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "engine/userdict/ud_inspect.h"
#include "userdict/ud_t_helpers.h"

namespace {

TEST(UDTIndex, EntriesAreFiledUnderTheirFirstWord) {
    OpenedDictionary d({});
    SimpleFileLocker_READ read(&d.dictionary);
    SimpleFileLocker_WRITE write(&d.dictionary);
    uint32_t const army = AddEntry(d.dictionary, MakeEntry("U.S. Army"));
    uint32_t const dont = AddEntry(d.dictionary, MakeEntry("don't"));
    uint32_t const wide = AddEntry(d.dictionary, MakeEntry(std::string(79, 'w') + " x"));
    EXPECT_EQ(IDsFiledUnder(d.dictionary, "U.S"), std::vector<uint32_t>{army});
    EXPECT_EQ(IDsFiledUnder(d.dictionary, "don"), std::vector<uint32_t>{dont});  // case is ignored
    EXPECT_EQ(IDsFiledUnder(d.dictionary, std::string(79, 'W').c_str()), std::vector<uint32_t>{wide});

    ud_entry_t tooLong;
    tooLong.strings = MakeEntry(std::string(80, 'w'));
    tooLong.id = wide;
    EXPECT_EQ(d.dictionary.AddIDtoFirstword(tooLong), kUDTooLong);
}

// Entries added in random order, equal ones included, end up in the order
// that inserting each before the first listed entry not less than it gives
// (what the test fixture does, one comparison at a time).
TEST(UDTIndex, BisectionFilesInTheOrderOfOneByOneInsertion) {
    std::vector<UDEntryStrings> entries;
    for (char const* english : {"set", "Set", "SET", "set up", "set-up", "sets", "set off"}) {
        for (char const* pos : {UDPOS_N_SING, UDPOS_VT_INF}) {
            for (char const* translation : {"\x90\xdd", "\x83\x5a\x83\x62\x83\x67", "\x90\xdd"}) {
                entries.push_back(MakeEntry(english, pos, translation));
            }
        }
    }
    std::shuffle(entries.begin(), entries.end(), std::mt19937(7));

    UDFixture fixture;
    OpenedDictionary d({});
    {
        SimpleFileLocker_READ read(&d.dictionary);
        SimpleFileLocker_WRITE write(&d.dictionary);
        for (UDEntryStrings const& entry : entries) {
            fixture.AddGroup({entry});
            AddEntry(d.dictionary, entry);
        }
    }
    UDFirstwordIndex expected = fixture.Index();
    for (char const* word : {"SET", "SETS"}) {
        SCOPED_TRACE(word);
        fword_t const* record = expected.FindFword(word);
        ASSERT_NE(record, nullptr);
        EXPECT_EQ(IDsFiledUnder(d.dictionary, word), record->ids);
    }
    EXPECT_TRUE(InspectUDFile(d.file.Fd()).Verified());
}

// Entries "apple b" (1) and "apple d" (2), translations of 40 't's (17 in the
// head, 23 in a continuation); each case changes what entry 1 holds, then
// asks where a probe entry goes.  The position must come from what the blocks
// hold now, not from what was cached before.
struct ChangedEntryCase {
    char const* what;
    void (*change)(ud_t& dictionary);
    char const* newEnglish;
    std::size_t position;
};

void RewriteHeadText(ud_t& dictionary) {
    dblock_t head;
    ThrowIfError(dictionary.ReadDataBlock(1, &head));
    UDEntryText const text = LayOutUDEntryText(MakeEntry("apple c", UDPOS_N_SING, std::string(40, 't')));
    std::copy(text.head.begin(), text.head.end(), head.text);
    dictionary.WriteDataBlock(head);
}

void RewriteContinuation(ud_t& dictionary) {
    dblock_t head;
    ThrowIfError(dictionary.ReadDataBlock(1, &head));
    dblock_t continuation;
    ThrowIfError(dictionary.ReadDataBlock(head.link, &continuation));
    UDEntryText const text = LayOutUDEntryText(MakeEntry("apple b", UDPOS_N_SING, std::string(40, 'v')));
    std::copy(text.continuations[0].begin(), text.continuations[0].end(), continuation.text);
    dictionary.WriteDataBlock(continuation);
}

void ReplaceByAnotherEntry(ud_t& dictionary) {
    ud_entry_t old;
    ThrowIfError(dictionary.ReadEntry(1, &old));
    dictionary.RemoveIDFromFirstword(old);
    dictionary.MarkDeleted(1);
    dictionary.MarkDeleted(old.id + 1);  // its continuation
    EXPECT_EQ(AddEntry(dictionary, MakeEntry("apple z", UDPOS_N_SING, std::string(40, 't'))), 1u);
}

TEST(UDTIndex, TheKeyCacheFollowsEntriesThatAreRewrittenOrFreed) {
    ChangedEntryCase const cases[] = {
        {"head text rewritten: apple b -> apple c", RewriteHeadText, "apple bb", 0},
        {"continuation rewritten: translation t...t -> t...v...", RewriteContinuation, "apple b", 0},
        {"freed and taken by apple z", ReplaceByAnotherEntry, "apple e", 1},
    };
    for (ChangedEntryCase const& c : cases) {
        SCOPED_TRACE(c.what);
        OpenedDictionary d({});
        SimpleFileLocker_READ read(&d.dictionary);
        SimpleFileLocker_WRITE write(&d.dictionary);
        ASSERT_EQ(AddEntry(d.dictionary, MakeEntry("apple b", UDPOS_N_SING, std::string(40, 't'))), 1u);
        AddEntry(d.dictionary, MakeEntry("apple d", UDPOS_N_SING, std::string(40, 't')));
        std::string const probeTranslation = std::string(17, 't') + std::string(23, 'u');
        std::size_t position = 99;
        ud_entry_t probe;
        probe.strings = MakeEntry("apple b", UDPOS_N_SING, probeTranslation);
        ASSERT_EQ(d.dictionary.FindIDInsertPoint(*d.dictionary.FindFword("APPLE"), probe, &position), kUDNoError);
        ASSERT_EQ(position, 1u);  // behind "apple b": its translation is less

        c.change(d.dictionary);
        probe.strings = MakeEntry(c.newEnglish, UDPOS_N_SING, probeTranslation);
        ASSERT_EQ(d.dictionary.FindIDInsertPoint(*d.dictionary.FindFword("APPLE"), probe, &position), kUDNoError);
        EXPECT_EQ(position, c.position);
    }
}

TEST(UDTIndex, RemovingTheLastIDRemovesTheRecord) {
    OpenedDictionary d({});
    SimpleFileLocker_READ read(&d.dictionary);
    SimpleFileLocker_WRITE write(&d.dictionary);
    ud_entry_t first;
    ud_entry_t second;
    first.strings = MakeEntry("kite");
    second.strings = MakeEntry("kite string");
    first.id = AddEntry(d.dictionary, first.strings);
    second.id = AddEntry(d.dictionary, second.strings);

    EXPECT_TRUE(d.dictionary.RemoveIDFromFirstword(first));
    EXPECT_FALSE(d.dictionary.RemoveIDFromFirstword(first));
    EXPECT_EQ(IDsFiledUnder(d.dictionary, "KITE"), std::vector<uint32_t>{second.id});
    EXPECT_TRUE(d.dictionary.RemoveIDFromFirstword(second));
    EXPECT_EQ(d.dictionary.FindFword("KITE"), nullptr);
}

TEST(UDTIndex, AChangeDuringALookupRaisesTheFlagUntilTheLastLookupEnds) {
    OpenedDictionary d({});
    SimpleFileLocker_READ read(&d.dictionary);
    SimpleFileLocker_WRITE write(&d.dictionary);
    AddEntry(d.dictionary, MakeEntry("owl"));
    EXPECT_FALSE(d.dictionary.IndexChangedDuringLookup());
    d.dictionary.BeginLookup();
    d.dictionary.BeginLookup();
    AddEntry(d.dictionary, MakeEntry("owlet"));
    EXPECT_TRUE(d.dictionary.IndexChangedDuringLookup());
    d.dictionary.EndLookup();
    EXPECT_TRUE(d.dictionary.IndexChangedDuringLookup());
    d.dictionary.EndLookup();
    EXPECT_FALSE(d.dictionary.IndexChangedDuringLookup());
    EXPECT_EQ(d.dictionary.GetLookupsInProgress(), 0u);
}

}  // namespace
