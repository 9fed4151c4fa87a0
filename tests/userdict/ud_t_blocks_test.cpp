// Entries in blocks: how many blocks an entry takes, which blocks it gets,
// and what a writer may not do.
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "engine/userdict/ud_inspect.h"
#include "userdict/ud_t_helpers.h"

namespace {

using Bytes = std::vector<unsigned char>;

// A noun whose seven strings take `textBytes` bytes, NULs included: the
// English (words of eight letters) takes what the other strings ("N_SING", a
// two-byte translation, an empty answer, "N", an empty particle, the empty
// seventh) leave.
UDEntryStrings NounOfTextSize(std::size_t textBytes, char letter = 'a') {
    std::size_t const others = 7 + 3 + 1 + 2 + 1 + 1;
    std::string english(textBytes - others - 1, letter);
    for (std::size_t i = 8; i + 1 < english.size(); i += 9) english[i] = ' ';
    return MakeEntry(english);
}

struct BlockCase {
    UDEntryStrings strings;
    std::size_t blocks;
    char const* why;
};

TEST(UDTBlocks, AnEntryTakesAsManyBlocksAsItsTextFillsAndReadsBack) {
    BlockCase const cases[] = {
        {NounOfTextSize(32), 1, "exactly fills the head"},
        {NounOfTextSize(33), 2, "the seventh NUL is the first byte of a continuation"},
        {MakeEntry(std::string(32, 'e')), 2, "the English's NUL is the first byte of a continuation"},
        {NounOfTextSize(32 + 56), 2, "exactly fills one continuation"},
        {NounOfTextSize(32 + 56 + 1), 3, "one byte into a second continuation"},
    };
    for (BlockCase const& c : cases) {
        SCOPED_TRACE(c.why);
        OpenedDictionary d({});
        SimpleFileLocker_READ read(&d.dictionary);
        uint32_t id = 0;
        {
            SimpleFileLocker_WRITE write(&d.dictionary);
            id = AddEntry(d.dictionary, c.strings);
        }
        EXPECT_EQ(d.dictionary.GetBlockCount(), 1 + c.blocks);
        ud_entry_t back;
        ASSERT_EQ(d.dictionary.ReadEntry(id, &back), kUDNoError);
        EXPECT_EQ(back.strings.english, c.strings.english);
        EXPECT_EQ(back.strings.pos, c.strings.pos);
        EXPECT_EQ(back.strings.translation, c.strings.translation);
        EXPECT_EQ(back.strings.flags, c.strings.flags);
        EXPECT_TRUE(InspectUDFile(d.file.Fd()).Verified());
    }
}

// Four one-block entries in blocks 1 to 4.
struct FourEntries {
    OpenedDictionary d{{}};
    std::vector<uint32_t> ids;

    FourEntries() {
        SimpleFileLocker_READ read(&d.dictionary);
        SimpleFileLocker_WRITE write(&d.dictionary);
        for (char const* word : {"ant", "bee", "cat", "dog"}) ids.push_back(AddEntry(d.dictionary, MakeEntry(word)));
    }

