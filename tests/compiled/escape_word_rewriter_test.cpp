#include "engine/compiled/escape_word_rewriter.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "compiled/rewriters_test_support.h"
#include "compiled/rewriting_test_support.h"

using namespace rewriters_test;

TEST(EscapeWordRewriter, OneResultWithEscapeWordsReplaced) {
    struct Case {
        char const* text;
        char const* result;
    };
    Case const cases[] = {
        {"zxjOPENQ foo zxjCLOSEQ", "\" foo \""}, {"zxjOPENQfoozxjCLOSEQ", "\"foo\""}, {"azxjDASHbzxjDASHc", "a--b--c"},
        {"zxjBULLET zxjMINUS zxjPLUS", "* - +"}, {"plain text", "plain text"},        {"zxjUNKNOWN", "zxjUNKNOWN"},
        {"zxjzxjDASHDASH", "zxj--DASH"},
    };
    for (Case const& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(Apply<ZXJRewriter_EX_RewriterRuleSet>(c.text), std::vector<std::string>{c.result});
    }
}

TEST(EscapeWordRewriter, UserDictionaryFindsThePunctuation) {
    Dictionary_EX const user = rewriting_test::MakeWrapped(kMinUserDictionaryID, {{"\" foo \"", "{quoted}"}});
    RewritingDictionary_EX const rewriting(user);

    std::vector<Entry_EX> const found = rewriting_test::Drain(rewriting.Lookup("zxjOPENQ foo zxjCLOSEQ", nullptr));
    EXPECT_EQ(Headwords(found), std::vector<std::string>{"\" foo \""});
}
