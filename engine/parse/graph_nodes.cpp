// Making the graph's nodes and sources: the view the experts see of a
// node, the sources with their scores and analysis counts, the node cutoff,
// and the pruning of weak sources when one parse is kept.
#include <algorithm>
#include <cmath>
#include <new>

#include "engine/parse/analysis_settings.h"
#include "engine/parse/chart_to_graph.h"
#include "engine/parse/expert_context.h"
#include "engine/parse/grammar_tables.h"
#include "engine/parse/hit_limit_exception.h"
#include "engine/parse/sentence.h"

namespace {

constexpr int32_t kFirstGlueCategory = kFirstTemporaryCategory;  // dictionary and glue nodes from here
constexpr int32_t kFirstUnnamedCategory = 14999;
constexpr float kNoCutoff = -1e30f;
constexpr unsigned kSqrtTableSize = 25;

bool CountsForBalance(int32_t category) {
    return !std::binary_search(kExcludedCats, kExcludedCats + kUsedExcludedCatCount, category);
}

float FirstSourceScore(ALLP_TOP const* top) { return top && top->sources ? top->sources->score : 0.0f; }

}  // namespace

void ChartToGraph::StartView(EXPERT_VIEW* view, int32_t category, bool primed, unsigned d, unsigned e,
                             uint16_t cellFlags) const {
    *view = EXPERT_VIEW();
    view->category = category;
    if (category < kFirstGlueCategory) {
        if (CountsForBalance(category)) view->flags |= EXPERT_VIEW::kCountsForBalance;
    } else {
        view->flags |= EXPERT_VIEW::kDictionaryOrGlue;
    }
    if (cellFlags & PCHART_CELL::kCapitalSequence) view->flags |= EXPERT_VIEW::kCapitalSequenceCell;
    if (category < kFirstUnnamedCategory && (cellFlags & PCHART_CELL::kForcedUnitCrossing))
        view->flags |= EXPERT_VIEW::kCrossesForcedUnit;
    if (primed) view->flags |= EXPERT_VIEW::kPrimed;
    view->start = static_cast<uint16_t>(d);
    view->end = static_cast<uint16_t>(e);
}

void ChartToGraph::StartView(EXPERT_VIEW* view, ParseChartEntry const& entry, unsigned d, unsigned e,
                             uint16_t cellFlags) const {
    StartView(view, entry.category, entry.Has(ParseChartEntry::kPrimed), d, e, cellFlags);
    view->featureOffset = entry.featureOffset;
    if (entry.Has(ParseChartEntry::kCommaPenalty)) view->flags |= EXPERT_VIEW::kCommaPenalty;
}

void ChartToGraph::CountView() {
    ++fViews;
    if ((fViews + 1) % kTimeCheckEvery == 0 && fSentence.TimeLimitExceeded()) throw HitLimitException();
    if (glGraphNodeCutoff > 0 && fViews > static_cast<unsigned long>(glGraphNodeCutoff)) throw HitLimitException();
}

float ChartToGraph::MakeView(EXPERT_VIEW* view, ParseChartEntry const& entry, ALLP_TOP const* left,
                             ALLP_TOP const* right, unsigned d, unsigned e, uint16_t cellFlags) {
    CountView();
    StartView(view, entry, d, e, cellFlags);
    unsigned words = 0;
    for (ALLP_TOP const* daughter : {left, right}) {
        if (daughter == nullptr) continue;
        if (daughter->view.flags & EXPERT_VIEW::kIdiomWordMissing) view->flags |= EXPERT_VIEW::kIdiomWordMissing;
        words += daughter->view.wordCount;
    }
    view->wordCount = static_cast<uint8_t>(std::min(words, kMostCountedWords));
    return fExperts ? fExperts->RunExperts(view, left, right, entry.rule) : 0.0f;
}

