#include "engine/compiled/rewriting_composite_dictionary.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "compiled/affix_test_support.h"
#include "compiled/rewriters_test_support.h"
#include "engine/compiled/rewriting_dictionary.h"

using namespace affix_test;

namespace {

// A system dictionary keeping an escape word as written, and a user
// dictionary holding the punctuation it stands for.
struct SystemAndUser {
    Dictionary_EX system = MakeDictionary(1, {{"zxjBULLETitem", "N", "{koumoku}", kCountableNounFeatures}});
    Dictionary_EX user = MakeDictionary(kUserDictionaryID, {{"*items", "N", "{kajou}", kCountableNounFeatures}});
    RewritingCompositeDictionary_XX composite{std::vector<Dictionary_EX>{system, user}};
};

}  // namespace

TEST(RewritingCompositeDictionary, OneLookupRewritesForEveryMember) {
    SystemAndUser dictionaries;
    std::vector<Entry_EX> const found = LookupAll(dictionaries.composite, "zxjBULLETitems");

    // The system's stem made into the plural, then the user's entry through
    // the escape word.
    ASSERT_EQ(rewriters_test::Headwords(found), (std::vector<std::string>{"zxjBULLETitems", "*items"}));
    EXPECT_EQ(found[0].GetDictionary().GetID(), 1);
    EXPECT_NE(found[0].GetDictionary(), dictionaries.system);
    EXPECT_EQ(found[1], FirstEntry(dictionaries.user, "*items"));
}

TEST(RewritingCompositeDictionary, TheFreeFunctionRewritesForEveryMemberToo) {
    SystemAndUser dictionaries;
    CompositeDictionary_EX const plain = mkRewritingCompositeDictionary({dictionaries.system, dictionaries.user});
    EXPECT_EQ(rewriters_test::Headwords(LookupAll(plain, "zxjBULLETitems")),
              rewriters_test::Headwords(LookupAll(dictionaries.composite, "zxjBULLETitems")));
    EXPECT_TRUE(LookupAll(mkRewritingCompositeDictionary({}), "items").empty());
}

TEST(RewritingCompositeDictionary, MapsEntriesToTheirOriginals) {
    SystemAndUser dictionaries;
    RewritingCompositeDictionaryRep_XX* const rep = dictionaries.composite.GetRep();
    EXPECT_FALSE(rep->GetAllowReverseEntryMapping());
    rep->SetAllowReverseEntryMapping(true);
    EXPECT_TRUE(rep->GetAllowReverseEntryMapping());

    std::vector<Entry_EX> const found = LookupAll(dictionaries.composite, "zxjBULLETitems");
    ASSERT_EQ(found.size(), 2u);
    Dictionary_EX const elsewhere = MakeDictionary(kMinDynamicDictionaryID + 1, {{"other", "N", "{x}"}});
    Entry_EX const unrelated = FirstEntry(elsewhere, "other");

    EXPECT_EQ(rep->MapToOriginal(found[0]), FirstEntry(dictionaries.system, "zxjBULLETitem"));
    EXPECT_EQ(rep->MapToOriginal(found[1]), found[1]);
    EXPECT_EQ(rep->MapToOriginal(unrelated), unrelated);

    std::vector<Entry_EX> mapped;
    for (ForwardIterator<Entry_EX> it = rep->MapToOriginal(dictionaries.composite.Lookup("zxjBULLETitems", nullptr));
         !it.IsAtEnd(); ++it)
        mapped.push_back(*it);
    EXPECT_EQ(rewriters_test::Headwords(mapped), (std::vector<std::string>{"zxjBULLETitem", "*items"}));
}
