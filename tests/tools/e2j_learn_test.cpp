// e2j learn: a choice among a word's alternatives recorded in a learning
// statistics file over the core lexicon, which offers bank as 銀行 (the
// translation's own), 堤防 and 土手, in that order.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "engine/compiled/learning_stats_text.h"
#include "run_command.h"
#include "support/scratch_folder.h"

namespace {

CommandOutcome Learn(std::string const& arguments) {
    return RunCommand(TOOLS_DIR "/e2j learn " + arguments + " 'The bank is big.' 2>&1");
}

TEST(E2jLearn, AChoiceIsCountedOnceTwiceOrThriceAsTheStrengthSays) {
    ScratchFolder folder("e2j_learn");
    // Facade strengths 1, 2 and 3 count a choice 1, 2 and 3 times: from no
    // value, 1 - 0.9975^k.
    for (int strength : {1, 2, 3}) {
        std::string const stats = folder / ("stats" + std::to_string(strength) + ".txt");
        CommandOutcome const outcome =
            Learn("--strength " + std::to_string(strength) + " --stats " + stats + " --choose bank:2");
        EXPECT_EQ(outcome.exitCode, 0) << outcome.output;
        std::vector<LearningStatsLine> const lines = ParseLearningStatsText(ReadWholeFile(stats));
        ASSERT_EQ(lines.size(), 1u) << strength;
        EXPECT_NEAR(lines[0].value, 1.0 - std::pow(0.9975, strength), 1e-6) << strength;
    }
    // Another choice is another reading.
    std::string const other = folder / "other.txt";
    ASSERT_EQ(Learn("--stats " + other + " --choose bank:1").exitCode, 0);
    std::vector<LearningStatsLine> const chosen = ParseLearningStatsText(ReadWholeFile(folder / "stats1.txt"));
    std::vector<LearningStatsLine> const otherChosen = ParseLearningStatsText(ReadWholeFile(other));
    ASSERT_EQ(chosen.size(), 1u);
    ASSERT_EQ(otherChosen.size(), 1u);
    EXPECT_NE(otherChosen[0].key.GetKeyString(), chosen[0].key.GetKeyString());
}

TEST(E2jLearn, AChoiceOutsideTheListOrOfADisabledReadingChangesNothing) {
    ScratchFolder folder("e2j_learn_nothing");
    std::string const stats = folder / "stats.txt";
    ASSERT_EQ(Learn("--strength 3 --stats " + stats + " --choose bank:2").exitCode, 0);
    std::string const learnt = ReadWholeFile(stats);
    for (char const* choice : {"bank:99", "bank:3"}) {
        CommandOutcome const outcome = Learn("--strength 3 --stats " + stats + " --choose " + choice);
        EXPECT_EQ(outcome.exitCode, 0) << choice << outcome.output;
        EXPECT_EQ(ReadWholeFile(stats), learnt) << choice;
    }

    // The reading disabled by hand stays disabled: -1.0, never -0.995.
    std::string disabled = learnt;
    std::size_t const value = disabled.rfind('\t') + 1;
    disabled.replace(value, disabled.size() - value, "-1.000000\n");
    WriteWholeFile(stats, disabled);
    EXPECT_EQ(Learn("--strength 3 --stats " + stats + " --choose bank:2").exitCode, 0);
    EXPECT_EQ(ReadWholeFile(stats), disabled);
}

TEST(E2jLearn, AWordTheLastSentenceLacksOrABadChoiceIsAnError) {
    ScratchFolder folder("e2j_learn_errors");
    std::string const stats = folder / "stats.txt";
    EXPECT_EQ(Learn("--stats " + stats + " --choose river:0").exitCode, 1);
    for (char const* arguments : {"--choose bank:2", "--stats x", "--stats x --choose bank",
                                  "--stats x --choose bank:-1", "--strength 4 --stats x --choose bank:2"})
        EXPECT_EQ(Learn(arguments).exitCode, 2) << arguments;
}

}  // namespace
