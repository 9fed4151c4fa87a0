// The converter program itself, driven through the messaging layer: a new
// dictionary counts 0, a conversion with a multi-megabyte log answers what
// the conversion gives in process, and quitting leaves nothing behind.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <string>

#include "apps/program_runner.h"
#include "apps/tazmet/tazmet_test_support.h"
#include "cp932.h"
#include "engine/userdict/uw_convert.h"
#include "platform/conversion_text_path.h"

namespace {

// Lines the converter refuses (headwords of 71 bytes and more), enough for a
// log of several megabytes, and a few it adds.
std::string ManyRefusedLines() {
    std::string text = CP932("cat\t猫\tNOUN\n");
    for (int i = 0; i < 25000; ++i) {
        text += std::string(71 + i % 40, 'a' + i % 26) + std::to_string(i) + "\t" + CP932("長い見出し語") + "\tNOUN\n";
    }
    return text + CP932("dog\t犬\tNOUN\n");
}

TEST_F(TazmetTest, ProgramConvertsAndQuitsCleanly) {
    fHome.WritePreferences(kTovikPathApplicationID, TovikPathMembers("~/Documents"));
    std::string const text = ManyRefusedLines();
    // The program converts the one fixed file, which the test home moves
    // into itself.
    ASSERT_EQ(platform::ConversionTextPath(), fTextPath);
    std::ofstream(fTextPath, std::ios::binary) << text;
    std::string const referencePath = fHome.Path() + "/reference.dic";
    ASSERT_EQ(gCorvanEngine.AddUserDict(referencePath, false), kUserDictOpenedReadWrite);
    std::string const expected = uwConvert(fTextPath.c_str());
    ASSERT_GT(expected.size(), 2u << 20);

    CommandOutcome const count = RunSender("--launch '" + CompanionBundle("Tazmet") + "' uwNM");
    EXPECT_EQ(count.exitCode, 0);
    EXPECT_EQ(count.output, "0\n");
    pid_t const pid = RunningProgram("Tazmet.app");
    ASSERT_NE(pid, 0);

    CommandOutcome const log = RunSender("--find Tazmet.app uwCV --timeout -2");
    EXPECT_EQ(log.exitCode, 0);
    EXPECT_TRUE(log.output == expected) << "log of " << log.output.size() << " bytes, expected " << expected.size();
    EXPECT_EQ(RunSender("--find Tazmet.app uwNM").output, "2\n");

    EXPECT_EQ(RunSender("--find Tazmet.app uwQT --no-reply").exitCode, 0);
    EXPECT_TRUE(GoneWithoutTrace(pid));
    EXPECT_EQ(RunningProgram("Tazmet.app"), 0);
}

TEST_F(TazmetTest, ProgramWithBrokenPreferencesStillAnswers) {
    CommandOutcome const count = RunSender("--launch '" + CompanionBundle("Tazmet") + "' uwNM");
    EXPECT_EQ(count.output, "0\n");
    pid_t const pid = RunningProgram("Tazmet.app");
    ASSERT_NE(pid, 0);
    EXPECT_EQ(RunSender("--find Tazmet.app uwCV").output, kLogNoUserDictionary);
    EXPECT_EQ(RunSender("--find Tazmet.app uwXX").output, "(no direct parameter)\n");
    RunSender("--find Tazmet.app uwQT --no-reply");
    EXPECT_TRUE(GoneWithoutTrace(pid));
}

}  // namespace
