#pragma once
// The scoring experts.  Every node of the parse graph, and every analysis
// the chart parser makes, is scored by a weighted sum of experts, each
// judging one aspect: the rule's probability (rulep), structural balance
// (sbal), a dictionary reading's part-of-speech probability (dictp),
// capitalisation (caps), selectional restrictions and distance (selres,
// dist), the user's learned usage (usertot) and word-sense association
// (SWAN).  Scores are floats; higher is better.  The experts read an
// EXPERT_VIEW, never the chart entry itself, except the parser-side entry
// points, which see only a span and a reading.
//
// One context is built per use from the sentence; it reads the sentence's
// active domains, dictionary priorities and learning strength.
#include <cstdint>

#include "engine/foundation/entry.h"
#include "engine/parse/parse_chart.h"
#include "engine/parse/parse_graph.h"
#include "engine/parse/semantic_expert.h"

class Sentence;

class ExpertContext {
public:
    explicit ExpertContext(Sentence& sentence);

    // The score of a graph node the graph builder made: the view of the
    // node, its daughters (null when absent) and the rule that built it
    // (ALLP_SOURCE::kNoRule for a dictionary leaf).  May record on the view
    // (glue pieces, learned usage).
    float RunExperts(EXPERT_VIEW* view, ALLP_TOP const* left, ALLP_TOP const* right, uint16_t rule);

    // The parser's score of an analysis it made by a rule.
    float RunRuleExpert(ParseChartEntry const& entry);
    // The score of a dictionary reading over words e-d .. e: the parser's,
    // which knows no paraphrase, and the graph's.
    float RunDictExperts(FinePOS_EX const& finePOS, unsigned d, unsigned e);
    float RunDictExperts(FinePOS_EX const& finePOS, Paraphrase_EX const& paraphrase, unsigned d, unsigned e);

    // The priority the user gave the dictionary the reading comes from,
    // normalised over the sentence's dictionaries.
    double GetNormalizedDictPriority(FinePOS_EX const& finePOS) const;

    // What the dictionary experts see on the parser side, where no view exists.
    struct PruningExpertData {
        unsigned d;
        unsigned e;
        FinePOS_EX finePOS;
    };

    // ---- the experts: each (view, left, right, rule) -> score -------------
    float RuleExpert(EXPERT_VIEW* view, ALLP_TOP const* left, ALLP_TOP const* right, uint16_t rule);
    float StructBalanceExpert(EXPERT_VIEW* view, ALLP_TOP const* left, ALLP_TOP const* right, uint16_t rule);
    float POSProbExpert(EXPERT_VIEW* view, ALLP_TOP const* left, ALLP_TOP const* right, uint16_t rule);
    float CapExpert(EXPERT_VIEW* view, ALLP_TOP const* left, ALLP_TOP const* right, uint16_t rule);
    float SelResExpert(EXPERT_VIEW* view, ALLP_TOP const* left, ALLP_TOP const* right, uint16_t rule);
    float DistanceExpert(EXPERT_VIEW* view, ALLP_TOP const* left, ALLP_TOP const* right, uint16_t rule);
    float UserTotalProbExpert(EXPERT_VIEW* view, ALLP_TOP const* left, ALLP_TOP const* right, uint16_t rule);
    float WSANExpert(EXPERT_VIEW* view, ALLP_TOP const* left, ALLP_TOP const* right, uint16_t rule);
    // Parser-side forms.
    float POSProbFunc(PruningExpertData const& data);
    float CapExpert(PruningExpertData const& data);
    float UserTotalProbExpert(PruningExpertData const& data);

    Sentence& GetSentence() const { return *fSentence; }

private:
    Sentence* fSentence;
    // The selres and distance experts' state for the node being scored.
    SemanticExpert fSemantics;
    EXPERT_VIEW const* fSemanticsScoredView = nullptr;
};
