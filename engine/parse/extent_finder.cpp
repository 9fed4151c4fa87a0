#include "engine/parse/extent_finder.h"

#include <algorithm>

#include "engine/parse/graph_walker.h"
#include "engine/parse/kbest_scores.h"
#include "engine/parse/sentence.h"

namespace {

uint32_t ExtentKey(EXTENT const& x) { return uint32_t{x.start} << 16 | x.end; }
unsigned Width(EXTENT const& x) { return x.end >= x.start ? unsigned{x.end} - x.start : 0; }
// How far the node reaches beyond the walk's extent on its wider side.
unsigned Overhang(EXTENT const& x, EXTENT const& walk) {
    unsigned const before = walk.start > x.start ? unsigned{walk.start} - x.start : 0;
    unsigned const after = x.end > walk.end ? unsigned{x.end} - walk.end : 0;
    return std::max(before, after);
}

// Offers the nodes that cover the walk's extent, narrowest last seen first:
// a node equal to it as it is entered, a containing node as it is left
// (after everything below it), unless it only repeats its parent's extent.
class GetExtentsGraphWalker : public GraphWalker {
public:
    GetExtentsGraphWalker(Sentence* sentence, ExtentFinder* finder, bool exact)
        : GraphWalker(sentence), fFinder(finder), fExact(exact) {}

    bool GraphFunc(uint16_t relation, ALLP_TOP* top, ALLP_SOURCE* source, uint16_t phase) override {
        CHOICE_PLATFORM& platform = fSentence->Choices();
        switch (phase) {
            case kEnterTop:
                if (relation == kEqual) {
                    if (!fExact) OfferTop(top);
                    return true;
                }
                if (relation != kContainsScored) return true;
                fPath.push_back(Extent(top));
                return false;
            case kBeforeSource:
                return IsScoreEnd(platform.Record(source->serial).Score(0));
            case kLeaveTop: {
                EXTENT const extent = fPath.back();
                fPath.pop_back();
                if (fPath.empty() || !SameExtent(fPath.back(), extent)) OfferTop(top);
                return false;
            }
            default:
                return false;
        }
    }

private:
    EXTENT Extent(ALLP_TOP const* top) const {
        EXTENT extent;
        TopToExtent(top, &extent, *fSentence);
        return extent;
    }
    void OfferTop(ALLP_TOP* top) {
        ScoreRecord const record = fSentence->Choices().Record(top->serial);
        EXTENT const extent = Extent(top);
        for (unsigned ordinal = 1; ordinal <= 2 && ordinal <= record.K() + 1; ++ordinal)
            if (!IsScoreEnd(record.Score(ordinal - 1))) fFinder->CheckUserExtent(extent, fExtent, ordinal);
    }

    ExtentFinder* fFinder;
    bool fExact;
    std::vector<EXTENT> fPath;  // the containing nodes entered and not yet left
};

// Over the extent of one node of a translated tree: the nodes equal to it
// offer their analyses, counted across their sources, up to two.
class CheckJExtentEquivGraphWalker : public GraphWalker {
public:
    CheckJExtentEquivGraphWalker(Sentence* sentence, ExtentFinder* finder) : GraphWalker(sentence), fFinder(finder) {}

    bool GraphFunc(uint16_t relation, ALLP_TOP* top, ALLP_SOURCE* source, uint16_t phase) override {
        CHOICE_PLATFORM& platform = fSentence->Choices();
        if (phase == kBeforeSource) return IsScoreEnd(platform.Record(source->serial).Score(0));
        if (phase != kEnterTop) return false;
        if (relation == kContainsScored) return false;
        if (relation != kEqual) return true;
        EXTENT extent;
        TopToExtent(top, &extent, *fSentence);
        unsigned ordinal = 0;
        for (ALLP_SOURCE* s = top->sources; s != nullptr && ordinal < 2; s = s->next) {
            ScoreRecord const record = platform.Record(s->serial);
            for (unsigned i = 0; i <= record.K() && ordinal < 2 && !IsScoreEnd(record.Score(i)); ++i)
                fFinder->CheckUserExtent(extent, fExtent, ++ordinal);
        }
        return true;
    }

private:
    ExtentFinder* fFinder;
};

}  // namespace

bool ExtentFinder::Seen(EXTENT const& x) {
    if (!fSeenKeys.insert(ExtentKey(x)).second) return true;
    fSeen.push_back(x);
    return false;
}

void ExtentFinder::CheckUserExtent(EXTENT const& x, EXTENT const& walk, unsigned ordinal) {
    if (fFound) {
        if (Width(x) > Width(fFoundExtent)) return;
        if (Width(x) == Width(fFoundExtent) && Overhang(x, walk) >= Overhang(fFoundExtent, walk)) return;
    }
    if (ordinal > 1 || Seen(x)) {
        fFound = true;
        fFoundExtent = x;
    }
}

void ExtentFinder::FindForSource(ALLP_TOP* firstTop, EXTENT const& selection, uint16_t k) {
    GetExtentsGraphWalker walker(fSentence, this, fExact);
    walker.DoIt(firstTop, &selection, k);
    fSeen.clear();
    fSeenKeys.clear();
}

void ExtentFinder::FindForJapanese(PARSED_NODE* node, EXTENT const& selection, uint16_t k) {
    WalkJTree(node, selection, k);
    fSeen.clear();
    fSeenKeys.clear();
}

void ExtentFinder::WalkJTree(PARSED_NODE* node, EXTENT const& target, uint16_t k) {
    for (PARSED_NODE* at = node; at != nullptr; at = at->rightSibling) {
        EXTENT const& japanese = at->firstExtent;
        if (japanese.start == EXTENT::kUnknown || japanese.end == EXTENT::kUnknown) continue;
        if (!Covers(japanese, target)) {
            bool const overlaps = japanese.start < target.end && target.start < japanese.end;
            if (overlaps) return;
            continue;
        }
        if (fExact && SameExtent(japanese, target)) return;
        if (at->firstChild != nullptr) WalkJTree(at->firstChild, target, k);
        if (!fFound && at->graphNode != nullptr) {
            EXTENT english;
            TopToExtent(at->graphNode, &english, *fSentence);
            CheckJExtentEquivGraphWalker walker(fSentence, this);
            walker.DoIt(at->graphNode, &english, k);
        }
        return;
    }
}
