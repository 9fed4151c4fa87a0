#include "engine/compiled/rewriting_dictionary.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "compiled/rewriting_test_support.h"
#include "engine/foundation/dictionary_errors.h"
#include "engine/foundation/lower_case_words.h"
#include "engine/foundation/temporary_dictionary.h"
#include "foundation/fake_dictionary.h"

using namespace rewriting_test;

namespace {

// Makers of probe rule sets for every slot, each logging its name.
RewriteRuleSetMakers LoggingMakers(Log const& log) {
    auto probe = [&log](char const* name) {
        ProbeRules rules;
        rules.name = name;
        rules.log = log;
        return ProbeMaker(rules);
    };
    RewriteRuleSetMakers makers;
    makers.escapeWords = probe("escape words");
    makers.firstWordSuffix = probe("first-word suffix");
    makers.hyphen = probe("hyphen");
    makers.prefix = probe("prefix");
    makers.morphology = probe("morphology");
    makers.suffix = probe("suffix");
    makers.caseMatching = probe("case matching");
    return makers;
}

RewriteRuleSetMakers SuffixOnly(ProbeRules const& suffix) {
    RewriteRuleSetMakers makers;
    makers.suffix = ProbeMaker(suffix);
    return makers;
}

class CountingCallback : public MaybeAnyLongerCallback {
public:
    void FoundOne() override { ++found; }
    int GetCoreSpeed() override { return 0; }
    int found = 0;
};

}  // namespace

TEST(RewritingRuleList, RuleSetsApplyInOrderForEachDictionaryKind) {
    struct Case {
        char const* kind;
        unsigned short id;
        std::vector<std::string> order;
    };
    std::vector<std::string> const shared = {"hyphen", "prefix", "morphology", "suffix", "case matching"};
    auto after = [&shared](std::string first) {
        std::vector<std::string> order = {first};
        order.insert(order.end(), shared.begin(), shared.end());
        return order;
    };
    Case const cases[] = {
        {"system", 1, shared},
        {"technical", kMinTechnicalDictionaryID, after("first-word suffix")},
        {"technical, last number", kMaxTechnicalDictionaryID, after("first-word suffix")},
        {"user", kMinUserDictionaryID, after("escape words")},
        {"user, last number", kMaxUserDictionaryID, after("escape words")},
        {"made at run time", kMinDynamicDictionaryID, shared},
    };
    for (Case const& c : cases) {
        SCOPED_TRACE(c.kind);
        Log const log = NewLog();
        RewritingDictionary_EX const rewriting(MakeWrapped(c.id, {{"word", "{word}"}}), LoggingMakers(log));

        EXPECT_EQ(rewriting.GetRep()->GetRuleSets().size(), c.order.size());
        EXPECT_EQ(Drain(rewriting.Lookup("word", nullptr)).size(), 1u);
        EXPECT_EQ(*log, c.order);
    }
}

TEST(RewritingRuleList, EmptyMakersAreLeftOut) {
    Log const log = NewLog();
    RewriteRuleSetMakers makers = LoggingMakers(log);
    makers.morphology = nullptr;
    RewritingDictionary_EX const rewriting(MakeWrapped(1, {{"word", "{word}"}}), makers);

    Drain(rewriting.Lookup("word", nullptr));
    EXPECT_EQ(*log, (std::vector<std::string>{"hyphen", "prefix", "suffix", "case matching"}));
}

TEST(RewritingDictionary, CallbackReachesEveryRuleSetAndTheWrappedLookup) {
    std::vector<MaybeAnyLongerCallback*> seen;
    ProbeRules rules;
    rules.callbacksSeen = &seen;
    RewriteRuleSetMakers makers;
    makers.hyphen = ProbeMaker(rules);
    makers.caseMatching = ProbeMaker(rules);
    RewritingDictionary_EX const rewriting(MakeWrapped(1, {{"word", "{word}"}}), makers);
    CountingCallback callback;

    Drain(rewriting.Lookup("word", &callback));
    EXPECT_EQ(seen, (std::vector<MaybeAnyLongerCallback*>{&callback, &callback}));
    EXPECT_EQ(callback.found, 1);  // the temporary dictionary's one call per lookup
}

