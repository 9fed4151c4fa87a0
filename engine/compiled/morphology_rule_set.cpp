#include "engine/compiled/morphology_rule_set.h"

#include "engine/compiled/pvalue_lowering_acceptor.h"
#include "engine/foundation/module_init.h"
#include "engine/foundation/string_utils.h"

namespace {

ModuleCounters const sModuleCounters;
Grammar_ModuleInit const sGrammar;

}  // namespace

using Result = RuleApplicationResult<Entry_EX>;
using Rep = Morphology_E_Source_RewriterRuleSet::Morphology_E_Source_RewriterRuleSetRep;

xxCompositeWordOutputter::xxCompositeWordOutputter(std::vector<Result>* results, std::string const& text,
                                                   std::size_t wordStart, std::size_t wordEnd)
    : fResults(results), fBefore(text.substr(0, wordStart)), fAfter(text.substr(wordEnd)) {}

void xxCompositeWordOutputter::PerformOutputs(char const* rewrite) {
    std::string const rewritten = fBefore + rewrite + fAfter;
    if (rewritten.size() > Result::kMaxTextLength) return;
    fResults->emplace_back(rewritten, PValueLoweringEntryAcceptor());
}

ForwardIterator<Result> Rep::ApplyRule(char const* text, MaybeAnyLongerCallback* callback) {
    std::string const whole(text);
    std::vector<Result> results;
    results.emplace_back(whole);
    char const* position = whole.c_str();
    for (;;) {
        std::string const word = GetNextToken(&position);
        if (word.empty()) break;
        std::size_t const wordEnd = static_cast<std::size_t>(position - whole.c_str());
        xxCompositeWordOutputter outputter(&results, whole, wordEnd - word.size(), wordEnd);
        E_Source_Morphology_Rewriter::Rewrite(word.c_str(), outputter, callback);
    }
    return VectorByValueForwardIterator<Result>(results);
}

Rep* Rep::Clone() const { return new Rep; }

Morphology_E_Source_RewriterRuleSet::Morphology_E_Source_RewriterRuleSet() : RuleSet(new Rep) {}
