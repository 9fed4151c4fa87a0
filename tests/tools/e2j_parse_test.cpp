// e2j parse: whether each sentence parses, how many analyses it took, its
// time and the limit it reached.
#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "tools/e2j_golden.h"

namespace {

// The output without its time lines, which vary from run to run.
std::string WithoutTimes(std::string const& output) {
    std::istringstream lines(output);
    std::string kept;
    for (std::string line; std::getline(lines, line);) {
        if (line.rfind("time ", 0) != 0) kept += line + "\n";
    }
    return kept;
}

TEST(E2jParse, RefusesASpeedOutOfRange) {
    for (char const* arguments : {"parse --speed 101 x", "parse --speed fast x", "parse --speed"}) {
        CommandOutcome const outcome = E2j(arguments);
        EXPECT_EQ(outcome.exitCode, 2) << arguments;
        EXPECT_EQ(outcome.output.rfind("e2j: parse: --speed ", 0), 0u) << arguments << ":\n" << outcome.output;
    }
}

TEST(E2jParse, PrintsAnAnswerPerSentence) {
    CommandOutcome const outcome = E2j("parse --speed 50 'Of the. And of.'");
    EXPECT_EQ(outcome.exitCode, 0);
    std::string const shown = WithoutTimes(outcome.output);
    EXPECT_EQ(shown.rfind("# Of the.\nsentence no\nentries ", 0), 0u) << shown;
    EXPECT_NE(shown.find("limit none\n#  And of.\nsentence no\n"), std::string::npos) << shown;
}

TEST(E2jParse, SegmentsShowsWhereALongSentenceIsCut) {
    std::string text;
    for (int i = 0; i < 3; ++i) text += "the big dog eats the meat in the park ";
    text += ", but he eats the meat in the park with the dog in the house by the river.";
    CommandOutcome const outcome = E2j("parse --segments '" + text + "'");
    EXPECT_EQ(outcome.exitCode, 0);
    EXPECT_NE(outcome.output.find("\nsegments the big dog "), std::string::npos) << outcome.output;
    EXPECT_NE(outcome.output.find(" |1| he eats "), std::string::npos) << outcome.output;
}

}  // namespace