TEST(RewritingDictionary, PlainHitComesFirstThenRewrittenEntriesWithTheWrappedID) {
    Dictionary_EX const wrapped = MakeBasesDictionary();
    RewritingDictionary_EX const rewriting(wrapped, SuffixOnly(SuffixProbe()));

    std::vector<Entry_EX> const found = Drain(rewriting.Lookup("bases", nullptr));
    ASSERT_EQ(found.size(), 3u);
    EXPECT_EQ(found[0], FirstEntry(wrapped, "bases"));
    EXPECT_EQ(Readings(found), (std::vector<std::string>{"{bases}", "{base}", "{basis}"}));
    for (Entry_EX const& rewritten : {found[1], found[2]}) {
        EXPECT_EQ(rewritten.GetSrcText(), "bases");
        EXPECT_NE(rewritten.GetDictionary(), wrapped);
        EXPECT_EQ(rewritten.GetDictionary().GetID(), 5);
        EXPECT_TRUE(rewriting.GetRep()->IsFromDict(rewritten));
    }
    // Two stems on one path never share an entry.
    EXPECT_NE(found[1], found[2]);
    EXPECT_TRUE(rewriting.GetRep()->IsFromDict(found[0]));
    Dictionary_EX const unrelated = MakeBasesDictionary();
    EXPECT_FALSE(rewriting.GetRep()->IsFromDict(FirstEntry(unrelated, "bases")));
}

TEST(RewritingDictionary, RepeatedLookupsYieldTheSameReadings) {
    RewritingDictionary_EX const rewriting(MakeBasesDictionary(), SuffixOnly(SuffixProbe()));
    std::vector<std::string> const first = Readings(Drain(rewriting.Lookup("bases", nullptr)));

    for (int i = 0; i < 100; ++i) ASSERT_EQ(Readings(Drain(rewriting.Lookup("bases", nullptr))), first) << i;
    EXPECT_EQ(first.size(), 3u);
}

TEST(RewritingDictionary, RefusedRewritesLeaveNoEntryBehind) {
    struct Case {
        char const* name;
        bool stemAcceptorRefuses;
        bool outerAcceptorJudgesAsWritten;
    };
    Case const cases[] = {
        {"the acceptor that made the entry refuses it", true, false},
        {"an acceptor of an earlier rule set refuses the made entry", false, true},
    };
    for (Case const& c : cases) {
        SCOPED_TRACE(c.name);
        auto temporarySeen = std::make_shared<CanBeNull<Dictionary_EX>>();
        RewriteRuleSetMakers makers = SuffixOnly(SuffixProbe(c.stemAcceptorRefuses, temporarySeen));
        if (c.outerAcceptorJudgesAsWritten) {
            ProbeRules outer;
            outer.acceptorForText = [] { return EntryAcceptor<Entry_EX>(new FoundAsWrittenAcceptorRep); };
            makers.prefix = ProbeMaker(outer);
        }
        Dictionary_EX const wrapped = MakeBasesDictionary();
        RewritingDictionary_EX const rewriting(wrapped, makers);

        EXPECT_EQ(Readings(Drain(rewriting.Lookup("bases", nullptr))), std::vector<std::string>{"{bases}"});
        ASSERT_FALSE(temporarySeen->IsNull());
        EXPECT_TRUE(Drain(temporarySeen->Get().Lookup("bases", nullptr)).empty());
        EXPECT_EQ(Drain(wrapped.Lookup("bases", nullptr)).size(), 1u);  // entries found as written stay
    }
}

TEST(RewritingDictionary, ClonedIteratorAdvancesIndependently) {
    RewritingDictionary_EX const rewriting(MakeBasesDictionary(), SuffixOnly(SuffixProbe()));
    ForwardIterator<Entry_EX> original = rewriting.Lookup("bases", nullptr);
    ++original;  // at the first rewritten entry
    ForwardIterator<Entry_EX> copy = original;

    ++copy;
    EXPECT_EQ(Readings({*original}), std::vector<std::string>{"{base}"});
    EXPECT_EQ(Readings(Drain(copy)), std::vector<std::string>{"{basis}"});
    EXPECT_EQ(Readings(Drain(original)), (std::vector<std::string>{"{base}", "{basis}"}));
}

