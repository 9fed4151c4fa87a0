#include "engine/compiled/rule_set.h"

#include <gtest/gtest.h>

#include <string>

#include "compiled/rewriting_test_support.h"
#include "engine/foundation/temporary_dictionary.h"

using namespace rewriting_test;

TEST(RuleApplicationResult, KeepsTextUpToTheKeyLimitWithTheTrivialAcceptor) {
    struct Case {
        std::string text;
        std::string kept;
    };
    Case const cases[] = {
        {"", ""},
        {"well-known", "well-known"},
        {std::string(255, 'x'), std::string(255, 'x')},
        {std::string(300, 'x'), std::string(255, 'x')},
    };
    Dictionary_EX const dictionary = MakeWrapped(1, {{"word", "{word}"}});
    for (Case const& c : cases) {
        Result result(c.text);
        EXPECT_EQ(result.GetText(), c.kept);

        Entry_EX entry = FirstEntry(dictionary, "word");
        Entry_EX const found = entry;
        EXPECT_TRUE(result.GetAcceptor().Accept(&entry, Dictionary_EX_Temporary()));
        EXPECT_EQ(entry, found);
    }
}

TEST(RuleApplicationResult, CopiesShareTheAcceptorUntilOneAccepts) {
    Result original("bases", EntryAcceptor<Entry_EX>(new StemAcceptorRep("bases", false, nullptr)));
    Result copy = original;
    EXPECT_EQ(copy.GetAcceptor().GetRep(), original.GetAcceptor().GetRep());

    Dictionary_EX const temporary = Dictionary_EX_Temporary();
    Dictionary_EX const stems = MakeBasesDictionary();
    Entry_EX entry = FirstEntry(stems, "base");
    ASSERT_TRUE(copy.GetAcceptor().Accept(&entry, temporary));
    EXPECT_NE(copy.GetAcceptor().GetRep(), original.GetAcceptor().GetRep());
    EXPECT_EQ(entry.GetDictionary(), temporary);
}

TEST(RuleSet, ApplyingASharedRuleSetFirstMakesItPrivate) {
    ProbeRules rules;
    rules.rewrites = {{"bases", {"base"}}};
    RuleSet<Entry_EX> alone(new ProbeRuleSetRep(rules));
    RuleSet<Entry_EX>::RuleSetRep_* const aloneRep = alone.GetRep();
    RuleSet<Entry_EX> shared = alone;

    shared.ApplyRule("bases", nullptr);
    EXPECT_NE(shared.GetRep(), aloneRep);
    EXPECT_EQ(alone.GetRep(), aloneRep);

    ForwardIterator<Result> results = alone.ApplyRule("bases", nullptr);
    EXPECT_EQ(alone.GetRep(), aloneRep);  // held alone: not cloned
    ASSERT_FALSE(results.IsAtEnd());
    EXPECT_STREQ((*results).GetText(), "bases");
    ++results;
    EXPECT_STREQ((*results).GetText(), "base");
}

TEST(DiscardRewrittenEntry, RemovesTheEntryAndItsBaseFormEntriesOnlyFromTheTemporaryDictionary) {
    Dictionary_EX temporary = Dictionary_EX_Temporary();
    Entry_EX made = temporary.CreateNewEntry("bases");
    Entry_EX madeBase = temporary.CreateNewEntry("base");
    Entry_EX bystander = temporary.CreateNewEntry("bases");
    made.CreateNewFinePOS().SetBaseForm(madeBase.CreateNewFinePOS());
    Dictionary_EX const wrapped = MakeBasesDictionary();

    DiscardRewrittenEntry(FirstEntry(wrapped, "bases"), temporary);
    DiscardRewrittenEntry(made, temporary);

    EXPECT_EQ(Drain(temporary.Lookup("bases", nullptr)), std::vector<Entry_EX>{bystander});
    EXPECT_TRUE(temporary.Lookup("base", nullptr).IsAtEnd());
    EXPECT_FALSE(wrapped.Lookup("bases", nullptr).IsAtEnd());
}
