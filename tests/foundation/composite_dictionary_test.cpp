#include "engine/foundation/composite_dictionary.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "engine/foundation/composite_dictionary_iterators.h"
#include "engine/foundation/dictionary_errors.h"
#include "engine/foundation/entry.h"
#include "engine/foundation/grammatical_form_words.h"
#include "engine/foundation/idiom_lists.h"
#include "engine/foundation/lower_case_words.h"
#include "engine/foundation/temporary_dictionary.h"
#include "engine/foundation/word_list_interfaces.h"
#include "temporary_test_support.h"

namespace {

using temporary_test::Drain;

// ---- Members that serve named interfaces -----------------------------------

using MakeInterface = std::function<DictionaryInterface_*(DictionaryRep_EX*)>;

template <class LookupInterface>
MakeInterface LookupOverRep() {
    return [](DictionaryRep_EX* rep) -> DictionaryInterface_* { return new LookupInterface(rep); };
}

// Every name the composite answers, with how a member makes its own.
std::map<std::string, MakeInterface> const kServableInterfaces = {
    {GrammaticalFormWordsInterface_::kInterfaceName, LookupOverRep<GrammaticalFormWordsInterface_Lookup>()},
    {LowerCaseWordsInterface_::kInterfaceName, LookupOverRep<LowerCaseWordsInterface_Lookup>()},
    {CannotBeginSentInterface_::kInterfaceName, LookupOverRep<CannotBeginSentInterface_Lookup>()},
    {CannotEndSentInterface_::kInterfaceName, LookupOverRep<CannotEndSentInterface_Lookup>()},
    {CannotBeginAndEndSentInterface_::kInterfaceName, LookupOverRep<CannotBeginAndEndSentInterface_Lookup>()},
    {CanUseUpPeriodInterface_::kInterfaceName, LookupOverRep<CanUseUpPeriodInterface_Lookup>()},
    {SingleWordsWithPeriodsInterface_::kInterfaceName, LookupOverRep<SingleWordsWithPeriodsInterface_Lookup>()},
    {AlmightyIdiomInterface_::kInterfaceName,
     [](DictionaryRep_EX* rep) -> DictionaryInterface_* {
         return new AlmightyIdiomInterface_Lookup(Dictionary_EX(rep));
     }},
};

std::vector<std::string> WordListNames() {
    std::vector<std::string> names;
    for (auto const& servable : kServableInterfaces) {
        if (servable.first != AlmightyIdiomInterface_::kInterfaceName) names.push_back(servable.first);
    }
    return names;
}

// A temporary dictionary that also serves the named interfaces given, each
// made on the first request.
class ServingTemporaryRep : public DictionaryRep_EX_Temporary {
public:
    explicit ServingTemporaryRep(std::set<std::string> served) : fServed(std::move(served)) {}

