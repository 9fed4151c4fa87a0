#include "engine/compiled/hyphen_rewriter.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "compiled/rewriters_test_support.h"

using namespace rewriters_test;

TEST(HyphenRewriter, ResultsInOrder) {
    struct Case {
        char const* text;
        std::vector<std::string> results;
    };
    Case const cases[] = {
        {"e-mail", {"e-mail", "email", "e mail"}},
        {"well-known", {"well-known", "wellknown", "well known"}},
        {"a-b-c", {"a-b-c", "abc", "a b c"}},
        // Blanks around every hyphen are ignored, on both sides of each part.
        {"a - b - c", {"a - b - c", "abc", "a b c"}},
        {"no hyphen", {"no hyphen"}},
        // A hyphen next to a digit, or with nothing on one side, stops the
        // variants.
        {"3-D", {"3-D"}},
        {"x-1", {"x-1"}},
        {"a-b-2", {"a-b-2"}},
        {"-a", {"-a"}},
        // Kept hyphens become plain ones and are never split at.
        {"wellzxqHYPHENknown", {"well-known"}},
        {"zxqHYPHENazxqHYPHEN", {"-a-"}},
        {"xzxqHYPHENy-z", {"x-y-z", "x-yz", "x-y z"}},
        // The second byte of a double-byte character is no hyphen.
        {"a\x81-b", {"a\x81-b"}},
    };
    for (Case const& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(Apply<HyphenRewriter_EX_RewriterRuleSet>(c.text), c.results);
    }
}

TEST(HyphenRewriter, TrailingHyphenTellsTheCallbackOnce) {
    CountingCallback callback;
    EXPECT_EQ(Apply<HyphenRewriter_EX_RewriterRuleSet>("exam-", &callback), std::vector<std::string>{"exam-"});
    EXPECT_EQ(callback.found, 1);

    CountingCallback inner;
    Apply<HyphenRewriter_EX_RewriterRuleSet>("e-mail", &inner);
    EXPECT_EQ(inner.found, 0);
    EXPECT_EQ(Apply<HyphenRewriter_EX_RewriterRuleSet>("exam-"), std::vector<std::string>{"exam-"});  // no callback
}

TEST(HyphenRewriter, FixNonRewritingHyphens) {
    EXPECT_EQ(FixNonRewritingHyphens("zxqHYPHENzxqHYPHEN"), "--");
    EXPECT_EQ(FixNonRewritingHyphens("zxqHYPHE"), "zxqHYPHE");
}
