// e2j translate over the core lexicon: English in, Japanese out, each word in
// its dictionary form and in English order until the transfer rules reorder
// and inflect it.
#include <gtest/gtest.h>

#include <string>

#include "run_command.h"

namespace {

CommandOutcome E2j(std::string const& arguments) { return RunCommand(TOOLS_DIR "/e2j " + arguments + " 2>/dev/null"); }

TEST(E2jTranslate, SentencesComeOutInJapanese) {
    struct {
        char const* arguments;
        std::string output;
    } const cases[] = {
        {"translate --style 0 'John eats an apple.'", "\u30B8\u30E7\u30F3\u98DF\u3079\u308A\u3093\u3054\u3002"},
        // Each Japanese word with the English it came from, in Shift-JIS
        // bytes; "an" has no Japanese of its own.
        {"translate --style 0 --post-info 'John eats an apple.'",
         "\u30B8\u30E7\u30F3\u98DF\u3079\u308A\u3093\u3054\u3002\n"
         "src 0+4 -> tgt 0+6 dict 1\n"
         "src 5+4 -> tgt 6+4 dict 1\n"
         "src 13+5 -> tgt 10+6 dict 1\n"
         "src 18+1 -> tgt 16+2 dict 1\n"},
        {"translate '.'", "\u3002"},
    };
    for (auto const& c : cases) {
        CommandOutcome const outcome = E2j(c.arguments);
        EXPECT_EQ(outcome.exitCode, 0) << c.arguments;
        EXPECT_EQ(outcome.output, c.output) << c.arguments;
    }
}

}  // namespace
