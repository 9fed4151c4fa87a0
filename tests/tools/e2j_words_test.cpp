// e2j words: the preparsed words of each sentence, their byte spans in the
// Shift-JIS sentence, their flags and the made-up words of marks and layout.
#include <gtest/gtest.h>

#include <string>

#include "compiled/compiled_test_support.h"
#include "tools/e2j_golden.h"

namespace {

TEST(E2jWords, PrintsEachSentencesWordsSpansAndFlags) {
    E2jGolden const cases[] = {
        {"words 'It costs 5 dollars.'",
         "# It costs 5 dollars.\n0\tIt\t0-2 white\n1\tcosts\t3-8 white\n2\t5\t9-10 white\n3\tdollars\t11-18\n"
         "4\t.\t18-19\n"},
        // A number with a clock suffix; an hour below 25; "am" alone is a word.
        {"words 'at 10pm'", "# at 10pm\n0\tat\t0-2 white\n1\t10\t3-5 ampm hour\n2\tpm\t5-7 white\n3\tzxjCR\t7-7\n"},
        // "pm" is a word of the lexicon: in capitals it is no proper name.
        {"words 'at 30PM'",
         "# at 30PM\n0\tat\t0-2 white\n1\t30\t3-7 ampm\n2\tPM\t7-7 allcaps white\n3\tzxjCR\t7-7\n"},
        {"words 'I am.'", "# I am.\n0\tI\t0-1 white\n1\tam\t2-4\n2\t.\t4-5\n"},
        // A period written against a word before another word joins it.
        {"words 'e.g. this'", "# e.g. this\n0\te.g.\t0-4 white\n1\tthis\t5-9 white\n2\tzxjCR\t9-9\n"},
        {"words 'Wait...'", "# Wait...\n0\tWait\t0-4\n1\tzxjDOTDOT\t4-7\n"},
        {"words 'Wait.. .'", "# Wait.. .\n0\tWait\t0-4\n1\tzxjDOTDOT\t4-8\n"},
        // An end mark inside the closing quote at the end of a sentence.
        {"words 'He said \"stop!\"'",
         "# He said \"stop!\"\n0\tHe\t0-2 white\n1\tsaid\t3-7 white\n2\tzxjOPENQ\t8-9\n3\tstop\t9-13\n"
         "4\tzxjEXMRKor0\t13-14 quoted-end\n5\tzxjCLOSEQ\t14-15\n6\tzxjEXMRKorPRD\t15-15 quoted-end\n"},
        {"words 'He said \"stop.\"'",
         "# He said \"stop.\"\n0\tHe\t0-2 white\n1\tsaid\t3-7 white\n2\tzxjOPENQ\t8-9\n3\tstop\t9-13\n"
         "4\tzxjPRDor0\t13-14 quoted-end\n5\tzxjCLOSEQ\t14-15\n6\t.\t15-15 quoted-end\n"},
        // The lexicon's word lists end the sentence at the quote.
        {"words 'He said \"stop.\" Then'",
         "# He said \"stop.\"\n0\tHe\t0-2 white\n1\tsaid\t3-7 white\n2\tzxjOPENQ\t8-9\n3\tstop\t9-13\n"
         "4\tzxjPRDor0\t13-14 quoted-end\n5\tzxjCLOSEQ\t14-15\n6\t.\t15-15 quoted-end\n"
         "#  Then\n0\tThen\t1-5 white\n1\tzxjCR\t5-5\n"},
        // The comma goes outside the quote; the spans stay (the quote is two bytes).
        {"words '\"yes,\xE2\x80\x9D she said.'",
         "# \"yes,\xE2\x80\x9D she said.\n0\tzxjOPENQ\t0-1\n1\tyes\t1-4\n2\tzxjCLOSEQ\t4-5\n3\t,\t5-7 white\n"
         "4\tshe\t8-11 white\n5\tsaid\t12-16\n6\t.\t16-17\n"},
        {"words '12:30'",
         "# 12:30\n0\t12\t0-2\n1\t:\t2-3\n2\t30\t3-5 white\n3\tzxjCR\t5-5\nextra\tzxjCOLON_NOSPACE\t1-1\n"},
        {"words 'Note: see'", "# Note: see\n0\tNote\t0-4\n1\t:\t4-5 white\n2\tsee\t6-9 white\n3\tzxjCR\t9-9\n"},
        // A full-width question mark is written in its one-byte form.
        {"words '\xEF\xBC\x9F'", "# \xEF\xBC\x9F\n0\t?\t0-2\n"},
        // Tabs: inside a sentence a word, at its end none.
        {"words \"$(printf 'word\\t\\tx')\"",
         "# word\\t\\tx\n0\tword\t0-4 white\n1\tzxjTAB\t4-6\n2\tx\t6-7 white\n3\tzxjCR\t7-7\n"},
        {"words \"$(printf 'Go now!\\t')\"", "# Go now!\n0\tGo\t0-2 white\n1\tnow\t3-6\n2\t!\t6-7\n"},
        {"words \"$(printf 'word\\t\\t')\"", "# word\\t\\t\n0\tword\t0-4 white\n1\tzxjCR\t6-6\n"},
        // Two-byte characters count two bytes.
        {"words '\xE6\x97\xA5\xE6\x9C\xAC is far.'",
         "# \xE6\x97\xA5\xE6\x9C\xAC is far.\n0\t\xE6\x97\xA5\xE6\x9C\xAC\t0-4 white\n1\tis\t5-7 white\n"
         "2\tfar\t8-11\n3\t.\t11-12\n"},
        {"words 'Go. Stop'", "# Go.\n0\tGo\t0-2\n1\t.\t2-3\n#  Stop\n0\tStop\t1-5 white\n1\tzxjCR\t5-5\n"},
        {"words ''", ""},
    };
    ExpectE2jPrints(cases);
}

TEST(E2jWords, SensesShowNameSequencesAndWordsShowHyphenSequences) {
    CommandOutcome const outcome = E2j("words --senses 'He works at the Bank of New York on well-known days.'");
    EXPECT_EQ(outcome.exitCode, 0);
    EXPECT_EQ(outcome.output,
              "# He works at the Bank of New York on well-known days.\n"
              "0\tHe\t0-2 white\n1\tworks\t3-8 white\n2\tat\t9-11 white\n3\tthe\t12-15 white\n"
              "4\tBank\t16-20 truecap white\n5\tof\t21-23 white\n6\tNew\t24-27 truecap white\n"
              "7\tYork\t28-32 truecap white\n8\ton\t33-35 white\n9\twell\t36-40 hyphen-begins=1\n"
              "10\t-\t40-41\n11\tknown\t41-46 white hyphen-ends=1\n12\tdays\t47-51\n13\t.\t51-52\n"
              "sense\tcapitals\t4-7\tBank of New York\n");
}

TEST(E2jWords, SettingsAreWidenedToWordsAndRefusedWhenTheyCross) {
    CommandOutcome const outcome =
        E2j("words --setpos A:10-10 --setpos 1:0-900 --setpos B:13-20 --setpos 0L:9-11 'He works at the Bank.'");
    EXPECT_EQ(outcome.exitCode, 0);
    EXPECT_EQ(outcome.output,
              "# He works at the Bank.\n0\tHe\t0-2 white\n1\tworks\t3-8 white\n2\tat\t9-11 white\n"
              "3\tthe\t12-15 white\n4\tBank\t16-20 truecap\n5\t.\t20-21\n"
              "setpos\tA:10-10\tdone\tA:9-11\n"
              "setpos\t1:0-900\tnests\tA:9-11\n"
              "setpos\tB:13-20\tdone\tB:12-20\n"
              "setpos\t0L:9-11\tdone\tAL:9-11\n"
              "settings\tAL:9-11\tB:12-20\n");
    for (char const* refused :
         {"words --setpos", "words --setpos 1-2", "words --setpos X:1-2 a", "words --setpos 1:2 a", "words --loud a"})
        EXPECT_EQ(E2j(refused).exitCode, 2) << refused;
}

// A dictionary that writes "bank" in lower case (the core lexicon does): a
// capital "Bank" at the start of a sentence is then the common word, not
// part of a name.
TEST(E2jWords, TheDictionarysLowerCaseWordsShapeNameSequences) {
    compiled_test::ScratchFile const file("dog.cdict");
    compiled_test::CompileText40(
        "dictionary\tid=7\tdomains=\n"
        "entry\tdog\n"
        "fpos\tpos=N\tidiom=0\tprimed=0\tquoted=0\thidden=0\taltonly=0\tcannotbegin=0\tcannotend=0"
        "\tcannotbeginandend=0\tpvalue=0\tfeatures0=\tfeatures1=\tfeatures2=\tweights=\n"
        "para\tid=0\tcooked={inu}\traw=\tjpos=<<UNKNOWN>>\tpvalue=0\taltonly=0\tthey=0\ttransplant=\tdomains="
        "\tsem=\n",
        file.Path());
    std::string const sentence = " words --senses 'Bank of New York opens.' | grep sense";
    EXPECT_EQ(E2j("--dict " + file.Path() + sentence).output, "sense\tcapitals\t0-3\tBank of New York\n");
    EXPECT_EQ(E2j(sentence).output, "sense\tcapitals\t2-3\tNew York\n");
    EXPECT_EQ(E2j("--dict " + file.Path() + ".missing words x").exitCode, 1);
}

// Each translated word, then the other translations of its readings, each
// inflected as the word is, in the order of their Shift-JIS bytes; a noun's
// come as they are.
TEST(E2jWords, AltListsEachWordsTranslationThenItsAlternatives) {
    E2jGolden const cases[] = {
        {"--style 0 words --alt 'He ran.' | grep '^ran:'",
         "ran: \xE8\xB5\xB0\xE3\x81\xA3\xE3\x81\x9F | \xE7\xB5\x8C\xE5\x96\xB6\xE3\x81\x97\xE3\x81\x9F | "
         "\xE6\xB5\x81\xE3\x82\x8C\xE3\x81\x9F\n"},  // 走った | 経営した | 流れた
        // In the polite style, and negated.
        {"words --alt 'He ran.' | grep '^ran:'", "ran: 走りました | 経営しました | 流れました\n"},
        {"words --alt 'He does not run.' | grep '^run:'", "run: 走りません | 経営しません | 流れません\n"},
        {"--style 0 words --alt 'The bank is big.' | grep '^bank:'",
         "bank: \xE9\x8A\x80\xE8\xA1\x8C | \xE5\xA0\xA4\xE9\x98\xB2 | \xE5\x9C\x9F\xE6\x89\x8B\n"},  // 銀行 | 堤防 | 土手
        // A plural found through the morphology of "bank": its readings are
        // the dictionary's own, each of its own translation.
        {"--style 0 words --alt 'The banks are big.' | grep '^banks:'",
         "banks: \xE9\x8A\x80\xE8\xA1\x8C | \xE5\xA0\xA4\xE9\x98\xB2 | \xE5\x9C\x9F\xE6\x89\x8B\n"},
    };
    ExpectE2jPrints(cases);
    EXPECT_EQ(E2j("words --alt --senses 'He ran.'").exitCode, 2);
}

}  // namespace
