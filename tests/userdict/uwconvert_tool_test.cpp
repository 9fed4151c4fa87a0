// The conversion tool reports the entries before and after a run, from one
// opening of the dictionary, and says in its exit status whether every line
// was taken.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <string>

#include "foundation/japanese_text.h"
#include "run_command.h"
#include "support/scratch_folder.h"

namespace {

class UwconvertToolTest : public ::testing::Test {
protected:
    // The tool's standard error (its counts) and exit status.
    CommandOutcome Convert(std::string const& lines, std::string const& dictionary) {
        std::ofstream(fText, std::ios::binary) << lines;
        return RunCommand(TOOLS_DIR "/uwconvert " + fText + " " + dictionary + " 2>&1 >/dev/null");
    }

    ScratchFolder fFolder{"uwconvert_tool_test"};
    std::string const fText = fFolder / "oldUD.txt";
    std::string const fDictionary = fFolder / "user.dic";
};

TEST_F(UwconvertToolTest, CountsBeforeAndAfterEachRun) {
    std::string const noun = "\t" + SJIS("林檎") + "\tNOUN\r";
    struct Run {
        std::string lines;
        char const* counts;
        int exitCode;
    };
    Run const kRuns[] = {
        {"apple" + noun + "pear" + noun + "apple" + noun, "uwconvert: 0 entries before, 2 after\n", 1},
        {"plum" + noun, "uwconvert: 2 entries before, 3 after\n", 0},
        {"", "uwconvert: 3 entries before, 3 after\n", 0},
    };
    for (Run const& run : kRuns) {
        CommandOutcome const outcome = Convert(run.lines, fDictionary);
        EXPECT_EQ(outcome.output, run.counts);
        EXPECT_EQ(outcome.exitCode, run.exitCode);
    }
}

TEST_F(UwconvertToolTest, ATextFileThatCannotBeReadFailsTheRun) {
    std::string const missing = fFolder / "none.txt";
    CommandOutcome const outcome = RunCommand(TOOLS_DIR "/uwconvert " + missing + " " + fDictionary + " 2>/dev/null");
    EXPECT_EQ(outcome.exitCode, 1);
    EXPECT_EQ(outcome.output.substr(0, 2), ";;");
    EXPECT_EQ(outcome.output.back(), '\r');
}

TEST_F(UwconvertToolTest, RefusesADictionaryItCannotWrite) {
    CommandOutcome const outcome = Convert("plum\t" + SJIS("林檎") + "\tNOUN\r", fFolder.Path());
    EXPECT_EQ(outcome.exitCode, 2);
    EXPECT_NE(outcome.output.find("cannot open"), std::string::npos);
}

}  // namespace
