#include "engine/parse/graph_walker.h"

#include <vector>

#include "engine/parse/hit_limit_exception.h"
#include "engine/parse/kbest_scores.h"
#include "engine/parse/sentence.h"

void TopToExtent(ALLP_TOP const* top, EXTENT* out, Sentence const& sentence) {
    SpanToExtent(top->view.start, top->view.end, sentence, out);
}

void ClearFlags(ALLP_TOP* top) {
    // Without recursion: the graph may be deep.
    std::vector<ALLP_TOP*> pending{top};
    while (!pending.empty()) {
        ALLP_TOP* const at = pending.back();
        pending.pop_back();
        if (at == nullptr || (at->walkFlags & ALLP_TOP::kVisited) == 0) continue;
        at->walkFlags = 0;
        for (ALLP_SOURCE* source = at->sources; source != nullptr; source = source->next) {
            pending.push_back(source->left);
            pending.push_back(source->right);
        }
    }
}

void GraphWalker::DoIt(ALLP_TOP* firstTop, EXTENT const* extent, uint16_t k) {
    fDepth = -1;
    fExtent = *extent;
    fK = k;
    for (ALLP_TOP* top = firstTop; top != nullptr; top = top->next) ClearFlags(top);
    for (ALLP_TOP* top = firstTop; top != nullptr; top = top->next) WalkGraph(top);
}

void GraphWalker::WalkGraph(ALLP_TOP* top) {
    if (top == nullptr || (top->walkFlags & ALLP_TOP::kVisited) != 0) return;
    top->walkFlags |= ALLP_TOP::kVisited;
    if (fDepth + 1 >= kMostDepth) {
        fDepth = -1;
        throw HitLimitException();
    }
    fStack[++fDepth] = top;
    EXTENT extent;
    TopToExtent(top, &extent, *fSentence);
    uint16_t const relation = RelateExtents(extent, top, fExtent);
    if (!GraphFunc(relation, top, nullptr, kEnterTop)) {
        for (ALLP_SOURCE* source = top->sources; source != nullptr; source = source->next) {
            if (GraphFunc(relation, top, source, kBeforeSource)) continue;
            WalkGraph(source->left);
            WalkGraph(source->right);
            GraphFunc(relation, top, source, kAfterSource);
        }
        GraphFunc(relation, top, nullptr, kLeaveTop);
    }
    --fDepth;
}

uint16_t GraphWalker::RelateExtents(EXTENT const& node, ALLP_TOP* top, EXTENT const& walk) const {
    unsigned const a = node.start, b = node.end, w0 = walk.start, w1 = walk.end;
    if (a < w0) {
        if (b >= w1) return ComputeDomZero(top);
        return b <= w0 ? kDisjoint : kCrossing;
    }
    if (a == w0) {
        if (b < w1) return kInside;
        return b == w1 ? static_cast<uint16_t>(kEqual) : ComputeDomZero(top);
    }
    if (b <= w1) return kInside;
    return a >= w1 ? kDisjoint : kCrossing;
}

uint16_t GraphWalker::ComputeDomZero(ALLP_TOP* top) const {
    if (top == nullptr) return kContainsScored;
    CHOICE_PLATFORM& platform = fSentence->Choices();
    // Without records (one parse kept) there is nothing to tell apart.
    if (!platform.HasRecords()) return kContainsScored;
    ScoreRecord const record = platform.Record(top->serial);
    if (!record.Has(ScoreRecord::kRecompute)) return IsScoreEnd(record.Score(0)) ? kContainsEmpty : kContainsScored;
    for (unsigned i = 0; i < fK && i <= record.K(); ++i)
        if (!IsScoreEnd(record.Score(i))) return kContainsScored;
    return kContainsEmpty;
}
