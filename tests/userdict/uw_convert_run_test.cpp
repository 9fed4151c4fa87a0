// Whole runs: the golden log, the entry ceiling, and runs that must end in
// order.
#include <sys/stat.h>
#include <unistd.h>

#include <fstream>
#include <iterator>
#include <string>

#include "uw_convert_fixture.h"

namespace {

std::string ReadFile(std::string const& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::string Nouns(int first, int count) {
    std::string text;
    for (int i = first; i < first + count; ++i) text += "noun" + std::to_string(i) + "\t" + SJ("語") + "\tNOUN\n";
    return text;
}

TEST_F(UwConvertTest, GoldenLogHasEveryMessageOnce) {
    std::string const input = ReadFile(TEST_DATA_DIR "/uw_convert/golden_input.txt");
    std::string const golden = ReadFile(TEST_DATA_DIR "/uw_convert/golden_log.txt");
    ASSERT_FALSE(input.empty());
    EXPECT_EQ(Convert(input), golden);
    EXPECT_EQ(Count(), 4u);
}

TEST_F(UwConvertTest, CeilingTakesExactlyOneMoreAfter29999) {
    EXPECT_EQ(Convert(Nouns(0, kUwEntryCeiling - 1)), "");
    EXPECT_EQ(Count(), unsigned(kUwEntryCeiling - 1));
    OpenDictionary();
    // The line after the one that reaches the ceiling ends the run; it and
    // the rest are neither added nor logged, but the log says the run stopped.
    EXPECT_EQ(Convert(SJ("bad\t\tNOUN\n") + Nouns(kUwEntryCeiling, 3)),
              Refused(SJ("bad\t\tNOUN"), kLogENotNihongoyaku) + kLogStopCeiling);
    EXPECT_EQ(Count(), unsigned(kUwEntryCeiling));
    OpenDictionary();
    EXPECT_EQ(Convert(Nouns(kUwEntryCeiling + 10, 1)), kLogStopCeiling);
    // A file that ends right at the ceiling has nothing to report.
    gCorvanEngine.RemoveAllDict();
    std::remove(fDictPath.c_str());
    OpenDictionary();
    EXPECT_EQ(Convert(Nouns(0, kUwEntryCeiling)), "");
    EXPECT_EQ(Count(), unsigned(kUwEntryCeiling));
}

TEST_F(UwConvertTest, EveryRunClosesAllDictionaries) {
    Convert(SJ("cat\t猫\tNOUN\n"));
    EXPECT_THROW(gCorvanEngine.CountUserDictEntry(0), std::out_of_range);
    OpenDictionary();
    uwConvert((fDir + "/missing.txt").c_str());
    EXPECT_THROW(gCorvanEngine.CountUserDictEntry(0), std::out_of_range);
}

TEST_F(UwConvertTest, NoUserDictionaryLogsTheFirstLineAndEnds) {
    gCorvanEngine.RemoveAllDict();
    std::string const first = SJ("cat\t猫\tNOUN");
    EXPECT_EQ(Convert(";c\n" + first + "\n" + SJ("dog\t犬\tNOUN\n")), Refused(first, kLogUnknown));
    EXPECT_EQ(Count(), 0u);
}

TEST_F(UwConvertTest, FailingDictionaryEndsTheRunInOrder) {
    // Opened read-only, the dictionary throws on every change.
    Convert("");
    ASSERT_EQ(gCorvanEngine.AddUserDict(fDictPath, true), kUserDictOpenedReadOnly);
    std::string const first = SJ("cat\t猫\tNOUN");
    std::string const log = Convert(first + "\n" + SJ("dog\t犬\tNOUN\n"));
    // The add throws: that line is logged and the run ends.
    EXPECT_EQ(log, Refused(first, kLogUnknown));
    EXPECT_THROW(gCorvanEngine.CountUserDictEntry(0), std::out_of_range);
    EXPECT_EQ(Count(), 0u);
}

TEST_F(UwConvertTest, RefusesFilesItShouldNotTrust) {
    std::string const line = SJ("cat\t猫\tNOUN\n");
    std::string const target = fDir + "/target.txt";
    std::ofstream(target, std::ios::binary) << line;
    ASSERT_EQ(symlink(target.c_str(), fTextPath.c_str()), 0);
    EXPECT_EQ(uwConvert(fTextPath.c_str()), "");
    std::remove(fTextPath.c_str());
    EXPECT_EQ(Count(), 0u);

    OpenDictionary();
    EXPECT_EQ(uwConvert(fDir.c_str()), "");  // a directory
    EXPECT_EQ(Count(), 0u);

    if (geteuid() == 0) {
        OpenDictionary();
        ASSERT_EQ(chown(target.c_str(), 65534, 65534), 0);
        EXPECT_EQ(uwConvert(target.c_str()), "");
        EXPECT_EQ(Count(), 0u);
    }
    std::remove(target.c_str());
}

}  // namespace
