#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/foundation/dictionary_errors.h"
#include "engine/foundation/dictionary_learning.h"
#include "engine/foundation/grammatical_form_words.h"
#include "engine/foundation/lower_case_words.h"
#include "engine/foundation/temporary_dictionary.h"
#include "engine/foundation/word_list_interfaces.h"
#include "engine/userdict/ud35_entry_groups.h"
#include "engine/userdict/ud35_entry_view.h"
#include "engine/userdict/ud35_iterators.h"
#include "engine/userdict/ud35_statistics.h"
#include "userdict/ud35_test_dictionary.h"

namespace {

class CountingCallback : public MaybeAnyLongerCallback {
public:
    void FoundOne() override { ++found; }
    int GetCoreSpeed() override { return 0; }
    int found = 0;
};

class UD35DictionaryTest : public ::testing::Test {
protected:
    UD35DictionaryTest() {
        fixture.AddGroup({MakeEntry("record"), MakeEntry("records", UDPOS_N_PLURAL)});
        fixture.AddGroup({MakeEntry("in the end", UDPOS_PP)});
        fixture.AddGroup({MakeEntry("in time", UDPOS_PP)});
        fixture.AddGroup({MakeEntry("apple")});
        dictionary = std::make_unique<UD35TestDictionary>(fixture);
    }

    Dictionary_EJ_35UserDict& Dict() { return dictionary->dictionary; }

    std::vector<std::string> Headwords(BidirectionalIterator<Entry_EX> position) {
        std::vector<std::string> words;
        for (; !position.IsAtEnd(); ++position) words.push_back((*position).GetSrcText());
        return words;
    }

