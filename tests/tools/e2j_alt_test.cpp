// e2j alt over the core lexicon: the alternative translations of the first
// sentence over a selected stretch, best first, through the facade's
// alternate road.
#include <gtest/gtest.h>

#include <string>

#include "e2j_translations.h"

namespace {

TEST(E2jAlt, EachAnalysisOfTheSelectionGivesOneLineBestFirst) {
    std::string const telescope = "'I saw the man with the telescope.'";
    std::string const both = "私は望遠鏡を持った男を見た。\n私は望遠鏡で男を見た。\n";
    struct {
        std::string arguments;
        std::string output;
    } const cases[] = {
        {"alt --style 0 --select 14:32 " + telescope, both},
        {"alt --style 0 " + telescope, both},  // the whole sentence
        {"alt --style 0 --max 1 --select 14:32 " + telescope, "私は望遠鏡を持った男を見た。\n"},
        {"alt --style 0 --max 0 --select 14:32 " + telescope, ""},
        {"alt --style 0 --select 20:5 " + telescope, both},  // reversed: from 20 to the end
        // One analysis: its one translation; the second sentence is never
        // translated.
        {"alt --style 0 'I eat apples. I saw the man.'", "私はりんごを食べる。\n"},
        {"alt --select 500:900 'I saw the man.'", "私は男を見ました。\n"},
        {"alt ''", ""},
    };
    for (auto const& c : cases) {
        CommandOutcome const outcome = E2jStdout(c.arguments);
        EXPECT_EQ(outcome.exitCode, 0) << c.arguments;
        EXPECT_EQ(outcome.output, c.output) << c.arguments;
    }
}

TEST(E2jAlt, BadArgumentsAreUsageErrors) {
    for (char const* arguments : {"alt --select 3", "alt --select a:b", "alt --max 21 x", "alt --max", "alt --bogus"})
        EXPECT_EQ(E2jStdout(arguments).exitCode, 2) << arguments;
}

}  // namespace
