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

#include "engine/foundation/active_domains.h"
#include "engine/foundation/entry.h"
#include "engine/parse/grammar_tables.h"
#include "engine/parse/parse_chart.h"
#include "engine/parse/parse_graph.h"
#include "engine/parse/semantic_expert.h"
#include "engine/pipeline/dictionary_priority_map.h"

class Sentence;

// The weight of each expert in the sum.  The user-total weight is the base
// the learning strength scales; the context's run-time weight replaces it.
constexpr float kExpertWeight_rulep = 0.178f;
constexpr float kExpertWeight_sbal = 0.0123f;
constexpr float kExpertWeight_dictp = 0.18f;
constexpr float kExpertWeight_caps = 0.034f;
constexpr float kExpertWeight_selres = 0.16f;
constexpr float kExpertWeight_dist = 0.021f;
constexpr float kExpertWeight_usertot = fOriginalUserTotWeight;
constexpr float kExpertWeight_userses = 0.1f;
constexpr float kExpertWeight_SWAN = 0.1f;

// The constants the experts score with.
constexpr float kExpertConstant_COMMA_PENALTY = -5.0f;
constexpr float kExpertConstant_FORCED_UNIT_CROSSED = -5.0f;
constexpr float kExpertConstant_CATEGORY_12_BONUS = 2.0f;
constexpr double kExpertConstant_IMBALANCE_POWER = 3.0;
constexpr float kExpertConstant_IMBALANCE_FLOOR = -50000.0f;
constexpr float kExpertConstant_DICTF_MISSING = -0.5f;
constexpr float kExpertConstant_DICTF_SPECIAL = -3.0f;
constexpr double kExpertConstant_DICT_TDORDER = -0.1;
constexpr float kExpertConstant_UD_HYPHENATED_WORD = 0.001f;
constexpr float kExpertConstant_DICT_MULTIWORD_BONUS = 0.007f;
constexpr float kExpertConstant_TECHNICAL_POS_BOOST = 0.33f;
constexpr float kExpertConstant_DOMAIN_POS_BOOST = 0.32f;
constexpr float kExpertConstant_TECHNICAL_PARA_BOOST = 0.33f;
constexpr float kExpertConstant_DOMAIN_PARA_BOOST = 0.32f;
// Learned values are kept within these before they are weighed.
constexpr float kExpertConstant_LEARNED_MIN = -1.0f;
constexpr float kExpertConstant_LEARNED_MAX = 1.0f;
constexpr float kExpertConstant_LEARNED_SCALE = 0.7f * 400.0f;
// Below this the user-total expert does not run.
constexpr float kExpertConstant_USERTOT_MIN_WEIGHT = 1e-7f;
// Grammar probabilities are stored in these units.
constexpr float kExpertConstant_PROBABILITY_UNIT = 2048.0f;

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

    // The grammar rule a rule piece belongs to; null for no rule or one past
    // the tables.
    static PureRuleRecord const* BinRuleToPure(unsigned rule);
    // A headword of two words joined by " - ": its first blank begins " - "
    // and no blank follows.
    static bool WordHyphenWord(char const* text);
    // The weight the user-total expert runs with (0 at strength 0).
    float UserTotWeight() const { return fUserTotWeight; }

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
    // The alternate probability of the grammar rule under the tag; false
    // when it has none.
    static bool FindAltProb(uint16_t pureRuleId, char const* tag, float* probability);
    // The balance weight of a rule piece; 0 for no rule.
    static float BalanceWeight(unsigned rule);
    // The single-word cell flags of word e when the chart has it, else 0.
    uint16_t WordCellFlags(unsigned e) const;

    Sentence* fSentence;
    // The selres and distance experts' state for the node being scored.
    SemanticExpert fSemantics;
    EXPERT_VIEW const* fSemanticsScoredView = nullptr;
    ActiveDomains const* fDomains;
    DictionaryPriorityMap const* fPriorities;
    float fUserTotWeight;
};

// The experts in the order they are summed, with their weights.
struct ExpertRecord {
    // Which nodes the expert scores.
    enum Gate : uint8_t {
        kEveryNode,
        kWithLeftDaughter,
        kDictionaryLeaf,
        kLearningLeaf,  // dictionary leaves, while the learning weight is above its minimum
    };
    char const* name;
    float weight;  // the user-total one is replaced at run time
    Gate gate;
    float (ExpertContext::*expert)(EXPERT_VIEW*, ALLP_TOP const*, ALLP_TOP const*, uint16_t);
};
inline constexpr ExpertRecord fExperts[] = {
    {"rulep", kExpertWeight_rulep, ExpertRecord::kEveryNode, &ExpertContext::RuleExpert},
    {"sbal", kExpertWeight_sbal, ExpertRecord::kWithLeftDaughter, &ExpertContext::StructBalanceExpert},
    {"dictp", kExpertWeight_dictp, ExpertRecord::kDictionaryLeaf, &ExpertContext::POSProbExpert},
    {"caps", kExpertWeight_caps, ExpertRecord::kDictionaryLeaf, &ExpertContext::CapExpert},
    {"selres", kExpertWeight_selres, ExpertRecord::kEveryNode, &ExpertContext::SelResExpert},
    {"dist", kExpertWeight_dist, ExpertRecord::kEveryNode, &ExpertContext::DistanceExpert},
    {"usertot", kExpertWeight_usertot, ExpertRecord::kLearningLeaf, &ExpertContext::UserTotalProbExpert},
    {"SWAN", kExpertWeight_SWAN, ExpertRecord::kDictionaryLeaf, &ExpertContext::WSANExpert},
};