TEST(RewritingDictionary, IteratorOutlivesTheDictionaryHandle) {
    ForwardIterator<Entry_EX> it = EmptyForwardIterator<Entry_EX>();
    {
        RewritingDictionary_EX const rewriting(MakeBasesDictionary(), SuffixOnly(SuffixProbe()));
        it = rewriting.Lookup("bases", nullptr);
    }
    EXPECT_EQ(Readings(Drain(it)), (std::vector<std::string>{"{bases}", "{base}", "{basis}"}));
}

TEST(RewritingDictionary, MapToOriginal) {
    Dictionary_EX const wrapped = MakeBasesDictionary();
    RewritingDictionary_EX const rewriting(wrapped, SuffixOnly(SuffixProbe()));
    auto* rep = rewriting.GetRep();
    Dictionary_EX const unrelatedDictionary = MakeBasesDictionary();
    Entry_EX const unrelated = FirstEntry(unrelatedDictionary, "base");

    rep->SetAllowReverseEntryMapping(true);
    std::vector<Entry_EX> const found = Drain(rewriting.Lookup("bases", nullptr));
    ASSERT_EQ(found.size(), 3u);

    struct Case {
        char const* name;
        Entry_EX entry;
        Entry_EX original;
    };
    Case const mappedCases[] = {
        {"found as written", found[0], found[0]},
        {"made from the first stem", found[1], FirstEntry(wrapped, "base")},
        {"made from the second stem", found[2], FirstEntry(wrapped, "basis")},
        {"never recorded", unrelated, unrelated},
    };
    for (Case const& c : mappedCases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(rep->MapToOriginal(c.entry), c.original);
    }

    rep->SetAllowReverseEntryMapping(false);
    EXPECT_FALSE(rep->GetAllowReverseEntryMapping());
    EXPECT_EQ(rep->MapToOriginal(found[1]), found[1]);
}

TEST(RewritingDictionary, MappingOffWhileAnIteratorLivesIsSafe) {
    RewritingDictionary_EX const rewriting(MakeBasesDictionary(), SuffixOnly(SuffixProbe()));
    auto* rep = rewriting.GetRep();
    rep->SetAllowReverseEntryMapping(true);
    ForwardIterator<Entry_EX> it = rewriting.Lookup("bases", nullptr);

    rep->SetAllowReverseEntryMapping(false);
    std::vector<Entry_EX> const rest = Drain(it);  // still records, into the dropped map
    ASSERT_EQ(rest.size(), 3u);
    rep->SetAllowReverseEntryMapping(true);
    EXPECT_EQ(rep->MapToOriginal(rest[2]), rest[2]);
}

TEST(RewritingDictionary, TextsOver255BytesFindNothingEvenThroughTheRepresentation) {
    std::string const longest(255, 'a');
    std::string const tooLong(256, 'a');
    RewritingDictionary_EX const rewriting(MakeWrapped(1, {{longest, "{a}"}, {tooLong, "{a}"}}));

    EXPECT_EQ(Drain(rewriting.GetRep()->Lookup(longest.data(), longest.size(), nullptr)).size(), 1u);
    EXPECT_TRUE(rewriting.GetRep()->Lookup(tooLong.data(), tooLong.size(), nullptr).IsAtEnd());
    EXPECT_TRUE(rewriting.Lookup(tooLong, nullptr).IsAtEnd());
}

TEST(RewritingDictionary, RefusesChangesAndEnumeration) {
    Dictionary_EX const wrapped = MakeBasesDictionary();
    RewritingDictionary_EX rewriting(wrapped);
    Entry_EX const entry = FirstEntry(wrapped, "base");
    std::vector<std::pair<char const*, std::function<void()>>> const refused = {
        {"SetID", [&] { rewriting.SetID(7); }},
        {"SetDomainIDSet", [&] { rewriting.GetRep()->SetDomainIDSet(DomainIDSet()); }},
        {"LookupByPrefix", [&] { rewriting.LookupPrefix("ba"); }},
        {"GetEntryIterator_start", [&] { rewriting.GetEntryIterator_start(); }},
        {"GetEntryIterator_end", [&] { rewriting.GetEntryIterator_end(); }},
        {"GetEntryIterator_from", [&] { rewriting.GetEntryIterator_from(entry); }},
        {"CreateNewEntry", [&] { rewriting.CreateNewEntry("new"); }},
        {"RemoveEntry", [&] { rewriting.RemoveEntry(entry); }},
    };
    for (auto const& [name, operation] : refused) {
        SCOPED_TRACE(name);
        try {
            operation();
            ADD_FAILURE() << "not refused";
        } catch (NotSupportedOnDictionary<Dictionary_EX> const& refusal) {
            ASSERT_FALSE(refusal.GetDictionary().IsNull());
            EXPECT_EQ(refusal.GetDictionary().Get(), rewriting);
        }
    }
    EXPECT_FALSE(rewriting.GetRep()->IsModifyable());
    EXPECT_EQ(rewriting.GetID(), 5);
    EXPECT_EQ(FirstEntry(wrapped, "base").GetSrcText(), "base");  // nothing changed
}

