#pragma once
// The case-matching rule set, the last of every rewriting dictionary: an
// entry stands for the looked-up text only when the text's letter case fits
// the headword's (Linguistics_E_Source_LookupStringMatcher: "NASA" finds
// "nasa", "CDs" does not find "cds").
#include <string>

#include "engine/compiled/rule_set.h"

// Accepts exactly the entries whose headword the looked-up text matches; the
// entry is not changed.
class CaseMatchingAcceptor_EXRep : public EntryAcceptor<Entry_EX>::EntryAcceptorRep_ {
public:
    // Keeps at most the first 255 bytes of the text.
    explicit CaseMatchingAcceptor_EXRep(char const* text);

    bool Accept(Entry_EX* entry, Dictionary<Entry_EX> const& temporary) override;
    CaseMatchingAcceptor_EXRep* Clone() const override;
    void NotifyAccepted() override;

private:
    std::string fText;
};

class CaseMatchingAcceptor_EX_RewriterRuleSet : public RuleSet<Entry_EX> {
public:
    class CaseMatchingAcceptor_EX_RewriterRuleSetRep : public RuleSetRep_ {
    public:
        // One result: the text itself with a case-matching acceptor for it.
        ForwardIterator<RuleApplicationResult<Entry_EX>> ApplyRule(char const* text,
                                                                   MaybeAnyLongerCallback* callback) override;
        CaseMatchingAcceptor_EX_RewriterRuleSetRep* Clone() const override;
    };

    CaseMatchingAcceptor_EX_RewriterRuleSet();
};
