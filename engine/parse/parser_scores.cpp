// The scores analyses carry: the scoring experts' judgement of a rule piece
// and of a dictionary reading.
#include "engine/parse/grammar_tables.h"
#include "engine/parse/parser.h"

// The rule's probability counts at pieces of named categories only, so a
// rule split into pieces over temporary categories counts it once, at its
// top piece.
float Parser::RuleScore(unsigned rule) {
    if (rule >= kRuleListCount) return 0.0f;
    ParseChartEntry entry;
    entry.category = kRuleList[rule].category;
    entry.rule = static_cast<uint16_t>(rule);
    return fScoring.RunRuleExpert(entry);
}

float Parser::DictScore(FinePOS_EX const& finePOS, unsigned d, unsigned e) {
    return fScoring.RunDictExperts(finePOS, d, e);
}
