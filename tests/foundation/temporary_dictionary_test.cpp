#include "engine/foundation/temporary_dictionary.h"

#include <gtest/gtest.h>

#include <list>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "engine/foundation/dictionary_errors.h"
#include "engine/foundation/dictionary_learning.h"
#include "foundation/fake_dictionary.h"
#include "foundation/temporary_test_support.h"

namespace {

using temporary_test::Drain;
using temporary_test::Headwords;
using LearningInterface = DictionaryLearningInterface_<FinePOS_EX, Paraphrase_EX>;

class CountingCallback : public MaybeAnyLongerCallback {
public:
    void FoundOne() override { ++fFound; }
    int GetCoreSpeed() override { return 0; }
    int fFound = 0;
};

TEST(TemporaryDictionaryTest, StartsEmptyWithTheDynamicNumberAndTakesChanges) {
    Dictionary_EX_Temporary dictionary;
    EXPECT_EQ(dictionary.GetID(), 30001);
    EXPECT_TRUE(dictionary.GetDomainIDSet().Empty());
    EXPECT_TRUE(dictionary->IsModifyable());
    EXPECT_TRUE(dictionary.GetEntryIterator_start().IsAtEnd());
    EXPECT_TRUE(dictionary.GetEntryIterator_start().IsAtStart());

    dictionary.SetID(kSpecialDictionaryID);
    DomainIDSet domains;
    domains.Set(DomainID{3});
    dictionary->SetDomainIDSet(domains);
    EXPECT_EQ(dictionary.GetID(), kSpecialDictionaryID);
    EXPECT_EQ(dictionary.GetDomainIDSet(), domains);
}

TEST(TemporaryDictionaryTest, ServesOnlyItsLearningInterfaceAlwaysTheSameOne) {
    Dictionary_EX_Temporary dictionary;
    LearningInterface* learning = dictionary.GetDictionaryLearningInterface(true);
    ASSERT_NE(learning, nullptr);
    EXPECT_EQ(dictionary.GetDictionaryLearningInterface(false), learning);
    EXPECT_FALSE(learning->IsReadOnly());
    EXPECT_EQ(dictionary.GetNamedInterface("MiscelaneousDictionaryInfoInterface_X"), nullptr);
    EXPECT_EQ(dictionary.GetLockingInterface(), nullptr);
}

// ---- Lookups ---------------------------------------------------------------

enum class Kind { kEmpty, kSingle, kList };

Kind KindOf(ForwardIterator<Entry_EX> const& it) {
    if (dynamic_cast<EmptyForwardIteratorRep_<Entry_EX>*>(it.GetRep()) != nullptr) return Kind::kEmpty;
    if (dynamic_cast<SingleEltForwardIteratorRep_<Entry_EX>*>(it.GetRep()) != nullptr) return Kind::kSingle;
    if (dynamic_cast<VectorByValueForwardIteratorRep_<Entry_EX, std::list<Entry_EX>>*>(it.GetRep()) != nullptr)
        return Kind::kList;
    ADD_FAILURE() << "an iterator of an unexpected kind";
    return Kind::kEmpty;
}

// Created in this order; results name them by index.
char const* const kHeadwords[] = {
    "apple",             // 0
    "banana",            // 1
    "Banana",            // 2: the same headword in dictionary order, made later
    "bandana",           // 3
    "\x83\x41",          // 4: a katakana letter
    "\x83\x41\x83\x43",  // 5: two of them
    "\x83\x61",          // 6: its trail byte is a lower-case letter, compared raw
    "zebra",             // 7
};

class TemporaryLookupTest : public ::testing::Test {
protected:
    void SetUp() override {
        for (char const* headword : kHeadwords) fEntries.push_back(fDictionary.CreateNewEntry(headword));
    }

