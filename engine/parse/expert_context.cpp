// The weighted sum of the experts, and the parser's entry points into it.
// The experts themselves live by concern: experts_rule_balance.cpp (rule
// probability, structural balance), experts_dictionary.cpp (dictionary
// readings: part of speech, capitals, learned usage) and
// semantic_experts.cpp.
#include "engine/parse/expert_context.h"

#include "engine/parse/sentence.h"

namespace {

constexpr unsigned kFirstGlueCategory = 14999;

}  // namespace

ExpertContext::ExpertContext(Sentence& sentence)
    : fSentence(&sentence),
      fDomains(&sentence.Domains()),
      fPriorities(&sentence.DictionaryPriorities()),
      fUserTotWeight(sentence.LearningStrength().GetWeight()) {}

float ExpertContext::RunExperts(EXPERT_VIEW* view, ALLP_TOP const* left, ALLP_TOP const* right, uint16_t rule) {
    bool const leaf = (view->flags & EXPERT_VIEW::kDictionaryLeaf) != 0;
    float score = 0.0f;
    for (ExpertRecord const& expert : fExperts) {
        float weight = expert.weight;
        switch (expert.gate) {
            case ExpertRecord::kEveryNode:
                break;
            case ExpertRecord::kWithLeftDaughter:
                if (left == nullptr) continue;
                break;
            case ExpertRecord::kDictionaryLeaf:
                if (!leaf) continue;
                break;
            case ExpertRecord::kLearningLeaf:
                weight = fUserTotWeight;
                if (!leaf || !(weight > kExpertConstant_USERTOT_MIN_WEIGHT)) continue;
                break;
        }
        score += weight * (this->*expert.expert)(view, left, right, rule);
    }
    return score;
}

float ExpertContext::RunRuleExpert(ParseChartEntry const& entry) {
    // A view of its own per call: the parser may score from several threads.
    EXPERT_VIEW view;
    view.category = entry.category;
    if (entry.category == 0 || entry.category >= kFirstGlueCategory) view.flags = EXPERT_VIEW::kDictionaryOrGlue;
    return kExpertWeight_rulep * RuleExpert(&view, nullptr, nullptr, entry.rule);
}

float ExpertContext::RunDictExperts(FinePOS_EX const& finePOS, unsigned d, unsigned e) {
    PruningExpertData const data{d, e, finePOS};
    return kExpertWeight_dictp * POSProbFunc(data) + kExpertWeight_caps * CapExpert(data);
}

float ExpertContext::RunDictExperts(FinePOS_EX const& finePOS, Paraphrase_EX const& paraphrase, unsigned d,
                                    unsigned e) {
    EXPERT_VIEW view(finePOS, paraphrase);
    view.flags = EXPERT_VIEW::kDictionaryLeaf;
    view.start = static_cast<uint16_t>(d);
    view.end = static_cast<uint16_t>(e);
    float score = kExpertWeight_dictp * POSProbExpert(&view, nullptr, nullptr, ALLP_SOURCE::kNoRule) +
                  kExpertWeight_caps * CapExpert(&view, nullptr, nullptr, ALLP_SOURCE::kNoRule);
    if (fUserTotWeight > kExpertConstant_USERTOT_MIN_WEIGHT)
        score += fUserTotWeight * UserTotalProbExpert(&view, nullptr, nullptr, ALLP_SOURCE::kNoRule);
    return score + kExpertWeight_SWAN * WSANExpert(&view, nullptr, nullptr, ALLP_SOURCE::kNoRule);
}

double ExpertContext::GetNormalizedDictPriority(FinePOS_EX const& finePOS) const {
    return fPriorities->Get(finePOS.GetEntry().GetDictionary().GetID());
}

PureRuleRecord const* ExpertContext::BinRuleToPure(unsigned rule) {
    if (rule == 0 || rule >= kRuleListCount) return nullptr;
    unsigned const pure = kRuleList[rule].pureRule;
    if (pure == 0 || pure >= kPureRuleCount) return nullptr;
    return &kPureRules[pure];
}
