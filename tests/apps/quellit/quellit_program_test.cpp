// The whole conversion through the three programs of the built bundle, as
// `make run` does it: an old dictionary made from the bundled sample, both
// editions' preferences in a private home, Quellit with its button pressed
// once.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <string>

#include "run_command.h"
#include "support/scratch_folder.h"

namespace {

std::string const kProjectDir = TEST_DATA_DIR "/../..";
std::string const kBuildDir = TOOLS_DIR "/..";

std::string Output(std::string const& command) { return RunCommand(command).output; }

TEST(QuellitProgram, ConvertsTheSampleThroughBothCompanionPrograms) {
    ScratchFolder folder("quellit-e2e");
    std::string const demo = folder.Path();
    std::string const textPath = demo + "/oldUD.txt";
    setenv("TOVIKAN_TEST_CONVERSION_TEXT", textPath.c_str(), 1);

    std::string const output = Output(kProjectDir + "/scripts/run-demo.sh " + kBuildDir + " " + demo + "/run 2>&1");
    std::string const window = output.substr(0, output.find("\n== entries"));
    EXPECT_NE(window.find("Entry item 10."), std::string::npos) << output;
    EXPECT_EQ(window.substr(window.size() - 11), "\n\nProc End\n") << output;

    // Every group of the old dictionary arrived, and nothing else.
    std::string const udinspect = TOOLS_DIR "/udinspect --list " + demo + "/run/home/Documents/";
    std::string const oldGroups = Output(udinspect + "OldUserDictionary.ud | LC_ALL=C sort");
    EXPECT_FALSE(oldGroups.empty());
    EXPECT_EQ(Output(udinspect + "NewUserDictionary.ud | LC_ALL=C sort"), oldGroups);

    // The entry lines went with the run.
    EXPECT_FALSE(std::filesystem::exists(textPath));
    unsetenv("TOVIKAN_TEST_CONVERSION_TEXT");

    // Both companion programs quit: nothing is registered in the demo's
    // runtime folder (their messages files stay) and no process of theirs
    // is left.
    EXPECT_EQ(Output("ls -A " + demo + "/run/runtime/tovikan 2>/dev/null | grep -v '[.]messages$'"), "");
    EXPECT_EQ(Output("grep -lsz 'XDG_RUNTIME_DIR=" + demo + "/run/runtime' /proc/[0-9]*/environ"), "");
}

}  // namespace
