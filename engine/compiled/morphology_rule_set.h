#pragma once
// The morphology rule set of the rewriting dictionary: a text is looked up as
// written, then with one of its words replaced by each other spelling the
// respelling rewriter proposes for it.  Readings found through a respelling
// are copied with lowered p-values (PValueLoweringEntryAcceptor).
#include <string>
#include <vector>

#include "engine/compiled/respelling_rewriter.h"
#include "engine/compiled/rule_set.h"

class Morphology_E_Source_RewriterRuleSet : public RuleSet<Entry_EX> {
public:
    class Morphology_E_Source_RewriterRuleSetRep : public RuleSetRep_ {
    public:
        // The text first, then for each word in order (runs between ASCII
        // white space) the text with that word respelled, one word per
        // result.  Results of more than 255 bytes are dropped.
        ForwardIterator<RuleApplicationResult<Entry_EX>> ApplyRule(char const* text,
                                                                   MaybeAnyLongerCallback* callback) override;
        Morphology_E_Source_RewriterRuleSetRep* Clone() const override;
    };

    Morphology_E_Source_RewriterRuleSet();
};

// Receives the respellings of one word of a text and adds the text with the
// word replaced to the results.
class xxCompositeWordOutputter : public E_Source_Morphology_Rewriter::Output {
public:
    // The word is text[wordStart, wordEnd).
    xxCompositeWordOutputter(std::vector<RuleApplicationResult<Entry_EX>>* results, std::string const& text,
                             std::size_t wordStart, std::size_t wordEnd);

    void PerformOutputs(char const* rewrite) override;

private:
    std::vector<RuleApplicationResult<Entry_EX>>* fResults;
    std::string fBefore;
    std::string fAfter;
};
