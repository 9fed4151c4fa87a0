#pragma once
// The escape-word rule set: inside the engine, some punctuation travels as
// escape words ("zxjDASH", "zxjOPENQ", ...).  A user dictionary holds the
// punctuation itself, so its lookups get the escape words turned back first.
#include <string>

#include "engine/compiled/rule_set.h"

// An escape word and the punctuation it stands for.
struct ZXJString {
    char const* escapeWord;
    char const* replacement;
};

constexpr int kZXJStringCount = 6;
extern ZXJString const ZXJStrings[kZXJStringCount];

// Every escape word of the text replaced by its punctuation, in table order.
std::string ReplaceZXJStrings(std::string text);

class ZXJRewriter_EX_RewriterRuleSet : public RuleSet<Entry_EX> {
public:
    class ZXJRewriter_EX_RewriterRuleSetRep : public RuleSetRep_ {
    public:
        // One result: the text with its escape words replaced (unchanged when
        // it holds no "zxj"), with the trivial acceptor.
        ForwardIterator<RuleApplicationResult<Entry_EX>> ApplyRule(char const* text,
                                                                   MaybeAnyLongerCallback* callback) override;
        ZXJRewriter_EX_RewriterRuleSetRep* Clone() const override;
    };

    ZXJRewriter_EX_RewriterRuleSet();
};
