// The experts that judge the shape of an analysis: the probability of the
// grammar rule that built it, and the balance of its constituents' sizes.
#include <algorithm>
#include <cmath>
#include <cstring>
#include <vector>

#include "engine/parse/expert_context.h"
#include "engine/parse/sentence.h"

namespace {

constexpr int32_t kFirstGlueCategory = 14999;
constexpr int32_t kTopGlueCategory = 20;
constexpr int32_t kFavouredCategory = 12;
constexpr uint16_t kNoRuleProbabilityFlags =
    EXPERT_VIEW::kDictionaryLeaf | EXPERT_VIEW::kDictionaryOrGlue | EXPERT_VIEW::kEmptyGluePiece;
constexpr uint8_t kLargestWordCount = 255;
// The balance penalty is scaled by this before it is raised to its power.
constexpr double kImbalanceScale = -6.0;

bool IsGlue(int32_t category) { return category >= kFirstGlueCategory; }

// One constituent under a node, for the balance expert.
struct Constituent {
    bool sized;
    float size;
    unsigned rule;  // under which it was reached
};

// The constituents under the daughters, left to right, seen through glue
// nodes (their first source's daughters).
std::vector<Constituent> ConstituentsOf(ALLP_TOP const* left, ALLP_TOP const* right, unsigned rule) {
    struct Pending {
        ALLP_TOP const* node;
        unsigned rule;
    };
    std::vector<Constituent> out;
    // A stack, so a long chain of glue does not deepen the call stack.
    std::vector<Pending> stack;
    if (right != nullptr) stack.push_back({right, rule});
    stack.push_back({left, rule});
    while (!stack.empty()) {
        Pending const next = stack.back();
        stack.pop_back();
        ALLP_TOP const* node = next.node;
        if (IsGlue(node->view.category) && node->sources != nullptr && node->sources->left != nullptr) {
            ALLP_SOURCE const* source = node->sources;
            if (source->right != nullptr) stack.push_back({source->right, source->rule});
            stack.push_back({source->left, source->rule});
            continue;
        }
        bool const sized = (node->view.flags & EXPERT_VIEW::kCountsForBalance) != 0;
        out.push_back({sized, static_cast<float>(node->view.wordCount), next.rule});
    }
    return out;
}

// A daughter's piece of a glue node: its size and weighted size.
struct Piece {
    float size = 0;
    float weighted = 0;
};

Piece PieceOf(ALLP_TOP const* daughter, float weight) {
    Piece piece;
    EXPERT_VIEW const& view = daughter->view;
    if (IsGlue(view.category)) {
        piece.size = view.smallestPiece;
        piece.weighted = view.largestWeightedPiece;
    } else if (view.flags & EXPERT_VIEW::kCountsForBalance) {
        piece.size = view.wordCount;
        piece.weighted = (piece.size - 1.0f) * weight;
    }
    return piece;
}

// The smaller of two values, leaving out zeros; 0 when both are.
float SmallerNonZero(float a, float b) {
    if (a == 0) return b;
    if (b == 0) return a;
    return std::min(a, b);
}
float LargerNonZero(float a, float b) {
    if (a == 0) return b;
    if (b == 0) return a;
    return std::max(a, b);
}

}  // namespace

bool ExpertContext::FindAltProb(uint16_t pureRuleId, char const* tag, float* probability) {
    for (unsigned i = 0; i < kUsedAltProbCount && i < kAltProbCount; ++i) {
        AltProbRecord const& record = kAltProbs[i];
        if (record.pureRuleId != pureRuleId || std::strncmp(record.tag, tag, sizeof record.tag) != 0) continue;
        *probability = static_cast<float>(record.probability) / kExpertConstant_PROBABILITY_UNIT;
        return true;
    }
    return false;
}

float ExpertContext::BalanceWeight(unsigned rule) {
    return rule < kRuleListCount ? kRuleList[rule].balanceWeight : 0.0f;
}

float ExpertContext::RuleExpert(EXPERT_VIEW* view, ALLP_TOP const*, ALLP_TOP const*, uint16_t rule) {
    float p = 0.0f;
    PureRuleRecord const* pure = BinRuleToPure(rule);
    if (!(view->flags & kNoRuleProbabilityFlags) && rule != ALLP_SOURCE::kNoRule && pure != nullptr) {
        float const base = static_cast<float>(pure->probability) / kExpertConstant_PROBABILITY_UNIT;
        p = base;
        if (kRuleList[rule].flags & RuleRecord::kHasAltProbs) {
            float alternate = 0.0f;
            if (fSentence->FourSwitch(0) && FindAltProb(pure->id, "dialog", &alternate)) p = alternate;
            // The parenthesis switch decides alone when it is on: without a
            // record of its own the rule keeps its plain probability.
            if (fSentence->FourSwitch(1)) p = FindAltProb(pure->id, "paren_at_end", &alternate) ? alternate : base;
        }
    }
    if (view->category == kFavouredCategory) p += kExpertConstant_CATEGORY_12_BONUS;
    if (view->flags & EXPERT_VIEW::kCommaPenalty) p += kExpertConstant_COMMA_PENALTY;
    if (view->flags & EXPERT_VIEW::kCrossesForcedUnit) p += kExpertConstant_FORCED_UNIT_CROSSED;
    return p;
}

float ExpertContext::StructBalanceExpert(EXPERT_VIEW* view, ALLP_TOP const* left, ALLP_TOP const* right,
                                         uint16_t rule) {
    view->smallestPiece = 0;
    view->largestWeightedPiece = 0;
    if (left == nullptr || view->category == kTopGlueCategory) return 0.0f;
    unsigned const words = unsigned{left->view.wordCount} + (right != nullptr ? right->view.wordCount : 0u);
    view->wordCount = static_cast<uint8_t>(std::min<unsigned>(words, kLargestWordCount));
    if (right == nullptr) return 0.0f;

    if (IsGlue(view->category)) {
        Piece const a = PieceOf(left, BalanceWeight(rule));
        Piece const b = PieceOf(right, 1.0f);
        float const smallest = SmallerNonZero(a.size, b.size);
        view->smallestPiece = static_cast<uint8_t>(std::min<float>(smallest, kLargestWordCount));
        view->largestWeightedPiece = LargerNonZero(a.weighted, b.weighted);
        return 0.0f;
    }

    std::vector<Constituent> const parts = ConstituentsOf(left, right, rule);
    float penalty = 0.0f;
    bool haveSmallest = false;
    float smallestAfter = 0.0f;  // the smallest known size after i
    for (std::size_t i = parts.size() - 1; i-- > 0;) {
        Constituent const& after = parts[i + 1];
        if (after.sized && (!haveSmallest || after.size < smallestAfter)) {
            smallestAfter = after.size;
            haveSmallest = true;
        }
        Constituent const& part = parts[i];
        if (!part.sized || !haveSmallest || !(smallestAfter < part.size) || smallestAfter <= 0) continue;
        float const t =
            (1.0f - (part.size / smallestAfter + (part.size - smallestAfter) * 0.5f)) * BalanceWeight(part.rule);
        penalty = std::min(penalty, t);
    }
    double const scaled = penalty / kImbalanceScale;
    double const result = kImbalanceScale * std::pow(scaled, kExpertConstant_IMBALANCE_POWER);
    return static_cast<float>(std::max<double>(kExpertConstant_IMBALANCE_FLOOR, result));
}