    DictionaryInterface_* GetNamedInterface(std::string const& name) override {
        if (fServed.count(name) == 0) return DictionaryRep_EX_Temporary::GetNamedInterface(name);
        AutoCriticalSection const lock(fCriticalSection);
        std::unique_ptr<DictionaryInterface_>& made = fMade[name];
        if (!made) made.reset(kServableInterfaces.at(name)(this));
        return made.get();
    }

private:
    std::set<std::string> fServed;
    std::map<std::string, std::unique_ptr<DictionaryInterface_>> fMade;
};

Dictionary_EX Serving(std::set<std::string> names) { return Dictionary_EX(new ServingTemporaryRep(std::move(names))); }

// ---- Lookup ----------------------------------------------------------------

// Entries with the headword "key" in a member, in the member's own order;
// "keys" and "other" keep the lookup honest.
std::vector<Entry_EX> FillMember(Dictionary_EX& member, int hits) {
    member.CreateNewEntry("other");
    member.CreateNewEntry("keys");
    for (int i = 0; i < hits; ++i) member.CreateNewEntry(i % 2 == 0 ? "key" : "KEY");
    return Drain(member.Lookup("key", nullptr));
}

class CompositeLookup : public testing::TestWithParam<std::vector<int>> {};

TEST_P(CompositeLookup, YieldsEveryMembersHitsMemberByMember) {
    std::vector<Dictionary_EX> members;
    std::vector<Entry_EX> expected;
    for (int hits : GetParam()) {
        members.push_back(Dictionary_EX_Temporary());
        std::vector<Entry_EX> const memberHits = FillMember(members.back(), hits);
        ASSERT_EQ(memberHits.size(), static_cast<std::size_t>(hits));
        expected.insert(expected.end(), memberHits.begin(), memberHits.end());
    }
    CompositeDictionary_EX const composite(members);
    EXPECT_EQ(Drain(composite.Lookup("Key", nullptr)), expected);
}

INSTANTIATE_TEST_SUITE_P(HitsPerMember, CompositeLookup,
                         testing::Values(std::vector<int>{}, std::vector<int>{2, 0, 1}, std::vector<int>{0, 0, 0},
                                         std::vector<int>{0, 0, 3}, std::vector<int>{1, 1, 1}, std::vector<int>{0, 2}));

TEST(CompositeLookup, AnEntryInTwoMembersComesOutTwice) {
    Dictionary_EX_Temporary shared;
    Entry_EX const entry = shared.CreateNewEntry("twice");
    Dictionary_EX_Temporary empty;
    CompositeDictionary_EX const composite(std::vector<Dictionary_EX>{shared, empty, shared});
    EXPECT_EQ(Drain(composite.Lookup("twice", nullptr)), (std::vector<Entry_EX>{entry, entry}));
}

TEST(CompositeLookup, EveryMemberHearsTheCallbackAndOverlongKeysFindNothing) {
    class CountingCallback : public MaybeAnyLongerCallback {
    public:
        void FoundOne() override { ++found; }
        int GetCoreSpeed() override { return 0; }
        int found = 0;
    };
    Dictionary_EX_Temporary first, second;
    first.CreateNewEntry("word");
    second.CreateNewEntry(std::string(256, 'w'));
    CompositeDictionary_EX const composite(std::vector<Dictionary_EX>{first, second});
    CountingCallback callback;
    EXPECT_EQ(Drain(composite.Lookup("word", &callback)).size(), 1u);
    EXPECT_EQ(callback.found, 2);
    EXPECT_TRUE(composite.Lookup(std::string(256, 'w'), nullptr).IsAtEnd());
    // The composite is asked for the key's bytes only, not up to a NUL.
    EXPECT_EQ(Drain(composite.GetRep()->Lookup("words", 4, nullptr)).size(), 1u);
}

TEST(CompositeLookup, ACopyAdvancesAloneAndOutlivesTheOriginal) {
    std::vector<Entry_EX> expected;
    CanBeNull<ForwardIterator<Entry_EX>> copy;
    {
        Dictionary_EX_Temporary first, second;
        std::vector<Entry_EX> const hits1 = FillMember(first, 2);
        std::vector<Entry_EX> const hits2 = FillMember(second, 2);
        expected = {hits1[1], hits2[0], hits2[1]};
        CompositeDictionary_EX const composite(std::vector<Dictionary_EX>{first, second});

        ForwardIterator<Entry_EX> original = composite.Lookup("key", nullptr);
        ++original;
        copy.Set(original);
        // Stepping the original leaves the copy where it was.
        ++original;
        ++original;
        EXPECT_EQ(*original, hits2[1]);
        EXPECT_EQ(*copy.Get(), hits1[1]);
    }
    // The original, the composite and the members' handles are gone.
    EXPECT_EQ(Drain(copy.Get()), expected);
}

TEST(CompositeLookup, ALookupIteratorCloneStandsAtTheSameMember) {
    Dictionary_EX_Temporary first, second, third;
    FillMember(first, 1);
    std::vector<Entry_EX> const hits2 = FillMember(second, 1);
    std::vector<Entry_EX> const hits3 = FillMember(third, 2);
    std::vector<Dictionary_EX> members{first, second, third};
    CompositeLookupIterator<Dictionary_EX> outer(members, "key", nullptr);
    ++outer;
    members.clear();
    std::unique_ptr<ForwardIteratorRep_<ForwardIterator<Entry_EX>>> clone(outer.GetRep()->Clone());
    outer = CompositeLookupIterator<Dictionary_EX>(members, "key", nullptr);
    EXPECT_TRUE(outer.IsAtEnd());

    EXPECT_EQ(Drain(clone->Current()), hits2);
    clone->GoForward();
    EXPECT_EQ(Drain(clone->Current()), hits3);
    clone->GoForward();
    EXPECT_TRUE(clone->IsAtEnd());
    EXPECT_FALSE(clone->Equal(*clone));
}

TEST(CompositeLookup, PrefixLookupFindsNothing) {
    Dictionary_EX_Temporary member;
    member.CreateNewEntry("apple");
    CompositeDictionary_EX const composite(std::vector<Dictionary_EX>{member});
    EXPECT_TRUE(composite.LookupPrefix("app").IsAtEnd());
    EXPECT_TRUE(composite.LookupPrefix("").IsAtEnd());
}

// ---- Construction and refusals ---------------------------------------------

TEST(CompositeDictionary, MembersComeFromAnIteratorInOrder) {
    Dictionary_EX_Temporary first, second;
    Entry_EX const a = first.CreateNewEntry("same");
    Entry_EX const b = second.CreateNewEntry("same");
    CompositeDictionary_EX const composite(
        VectorByValueForwardIterator<Dictionary_EX>(std::vector<Dictionary_EX>{second, first}));
    EXPECT_EQ(Drain(composite.Lookup("same", nullptr)), (std::vector<Entry_EX>{b, a}));
}

TEST(CompositeDictionary, DomainsAreTheMembersUnion) {
    EXPECT_TRUE(CompositeDictionary_EX().GetDomainIDSet().Empty());
    Dictionary_EX_Temporary first, second;
    DomainIDSet domains1, domains2, both;
    domains1.Set(static_cast<DomainID>(1));
    domains2.Set(static_cast<DomainID>(40));
    both.Set(static_cast<DomainID>(1));
    both.Set(static_cast<DomainID>(40));
    first.GetRep()->SetDomainIDSet(domains1);
    second.GetRep()->SetDomainIDSet(domains2);
    EXPECT_EQ(CompositeDictionary_EX(std::vector<Dictionary_EX>{first, second}).GetDomainIDSet(), both);
}

TEST(CompositeDictionary, ChangingAndOrderingAreRefusedNamingTheComposite) {
    Dictionary_EX_Temporary member;
    Entry_EX const entry = member.CreateNewEntry("word");
    CompositeDictionary_EX composite(std::vector<Dictionary_EX>{member});
    EXPECT_FALSE(composite.GetRep()->IsModifyable());

    std::vector<std::function<void()>> const refused = {
        [&] { composite.GetID(); },
        [&] { composite.SetID(12000); },
        [&] { composite.GetRep()->SetDomainIDSet(DomainIDSet()); },
        [&] { composite.CreateNewEntry("new"); },
        [&] { composite.RemoveEntry(entry); },
        [&] { composite.GetEntryIterator_start(); },
        [&] { composite.GetEntryIterator_end(); },
        [&] { composite.GetEntryIterator_from(entry); },
    };
    for (std::size_t i = 0; i < refused.size(); ++i) {
        try {
            refused[i]();
            ADD_FAILURE() << "operation " << i << " was not refused";
        } catch (NotSupportedOnDictionary<Dictionary_EX> const& error) {
            ASSERT_FALSE(error.GetDictionary().IsNull()) << i;
            EXPECT_EQ(error.GetDictionary().Get(), composite) << i;
        }
    }
    EXPECT_EQ(Drain(member.Lookup("word", nullptr)), (std::vector<Entry_EX>{entry}));
}

// ---- Named interfaces ------------------------------------------------------

TEST(CompositeInterfaces, NoServingMemberAnswersNull) {
    CompositeDictionary_EX const empty;
    CompositeDictionary_EX const plain(std::vector<Dictionary_EX>{Dictionary_EX_Temporary(), Serving({})});
    for (auto const& servable : kServableInterfaces) {
        EXPECT_EQ(empty.GetNamedInterface(servable.first), nullptr) << servable.first;
        EXPECT_EQ(plain.GetNamedInterface(servable.first), nullptr) << servable.first;
    }
}

TEST(CompositeInterfaces, OneServingMemberAnswersWithItsOwn) {
    std::set<std::string> all;
    for (auto const& servable : kServableInterfaces) all.insert(servable.first);
    Dictionary_EX const serving = Serving(all);
    CompositeDictionary_EX const composite(std::vector<Dictionary_EX>{Dictionary_EX_Temporary(), serving});
    for (auto const& servable : kServableInterfaces) {
        DictionaryInterface_* const own = serving.GetNamedInterface(servable.first);
        ASSERT_NE(own, nullptr);
        EXPECT_EQ(composite.GetNamedInterface(servable.first), own) << servable.first;
        EXPECT_EQ(composite.GetNamedInterface(servable.first), own) << servable.first;
    }
}

TEST(CompositeInterfaces, TwoServingMembersGetOneMergedInterface) {
    for (std::string const& name : WordListNames()) {
        Dictionary_EX const first = Serving({name});
        Dictionary_EX const second = Serving({name});
        CompositeDictionary_EX const composite(std::vector<Dictionary_EX>{first, Dictionary_EX_Temporary(), second});
        DictionaryInterface_* const merged = composite.GetNamedInterface(name);
        ASSERT_NE(merged, nullptr) << name;
        EXPECT_NE(merged, first.GetNamedInterface(name)) << name;
        EXPECT_NE(merged, second.GetNamedInterface(name)) << name;
        EXPECT_EQ(composite.GetNamedInterface(name), merged) << name << ": the same object again";
    }
}

TEST(CompositeInterfaces, TheMergedInterfaceAnswersFromEveryMember) {
    Dictionary_EX first = Serving({LowerCaseWordsInterface_::kInterfaceName});
    Dictionary_EX second = Serving({LowerCaseWordsInterface_::kInterfaceName});
    first.CreateNewEntry("Paris");
    second.CreateNewEntry("apple");
    CompositeDictionary_EX const composite(std::vector<Dictionary_EX>{first, second});
    LowerCaseWordsInterface_* const merged = composite.GetLowerCaseWordsInterface();
    ASSERT_NE(merged, nullptr);
    EXPECT_TRUE(merged->IsWordThere("Apple"));
    EXPECT_FALSE(merged->IsWordThere("Paris"));
    EXPECT_FALSE(first.GetLowerCaseWordsInterface()->IsWordThere("Apple"));
}

TEST(CompositeInterfaces, IdiomsComeFromTheFirstServingMemberOnly) {
    Dictionary_EX first = Serving({AlmightyIdiomInterface_::kInterfaceName});
    Dictionary_EX second = Serving({AlmightyIdiomInterface_::kInterfaceName});
    CompositeDictionary_EX const composite(std::vector<Dictionary_EX>{Dictionary_EX_Temporary(), first, second});
    ASSERT_NE(first.GetAlmightyIdiomInterface(), nullptr);
    EXPECT_EQ(composite.GetAlmightyIdiomInterface(), first.GetAlmightyIdiomInterface());
}

TEST(CompositeInterfaces, OtherNamesAndThePlainCompositeAnswerNull) {
    std::set<std::string> all;
    for (auto const& servable : kServableInterfaces) all.insert(servable.first);
    all.insert("DictionaryLearningInterface");
    std::vector<Dictionary_EX> const members{Serving(all), Serving(all)};
    CompositeDictionary_EX const composite(members);
    EXPECT_EQ(composite.GetNamedInterface("DictionaryLearningInterface"), nullptr);
    EXPECT_EQ(composite.GetNamedInterface("NoSuchInterface_"), nullptr);

    CompositeDictionary<Dictionary_EX> const plain(new CompositeDictionaryRep_<Dictionary_EX>(members));
    for (auto const& servable : kServableInterfaces)
        EXPECT_EQ(plain.GetNamedInterface(servable.first), nullptr) << servable.first;
}

TEST(CompositeInterfaces, ConcurrentFirstRequestsShareOneMergedInterface) {
    std::set<std::string> all;
    for (std::string const& name : WordListNames()) all.insert(name);
    std::vector<Dictionary_EX> const members{Serving(all), Serving(all)};
    // The members' own interfaces exist before the threads start.
    for (Dictionary_EX const& member : members) {
        for (std::string const& name : all) member.GetNamedInterface(name);
    }
    CompositeDictionary_EX const composite(members);
    DictionaryRep_<Entry_EX>* const rep = composite.GetRep();

    constexpr int kThreads = 8;
    std::vector<std::vector<DictionaryInterface_*>> seen(kThreads);
    std::vector<std::thread> threads;
    for (int t = 0; t < kThreads; ++t) {
        threads.emplace_back([&, t] {
            for (std::string const& name : all) seen[t].push_back(rep->GetNamedInterface(name));
        });
    }
    for (std::thread& thread : threads) thread.join();
    for (int t = 1; t < kThreads; ++t) EXPECT_EQ(seen[t], seen[0]) << "thread " << t;
}

}  // namespace
