// e2j translate on the shapes real text takes beyond the textbook
// sentence: lines ended by their line end instead of a stop, headings and
// titles, instructions on a line of their own.  Each English text with the
// exact Japanese it gives in plain and in polite style.
#include <gtest/gtest.h>

#include "e2j_translations.h"

namespace {

// A sentence whose line ends without a stop reads as the sentence, and the
// next line as a sentence of its own.
TEST(E2jRealText, ALineEndEndsASentenceWithoutAStop) {
    StyledTranslation const cases[] = {
        {"He came yesterday\n", "彼は昨日来た\n", "彼は昨日来ました\n"},
        {"The dog eats meat\nThe cat eats fish\n", "犬は肉を食べる\n猫は魚を食べる\n",
         "犬は肉を食べます\n猫は魚を食べます\n"},
        {"She is not big\n", "彼女は大きくない\n", "彼女は大きくありません\n"},
    };
    ExpectPlainAndPolite(cases);
}

// A heading is a noun phrase alone: no particle, no copula, in either style;
// the sentence after it keeps its own.
TEST(E2jRealText, AHeadingReadsAsItsNounPhrase) {
    StyledTranslation const cases[] = {
        {"My school\n", "私の学校\n", "私の学校\n"},
        {"The red car", "赤い車", "赤い車"},
        {"My father's car\n", "私の父の車\n", "私の父の車\n"},
        {"The park\nThe children play in the park.\n", "公園\n子供は公園で遊ぶ。\n", "公園\n子供は公園で遊びます。\n"},
    };
    ExpectPlainAndPolite(cases);
}

// An instruction on a line of its own reads as one with a stop would.
TEST(E2jRealText, AnInstructionWithoutAStopIsStillAnOrder) {
    StyledTranslation const cases[] = {
        {"Read the book\n", "本を読め\n", "本を読んでください\n"},
        {"Do not open the door\n", "ドアを開けるな\n", "ドアを開けないでください\n"},
        {"Open the window", "窓を開けろ", "窓を開けてください"},
    };
    ExpectPlainAndPolite(cases);
}

}  // namespace
