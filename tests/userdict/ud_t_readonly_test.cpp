// A dictionary opened through a read-only descriptor: repaired in memory,
// never written.
#include <gtest/gtest.h>

#include <vector>

#include "engine/foundation/file_errors.h"
#include "userdict/ud_t_helpers.h"

namespace {

using Bytes = std::vector<unsigned char>;

// "apple pie" (1, 2) "apple pies" (3, 4) "owl" (5), left stale by a writer
// that stopped, its last group link lost.
Bytes StaleFile() {
    UDFixture fixture;
    std::string const longTranslation(60, 't');
    fixture.AddGroup({MakeEntry("apple pie", UDPOS_N_SING, longTranslation),
                      MakeEntry("apple pies", UDPOS_N_PLURAL, longTranslation)});
    fixture.AddGroup({MakeEntry("owl")});
    Bytes bytes = fixture.Bytes();
    PutUlong(&bytes, kUDHeaderMapOffset, 0);
    PutUlong(&bytes, kUDHeaderIndexOffset, 0);
    PutUlong(&bytes, kUDHeaderChangeCount, 7);
    PutUlong(&bytes, fixture.BlockOffset(1) + 20, 0);  // "apple pie" does not link to "apple pies"
    return bytes;
}

TEST(UDTReadOnly, AStaleFileIsRepairedInMemoryAndItsBytesStayUnchanged) {
    Bytes const stale = StaleFile();
    OpenedDictionary d(stale, false);
    EXPECT_FALSE(d.dictionary.IsWritable());
    {
        SimpleFileLocker_READ read(&d.dictionary);
        EXPECT_EQ(IDsFiledUnder(d.dictionary, "APPLE"), (std::vector<uint32_t>{1, 3}));
        EXPECT_EQ(IDsFiledUnder(d.dictionary, "OWL"), std::vector<uint32_t>{5});
        EXPECT_EQ(d.dictionary.GetGroupCount(), 2u);
        EXPECT_EQ(d.dictionary.FindLeader(3), 1u);
        { SimpleFileLocker_WRITE write(&d.dictionary); }
    }
    { SimpleFileLocker_READ again(&d.dictionary); }
    EXPECT_EQ(d.dictionary.GetChangeCount(), 7u);
    EXPECT_EQ(d.file.Bytes(), stale);
}

TEST(UDTReadOnly, WritesFailAsFileErrorsAndChangeNothing) {
    Bytes const stale = StaleFile();
    OpenedDictionary d(stale, false);
    SimpleFileLocker_READ read(&d.dictionary);
    d.dictionary.AcquireWriteLock(0.0f);
    EXPECT_THROW(AddEntry(d.dictionary, MakeEntry("wren")), FileException);
    EXPECT_THROW(d.dictionary.UDSetBatchFreq(5, 3), FileException);
    d.dictionary.ReleaseWriteLock();
    EXPECT_EQ(d.file.Bytes(), stale);
    EXPECT_EQ(IDsFiledUnder(d.dictionary, "OWL"), std::vector<uint32_t>{5});
}

TEST(UDTReadOnly, AnEmptyFileCannotBeCreatedThroughIt) {
    MemoryFile file({});
    DictionaryStream stream(file, false);
    EXPECT_THROW(ud_t dictionary(stream.Get()), FileException);
    EXPECT_TRUE(file.Bytes().empty());
}

}  // namespace
