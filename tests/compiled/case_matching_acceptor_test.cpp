#include "engine/compiled/case_matching_acceptor.h"

#include <gtest/gtest.h>

#include "compiled/rewriters_test_support.h"
#include "compiled/rewriting_test_support.h"

using namespace rewriters_test;

TEST(CaseMatchingAcceptor, AcceptsWhenTheLookedUpCaseFitsTheHeadword) {
    struct Case {
        char const* looked;
        char const* headword;
        bool accepted;
    };
    Case const cases[] = {
        {"NASA", "nasa", true},   {"CDs", "cds", false},     {"CDs", "CDs", true},
        {"Apple", "apple", true}, {"apple", "Apple", false}, {"apple", "apple", true},
    };
    for (Case const& c : cases) {
        SCOPED_TRACE(std::string(c.looked) + " / " + c.headword);
        Dictionary_EX_Temporary temporary;
        Entry_EX entry = temporary.CreateNewEntry(c.headword);
        Entry_EX const before = entry;

        CaseMatchingAcceptor_EX_RewriterRuleSet ruleSet;
        ForwardIterator<RuleApplicationResult<Entry_EX>> results = ruleSet.ApplyRule(c.looked, nullptr);
        RuleApplicationResult<Entry_EX> result = *results;
        EXPECT_STREQ(result.GetText(), c.looked);
        EXPECT_EQ(result.GetAcceptor().Accept(&entry, temporary), c.accepted);
        EXPECT_EQ(entry, before);
        EXPECT_TRUE((++results).IsAtEnd());
    }
}

TEST(CaseMatchingAcceptor, RewritingLookupDropsEntriesOfTheWrongCase) {
    RewriteRuleSetMakers makers;
    makers.caseMatching = MakerOf<CaseMatchingAcceptor_EX_RewriterRuleSet>();
    Dictionary_EX const system = rewriting_test::MakeWrapped(1, {{"cds", "{a}"}, {"nasa", "{b}"}});
    RewritingDictionary_EX const rewriting(system, makers);

    EXPECT_TRUE(rewriting.Lookup("CDs", nullptr).IsAtEnd());
    EXPECT_EQ(Headwords(rewriting_test::Drain(rewriting.Lookup("NASA", nullptr))), std::vector<std::string>{"nasa"});
}
