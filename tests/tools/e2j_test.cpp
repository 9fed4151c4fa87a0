// The e2j program as a person runs it: the shared options, its exit
// statuses and the grammar subcommand.
#include <gtest/gtest.h>

#include <string>

#include "tools/e2j_golden.h"

namespace {

// Standard output and error together, so that the messages can be checked.
TEST(E2jTool, RefusesWhatItIsNotAskedCorrectly) {
    struct Case {
        char const* arguments;
        char const* message;
    } const cases[] = {
        {"--bogus grammar", "e2j: unknown option '--bogus'"},
        {"grammar --bogus", "e2j: grammar: unknown option '--bogus'"},
        {"grammar extra", "e2j: grammar: unexpected argument 'extra'"},
        {"--style 3 grammar", "e2j: --style takes 0, 1 or 2, not '3'"},
        {"grammar --dict", "e2j: --dict needs a value"},
    };
    for (Case const& c : cases) {
        CommandOutcome const outcome = E2j(c.arguments);
        EXPECT_EQ(outcome.exitCode, 2) << c.arguments;
        EXPECT_EQ(outcome.output.rfind(std::string(c.message) + "\n", 0), 0u) << c.arguments << ":\n" << outcome.output;
        EXPECT_NE(outcome.output.find("usage: e2j"), std::string::npos) << c.arguments;
    }
}

TEST(E2jTool, TranslatesWhenNoSubcommandIsNamed) {
    struct Case {
        char const* arguments;
        char const* translated;
    } const cases[] = {
        {"'It rains.'", "translate 'It rains.'"},
        {"--style 0 'Bye now.'", "--style 0 translate 'Bye now.'"},
        {"< /dev/null", "translate < /dev/null"},
    };
    for (Case const& c : cases) {
        CommandOutcome const outcome = E2j(c.arguments);
        EXPECT_EQ(outcome.exitCode, 0) << c.arguments;
        EXPECT_EQ(outcome.output, E2j(c.translated).output) << c.arguments;
    }
}

TEST(E2jTool, HelpListsTheSubcommands) {
    CommandOutcome const outcome = E2j("--help");
    EXPECT_EQ(outcome.exitCode, 0);
    EXPECT_NE(outcome.output.find("  grammar [--dump] [--check]\n"), std::string::npos) << outcome.output;
}

TEST(E2jTool, GrammarPrintsTheTableSizes) {
    // The shared options are accepted anywhere and change nothing here.
    for (char const* arguments : {"grammar", "--sjis --style=0 grammar --dict none.dict --trace"}) {
        CommandOutcome const outcome = E2j(arguments);
        EXPECT_EQ(outcome.exitCode, 0) << arguments;
        EXPECT_EQ(outcome.output.rfind("size kRuleList ", 0), 0u) << outcome.output;
        EXPECT_NE(outcome.output.find("\nsize kGrammarCreatedParticles "), std::string::npos) << outcome.output;
        EXPECT_EQ(outcome.output.find("\nrule "), std::string::npos) << arguments;
    }
}

TEST(E2jTool, GrammarDumpShowsTheRulesByName) {
    CommandOutcome const outcome = E2j("grammar --dump");
    EXPECT_EQ(outcome.exitCode, 0);
    for (char const* rule : {"  # S <- SDECL PERIOD (rule 10)\n", "  # NP <- ART NBAR (rule 110)\n",
                             "  # PP <- PREP NP (rule 133)\n", "\nindex ", "\nparticle \""}) {
        EXPECT_NE(outcome.output.find(rule), std::string::npos) << rule;
    }
}

TEST(E2jTool, GrammarCheckFindsTheCompiledTablesSound) {
    CommandOutcome const outcome = E2j("grammar --check");
    EXPECT_EQ(outcome.exitCode, 0) << outcome.output;
    EXPECT_NE(outcome.output.find("the compiled tables are consistent\n"), std::string::npos) << outcome.output;
}

}  // namespace
