#include "engine/compiled/rewriting_rule_list.h"

#include "engine/compiled/affix_rule_sets.h"
#include "engine/compiled/case_matching_acceptor.h"
#include "engine/compiled/escape_word_rewriter.h"
#include "engine/compiled/hyphen_rewriter.h"
#include "engine/compiled/morphology_rule_set.h"
#include "engine/compiled/rewriting_dictionary.h"

namespace {

template <class RuleSetT>
RuleSet<Entry_EX> Make() {
    return RuleSetT();
}

RewriteRuleSetMakers MakeDefaultMakers() {
    RewriteRuleSetMakers makers;
    makers.escapeWords = &Make<ZXJRewriter_EX_RewriterRuleSet>;
    makers.firstWordSuffix = &MakeFirstWordSuffixRuleSet;
    makers.hyphen = &Make<HyphenRewriter_EX_RewriterRuleSet>;
    makers.prefix = &MakePrefixRuleSet;
    makers.morphology = &Make<Morphology_E_Source_RewriterRuleSet>;
    makers.suffix = &MakeSuffixRuleSet;
    makers.caseMatching = &Make<CaseMatchingAcceptor_EX_RewriterRuleSet>;
    return makers;
}

}  // namespace

RewriteRuleSetMakers const& DefaultRewriteRuleSetMakers() {
    static RewriteRuleSetMakers const makers = MakeDefaultMakers();
    return makers;
}

std::vector<RuleSet<Entry_EX>> RewritingDictionary_EX_Rep::mkEXRewriteRulesVector(Dictionary_EX const& wrapped,
                                                                                  RewriteRuleSetMakers const& makers) {
    std::vector<RewriteRuleSetMakers::Maker const*> chosen;
    if (IsUserDict(wrapped))
        chosen.push_back(&makers.escapeWords);
    else if (IsTechnicalDict(wrapped))
        chosen.push_back(&makers.firstWordSuffix);
    for (auto const* maker : {&makers.hyphen, &makers.prefix, &makers.morphology, &makers.suffix, &makers.caseMatching})
        chosen.push_back(maker);

    std::vector<RuleSet<Entry_EX>> ruleSets;
    for (auto const* maker : chosen) {
        if (*maker) ruleSets.push_back((*maker)());
    }
    return ruleSets;
}
