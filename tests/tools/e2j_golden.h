#pragma once
// Runs e2j of this build from a test and checks golden outputs.
#include <gtest/gtest.h>

#include <cstddef>
#include <string>

#include "run_command.h"

// e2j with these arguments (shell words); its standard error joins the output.
inline CommandOutcome E2j(std::string const& arguments) { return RunCommand(TOOLS_DIR "/e2j " + arguments + " 2>&1"); }

struct E2jGolden {
    char const* arguments;
    char const* output;
};

// Each case prints exactly its output and exits 0.
template <std::size_t N>
void ExpectE2jPrints(E2jGolden const (&cases)[N]) {
    for (E2jGolden const& c : cases) {
        CommandOutcome const outcome = E2j(c.arguments);
        EXPECT_EQ(outcome.exitCode, 0) << c.arguments;
        EXPECT_EQ(outcome.output, c.output) << c.arguments;
    }
}