    UDFixture fixture;
    std::unique_ptr<UD35TestDictionary> dictionary;
};

TEST_F(UD35DictionaryTest, NamedInterfacesWithLearningOffAndOn) {
    struct {
        char const* name;
        bool servedWithoutLearning;
    } const names[] = {
        {"UDEntryGroupInterface_EX_", true},
        {"GrammaticalFormWordsInterface_", true},
        {"LowerCaseWordsInterface_", true},
        {"CanUseUpPeriodInterface_", true},
        {"SingleWordsWithPeriodsInterface_", true},
        {"InOrderDictionaryIteratorInterface", true},
        {"Dictionary_EJ_35UserDict_LockingInterface", true},
        {"DictionaryLearningInterface", false},
        {"CannotBeginSentInterface_", false},
        {"NoSuchInterface", false},
    };
    for (auto const& n : names) {
        DictionaryInterface_* const first = Dict().GetNamedInterface(n.name);
        EXPECT_EQ(first != nullptr, n.servedWithoutLearning) << n.name;
        EXPECT_EQ(Dict().GetNamedInterface(n.name), first) << n.name << " is made once";
    }
    EXPECT_NE(Dict().GetNamedInterfaceOf<UD35EntryGroupInterface_EJ>(), nullptr);
    EXPECT_EQ(Dict().GetUDEntryGroupInterface(), Dict().GetNamedInterfaceOf<UD35EntryGroupInterface_EJ>());
    EXPECT_EQ(Dictionary_EX_Temporary().GetUDEntryGroupInterface(), nullptr);
    EXPECT_EQ(Dict().GetLockingInterface(), &dictionary->Rep().GetFile());

    Dict().SetUseDictionaryLearningInterface(true);
    EXPECT_TRUE(Dict().GetUseDictionaryLearningInterface());
    auto* const learning = Dict().GetDictionaryLearningInterface(true);
    ASSERT_NE(dynamic_cast<UDStatisticsInterface*>(learning), nullptr);

    Dict().SetUseDictionaryLearningInterface(false);
    EXPECT_EQ(Dict().GetNamedInterface("DictionaryLearningInterface"), nullptr);
    EXPECT_FALSE(learning->IsReadOnly());  // still alive for whoever kept it
    Dict().SetUseDictionaryLearningInterface(true);
    EXPECT_EQ(Dict().GetDictionaryLearningInterface(true), learning);
}

TEST_F(UD35DictionaryTest, LookupCallsBackForLongerHeadwords) {
    CountingCallback callback;
    EXPECT_TRUE(Collect(Dict().Lookup("in", &callback)).empty());
    EXPECT_EQ(callback.found, 2);
    EXPECT_EQ(Collect(Dict().Lookup("In time", nullptr)).size(), 1u);
    EXPECT_TRUE(Collect(Dict().Lookup(std::string(90, 'a'), nullptr)).empty());
}

TEST_F(UD35DictionaryTest, PrefixLookupInBlockOrder) {
    std::vector<std::string> words;
    for (Entry_EX const& entry : Collect(Dict().LookupPrefix("REC"))) words.push_back(entry.GetSrcText());
    EXPECT_EQ(words, (std::vector<std::string>{"record", "records"}));
}

TEST_F(UD35DictionaryTest, BlockOrderIterationBothWays) {
    std::vector<std::string> const forward = Headwords(Dict().GetEntryIterator_start());
    EXPECT_EQ(forward, (std::vector<std::string>{"record", "records", "in the end", "in time", "apple"}));
    BidirectionalIterator<Entry_EX> position = Dict().GetEntryIterator_end();
    std::vector<std::string> backward;
    while (!position.IsAtStart()) backward.push_back((*--position).GetSrcText());
    EXPECT_EQ(backward, (std::vector<std::string>{"apple", "in time", "in the end", "records", "record"}));

    Entry_EX const inTime = *Collect(Dict().Lookup("in time", nullptr)).begin();
    EXPECT_EQ((*Dict().GetEntryIterator_from(inTime)).GetSrcText(), "in time");
    EXPECT_THROW(Dict().CreateNewEntry("x"), NotSupportedOnDictionary<Dictionary_EX>);
}

TEST_F(UD35DictionaryTest, InOrderInterfaceWalksGroupLeaders) {
    auto* const inOrder = Dict().GetNamedInterfaceOf<Dictionary<Entry_EX>::InOrderDictionaryIteratorInterface_>();
    ASSERT_NE(inOrder, nullptr);
    EXPECT_EQ(inOrder->GetCount(), 4u);
    EXPECT_EQ(Headwords(inOrder->GetEntryIterator_start()),
              (std::vector<std::string>{"apple", "in the end", "in time", "record"}));
    BidirectionalIterator<Entry_EX> const third = inOrder->GetIthEntry(2);
    EXPECT_EQ((*third).GetSrcText(), "in time");
    EXPECT_EQ(inOrder->GetIndexOf(third), 2u);
    EXPECT_EQ(inOrder->GetIndexOf(inOrder->GetEntryIterator_from(*third)), 2u);
    EXPECT_THROW(inOrder->GetIndexOf(Dict().GetEntryIterator_start()), std::bad_cast);
}

TEST_F(UD35DictionaryTest, StatisticsAreTheEntryFrequencies) {
    Dict().SetUseDictionaryLearningInterface(true);
    auto& statistics = dynamic_cast<UDStatisticsInterface&>(*Dict().GetDictionaryLearningInterface(true));
    Entry_EX const apple = *Collect(Dict().Lookup("apple", nullptr)).begin();
    Paraphrase_EX const paraphrase = *apple.GetIthFinePOS(0).GetParaphraseIterator();
    statistics.SetCount(paraphrase, 4);
    statistics.Increment(paraphrase);
    statistics.SetFlag(paraphrase, 7);
    EXPECT_EQ(statistics.GetCount(paraphrase), 5u);
    EXPECT_EQ(statistics.GetFlag(paraphrase), 7u);
    statistics.DeleteAllStats();
    EXPECT_EQ(statistics.GetCount(paraphrase), 0u);
    EXPECT_EQ(statistics.GetFlag(paraphrase), 0u);
}

TEST_F(UD35DictionaryTest, IteratorsOutliveTheirDictionaryHandle) {
    BidirectionalIterator<Entry_EX> position = Dict().GetEntryIterator_start();
    dictionary.reset();
    ++position;
    EXPECT_EQ((*position).GetSrcText(), "records");
}

TEST(UD35DictionaryOpen, NullFileIsRefused) { EXPECT_THROW(Dictionary_EJ_35UserDict(nullptr, true), std::bad_alloc); }

}  // namespace
