#include "engine/compiled/rewriting_rule_list.h"

#include "engine/compiled/rewriting_dictionary.h"

RewriteRuleSetMakers const& DefaultRewriteRuleSetMakers() {
    // The escape-word, first-word suffix, hyphen, prefix, morphology, suffix
    // and case-matching rule sets join here as they are built; until then a
    // rewriting dictionary looks up the plain string only.
    static RewriteRuleSetMakers const makers;
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