ALLP_TOP* ChartToGraph::NewTop(EXPERT_VIEW const& view) {
    std::vector<ALLP_TOP*>& nodes = fSentence.GraphNodes();
    nodes.reserve(nodes.size() + 1);  // the node is listed before it can fail to be
    auto* top = new (fSentence.GraphHeap().AllocMem(sizeof(ALLP_TOP))) ALLP_TOP;
    nodes.push_back(top);
    top->category = static_cast<uint16_t>(view.category);
    top->view = view;
    top->serial = fNextSerial++;
    return top;
}

ALLP_SOURCE* ChartToGraph::NewSource() {
    if (fFreeSources != nullptr) {
        ALLP_SOURCE* source = fFreeSources;
        fFreeSources = source->next;
        uint32_t const serial = source->serial;  // a recycled source keeps its record
        *source = ALLP_SOURCE();
        source->serial = serial;
        return source;
    }
    auto* source = new (fSentence.GraphHeap().AllocMem(sizeof(ALLP_SOURCE))) ALLP_SOURCE;
    source->serial = fNextSerial++;
    return source;
}

void ChartToGraph::AddSource(ALLP_TOP* top, float score, ALLP_TOP* left, ALLP_TOP* right, uint16_t rule) {
    ALLP_SOURCE* source = nullptr;
    if (OneParse()) {
        score += FirstSourceScore(left) + FirstSourceScore(right);
        // The top keeps its best source; a tie goes to the later one.
        if (top->sources == nullptr)
            source = top->sources = NewSource();
        else if (score >= top->sources->score)
            source = top->sources;
    } else {
        source = NewSource();
        source->next = top->sources;
        top->sources = source;
    }
    if (source != nullptr) {
        source->left = left;
        source->right = right;
        source->rule = rule;
        source->score = score;
    }
    if (left == nullptr)
        top->analysisCount += 1;
    else if (right == nullptr)
        top->analysisCount += left->analysisCount;
    else
        top->analysisCount += left->analysisCount * right->analysisCount;
}

float ChartToGraph::CutoffScore(float best, unsigned words, unsigned d, float semanticDifference) {
    // sqrt(0) .. sqrt(24), built once.
    static struct SqrtTable {
        float value[kSqrtTableSize];
        SqrtTable() {
            for (unsigned i = 0; i < kSqrtTableSize; ++i) value[i] = std::sqrt(static_cast<float>(i));
        }
    } const sSqrt;
    uint16_t const l = static_cast<uint16_t>(words - d);
    if (l == 1) return kNoCutoff;
    if (l < kSqrtTableSize) return best - semanticDifference * 0.2f * sSqrt.value[l];
    return best - semanticDifference;
}

float ChartToGraph::cutoffScore(ALLP_TOP const* list, unsigned d) const {
    float best = kNoCutoff;
    for (ALLP_TOP const* top = list; top != nullptr; top = top->next) {
        for (ALLP_SOURCE const* source = top->sources; source != nullptr; source = source->next)
            best = std::max(best, source->score);
    }
    return CutoffScore(best, static_cast<unsigned>(fChart.WordCount()), d, fSentence.SemanticPruneScoreDifference());
}

ALLP_TOP* ChartToGraph::PruneNode(ALLP_TOP* list, unsigned d) {
    float const cutoff = cutoffScore(list, d);
    ALLP_TOP** link = &list;
    while (*link != nullptr) {
        ALLP_TOP* top = *link;
        if (!(top->view.flags & EXPERT_VIEW::kDictionaryLeaf)) {
            for (ALLP_SOURCE** s = &top->sources; *s != nullptr;) {
                ALLP_SOURCE* source = *s;
                if (source->score >= cutoff) {
                    s = &source->next;
                    continue;
                }
                *s = source->next;
                source->next = fFreeSources;
                fFreeSources = source;
            }
        }
        if (top->sources == nullptr)
            *link = top->next;
        else
            link = &top->next;
    }
    return list;
}
