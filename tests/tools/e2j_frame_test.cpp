// e2j options and e2j echo: the option codes and a run through the chain of
// pass-through stages, as a person sees them.
#include <gtest/gtest.h>

#include <string>

#include "tools/e2j_golden.h"

namespace {

TEST(E2jFrame, EchoShowsTheChainAndGivesTheTextBack) {
    struct {
        char const* command;
        std::string output;
    } const cases[] = {
        {"e2j --trace echo 'Hello world. Bye.'",
         "source>h3>LexTokenizer>MeasureUnitSplitter>h4>EnglishSentenceEndFinder>SentenceRetriever>h5>"
         "EtoJTranslator>DigitConverter>h6>terminal\nHello world. Bye."},
        {"printf '' | e2j echo", ""},
        {"printf 'Hi \\200there.' | e2j --sjis echo", "Hi ?there."},
        {"printf 'The \\214\\242 runs.\\n' | e2j --sjis echo", "The \x8C\xA2 runs.\n"},
        {"e2j echo '\xE7\x8A\xAC runs.'", "\xE7\x8A\xAC runs."},  // UTF-8 in and out
    };
    for (auto const& c : cases) {
        std::string command = c.command;
        command.replace(command.find("e2j "), 4, TOOLS_DIR "/e2j ");
        CommandOutcome const outcome = RunCommand(command + " 2>&1");
        EXPECT_EQ(outcome.exitCode, 0) << c.command;
        EXPECT_EQ(outcome.output, c.output) << c.command;
    }
}

TEST(E2jFrame, OptionsPrintTheMappedCodes) {
    E2jGolden const cases[] = {
        {"options", "speed=50 they=41 polite=22 numeric=0 strength=20 proper=12 you=0\n"},
        {"options --speed 25 --they 2 --style 0 --numeric 0",
         "speed=30 they=43 polite=21 numeric=2 strength=20 proper=12 you=0\n"},
        {"--style 2 options --speed 60 --they 9 --strength 2 --proper 0 --you 1 --numeric 1",
         "speed=10 they=41 polite=23 numeric=1 strength=50 proper=11 you=1\n"},
    };
    ExpectE2jPrints(cases);
    for (char const* refused : {"options --speed", "options --speed fast", "options --colour 1", "echo --loud x"})
        EXPECT_EQ(E2j(refused).exitCode, 2) << refused;
}

}  // namespace
