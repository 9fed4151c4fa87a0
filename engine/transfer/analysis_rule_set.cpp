#include "engine/transfer/analysis_rule_set.h"

AnalysisRuleSet const& AnalysisRuleSet::Generated() {
    static AnalysisRuleSet const generated = [] {
        AnalysisRuleSet set;
        set.rules = kAnalysisRules;
        set.ruleCount = kAnalysisRuleCount;
        set.constits = kAnalConstits;
        set.constitCount = kAnalConstitCount;
        set.terms = kAnalTerms;
        set.termCount = kAnalTermCount;
        set.firstNumberRule = kFirstNumberRule;
        set.jstr = &kAOJStr;
        set.jpos = &kAOJPOS;
        set.ebase = &kAOEBase;
        set.esurface = &kAOESurface;
        set.constit = &kAOConstit;
        set.semant = &kAOSemant;
        return set;
    }();
    return generated;
}
