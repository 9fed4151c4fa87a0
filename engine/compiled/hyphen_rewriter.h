#pragma once
// The hyphen rule set: a hyphenated text is looked up as written, then
// joined and spaced ("well-known", "wellknown", "well known"), as long as
// every hyphen stands between two ASCII letters.  The escape word
// "zxqHYPHEN" marks a hyphen that must stay: it becomes "-" in every result
// and is never split at.
#include <string>

#include "engine/compiled/rule_set.h"

// Every "zxqHYPHEN" of the text replaced by "-".
std::string FixNonRewritingHyphens(std::string text);

class HyphenRewriter_EX_RewriterRuleSet : public RuleSet<Entry_EX> {
public:
    static constexpr char const* kNonRewritingHyphenString = "zxqHYPHEN";

    class HyphenRewriter_EX_RewriterRuleSetRep : public RuleSetRep_ {
    public:
        // The text with its kept hyphens fixed; then, when it has hyphens
        // and each joins two parts (blanks around a hyphen ignored) ending
        // and beginning with an ASCII letter, the parts joined and the parts
        // spaced.  A hyphen ending the text tells the callback that a longer
        // text may follow.  Hyphens are searched by Shift-JIS character.
        ForwardIterator<RuleApplicationResult<Entry_EX>> ApplyRule(char const* text,
                                                                   MaybeAnyLongerCallback* callback) override;
        HyphenRewriter_EX_RewriterRuleSetRep* Clone() const override;
    };

    HyphenRewriter_EX_RewriterRuleSet();
};
