#include "engine/transfer/synthesis_actors.h"

#include "engine/foundation/pos_codes.h"
#include "engine/transfer/tree_analyzer.h"

namespace {

constexpr uint32_t kJPosNoun = 134;
constexpr uint32_t kJPosObjectParticle = 151;

// Constituent 0: a node whose rightmost line reaches a Japanese noun;
// constituent 1: the verb right after it.
class WoPostPRuleMatcherActor : public AnalyzerActorBase {
public:
    short Match(PARSED_NODE* node, short i) const {
        if (i > 0) return IsVerbishType(node) ? 1 : 0;
        for (PARSED_NODE const* at = node; at != nullptr; at = GetLastChild(at)) {
            if (at->japanesePOS == kJPosNoun) return 2;
        }
        return 0;
    }

    void PerformActions(PARSED_NODE** slots) {
        PARSED_NODE* particle = NewVirtualNode(kCatAcc);
        particle->SetJapanese("-wo");
        particle->japanesePOS = kJPosObjectParticle;
        ChomskyAdjoin(slots[0], particle, false);
        fChanged = true;
    }

    bool Changed() const { return fChanged; }

private:
    bool fChanged = false;
};

// A run of categories, each primed or not as the pattern says; the first
// node's subject particle slot, when still empty, becomes "ha".
class NomSingleNodeMatcherActor : public AnalyzerActorBase {
public:
    NomSingleNodeMatcherActor(CategoryFlagPair const* pattern, short length) : fPattern(pattern), fLength(length) {}

    short Match(PARSED_NODE* node, short i) const {
        bool const primed = (node->flags & kPrimeNode) != 0;
        return node->category == fPattern[i].category && primed == (fPattern[i].flag == 1) ? fLength : 0;
    }

    void PerformActions(PARSED_NODE** slots) {
        PARSED_NODE* const particle = GetLastChild(slots[0]);
        if (particle == nullptr || particle->category != kCatNom ||
            (particle->japanese != nullptr && particle->japanese[0] != '\0'))
            return;
        particle->SetJapanese("ha");
        fChanged = true;
    }

    bool Changed() const { return fChanged; }

private:
    CategoryFlagPair const* fPattern;
    short fLength;
    bool fChanged = false;
};

template <std::size_t kLength>
bool RunTopicPattern(PARSED_NODE* tree, CategoryFlagPair const (&pattern)[kLength]) {
    NomSingleNodeMatcherActor actor(pattern, static_cast<short>(kLength));
    Analyzer<NomSingleNodeMatcherActor, false>(actor).MatchFirstConstit(tree);
    return actor.Changed();
}

}  // namespace

bool ObjectParticleRule(PARSED_NODE* tree) {
    WoPostPRuleMatcherActor actor;
    Analyzer<WoPostPRuleMatcherActor, false>(actor).MatchFirstConstit(tree);
    return actor.Changed();
}

bool TopicRules(PARSED_NODE* tree) {
    bool changed = RunTopicPattern(tree, fPattern1);
    changed = RunTopicPattern(tree, fPattern2) || changed;
    changed = RunTopicPattern(tree, fPattern3) || changed;
    return RunTopicPattern(tree, fPattern4) || changed;
}