TEST(RewritingDictionary, NamedInterfaces) {
    class ProbeInterface : public DictionaryInterface_ {};
    fake::Options options;
    options.servesLearning = true;
    options.makeInterface = [](DictionaryRep_EX*, std::string const& name) -> DictionaryInterface_* {
        return name == "ProbeInterface" || name == LowerCaseWordsInterface_::kInterfaceName ? new ProbeInterface
                                                                                            : nullptr;
    };
    auto [wrapped, wrappedRep] = fake::MakeDictionary(options);
    RewritingDictionary_EX const rewriting(wrapped);

    EXPECT_NE(wrapped.GetDictionaryLearningInterface(false), nullptr);
    EXPECT_EQ(rewriting.GetDictionaryLearningInterface(false), nullptr);
    EXPECT_EQ(rewriting.GetNamedInterface("ProbeInterface"), wrapped.GetNamedInterface("ProbeInterface"));

    LowerCaseWordsInterface_* const lowerCase = rewriting.GetLowerCaseWordsInterface();
    ASSERT_NE(lowerCase, nullptr);
    EXPECT_NE(static_cast<DictionaryInterface_*>(lowerCase), wrapped.GetNamedInterface("LowerCaseWordsInterface_"));
    EXPECT_EQ(rewriting.GetLowerCaseWordsInterface(), lowerCase);
    EXPECT_NE(rewriting.GetCannotBeginSentInterface(), nullptr);
    EXPECT_NE(rewriting.GetCannotEndSentInterface(), nullptr);
    EXPECT_NE(rewriting.GetCanUseUpPeriodInterface(), nullptr);
    EXPECT_NE(rewriting.GetSingleWordsWithPeriodsInterface(), nullptr);
}

TEST(RewritingDictionary, WordListsAnswerThroughRewrittenLookups) {
    Dictionary_EX const stemOnly = MakeWrapped(5, {{"base", "{base}"}});

    RewritingDictionary_EX const rewriting(stemOnly, SuffixOnly(SuffixProbe()));
    RewritingDictionary_EX const plain(stemOnly);

    EXPECT_TRUE(rewriting.GetLowerCaseWordsInterface()->IsWordThere("Bases"));
    EXPECT_FALSE(plain.GetLowerCaseWordsInterface()->IsWordThere("Bases"));
}

TEST(RewritingDictionary, PurgeKeepsEarlierEntriesAndStartsAnew) {
    RewritingDictionary_EX rewriting(MakeBasesDictionary(), SuffixOnly(SuffixProbe()));
    Entry_EX const before = Drain(rewriting.Lookup("bases", nullptr))[1];

    rewriting.PurgeRewrittenEntries();
    Entry_EX const after = Drain(rewriting.Lookup("bases", nullptr))[1];

    EXPECT_EQ(before.GetDictionary().GetID(), 5);  // its dictionary still lives
    EXPECT_EQ(Readings({before}), std::vector<std::string>{"{base}"});
    EXPECT_TRUE(rewriting.GetRep()->IsFromDict(before));
    EXPECT_NE(after.GetDictionary(), before.GetDictionary());
    EXPECT_EQ(after.GetDictionary().GetID(), 5);
}

TEST(RewritingDictionary, HandleOfAnotherKindIsNoRewritingDictionary) {
    RewritingDictionary<Dictionary_EX> const other(MakeBasesDictionary());
    EXPECT_THROW(other.GetRep(), std::bad_cast);
}
