// e2j tree: the tree of a sentence's best or N-th analysis, and the N best
// scores of its analyses.
#include <gtest/gtest.h>

#include <string>

#include "tools/e2j_golden.h"

namespace {

TEST(E2jTree, RefusesBadArguments) {
    struct Case {
        char const* arguments;
        char const* message;
    } const cases[] = {
        {"tree --parse 20 x", "e2j: tree: --parse takes 0 to 19, not '20'"},
        {"tree --kbest 0 x", "e2j: tree: --kbest takes 1 to 20, not '0'"},
        {"tree --kbest many x", "e2j: tree: --kbest takes 1 to 20, not 'many'"},
        {"tree --speed 101 x", "e2j: tree: --speed takes 0 to 100, not '101'"},
        {"tree --kbest", "e2j: tree: --kbest needs a value"},
        {"tree --depth 3 x", "e2j: tree: unknown option '--depth'"},
    };
    for (Case const& c : cases) {
        CommandOutcome const outcome = E2j(c.arguments);
        EXPECT_EQ(outcome.exitCode, 2) << c.arguments;
        EXPECT_EQ(outcome.output.rfind(c.message, 0), 0u) << c.arguments << ":\n" << outcome.output;
    }
}

}  // namespace
