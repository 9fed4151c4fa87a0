// The reader's requests served in process: the count, every entry's line
// against the golden file, and the orderly answers when the old dictionary
// cannot be had.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <unistd.h>

#include <fstream>
#include <iterator>
#include <string>

#include "apps/vorlip/old_dictionary.h"
#include "apps/vorlip/vorlip_test_support.h"
#include "engine/userdict/corvan_dict_state.h"

namespace {

TEST_F(VorlipTest, ServesEveryEntryAsItsGoldenLine) {
    old_dictionary::MakeTenKinds(fDictPath);
    ASSERT_TRUE(Initialize());
    EXPECT_EQ(EntryNumber(), 10);
    EXPECT_EQ(AllEntries(), ReadWholeFile(TEST_DATA_DIR "/vorlip/ten_kinds.txt"));
}

// The open dictionary carries the user kind and its file's display name.
TEST_F(VorlipTest, TheOldDictionaryIsOpenedAsAUserDictionaryByName) {
    old_dictionary::MakeTenKinds(fDictPath);
    ASSERT_TRUE(Initialize());
    ASSERT_EQ(fOpenDictionaries.size(), 1u);
    EXPECT_EQ(fOpenDictionaries.front().kind, OpenDictionaryRecord::kUser);
    EXPECT_EQ(fOpenDictionaries.front().displayName, "old.dic");
}

TEST_F(VorlipTest, EmptyDictionaryCountsZero) {
    ASSERT_EQ(gCorvanEngine.AddUserDict(fDictPath, false), kUserDictOpenedReadWrite);
    gCorvanEngine.RemoveAllDict();
    ASSERT_TRUE(Initialize());
    EXPECT_EQ(EntryNumber(), 0);
    EXPECT_EQ(ReadEntry(0), std::nullopt);
}

TEST_F(VorlipTest, IndexOutsideTheDictionaryHasNoText) {
    old_dictionary::MakeTenKinds(fDictPath);
    ASSERT_TRUE(Initialize());
    EXPECT_EQ(ReadEntry(10), std::nullopt);
    EXPECT_EQ(ReadEntry(-1), std::nullopt);
    platform::AppleEvent reply;
    fController.handleAppleEventsRE(platform::AppleEvent{}, &reply);  // no index at all
    EXPECT_EQ(reply.FindParam(platform::keyDirectObject), nullptr);
}

// A field holding TAB, CR or LF would shift the fields of its line: the
// entry is not served, and the others still are.
TEST_F(VorlipTest, EntryWhoseFieldWouldBreakItsLineIsNotServed) {
    gCorvanEngine.AddUserDict(fDictPath, false);
    CorvanUserNoun noun = old_dictionary::Simple<CorvanUserNoun>("cat", "猫");
    noun.SetYakugo((CP932("猫") + "\tVERB").c_str());
    ASSERT_EQ(gCorvanEngine.AddUserNoun(0, &noun, 1), kUserWordAdded);
    CorvanUserAdv const adverb = old_dictionary::Simple<CorvanUserAdv>("quickly", "速く");
    ASSERT_EQ(gCorvanEngine.AddUserAdv(0, &adverb, 1), kUserWordAdded);
    gCorvanEngine.RemoveAllDict();

    ASSERT_TRUE(Initialize());
    ASSERT_EQ(EntryNumber(), 2);
    EXPECT_EQ(ReadEntry(0), std::nullopt);
    EXPECT_EQ(ReadEntry(1), "quickly\t" + CP932("速く") + "\tADV\r");
}

// The old dictionary is the user's only copy: opened for reading only, it
// is mended in memory and stays byte for byte as it was.  A group whose
// leader's head was marked free is served once, from the forms that are
// left, and the lost entry is reported.
TEST_F(VorlipTest, ADamagedOldDictionaryIsReadAsItIsAndNeverWritten) {
    gCorvanEngine.AddUserDict(fDictPath, false);
    CorvanUserVerb const hang =
        old_dictionary::Verb(eJitaTransitive, "hang", "掛ける", {"hung", "hung", "hangs", "hanging"}, "を");
    ASSERT_EQ(gCorvanEngine.AddUserVerb(0, &hang, 1), kUserWordAdded);
    CorvanUserNoun const owl = old_dictionary::Simple<CorvanUserNoun>("owl", "ふくろう");
    ASSERT_EQ(gCorvanEngine.AddUserNoun(0, &owl, 1), kUserWordAdded);
    gCorvanEngine.RemoveAllDict();

    std::string bytes = ReadWholeFile(fDictPath);
    std::string const hangText = std::string("hang\0VT_INF", 11);
    std::size_t const hangHead = bytes.find(hangText) - 32;  // the text follows the head's 32 bytes of words
    ASSERT_EQ((hangHead - 512) % 64, 0u);
    bytes[hangHead + 3] = 1;  // marked free
    std::ofstream(fDictPath, std::ios::binary | std::ios::trunc) << bytes;

    testing::internal::CaptureStderr();
    ASSERT_TRUE(Initialize());
    std::string const log = testing::internal::GetCapturedStderr();
    EXPECT_EQ(log, "Entry not read: the old dictionary has no readable entry at block " +
                       std::to_string((hangHead - 512) / 64) + "\n");
    ASSERT_EQ(EntryNumber(), 2);
    // The base form is lost: the group is served from its past form on.
    EXPECT_EQ(AllEntries(), "hung\t" + CP932("掛ける") + "\tVT\thung\thangs\thanging\thung\t" + CP932("を") + "\t\t" +
                                CP932("掛けた") + "\rowl\t" + CP932("ふくろう") + "\tNOUN\t\r");
    gCorvanEngine.RemoveAllDict();
    EXPECT_TRUE(ReadWholeFile(fDictPath) == bytes) << "the old dictionary was written";
}

struct InitializeFailure {
    char const* name;
    char const* preferences;  // the file's bytes; null: no file
    char const* oldFile;      // bytes of ~/Documents/old.dic; null: no file
    char const* expectedLog;
};

std::string const kNamingOldDic =
    "<?xml version=\"1.0\"?><plist version=\"1.0\"><dict><key>EtoJUserDict</key>"
    "<string>~/Documents/old.dic</string></dict></plist>";

TEST_F(VorlipTest, EachInitializeFailureLogsItsLineAndAnswersInOrder) {
    std::string const garbage(4096, '\xAB');
    InitializeFailure const cases[] = {
        {"no preferences", nullptr, "", "Error UserPath.plist\n"},
        {"malformed preferences", "<plist><dict><key>", "", "Error UserPath.plist\n"},
        {"no key",
         "<?xml version=\"1.0\"?><plist version=\"1.0\"><dict><key>Other</key><string>x</string>"
         "</dict></plist>",
         "", "Error UserPath.plist format\n"},
        {"key not a string",
         "<?xml version=\"1.0\"?><plist version=\"1.0\"><dict><key>EtoJUserDict</key>"
         "<integer>3</integer></dict></plist>",
         "", "Error UserPath.plist format\n"},
        {"old file missing", kNamingOldDic.c_str(), nullptr, "Error UserDictionary\n"},
        {"not a dictionary", kNamingOldDic.c_str(), garbage.c_str(), "Engine Error\n"},
    };
    for (auto const& c : cases) {
        SCOPED_TRACE(c.name);
        gCorvanEngine.RemoveAllDict();
        std::remove(fDictPath.c_str());
        std::remove(platform::PreferencesFilePath(kUserPathApplicationID).c_str());
        if (c.preferences) fHome.WritePreferencesFile(kUserPathApplicationID, c.preferences);
        if (c.oldFile) std::ofstream(fDictPath, std::ios::binary) << c.oldFile;

        testing::internal::CaptureStderr();
        EXPECT_FALSE(fController.uwInitialize());
        EXPECT_EQ(testing::internal::GetCapturedStderr(), c.expectedLog);
        EXPECT_EQ(EntryNumber(), 0);
        EXPECT_EQ(ReadEntry(0), std::nullopt);
        // A missing old dictionary is never created.
        EXPECT_EQ(access(fDictPath.c_str(), F_OK) == 0, c.oldFile != nullptr);
    }
}

TEST_F(VorlipTest, DictionaryHeldExclusivelyElsewhereIsAnEngineError) {
    old_dictionary::MakeTenKinds(fDictPath);
    int const other = open(fDictPath.c_str(), O_RDONLY);
    ASSERT_GE(other, 0);
    ASSERT_EQ(flock(other, LOCK_EX | LOCK_NB), 0);

    testing::internal::CaptureStderr();
    EXPECT_FALSE(Initialize());
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "Engine Error\n");
    EXPECT_EQ(EntryNumber(), 0);
    close(other);
}

TEST_F(VorlipTest, TildeFollowedByNameIsNotTheHomeFolder) {
    old_dictionary::MakeTenKinds(fDictPath);
    WritePreferencesNaming("~Documents/old.dic");
    testing::internal::CaptureStderr();
    EXPECT_FALSE(fController.uwInitialize());
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "Error UserDictionary\n");
}

}  // namespace
