// The scores analyses carry while the scoring experts are not yet there:
// stand-ins named as such, each the one place the experts will take over.
#include "engine/parse/grammar_tables.h"
#include "engine/parse/parser.h"

namespace {

constexpr float kProbabilityUnit = 2048.0f;

}  // namespace

// Stand-in for the rule expert: the log10 probability of the grammar rule
// the piece belongs to.  Only a rule's top piece (a named category) counts
// it, so a rule split into pieces counts it once.
float Parser::RuleScore(unsigned rule) const {
    if (rule >= kRuleListCount) return 0.0f;
    RuleRecord const& record = kRuleList[rule];
    if (record.category >= kFirstTemporaryCategory || record.pureRule >= kPureRuleCount) return 0.0f;
    return static_cast<float>(kPureRules[record.pureRule].probability) / kProbabilityUnit;
}

// Stand-in for the dictionary experts: the reading's p-value.
float Parser::DictScore(FinePOS_EX const& finePOS) const {
    return static_cast<float>(finePOS.GetPValue()) / kProbabilityUnit;
}
