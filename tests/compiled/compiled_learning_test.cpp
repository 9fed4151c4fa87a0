#include "engine/compiled/compiled_learning.h"

#include <gtest/gtest.h>

#include <string>

#include "compiled/learning_test_support.h"
#include "engine/foundation/file_errors.h"

namespace {

using learning_test::kNoun;

class CompiledLearningTest : public ::testing::Test {
protected:
    learning_test::ScratchDir fDir;
    std::string const fPath = fDir.File("system.stats");
    learning_test::Readings fReadings;
    learning_test::Readings::Reading const fRun = fReadings.MakeReading("run", kNoun, 1);
    Dictionary_EX_40Compiled_LearningInterface fLearning;
};

TEST_F(CompiledLearningTest, WhileLearningIsOffNothingIsRecordedAndNothingFails) {
    EXPECT_FALSE(fLearning.GetUseLearning());
    fLearning.SetLearningValue(fRun.finePOS, fRun.paraphrase, 1.0f);
    fLearning.BumpUpLearning(fRun.finePOS, fRun.paraphrase);
    fLearning.ClearLearningValue(fRun.finePOS, fRun.paraphrase);
    fLearning.DeleteAllStats();
    fLearning.FlushAllStats();
    float value = 7.0f;
    EXPECT_FALSE(fLearning.GetLearningValue(fRun.finePOS, fRun.paraphrase, &value));
    EXPECT_EQ(value, 7.0f);
    EXPECT_FALSE(fLearning.IsRecorded(fRun.finePOS, fRun.paraphrase));
    EXPECT_FALSE(fLearning.IsPrefferred(fRun.finePOS, fRun.paraphrase));
    EXPECT_FALSE(fLearning.IsDisabled(fRun.finePOS, fRun.paraphrase));
    EXPECT_TRUE(fLearning.IsReadOnly());
}

TEST_F(CompiledLearningTest, RaisingMovesAValueTowardsOneAndNeverPast) {
    fLearning.SetUseLearning(fPath.c_str());
    ASSERT_TRUE(fLearning.GetUseLearning());
    EXPECT_FALSE(fLearning.IsReadOnly());
    float value = 0.0f;
    fLearning.BumpUpLearning(fRun.finePOS, fRun.paraphrase);
    ASSERT_TRUE(fLearning.GetLearningValue(fRun.finePOS, fRun.paraphrase, &value));
    EXPECT_EQ(value, 0.0025f);
    fLearning.SetLearningValue(fRun.finePOS, fRun.paraphrase, 1.0f);
    fLearning.BumpUpLearning(fRun.finePOS, fRun.paraphrase);
    EXPECT_TRUE(fLearning.IsPrefferred(fRun.finePOS, fRun.paraphrase));
}

TEST_F(CompiledLearningTest, DictionariesOnOneFileShareValuesAndTheLastToLeaveSaves) {
    Dictionary_EX_50Compiled_LearningInterface other;
    fLearning.SetUseLearning(fPath.c_str());
    other.SetUseLearning(fPath.c_str(), nullptr);
    fLearning.SetLearningValue(fRun.finePOS, fRun.paraphrase, -1.0f);
    EXPECT_TRUE(other.IsDisabled(fRun.finePOS, fRun.paraphrase));

    fLearning.SetUseLearning(fDir.File("elsewhere.stats").c_str());
    EXPECT_EQ(ReadWholeFile(fPath), "") << "still held by the other dictionary";
    EXPECT_FALSE(fLearning.IsRecorded(fRun.finePOS, fRun.paraphrase));
    other.SetUseLearning(nullptr);
    EXPECT_FALSE(other.GetUseLearning());
    EXPECT_EQ(ReadWholeFile(fPath), "run\t[<\t1\t-1.000000\n");

    other.SetUseLearning(fPath.c_str());
    EXPECT_TRUE(other.IsDisabled(fRun.finePOS, fRun.paraphrase)) << "read back from the file";
}

TEST_F(CompiledLearningTest, AFileThatCannotBeOpenedLeavesLearningOff) {
    fLearning.SetUseLearning(fPath.c_str());
    EXPECT_THROW(fLearning.SetUseLearning(fDir.File("missing/system.stats").c_str()), FileException);
    EXPECT_FALSE(fLearning.GetUseLearning());
}

}  // namespace
