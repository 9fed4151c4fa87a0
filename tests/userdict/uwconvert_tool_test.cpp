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

// Every line the tool does not convert gets a ";;" line of its own, and a
// file it cannot read at all gets one saying why; either way it exits 1.
TEST_F(UwconvertToolTest, EachLineNotConvertedIsLoggedAndFailsTheRun) {
    std::string const nul(1, '\0');
    std::string const cat = "cat\t" + SJIS("猫") + "\tNOUN\r";
    // UTF-16LE of "dog\tinu\tNOUN" and CR LF, each byte followed by a NUL.
    std::string utf16;
    for (char c : std::string("dog\tinu\tNOUN\r\n")) utf16 += std::string(1, c) + nul;
    struct Case {
        char const* what;
        std::string bytes;  // the text file; "-": none at all
        std::size_t logLines;
        char const* counts;
    };
    Case const kCases[] = {
        {"missing", "-", 1, "uwconvert: 0 entries before, 0 after\n"},
        {"UTF-16 with its mark", "\xFF\xFE" + utf16 + utf16, 1, "uwconvert: 0 entries before, 0 after\n"},
        // Each line the reader sees holds a NUL: the text, then the NUL
        // between CR and LF, then the last line's.
        {"UTF-16 without a mark", utf16 + utf16, 5, "uwconvert: 0 entries before, 0 after\n"},
        {"NUL-led lines beside a good one", nul + cat + cat + nul + nul + "\r", 2,
         "uwconvert: 0 entries before, 1 after\n"},
    };
    for (Case const& c : kCases) {
        SCOPED_TRACE(c.what);
        std::remove(fDictionary.c_str());
        std::remove(fText.c_str());
        if (c.bytes != "-") std::ofstream(fText, std::ios::binary) << c.bytes;
        std::string const counts = fFolder / "counts";
        CommandOutcome const outcome = RunCommand(TOOLS_DIR "/uwconvert " + fText + " " + fDictionary + " 2>" + counts);
        EXPECT_EQ(outcome.exitCode, 1);
        EXPECT_EQ(ReadWholeFile(counts), c.counts);
        // The log is Shift-JIS, one CR-ended ";;" line per refusal.
        std::size_t notes = 0;
        for (std::size_t at = outcome.output.find(";;"); at != std::string::npos;
             at = outcome.output.find(";;", at + 2))
            ++notes;
        EXPECT_EQ(notes, c.logLines) << outcome.output;
        ASSERT_FALSE(outcome.output.empty());
        EXPECT_EQ(outcome.output.back(), '\r');
    }
}

TEST_F(UwconvertToolTest, RefusesADictionaryItCannotWrite) {
    CommandOutcome const outcome = Convert("plum\t" + SJIS("林檎") + "\tNOUN\r", fFolder.Path());
    EXPECT_EQ(outcome.exitCode, 2);
    EXPECT_NE(outcome.output.find("cannot open"), std::string::npos);
}

}  // namespace
