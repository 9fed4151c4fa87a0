// Stand-ins until the experts are built: every expert scores 0.
#include "engine/parse/expert_context.h"

ExpertContext::ExpertContext(Sentence& sentence) : fSentence(&sentence) {}

float ExpertContext::RunExperts(EXPERT_VIEW*, ALLP_TOP const*, ALLP_TOP const*, uint16_t) { return 0.0f; }
float ExpertContext::RunRuleExpert(ParseChartEntry const&) { return 0.0f; }
float ExpertContext::RunDictExperts(FinePOS_EX const&, unsigned, unsigned) { return 0.0f; }
float ExpertContext::RunDictExperts(FinePOS_EX const&, Paraphrase_EX const&, unsigned, unsigned) { return 0.0f; }
double ExpertContext::GetNormalizedDictPriority(FinePOS_EX const&) const { return 0.0; }
float ExpertContext::RuleExpert(EXPERT_VIEW*, ALLP_TOP const*, ALLP_TOP const*, uint16_t) { return 0.0f; }
float ExpertContext::StructBalanceExpert(EXPERT_VIEW*, ALLP_TOP const*, ALLP_TOP const*, uint16_t) { return 0.0f; }
float ExpertContext::POSProbExpert(EXPERT_VIEW*, ALLP_TOP const*, ALLP_TOP const*, uint16_t) { return 0.0f; }
float ExpertContext::CapExpert(EXPERT_VIEW*, ALLP_TOP const*, ALLP_TOP const*, uint16_t) { return 0.0f; }
float ExpertContext::UserTotalProbExpert(EXPERT_VIEW*, ALLP_TOP const*, ALLP_TOP const*, uint16_t) { return 0.0f; }
float ExpertContext::POSProbFunc(PruningExpertData const&) { return 0.0f; }
float ExpertContext::CapExpert(PruningExpertData const&) { return 0.0f; }
float ExpertContext::UserTotalProbExpert(PruningExpertData const&) { return 0.0f; }
