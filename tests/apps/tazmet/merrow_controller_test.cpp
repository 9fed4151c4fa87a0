// The converter's requests served in process: the count of a new
// dictionary, conversions (a second one included), and the orderly answers
// when the preferences or the dictionary cannot be had.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>

#include "apps/tazmet/tazmet_test_support.h"
#include "cp932.h"
#include "engine/userdict/uw_convert.h"
#include "engine/userdict/uw_log_messages.h"

namespace {

std::string const kCat = CP932("cat\t猫\tNOUN");
std::string const kNoTranslation = CP932("dog\t\tNOUN");
std::string const kLowerCaseKey = CP932("bird\t鳥\tnoun");

TEST_F(TazmetTest, NewDictionaryCountsZeroAndConvertsAsInProcess) {
    ASSERT_TRUE(Initialize());
    EXPECT_EQ(access(fDictPath.c_str(), F_OK), 0);  // created
    EXPECT_EQ(EntryNumber(), 0);

    std::string const text = kCat + "\r\n" + kNoTranslation + "\n;; old log\n" + kLowerCaseKey + "\n";
    WriteText(text);
    std::string const log = Convert().value_or("(none)");

    // The same file into the same fresh dictionary, in process.
    std::string const referencePath = fHome.Path() + "/reference.dic";
    ASSERT_EQ(gCorvanEngine.AddUserDict(referencePath, false), kUserDictOpenedReadWrite);
    std::string const expected = uwConvert(fTextPath.c_str());
    EXPECT_EQ(log, expected);
    EXPECT_NE(log.find(kNoTranslation + "\r;;"), std::string::npos);
    EXPECT_EQ(EntryNumber(), 1);
}

TEST_F(TazmetTest, SecondConversionReopensTheDictionary) {
    ASSERT_TRUE(Initialize());
    WriteText(kCat + "\n");
    EXPECT_EQ(Convert(), "");
    WriteText(CP932("dog\t犬\tNOUN\n") + kCat + "\n");
    EXPECT_EQ(Convert(), kCat + "\r" + CP932(";;既に登録されています") + "\r");
    EXPECT_EQ(EntryNumber(), 2);
}

TEST_F(TazmetTest, SecondConversionWithoutItsDictionarySaysSo) {
    ASSERT_TRUE(Initialize());
    WriteText(kCat + "\n");
    EXPECT_EQ(Convert(), "");
    std::filesystem::remove_all(fDocuments);  // nowhere to open it again
    EXPECT_EQ(Convert(), kLogNoUserDictionary);
    EXPECT_FALSE(std::filesystem::exists(fDictPath));
}

// A dictionary whose blocks are damaged is refused with a line saying so,
// and the conversion writes nothing into it.
TEST_F(TazmetTest, DamagedDictionaryIsRefusedAndLeftAsItIs) {
    ASSERT_TRUE(Initialize());
    WriteText(kCat + "\n");
    EXPECT_EQ(Convert(), "");
    gCorvanEngine.RemoveAllDict();
    std::string bytes = ReadWholeFile(fDictPath);
    bytes[512 + 64 + 3] = 9;  // block 1, the cat's head, of no kind
    WriteWholeFile(fDictPath, bytes);

    testing::internal::CaptureStdout();
    MerrowController controller(fTextPath);
    EXPECT_FALSE(controller.uwInitialize());
    EXPECT_EQ(testing::internal::GetCapturedStdout(),
              "Engine Error\nThe user dictionary is damaged (code 202); nothing was written to it.\n");
    platform::AppleEvent log;
    controller.handleAppleEventsCV(platform::AppleEvent{}, &log);
    ASSERT_NE(log.FindParam(platform::keyDirectObject), nullptr);
    EXPECT_EQ(log.FindParam(platform::keyDirectObject)->data, kLogDamagedDictionary);
    EXPECT_TRUE(ReadWholeFile(fDictPath) == bytes) << "the dictionary was written";
}

// The reply tells a run that read its whole file (refused lines or not)
// from one that did not: the front end's exit status rests on it.
TEST_F(TazmetTest, EachConversionSaysWhetherItCompleted) {
    ASSERT_TRUE(Initialize());
    struct Case {
        char const* what;
        std::function<void()> make;  // the text file
        std::string log;
        bool completed;
    };
    Case const kCases[] = {
        {"every line read, one refused", [&] { WriteText(kCat + "\n" + kNoTranslation + "\n"); },
         kNoTranslation + "\r" + CP932(";;日本語訳がありません") + "\r", true},
        {"missing", [&] { std::remove(fTextPath.c_str()); }, kLogTextMissing, false},
        {"a folder",
         [&] {
             std::remove(fTextPath.c_str());
             std::filesystem::create_directory(fTextPath);
         },
         kLogTextIsFolder, false},
        {"no dictionary to convert into",
         [&] {
             std::filesystem::remove(fTextPath);
             WriteText(kCat + "\n");
             gCorvanEngine.RemoveAllDict();
             std::filesystem::remove_all(fDocuments);
         },
         kLogNoUserDictionary, false},
    };
    for (Case const& c : kCases) {
        SCOPED_TRACE(c.what);
        c.make();
        platform::AppleEvent reply;
        fController.handleAppleEventsCV(platform::AppleEvent{}, &reply);
        ASSERT_NE(reply.FindParam(platform::keyDirectObject), nullptr);
        EXPECT_EQ(reply.FindParam(platform::keyDirectObject)->data, c.log);
        platform::AEDesc const* error = reply.FindParam(platform::keyErrorNumber);
        int32_t number = 0;
        EXPECT_EQ(error == nullptr, c.completed);
        if (error != nullptr) {
            EXPECT_TRUE(platform::AEGetLong(*error, &number));
            EXPECT_EQ(number, platform::errConversionIncomplete);
        }
    }
}

TEST(TazmetMessages, NoUserDictionaryIsOneCommentLine) {
    std::string const log = kLogNoUserDictionary;
    EXPECT_EQ(log, CP932(";;ユーザー辞書を開けなかったため、変換していません\r"));
}

struct PreferenceFailure {
    char const* name;
    std::string bytes;  // the preferences file; empty: none
    char const* expectedLine;
};

std::string Plist(std::string const& members) {
    return "<?xml version=\"1.0\"?><plist version=\"1.0\"><dict>" + members + "</dict></plist>";
}

TEST_F(TazmetTest, EachPreferenceFailurePrintsItsLineAndAnswersInOrder) {
    std::string const system = PlistString("SystemDictionaryEJName", "system.dic");
    std::string const user = PlistString("UserDictionaryEJName", "user.dic");
    std::string const documents = PlistString("DocumentsFolder", "~/Documents");
    PreferenceFailure const cases[] = {
        {"no file", "", "Error TovikPath.plist\n"},
        {"malformed", "<plist><dict><key>DocumentsFolder", "Error TovikPath.plist\n"},
        {"no DictionaryPath", Plist(documents), "Error TovikPath.plist format\n"},
        {"DictionaryPath not a dictionary", Plist(PlistString("DictionaryPath", "x") + documents),
         "Error TovikPath.plist format\n"},
        {"no DocumentsFolder", Plist(PlistDictionary("DictionaryPath", system + user)),
         "Error TovikPath.plist format\n"},
        {"no SystemDictionaryEJName", Plist(PlistDictionary("DictionaryPath", user) + documents),
         "Error TovikPath.plist SystemDictionary\n"},
        {"no UserDictionaryEJName", Plist(PlistDictionary("DictionaryPath", system) + documents),
         "Error TovikPath.plist UserDictionary\n"},
        {"folder missing",
         Plist(PlistDictionary("DictionaryPath", system + user) + PlistString("DocumentsFolder", "~/Nowhere")),
         "Engine Error\n"},
        {"tilde without slash",
         Plist(PlistDictionary("DictionaryPath", system + user) + PlistString("DocumentsFolder", "~Documents")),
         "Engine Error\n"},
    };
    WriteText(kCat + "\n");
    for (auto const& c : cases) {
        SCOPED_TRACE(c.name);
        gCorvanEngine.RemoveAllDict();
        std::remove(platform::PreferencesFilePath(kTovikPathApplicationID).c_str());
        if (!c.bytes.empty()) fHome.WritePreferencesFile(kTovikPathApplicationID, c.bytes);

        testing::internal::CaptureStdout();
        MerrowController controller(fTextPath);
        EXPECT_FALSE(controller.uwInitialize());
        EXPECT_EQ(testing::internal::GetCapturedStdout(), c.expectedLine);

        platform::AppleEvent count;
        controller.handleAppleEventsNM(platform::AppleEvent{}, &count);
        int32_t entries = -1;
        ASSERT_NE(count.FindParam(platform::keyDirectObject), nullptr);
        EXPECT_TRUE(platform::AEGetLong(*count.FindParam(platform::keyDirectObject), &entries));
        EXPECT_EQ(entries, 0);
        platform::AppleEvent log;
        controller.handleAppleEventsCV(platform::AppleEvent{}, &log);
        ASSERT_NE(log.FindParam(platform::keyDirectObject), nullptr);
        EXPECT_EQ(log.FindParam(platform::keyDirectObject)->data, kLogNoUserDictionary);
    }
    EXPECT_FALSE(std::filesystem::exists(fDictPath));
}

}  // namespace
