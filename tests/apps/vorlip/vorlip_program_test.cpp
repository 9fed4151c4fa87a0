// The reader program itself, driven through the messaging layer: the count
// and every line of the golden file, the advisory lock while it runs, and
// nothing left behind after quitting.
#include <gtest/gtest.h>
#include <sys/file.h>

#include <fstream>
#include <iterator>
#include <string>

#include "apps/program_runner.h"
#include "apps/vorlip/old_dictionary.h"
#include "apps/vorlip/other_process_lock.h"
#include "apps/vorlip/vorlip_test_support.h"

namespace {

TEST_F(VorlipTest, ProgramServesTheGoldenLinesAndHoldsTheFile) {
    old_dictionary::MakeTenKinds(fDictPath);
    WritePreferencesNaming("~/Documents/old.dic");

    CommandOutcome const count = RunSender("--launch '" + CompanionBundle("Vorlip") + "' uwNM");
    EXPECT_EQ(count.exitCode, 0);
    EXPECT_EQ(count.output, "10\n");
    pid_t const pid = RunningProgram("Vorlip.app");
    ASSERT_NE(pid, 0);

    std::string lines;
    for (int i = 0; i < 10; ++i) {
        CommandOutcome const entry = RunSender("--find Vorlip.app uwRE --long " + std::to_string(i));
        ASSERT_EQ(entry.output.back(), '\n');  // the sender ends each list item so
        lines += entry.output.substr(0, entry.output.size() - 1);
    }
    EXPECT_EQ(lines, ReadWholeFile(TEST_DATA_DIR "/vorlip/ten_kinds.txt"));
    EXPECT_EQ(RunSender("--find Vorlip.app uwRE --long 10").output, "(no direct parameter)\n");

    EXPECT_FALSE(OtherProcessCanLock(fDictPath, LOCK_EX));
    EXPECT_EQ(RunSender("--find Vorlip.app uwQT --no-reply").exitCode, 0);
    EXPECT_TRUE(GoneWithoutTrace(pid));
    EXPECT_TRUE(OtherProcessCanLock(fDictPath, LOCK_EX));
}

TEST_F(VorlipTest, ProgramWithoutItsDictionaryAnswersZero) {
    WritePreferencesNaming("~/Documents/old.dic");  // no such file
    EXPECT_EQ(RunSender("--launch '" + CompanionBundle("Vorlip") + "' uwNM").output, "0\n");
    pid_t const pid = RunningProgram("Vorlip.app");
    ASSERT_NE(pid, 0);
    EXPECT_EQ(RunSender("--find Vorlip.app uwRE --long 0").output, "(no direct parameter)\n");
    RunSender("--find Vorlip.app uwQT --no-reply");
    EXPECT_TRUE(GoneWithoutTrace(pid));
    EXPECT_FALSE(std::filesystem::exists(fDictPath));
}

}  // namespace
