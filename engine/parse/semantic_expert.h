#pragma once
// The selectional-restriction and distance experts' state and reasoning for
// the graph node being scored.  A grammar rule's semantic operations compare
// the semantic sets of the node's two daughters (a verb's or preposition's
// requirement against its filler, coordination of like meanings, idiom
// slots), add to the selres or distance score and give the node its sets.
// Scores are higher for better fits.
#include <cstdint>
#include <string>

#include "engine/foundation/semantics.h"
#include "engine/parse/parse_graph.h"

class Sentence;

class SemanticExpert {
public:
    enum class WhichScorer { kFixed, kSelres };

    static constexpr float kNoMatch = -1e30f;
    static constexpr float kNoMatchBelow = -1e29f;  // scores at or below mean no common ancestor

    // ---- state, fields in order ---------------------------------------------
    bool genericSeen = false;  // set by SHighestSpec
    float selresScore = 0;
    float distanceScore = 0;
    bool oneSided = false;  // set by SemanticsAnd, read by the fixed scorer
    uint16_t requirement = 0;
    float requirementSpecificity = 0;

    // Runs the rule's semantic operations on the daughters' sets (null
    // daughters have none), adding to the scores and setting the view's sets.
    void DoSemantFOPs(EXPERT_VIEW* view, ALLP_TOP const* left, ALLP_TOP const* right, uint16_t rule,
                      Sentence const& sentence);

    // How well a filler fits a requirement (the side with the selres flag).
    float SelResApply(SemanticRecord const& a, SemanticRecord const& b, bool firstSlotOnly);
    // How alike two coordinated sets are; *out gets their common set.
    float SemanticsAnd(SemanticRecord* out, SemanticRecord const& a, SemanticRecord const& b);
    // The best score of any atom of a with any atom of b; with out, the set
    // they share.
    float SemAnd(SemanticRecord* out, SemanticRecord const& a, SemanticRecord const& b, bool anyLevel,
                 WhichScorer scorer);
    // The score of the two atoms' best common ancestor (*common; 0 and
    // kNoMatch when they have none).
    float SHighestSpec(uint16_t x, uint16_t y, uint16_t* common, bool anyLevel, WhichScorer scorer,
                       bool* generic) const;
    float SHighestSpecCache(uint16_t x, uint16_t y, uint16_t* common, bool anyLevel, WhichScorer scorer);
    float SelresScorer(float wa, uint16_t common, float wb) const;
    // Coordination of idiom slots ("!" names).
    void IdiomSelResCoordPropagate(bool* done, float* bonus, SemanticRecord* out, SemanticRecord const& a,
                                   SemanticRecord const& b);

private:
    void SemMatch(unsigned semanticClass, SemanticRecord const& l, SemanticRecord const& r, EXPERT_VIEW const* leftView,
                  EXPERT_VIEW const* rightView, SemanticRecord* result, bool* consumed, Sentence const& sentence);
    void SemEval(unsigned semanticClass, uint16_t operand, EXPERT_VIEW* view);
};

// The preposition a view stands for: the free feature in its first feature
// slot, or for a dictionary leaf the particle its reading names; "" for none.
std::string PrepositionOfView(EXPERT_VIEW const* view, Sentence const& sentence);
// 5 when both views stand for the same preposition, else 0.
float IdenticalPreps(EXPERT_VIEW const* a, EXPERT_VIEW const* b, Sentence const& sentence);
// Gives a dictionary leaf's view the semantics of its reading.
void SetLeafSemantics(EXPERT_VIEW* view);
