// The command-line sender against the stub server.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "messaging_test_support.h"
#include "run_command.h"

namespace {

CommandOutcome RunSender(std::string const& arguments) { return RunTool("aesend", arguments); }

TEST(AESendTool, PrintsEachReplyShape) {
    messaging_test::ScopedRuntimeDir runtimeDir;
    messaging_test::StubBundle stub("Stub");
    struct Case {
        std::string arguments;
        std::string output;
        int exitCode;
    } const cases[] = {
        {"--launch '" + stub.Path() + "' uwNM", "3\n", 0},
        {"--find Stub.app uwRE --long 12", "entry 12\n", 0},
        {"--find Stub.app uwCV", ";;stub log\r", 0},
        {"--find Stub.app uwZZ", "(no direct parameter)\n", 0},
        {"--find Missing.app uwNM", "", 1},
        {"--launch '" + stub.Folder() + "/Missing.app' uwNM", "", 1},
        {"--pid 0 uwNM", "", 2},
        {"--find Stub.app", "", 2},
        {"--find Stub.app uwQT --no-reply --timeout 600", "", 0},
    };
    for (auto const& c : cases) {
        SCOPED_TRACE(c.arguments);
        CommandOutcome const outcome = RunSender(c.arguments);
        EXPECT_EQ(outcome.output, c.output);
        EXPECT_EQ(outcome.exitCode, c.exitCode);
    }
    EXPECT_TRUE(messaging_test::Eventually([] { return messaging_test::FindProgram("Stub.app") == 0; }));
    EXPECT_EQ(RunSender("--find Stub.app uwNM").exitCode, 1);
}

}  // namespace
