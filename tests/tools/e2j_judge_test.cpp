// e2j judge: the facade's sentence spans, in bytes of the Shift-JIS text.
#include <gtest/gtest.h>

#include "e2j_golden.h"

namespace {

TEST(E2jJudge, PrintsEachSentencesByteSpan) {
    E2jGolden const cases[] = {
        // The blank after a sentence's end starts the next sentence.
        {"judge 'One. Two.'", "0 4\n4 9\n"},
        // Each kanji is two bytes in Shift-JIS.
        {"judge '日本. Two.'", "0 5\n5 10\n"},
        {"judge 'Hello world'", "0 11\n"},
        {"judge ''", ""},
    };
    ExpectE2jPrints(cases);
    EXPECT_EQ(E2j("judge --frobnicate x").exitCode, 2);
}

}  // namespace
