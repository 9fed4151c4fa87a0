// e2j chart: each sentence's words, then its cells with their flags and
// readings (category, headword, Japanese, flags), and the status of chart
// building; the core lexicon is the dictionary when none is given.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tools/e2j_golden.h"

namespace {

TEST(E2jChart, PrintsEachCellsReadingsAndFlags) {
    E2jGolden const cases[] = {
        // A preposition of three words, the lexicon's always-use idiom, alone
        // over its span: the words inside keep no readings of their own.
        {"chart 'He stood in front of the house.'",
         "# He stood in front of the house.\n0\tHe\n1\tstood\n2\tin\n3\tfront\n4\tof\n5\tthe\n6\thouse\n7\t.\n"
         "0+1\tflags\tcapital matched-lower\n0+1\tPRN\the\t\xE5\xBD\xBC\n"
         "1+1\tflags\tmatched-lower\n1+1\tVI01\tstood\t\xE7\xAB\x8B\xE3\x81\xA4\n"
         "2+1\tflags\tmatched-lower dominated\n"
         "2+2\tflags\tdominated\n"
         "2+3\tPREP\tin front of\t\xE3\x81\xAE\xE5\x89\x8D\xE3\x81\xA7\talways-use\n"
         "3+1\tflags\tmatched-lower dominated\n3+2\tflags\tdominated\n"
         "4+1\tflags\tmatched-lower dominated\n"
         "5+1\tflags\tmatched-lower\n5+1\tART\tthe\t\n6+1\tflags\tmatched-lower\n6+1\tN\thouse\t\xE5\xAE\xB6\n"
         "7+1\tPERIOD\t.\t\xE3\x80\x82\n"
         "status\t0\n"},
        // The extra word over a colon between digits stands beside the colon.
        {"chart '12:30'",
         "# 12:30\n0\t12\n1\t:\n2\t30\n3\tzxjCR\n0+1\tN\t12\t\xEF\xBC\x91\xEF\xBC\x92\n"
         "1+1\tCOLON\t:\t\xEF\xBC\x9A\n1+1\tCOLON\tzxjCOLON_NOSPACE\t\xEF\xBC\x9A\n"
         "2+1\tN\t30\t\xEF\xBC\x93\xEF\xBC\x90\n"
         "3+1\tflags\tmatched-lower\n3+1\t5SKIP\tzxjCR\t\n"
         "status\t0\n"},
        {"chart ''", ""},
    };
    ExpectE2jPrints(cases);
}

// Readings the chart makes for what the lexicon does not list, and the
// readings it filters out, each shown by lines that must (or must not) be
// printed.
TEST(E2jChart, MadeAndFilteredReadingsAreShown) {
    struct Case {
        char const* text;
        std::vector<std::string> shown;
        std::vector<std::string> absent;
    };
    Case const cases[] = {
        // The year reading with its counter, and the plain number.
        {"I came in 1999.",
         {"3+1\tN\t1999\t\xEF\xBC\x91\xEF\xBC\x99\xEF\xBC\x99\xEF\xBC\x99\xE5\xB9\xB4\n",
          "3+1\tN\t1999\t\xEF\xBC\x91\xEF\xBC\x99\xEF\xBC\x99\xEF\xBC\x99\n"},
         {}},
        // A word in capitals keeps its English.
        {"NASA said it.", {"0+1\tN\tNASA\tNASA\n"}, {}},
        // An unknown word: readings made for it, its byte offset, status 56.
        {"I saw a glorb.", {"3+1\tN\tglorb\t", "unknown\tglorb\t8\n", "status\t56\n"}, {"status\t0\n"}},
        // "depend" needs "on", which the sentence lacks.
        {"It depends.", {"1+1\tVI01\tdepends\t"}, {"VT01\tdepends"}},
    };
    for (Case const& c : cases) {
        CommandOutcome const outcome = E2j(std::string("chart '") + c.text + "'");
        EXPECT_EQ(outcome.exitCode, 0) << c.text;
        for (std::string const& line : c.shown)
            EXPECT_NE(outcome.output.find(line), std::string::npos) << c.text << " lacks " << line << ":\n"
                                                                    << outcome.output;
        for (std::string const& line : c.absent)
            EXPECT_EQ(outcome.output.find(line), std::string::npos) << c.text << " has " << line << ":\n"
                                                                    << outcome.output;
    }
}

TEST(E2jChart, RefusesAnOptionItDoesNotTake) { EXPECT_EQ(E2j("chart --speed 5 'Go.'").exitCode, 2); }

}  // namespace