    void Remove(uint32_t id) {
        ud_entry_t entry;
        ThrowIfError(d.dictionary.ReadEntry(id, &entry));
        d.dictionary.MarkMapAndIndexStale();
        d.dictionary.RemoveIDFromFirstword(entry);
        d.dictionary.MarkDeleted(id);
        d.dictionary.UDIncGroupID(-1);
    }
};

TEST(UDTBlocks, TheLowestFreeBlockIsTakenFirstAndFreedBlocksAreReused) {
    FourEntries f;
    ASSERT_EQ(f.ids, (std::vector<uint32_t>{1, 2, 3, 4}));
    SimpleFileLocker_READ read(&f.d.dictionary);
    {
        SimpleFileLocker_WRITE write(&f.d.dictionary);
        f.Remove(3);
        f.Remove(2);
        EXPECT_EQ(AddEntry(f.d.dictionary, MakeEntry("eel")), 2u);
        // A two-block entry: head in 3, continuation appended as block 5.
        EXPECT_EQ(AddEntry(f.d.dictionary, NounOfTextSize(40, 'f')), 3u);
    }
    EXPECT_EQ(f.d.dictionary.GetBlockCount(), 6u);
    EXPECT_EQ(f.d.dictionary.ReadDataBlockType(5), kUDContinuationBlock);
    EXPECT_EQ(EnglishByID(f.d.dictionary).size(), 4u);
    EXPECT_TRUE(InspectUDFile(f.d.file.Fd()).Verified());
}

TEST(UDTBlocks, GrowingTheBlockCountRewritesBlockZeroBeforeTheEntryIsDone) {
    FourEntries f;
    SimpleFileLocker_READ read(&f.d.dictionary);
    SimpleFileLocker_WRITE write(&f.d.dictionary);
    AddEntry(f.d.dictionary, NounOfTextSize(100));  // three blocks, none free
    EXPECT_EQ(f.d.dictionary.GetBlockCount(), 8u);
    EXPECT_EQ(GetUlong(f.d.file.Bytes(), kUDNewBlockAreaOffset), 8u);  // before the write-back
}

TEST(UDTBlocks, WritersNeedTheWriteLock) {
    FourEntries f;
    SimpleFileLocker_READ read(&f.d.dictionary);
    ud_entry_t entry;
    entry.strings = MakeEntry("fox");
    Bytes const before = f.d.file.Bytes();
    EXPECT_THROW(f.d.dictionary.WriteEntry(&entry), std::logic_error);
    EXPECT_THROW(f.d.dictionary.MarkDeleted(1), std::logic_error);
    EXPECT_THROW(f.d.dictionary.GetDblockSlot(), std::logic_error);
    EXPECT_THROW(f.d.dictionary.AddIDtoFirstword(entry), std::logic_error);
    EXPECT_EQ(f.d.file.Bytes(), before);
}

// Each of these would damage the file; each is refused before anything is
// written.
TEST(UDTBlocks, RefusesWritesThatWouldDamageTheFile) {
    FourEntries f;
    SimpleFileLocker_READ read(&f.d.dictionary);
    SimpleFileLocker_WRITE write(&f.d.dictionary);
    Bytes const before = f.d.file.Bytes();
    auto codeOf = [](auto operation) -> unsigned short {
        try {
            operation();
        } catch (unsigned short code) {
            return code;
        }
        return 0;
    };
    dblock_t pastTheEnd;
    ThrowIfError(f.d.dictionary.ReadDataBlock(1, &pastTheEnd));
    pastTheEnd.link = 99;
    ud_entry_t tooLongAnswer;
    tooLongAnswer.strings = MakeEntry("fox", UDPOS_N_SING, "\x8c\xa2", std::string(1040, 'a'));
    ud_entry_t noEnglish;
    noEnglish.strings = MakeEntry("");
    ud_entry_t linkedPastTheEnd;
    linkedPastTheEnd.strings = MakeEntry("fox");
    linkedPastTheEnd.prevID = 99;

    EXPECT_EQ(codeOf([&] { f.d.dictionary.MarkDeleted(0); }), kUDFileCorrupt);
    EXPECT_EQ(codeOf([&] { f.d.dictionary.MarkDeleted(5); }), kUDFileCorrupt);
    EXPECT_EQ(codeOf([&] { f.d.dictionary.WriteDataBlock(pastTheEnd); }), kUDFileCorrupt);
    EXPECT_EQ(codeOf([&] { f.d.dictionary.WriteEntry(&tooLongAnswer); }), kUDTooLong);
    EXPECT_EQ(codeOf([&] { f.d.dictionary.WriteEntry(&noEnglish); }), kUDBadTextLength);
    EXPECT_EQ(codeOf([&] { f.d.dictionary.WriteEntry(&linkedPastTheEnd); }), kUDFileCorrupt);
    EXPECT_EQ(f.d.file.Bytes(), before);
    EXPECT_EQ(f.d.dictionary.GetBlockCount(), 5u);
}

}  // namespace
