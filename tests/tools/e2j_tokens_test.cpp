// e2j tokens: the tokens of a text as a person sees them, one a line.
#include <gtest/gtest.h>

#include <string>

#include "compiled/compiled_test_support.h"
#include "support/scratch_folder.h"
#include "tools/e2j_golden.h"

namespace {

TEST(E2jTokens, PrintsEachTokensTypeAndText) {
    E2jGolden const cases[] = {
        {"tokens 'Mr. Green paid $5 at 12:30.'",
         "Word \"Mr\"\nPeriod \".\"\nSpace \" \"\nWord \"Green\"\nSpace \" \"\nWord \"paid\"\nSpace \" \"\n"
         "Word \"$\"\nNumber \"5\"\nSpace \" \"\nWord \"at\"\nSpace \" \"\nNumber \"12\"\nColon \":\"\n"
         "Number \"30\"\nPeriod \".\"\nEOF\n"},
        {"tokens '(555)123-4567,'", "PhoneNumber \"(555)123-4567\"\nWord \",\"\nEOF\n"},
        {"tokens \"don't\"", "Word \"don\"\nSingleOpenQuote \"'\"\nWord \"t\"\nEOF\n"},
        {"tokens 'see http://a.org/x?y=1.'",
         "Word \"see\"\nSpace \" \"\nInternetName \"http://a.org/x?y=1\"\n"
         "Period \".\"\nEOF\n"},
        {"tokens 'to jo@example.com'", "Word \"to\"\nSpace \" \"\nInternetName \"jo@example.com\"\nEOF\n"},
        {"tokens '\xEF\xBC\x91\xEF\xBC\x92 \"a\"'",  // full-width digits are a Word; both quotes open
         "Word \"\xEF\xBC\x91\xEF\xBC\x92\"\nSpace \" \"\nOpenQuote \"\\\"\"\nWord \"a\"\nOpenQuote \"\\\"\"\nEOF\n"},
        {"tokens '5km EUR5.'",
         "Number \"5\"\nWord \"km\"\nSpace \" \"\nWord \"EUR\"\nNumber \"5\"\nPeriod \".\"\nEOF\n"},
        {"tokens --through tokenizer '5km EUR5.'", "Word \"5km\"\nSpace \" \"\nWord \"EUR5\"\nPeriod \".\"\nEOF\n"},
        {"tokens '<IMG SRC=\"a b.gif\" WIDTH=10>'", "MarkupStartTag \"<IMG SRC=\\\"a b.gif\\\" WIDTH=10>\"\nEOF\n"},
        {"tokens '<b x=\"1'",  // a tag nothing closes is text
         "Word \"<\"\nWord \"b\"\nSpace \" \"\nWord \"x\"\nWord \"=\"\nOpenQuote \"\\\"\"\nNumber \"1\"\nEOF\n"},
        {"tokens ''", "EOF\n"},
    };
    ExpectE2jPrints(cases);
    for (char const* refused : {"tokens --through", "tokens --through parser x", "tokens --loud x"})
        EXPECT_EQ(E2j(refused).exitCode, 2) << refused;
}

TEST(E2jTokens, SentencesPrintOneALineWithTheirRules) {
    CommandOutcome const outcome = E2j("--trace sentences 'He asked \"why?\" She left.\n\nNext one'");
    EXPECT_EQ(outcome.exitCode, 0);
    EXPECT_EQ(outcome.output,
              "He asked \"why?\"\t(closing mark after an end mark)\n"
              " She left.\t(period before a blank line)\n"
              "\\n\\nNext one\t(end of input)\n");
    EXPECT_EQ(E2j("sentences --loud x").exitCode, 2);
}

// A compiled dictionary that says a sentence ends after no "Dr" and begins
// with no "etc.".
TEST(E2jTokens, SentencesTakeTheWordListsOfTheDictionariesGiven) {
    ScratchFolder const folder("e2j_sentences");
    std::string const path = folder / "titles.cdict";
    std::string const flags =
        "\tidiom=0\tprimed=0\tquoted=0\thidden=0\taltonly=0\tcannotbeginandend=0\tpvalue=0\tfeatures0=\tfeatures1="
        "\tfeatures2=\tweights=\n";
    std::string const para =
        "para\tid=0\tcooked={x}\traw=\tjpos=<<UNKNOWN>>\tpvalue=0\taltonly=0\tthey=0\ttransplant=\tdomains=\tsem=\n";
    compiled_test::CompileText40(
        "dictionary\tid=7\tdomains=\n"
        "entry\tDr\nfpos\tpos=N\tcannotbegin=0\tcannotend=1" +
            flags + para + "entry\tetc.\nfpos\tpos=N\tcannotbegin=1\tcannotend=0" + flags + para,
        path);
    char const* const text = " sentences 'Ask Dr. Jones. Apples. Etc. follow.'";
    EXPECT_EQ(E2j(text).output, "Ask Dr.\n Jones.\n Apples.\n Etc. follow.\n");
    EXPECT_EQ(E2j("--dict " + path + text).output, "Ask Dr. Jones.\n Apples. Etc. follow.\n");
    EXPECT_EQ(E2j("--dict " + folder / "missing.cdict" + text).exitCode, 1);
}

}  // namespace
