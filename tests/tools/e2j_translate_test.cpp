// e2j translate over the core lexicon: English in, Japanese out, in Japanese
// word order, with particles and endings.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "run_command.h"

namespace {

CommandOutcome E2j(std::string const& arguments) { return RunCommand(TOOLS_DIR "/e2j " + arguments + " 2>/dev/null"); }

TEST(E2jTranslate, SentencesComeOutInJapanese) {
    struct {
        char const* arguments;
        std::string output;
    } const cases[] = {
        {"translate --style 0 'John eats an apple.'", "ジョンはりんごを食べる。"},
        // Each Japanese word with the English it came from, in Shift-JIS
        // bytes; "an" has no Japanese of its own, the particles and the
        // ending none of their own English.
        {"translate --style 0 --post-info 'John eats an apple.'",
         "ジョンはりんごを食べる。\n"
         "src 0+4 -> tgt 0+6 dict 1\n"
         "src 13+5 -> tgt 8+6 dict 1\n"
         "src 5+4 -> tgt 16+4 dict 1\n"
         "src 18+1 -> tgt 22+2 dict 1\n"},
        {"translate '.'", "\u3002"},
    };
    for (auto const& c : cases) {
        CommandOutcome const outcome = E2j(c.arguments);
        EXPECT_EQ(outcome.exitCode, 0) << c.arguments;
        EXPECT_EQ(outcome.output, c.output) << c.arguments;
    }
}

// The subject comes first and the verb last, whatever particles and endings
// later join the words.
TEST(E2jTranslate, SentencesComeOutSubjectObjectVerb) {
    struct {
        char const* english;
        std::vector<std::string> words;  // in the order they must appear
    } const cases[] = {
        {"John eats an apple.", {"\u30B8\u30E7\u30F3", "\u308A\u3093\u3054", "\u98DF\u3079"}},
        {"The cat ate the fish.", {"\u732B", "\u9B5A", "\u98DF\u3079"}},
        {"She reads a book in the library.", {"\u5F7C\u5973", "\u56F3\u66F8\u9928", "\u672C", "\u8AAD"}},
        {"John gave the book to Mary.", {"\u30B8\u30E7\u30F3", "\u30E1\u30A2\u30EA\u30FC", "\u672C", "\u4E0E\u3048"}},
        {"Does John eat apples?", {"\u30B8\u30E7\u30F3", "\u308A\u3093\u3054", "\u98DF\u3079"}},
    };
    for (auto const& c : cases) {
        CommandOutcome const outcome = E2j(std::string("translate --style 0 '") + c.english + "'");
        EXPECT_EQ(outcome.exitCode, 0) << c.english;
        std::size_t at = 0;
        for (std::string const& word : c.words) {
            std::size_t const found = outcome.output.find(word, at);
            ASSERT_NE(found, std::string::npos)
                << word << " in order in " << outcome.output << " (" << c.english << ")";
            at = found + word.size();
        }
    }
}

}  // namespace