    // Indexes of the entries the iterator yields.
    std::vector<int> Indexes(ForwardIterator<Entry_EX> const& it) const {
        std::vector<int> indexes;
        for (Entry_EX const& found : Drain(it)) {
            int index = -1;
            for (std::size_t i = 0; i < fEntries.size(); ++i) {
                if (fEntries[i] == found) index = static_cast<int>(i);
            }
            indexes.push_back(index);
        }
        return indexes;
    }

    Dictionary_EX_Temporary fDictionary;
    std::vector<Entry_EX> fEntries;
};

TEST_F(TemporaryLookupTest, FindsWholeHeadwordsOfEitherCaseInInsertionOrder) {
    struct Case {
        std::string key;
        std::vector<int> expected;
        Kind kind;
    } const cases[] = {
        {"Apple", {0}, Kind::kSingle},    {"APPLE", {0}, Kind::kSingle},    {"banana", {1, 2}, Kind::kList},
        {"BANANA", {1, 2}, Kind::kList},  {"ban", {}, Kind::kEmpty},        {"bananas", {}, Kind::kEmpty},
        {"\x83\x41", {4}, Kind::kSingle}, {"\x83\x61", {6}, Kind::kSingle}, {"\x83", {}, Kind::kEmpty},
        {"", {}, Kind::kEmpty},
    };
    for (Case const& c : cases) {
        ForwardIterator<Entry_EX> const found = fDictionary.Lookup(c.key, nullptr);
        EXPECT_EQ(Indexes(found), c.expected) << c.key;
        EXPECT_EQ(KindOf(found), c.kind) << c.key;
    }
}

TEST_F(TemporaryLookupTest, FindsEveryHeadwordBeginningWithThePrefix) {
    struct Case {
        std::string prefix;
        std::vector<int> expected;
    } const cases[] = {
        {"", {0, 1, 2, 3, 7, 4, 5, 6}},  // every entry, in dictionary order
        {"BAN", {1, 2, 3}},
        {"banana", {1, 2}},
        {"\x83", {4, 5, 6}},  // ending on a lead byte
        {"\x83\x41\x83", {5}},
        {"\x83\x41", {4, 5}},
        {"zebras", {}},
        {"q", {}},
    };
    for (Case const& c : cases) {
        ForwardIterator<Entry_EX> const found = fDictionary.LookupPrefix(c.prefix);
        EXPECT_EQ(Indexes(found), c.expected) << c.prefix;
        EXPECT_EQ(KindOf(found), Kind::kList) << c.prefix;
    }
}

TEST_F(TemporaryLookupTest, TellsTheCallbackOncePerLookup) {
    CountingCallback callback;
    fDictionary.Lookup("banana", &callback);
    fDictionary.Lookup("nothing", &callback);
    EXPECT_EQ(callback.fFound, 2);
}

TEST(TemporaryDictionaryTest, CutsKeysAfter1023Bytes) {
    Dictionary_EX_Temporary dictionary;
    dictionary.CreateNewEntry(std::string(1023, 'a'));
    std::string const longKey(1500, 'a');
    // The handle refuses such keys; other callers of the representation may not.
    EXPECT_EQ(Headwords(dictionary->Lookup(longKey.data(), longKey.size(), nullptr)).size(), 1u);
}

// ---- Entries in order ------------------------------------------------------

TEST(TemporaryDictionaryTest, IteratesEntriesInDictionaryOrderBothWays) {
    Dictionary_EX_Temporary dictionary;
    for (char const* headword : {"cherry", "Apple", "banana", "apple"}) dictionary.CreateNewEntry(headword);

    EXPECT_EQ(Headwords(dictionary.GetEntryIterator_start()),
              (std::vector<std::string>{"Apple", "apple", "banana", "cherry"}));

    BidirectionalIterator<Entry_EX> it = dictionary.GetEntryIterator_end();
    EXPECT_TRUE(it.IsAtEnd());
    std::vector<std::string> backwards;
    while (!it.IsAtStart()) backwards.push_back((*--it).GetSrcText());
    EXPECT_EQ(backwards, (std::vector<std::string>{"cherry", "banana", "apple", "Apple"}));
    EXPECT_TRUE(it == dictionary.GetEntryIterator_start());
}

TEST(TemporaryDictionaryTest, FindsTheVeryEntryAmongSameHeadwords) {
    Dictionary_EX_Temporary dictionary;
    Entry_EX const first = dictionary.CreateNewEntry("bank");
    Entry_EX const second = dictionary.CreateNewEntry("BANK");
    Entry_EX const third = dictionary.CreateNewEntry("bank");

    BidirectionalIterator<Entry_EX> it = dictionary.GetEntryIterator_from(second);
    EXPECT_TRUE(*it == second);
    EXPECT_TRUE(*++it == third);

    Dictionary_EX_Temporary other;
    Entry_EX const elsewhere = other.CreateNewEntry("bank");
    auto [foreign, foreignRep] = fake::MakeDictionary();
    Entry_EX const ofAnotherKind = foreign.CreateNewEntry("bank");
    for (Entry_EX const& absent : {elsewhere, ofAnotherKind}) {
        EXPECT_TRUE(dictionary.GetEntryIterator_from(absent).IsAtEnd());
        dictionary.RemoveEntry(absent);
    }
    EXPECT_EQ(Headwords(dictionary.GetEntryIterator_start()).size(), 3u);

    dictionary.RemoveEntry(second);
    dictionary.RemoveEntry(second);  // no longer held: nothing changes
    std::vector<Entry_EX> const left = Drain(dictionary.Lookup("bank", nullptr));
    ASSERT_EQ(left.size(), 2u);
    EXPECT_TRUE(left[0] == first);
    EXPECT_TRUE(left[1] == third);
    EXPECT_TRUE(dictionary.GetEntryIterator_from(second).IsAtEnd());
}

TEST(TemporaryDictionaryTest, AnEntryIteratorKeepsItsDictionaryAlive) {
    BidirectionalIterator<Entry_EX> it = [] {
        Dictionary_EX_Temporary dictionary;
        dictionary.CreateNewEntry("b");
        dictionary.CreateNewEntry("a");
        return dictionary.GetEntryIterator_start();
    }();
    EXPECT_EQ((*it).GetDictionary().GetID(), kDefaultDictionaryID);
    EXPECT_EQ(Headwords(it), (std::vector<std::string>{"a", "b"}));
}

// ---- Entries and the life of their dictionary ------------------------------

TEST(TemporaryDictionaryTest, AnEntryOutlivesItsDictionary) {
    auto const [survivor, removed] = [] {
        Dictionary_EX_Temporary dictionary;
        Entry_EX entry = dictionary.CreateNewEntry("orphan");
        entry.CreateNewFinePOS().CreateNewParaphrase().SetCookedTranslation("{x}");
        Entry_EX const removedEntry = dictionary.CreateNewEntry("removed");
        dictionary.RemoveEntry(removedEntry);
        // Removed but alive, it still belongs to its dictionary.
        EXPECT_TRUE(removedEntry.GetDictionary() == dictionary);
        // Learning values hold entries too; they go first.
        FinePOS_EX const finePOS = entry.GetIthFinePOS(0);
        dictionary.GetDictionaryLearningInterface(false)->SetLearningValue(finePOS, *finePOS.GetParaphraseIterator(),
                                                                           0.5f);
        return std::make_pair(entry, removedEntry);
    }();

    for (Entry_EX const& entry : {survivor, removed}) EXPECT_THROW(entry.GetDictionary(), std::logic_error);
    EXPECT_EQ(survivor.GetSrcText(), "orphan");
    FinePOS_EX const finePOS = survivor.GetIthFinePOS(0);
    EXPECT_EQ((*finePOS.GetParaphraseIterator()).GetCookedTranslation(), "{x}");
    Entry_EX changed = survivor;
    changed.CreateNewFinePOS();
    changed.RemoveAllFinePOSes();
    EXPECT_EQ(survivor.GetFinePOSCount(), 0u);
}

}  // namespace
