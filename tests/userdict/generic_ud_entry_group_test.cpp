#include "engine/userdict/generic_ud_entry_group.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/foundation/temporary_dictionary.h"
#include "foundation/temporary_test_support.h"

namespace {

// The generic part leaves counting and indexing to a subclass.
class GroupsOnly : public GenericUDEntryGroupInterface_EX {
public:
    using GenericUDEntryGroupInterface_EX::GenericUDEntryGroupInterface_EX;
    uint32_t GetCount() override { return 0; }
    UDEntryGroupIterator GetIthEntry(uint32_t) override { return GetIterator_end(); }
    uint32_t GetIndexOf(UDEntryGroupIterator const&) override { return 0; }
};

// Verbs with their forms in entries of their own or in the base's entry, and
// an entry ("saw") holding a noun of its own and a form of "see".  In
// dictionary order the first entry, "ate", is a form of "eat".
class GenericGroupsTest : public ::testing::Test {
protected:
    GenericGroupsTest() {
        FinePOS_EX const eat = Reading("eat");
        Form("ate", eat);
        Form("eaten", eat);
        // An entry lists its newest reading first: the base form comes last.
        FinePOS_EX past = Reading("put");
        FinePOS_EX participle = Reading("put");
        FinePOS_EX const put = Reading("put");
        past.SetBaseForm(put);
        participle.SetBaseForm(put);
        Form("puts", put);
        Form("putting", put);
        FinePOS_EX sawAsPast = Reading("saw");
        Reading("saw");  // the noun, listed first
        FinePOS_EX const see = Reading("see");
        sawAsPast.SetBaseForm(see);
        Form("seen", see);
    }

    // A new reading, its own base form, in the headword's entry.
    FinePOS_EX Reading(std::string const& headword) { return EntryFor(headword).CreateNewFinePOS(); }
    void Form(std::string const& headword, FinePOS_EX const& base) {
        EntryFor(headword).CreateNewFinePOS().SetBaseForm(base);
    }
    Entry_EX EntryFor(std::string const& headword) {
        ForwardIterator<Entry_EX> found = fDictionary.Lookup(headword, nullptr);
        return found.IsAtEnd() ? fDictionary.CreateNewEntry(headword) : *found;
    }

    std::vector<std::string> Headwords() { return temporary_test::Headwords(fDictionary.GetEntryIterator_start()); }
    static std::string LeaderOf(UDEntryGroupIterator const& position) {
        return position.IsAtEnd() ? "<end>"
                                  : GenericUDEntryGroupInterface_EX::GetCurrentEntryGroup(position).GetSrcText();
    }
    UDEntryGroupIterator GroupOf(std::string const& headword) {
        return fGroups.GetIterator_fromhere(EntryFor(headword));
    }

    Dictionary_EX_Temporary fDictionary;
    GroupsOnly fGroups{dynamic_cast<DictionaryRep_EX*>(fDictionary.GetRep())};
};

TEST_F(GenericGroupsTest, WalksLeadersOnlyInBothDirections) {
    std::vector<std::string> forward;
    for (UDEntryGroupIterator it = fGroups.GetIterator_start(); !it.IsAtEnd(); ++it) forward.push_back(LeaderOf(it));
    EXPECT_EQ(forward, (std::vector<std::string>{"eat", "put", "saw", "see"}));

    std::vector<std::string> backward;
    UDEntryGroupIterator it = fGroups.GetIterator_end();
    while (!it.IsAtStart()) backward.push_back(LeaderOf(--it));
    EXPECT_EQ(backward, (std::vector<std::string>{"see", "saw", "put", "eat"}));
    --it;
    EXPECT_EQ(LeaderOf(it), "eat") << "no group before the first: the form \"ate\" is no group";
    EXPECT_TRUE(it == fGroups.GetIterator_start());
}

TEST_F(GenericGroupsTest, FindsGroupsByEntryAndPrefix) {
    EXPECT_EQ(LeaderOf(GroupOf("put")), "put");
    EXPECT_EQ(LeaderOf(fGroups.LookupPrefix("se")), "see");
    EXPECT_EQ(LeaderOf(fGroups.LookupPrefix("pu")), "put");
    EXPECT_EQ(LeaderOf(fGroups.LookupPrefix("q")), "<end>");
    EXPECT_TRUE(fGroups.LookupMatching(UDEntryGroupInfo_EX()).IsAtEnd());
}

// "put" is its own past and past participle: its entry loses three readings
// and goes once, with "puts" and "putting".
TEST_F(GenericGroupsTest, ErasingPutRemovesItsEntriesOnce) {
    UDEntryGroupIterator const next = fGroups.Erase(GroupOf("put"));
    EXPECT_EQ(LeaderOf(next), "saw");
    EXPECT_EQ(Headwords(), (std::vector<std::string>{"ate", "eat", "eaten", "saw", "see", "seen"}));
}

// "saw" keeps its own noun when the group of "see" goes.
TEST_F(GenericGroupsTest, ErasingLeavesOtherReadingsOfASharedEntry) {
    UDEntryGroupIterator const previous = fGroups.Erase(GroupOf("see"));
    EXPECT_EQ(LeaderOf(previous), "saw") << "the last group erased gives the one before";
    EXPECT_EQ(Headwords(), (std::vector<std::string>{"ate", "eat", "eaten", "put", "puts", "putting", "saw"}));
    EXPECT_EQ(EntryFor("saw").GetFinePOSCount(), 1u);
    EXPECT_TRUE(GenericUDEntryGroupInterface_EX::IsGroupLeader(EntryFor("saw")));
}

TEST_F(GenericGroupsTest, ErasingEveryGroupEndsAtTheEnd) {
    fDictionary.CreateNewEntry("zzz");  // no readings: a group of its own
    UDEntryGroupIterator it = fGroups.GetIterator_start();
    std::vector<std::string> answers;
    while (!it.IsAtEnd()) {
        it = fGroups.Erase(it);
        answers.push_back(LeaderOf(it));
    }
    EXPECT_EQ(answers, (std::vector<std::string>{"put", "saw", "see", "zzz", "<end>"}));
    EXPECT_TRUE(Headwords().empty());
    EXPECT_THROW(fGroups.Erase(fGroups.GetIterator_end()), std::out_of_range);
}

TEST_F(GenericGroupsTest, CreateNewAddsAPlaceholderGroupAndGivesIt) {
    UDEntryGroupIterator const created = fGroups.CreateNew(UDEntryGroupInfo_EX(), false);
    EXPECT_EQ(LeaderOf(created), GenericUDEntryGroupInterface_EX::kNewGroupHeadword);
    EXPECT_EQ(GenericUDEntryGroupInterface_EX::GetCurrentEntryGroup(created).GetFinePOSCount(), 0u);
    EXPECT_EQ(Headwords(), (std::vector<std::string>{"ate", "eat", "eaten", "new entry group", "put", "puts", "putting",
                                                     "saw", "see", "seen"}));
}

}  // namespace
