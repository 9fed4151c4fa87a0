// Entries through ud_t: what is written reads back, group links lead to the
// leader, frequencies and the group count are kept in place.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/foundation/file_errors.h"
#include "userdict/ud_t_helpers.h"

namespace {

// A verb of three forms ("give", "gave", "given") and a noun of two blocks.
struct Verb {
    OpenedDictionary d{{}};
    std::vector<uint32_t> forms;
    uint32_t noun = 0;

    Verb() {
        SimpleFileLocker_READ read(&d.dictionary);
        SimpleFileLocker_WRITE write(&d.dictionary);
        std::string const translation = "\x97\x5e\x82\xa6\x82\xe9";
        forms.push_back(AddEntry(d.dictionary, MakeEntry("give", UDPOS_VT_INF, translation, "", "NY", "ni")));
        forms.push_back(
            AddEntry(d.dictionary, MakeEntry("gave", UDPOS_VT_PAST, translation, "", "NY", "ni"), forms.back()));
        forms.push_back(
            AddEntry(d.dictionary, MakeEntry("given", UDPOS_VT_PASTP, translation, "", "NY", "ni"), forms.back()));
        noun = AddEntry(d.dictionary, MakeEntry("gift", UDPOS_N_SING, std::string(40, 't')));
    }
};

TEST(UDTEntries, WhatIsWrittenReadsBackWithItsLinks) {
    Verb v;
    SimpleFileLocker_READ read(&v.d.dictionary);
    ud_entry_t gave;
    ASSERT_EQ(v.d.dictionary.ReadEntry(v.forms[1], &gave), kUDNoError);
    EXPECT_EQ(gave.id, v.forms[1]);
    EXPECT_EQ(gave.strings.english, "gave");
    EXPECT_EQ(gave.strings.pos, UDPOS_VT_PAST);
    EXPECT_EQ(gave.strings.flags, "NY");
    EXPECT_EQ(gave.strings.particle, "ni");
    EXPECT_EQ(gave.prevID, v.forms[0]);
    EXPECT_EQ(gave.nextID, v.forms[2]);
    for (uint32_t form : v.forms) EXPECT_EQ(v.d.dictionary.FindLeader(form), v.forms[0]);
    EXPECT_EQ(v.d.dictionary.UDGetNextID(v.forms[2]), 0u);
    EXPECT_EQ(v.d.dictionary.GetGroupCount(), 2u);
    EXPECT_EQ(GetUlong(v.d.file.Bytes(), kUDHeaderGroupCount), 2u);

    std::vector<std::string> seen;
    auto collect = [](ud_entry_t const& entry, void* data) {
        static_cast<std::vector<std::string>*>(data)->push_back(entry.strings.english);
    };
    EXPECT_EQ(v.d.dictionary.UDReadID(v.noun, collect, &seen), kUDNoError);
    EXPECT_EQ(seen, std::vector<std::string>{"gift"});
}

TEST(UDTEntries, ReadingABlockThatIsNoHeadIsCorruptOrCode202) {
    Verb v;
    SimpleFileLocker_READ read(&v.d.dictionary);
    ud_entry_t entry;
    EXPECT_EQ(v.d.dictionary.ReadEntry(0, &entry), kUDFileCorrupt);
    EXPECT_EQ(v.d.dictionary.ReadEntry(v.d.dictionary.GetBlockCount(), &entry), kUDFileCorrupt);
    {
        SimpleFileLocker_WRITE write(&v.d.dictionary);
        v.d.dictionary.MarkDeleted(v.noun);
    }
    EXPECT_THROW(v.d.dictionary.ReadEntry(v.noun, &entry), UserDictionaryFileCorrupt);
    EXPECT_THROW(v.d.dictionary.UDGetPrevID(v.noun), UserDictionaryFileCorrupt);
}

// A frequency is one word of the head, written at once under a read lock;
// the change count stays.  Only a head takes one.
TEST(UDTEntries, FrequenciesAreWrittenInPlaceAndOnlyIntoHeads) {
    Verb v;
    SimpleFileLocker_READ read(&v.d.dictionary);
    uint32_t const changeCount = v.d.dictionary.GetChangeCount();
    v.d.dictionary.UDSetInteractiveFreq(v.forms[1], 5);
    v.d.dictionary.UDSetBatchFreq(v.forms[1], 9);
    EXPECT_EQ(v.d.dictionary.UDGetInteractiveFreq(v.forms[1]), 5u);
    EXPECT_EQ(v.d.dictionary.UDGetBatchFreq(v.forms[1]), 9u);
    ud_entry_t gave;
    ASSERT_EQ(v.d.dictionary.ReadEntry(v.forms[1], &gave), kUDNoError);
    EXPECT_EQ(gave.interactiveFreq, 5u);
    EXPECT_EQ(gave.batchFreq, 9u);
    EXPECT_EQ(GetUlong(v.d.file.Bytes(), kUDHeaderChangeCount), changeCount);

    std::vector<unsigned char> const before = v.d.file.Bytes();
    EXPECT_THROW(v.d.dictionary.UDSetBatchFreq(v.noun + 1, 1), UserDictionaryFileCorrupt);  // its continuation
    EXPECT_THROW(v.d.dictionary.UDSetBatchFreq(v.d.dictionary.GetBlockCount(), 1), unsigned short);
    EXPECT_EQ(v.d.file.Bytes(), before);
}

TEST(UDTEntries, TheGroupCountMovesByTheDeltaAndNotBelowZero) {
    Verb v;
    EXPECT_EQ(v.d.dictionary.UDIncGroupID(3), 5u);
    EXPECT_EQ(v.d.dictionary.UDIncGroupID(-1), 4u);
    EXPECT_EQ(v.d.dictionary.UDIncGroupID(-10), 0u);
    EXPECT_EQ(GetUlong(v.d.file.Bytes(), kUDHeaderGroupCount), 0u);
}

}  // namespace
