#include "engine/foundation/temporary_learning.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "engine/foundation/temporary_dictionary.h"

namespace {

using LearningInterface = DictionaryLearningInterface_<FinePOS_EX, Paraphrase_EX>;

class TemporaryLearningTest : public ::testing::Test {
protected:
    Dictionary_EX_Temporary fDictionary;
    LearningInterface& fLearning = *fDictionary.GetDictionaryLearningInterface(false);
    Entry_EX fEntry = fDictionary.CreateNewEntry("walk");
};

TEST_F(TemporaryLearningTest, RecordsOneValuePerReading) {
    FinePOS_EX finePOS = fEntry.CreateNewFinePOS();
    Paraphrase_EX const first = finePOS.CreateNewParaphrase();
    Paraphrase_EX const second = finePOS.CreateNewParaphrase();
    EXPECT_TRUE(fLearning.GetUseLearning());

    float value = 0.0f;
    EXPECT_FALSE(fLearning.GetLearningValue(finePOS, first, &value));
    fLearning.SetLearningValue(finePOS, first, 0.5f);
    fLearning.SetLearningValue(finePOS, first, -1.0f);  // overwrites
    EXPECT_TRUE(fLearning.GetLearningValue(finePOS, first, &value));
    EXPECT_EQ(value, -1.0f);
    EXPECT_TRUE(fLearning.IsDisabled(finePOS, first));
    EXPECT_FALSE(fLearning.IsRecorded(finePOS, second));

    fLearning.BumpUpLearning(finePOS, second);
    EXPECT_TRUE(fLearning.GetLearningValue(finePOS, second, &value));
    EXPECT_FLOAT_EQ(value, 0.0025f);

    fLearning.ClearLearningValue(finePOS, first);
    EXPECT_FALSE(fLearning.IsRecorded(finePOS, first));
    EXPECT_TRUE(fLearning.IsRecorded(finePOS, second));
    fLearning.DeleteAllStats();
    EXPECT_FALSE(fLearning.IsRecorded(finePOS, second));
}

// A base form A with paraphrases 1 and 2, its conjugated form B, and a fine
// part of speech D on another entry with paraphrase 3; values recorded for
// every reading of them.
class TemporaryLearningRemovalTest : public TemporaryLearningTest {
protected:
    void SetUp() override {
        fB.SetBaseForm(fA);
        for (FinePOS_EX const& finePOS : {fA, fB, fD}) {
            for (Paraphrase_EX const& paraphrase : {fP1, fP2, fP3})
                fLearning.SetLearningValue(finePOS, paraphrase, 0.5f);
        }
    }

    std::vector<std::string> Recorded() const {
        std::vector<std::string> recorded;
        for (auto const& [fpName, finePOS] : {std::pair{"A", fA}, {"B", fB}, {"D", fD}}) {
            for (auto const& [ppName, paraphrase] : {std::pair{"1", fP1}, {"2", fP2}, {"3", fP3}}) {
                if (fLearning.IsRecorded(finePOS, paraphrase)) recorded.push_back(std::string(fpName) + ppName);
            }
        }
        return recorded;
    }

    FinePOS_EX fA = fEntry.CreateNewFinePOS();
    FinePOS_EX fB = fEntry.CreateNewFinePOS();
    Entry_EX fOther = fDictionary.CreateNewEntry("run");
    FinePOS_EX fD = fOther.CreateNewFinePOS();
    Paraphrase_EX fP1 = fA.CreateNewParaphrase();
    Paraphrase_EX fP2 = fA.CreateNewParaphrase();
    Paraphrase_EX fP3 = fD.CreateNewParaphrase();
};

TEST_F(TemporaryLearningRemovalTest, RemovingAFinePartOfSpeechErasesEveryValueOfItAndItsParaphrases) {
    fEntry.RemoveFinePOS(fA);
    EXPECT_EQ(Recorded(), (std::vector<std::string>{"B3", "D3"}));
    fEntry.RemoveFinePOS(fB);
    EXPECT_EQ(Recorded(), (std::vector<std::string>{"D3"}));

    // New elements, perhaps at the old addresses, inherit nothing.
    FinePOS_EX fresh = fEntry.CreateNewFinePOS();
    Paraphrase_EX const freshParaphrase = fresh.CreateNewParaphrase();
    for (FinePOS_EX const& finePOS : {fresh, fD}) EXPECT_FALSE(fLearning.IsRecorded(finePOS, freshParaphrase));
    for (Paraphrase_EX const& paraphrase : {fP1, fP2, fP3}) EXPECT_FALSE(fLearning.IsRecorded(fresh, paraphrase));
}

TEST_F(TemporaryLearningRemovalTest, RemovingAParaphraseErasesEveryValueOfIt) {
    fA.GetEntry()->RemoveParaphrase(fA.GetCookie(), fP1);
    EXPECT_EQ(Recorded(), (std::vector<std::string>{"A2", "A3", "B2", "B3", "D2", "D3"}));
}

}  // namespace
