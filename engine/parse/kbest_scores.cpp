#include "engine/parse/kbest_scores.h"

#include <algorithm>

#include "engine/parse/graph_walker.h"
#include "engine/parse/hit_limit_exception.h"
#include "engine/parse/sentence.h"

namespace {

constexpr unsigned kMostItems = 2047;

// The scores of a vector before its end mark, never more than K + 1 slots.
template <class Visit>
void ForEachScore(ScoreRecord const& record, Visit visit) {
    for (unsigned i = 0; i <= record.K(); ++i) {
        float const score = record.Score(i);
        if (IsScoreEnd(score)) return;
        visit(i, score);
    }
}

// Offers the vectors of a list of alternatives (sources of a top, or tops)
// and marks each alternative dropped when nothing of it was kept.
template <class Node>
void MergeAlternatives(Node* first, ScoreAccumulator& accumulator, CHOICE_PLATFORM* platform) {
    unsigned item = 0;
    for (Node* node = first; node != nullptr; node = node->next) {
        ScoreRecord record = platform->Record(node->serial);
        bool kept = false;
        ForEachScore(record, [&](unsigned position, float score) {
            SINDEX from;
            PackSIndex(&from, item, position);
            kept = accumulator.ConsiderAScore(score, from) || kept;
        });
        record.Set(ScoreRecord::kDropped, !kept);
        if (kept) ++item;
    }
}

class BaseScoreGraphWalker : public GraphWalker {
public:
    BaseScoreGraphWalker(Sentence* sentence, CHOICE_PLATFORM* platform) : GraphWalker(sentence), fPlatform(platform) {}

    bool GraphFunc(uint16_t, ALLP_TOP* top, ALLP_SOURCE* source, uint16_t phase) override {
        if (phase == kAfterSource) ScoreSource(source, fPlatform);
        if (phase == kLeaveTop) {
            ScoreRecord record = fPlatform->Record(top->serial);
            ScoresSourceToTop(top->sources, record, fPlatform);
            record.Set(ScoreRecord::kRecompute, false);
        }
        return false;
    }

private:
    CHOICE_PLATFORM* fPlatform;
};

}  // namespace

void PackSIndex(SINDEX* out, unsigned item, unsigned position) {
    if (item > kMostItems || position > 31) throw HitLimitException();
    *out = static_cast<SINDEX>(item << 5 | position);
}

ScoreAccumulator::ScoreAccumulator(unsigned capacity) : fCapacity(std::min(capacity, kMostSavedParses)) {}

bool ScoreAccumulator::ConsiderAScore(double score, SINDEX from) {
    unsigned at = fCount;
    while (at > 0 && fScores[at - 1] < score) --at;
    if (at >= fCapacity) return false;
    if (fCount < fCapacity) ++fCount;
    for (unsigned i = fCount - 1; i > at; --i) {
        fScores[i] = fScores[i - 1];
        fFrom[i] = fFrom[i - 1];
    }
    fScores[at] = score;
    fFrom[at] = from;
    return true;
}

void ScoreAccumulator::FinishScoreVector(float* scores, SINDEX* from) const {
    for (unsigned i = 0; i <= fCapacity; ++i) {
        scores[i] = i < fCount ? static_cast<float>(fScores[i]) : kScoreEndMark;
        from[i] = i < fCount ? fFrom[i] : SINDEX{0};
    }
}

void ScoreAccumulator::FinishScoreVector(ScoreRecord record) const {
    float scores[kResultSlots];
    SINDEX from[kResultSlots];
    FinishScoreVector(scores, from);
    for (unsigned i = 0; i <= fCapacity; ++i) {
        record.SetScore(i, scores[i]);
        record.SetFrom(i, from[i]);
    }
}

void ScoreSource(ALLP_SOURCE* source, CHOICE_PLATFORM* platform) {
    ScoreRecord record = platform->Record(source->serial);
    unsigned const k = platform->K();
    ScoreAccumulator accumulator(k);
    if (source->left == nullptr) {
        accumulator.ConsiderAScore(source->score, 0);
    } else if (source->right == nullptr) {
        ForEachScore(platform->Record(source->left->serial), [&](unsigned position, float score) {
            accumulator.ConsiderAScore(static_cast<double>(score) + source->score, static_cast<SINDEX>(position));
        });
    } else {
        ScoreRecord const left = platform->Record(source->left->serial);
        ScoreRecord const right = platform->Record(source->right->serial);
        unsigned end = 0;
        ForEachScore(right, [&](unsigned, float) { ++end; });
        // Both vectors descend: once a sum is rejected, every later one in
        // the row and every one beyond that column in later rows is too.
        ForEachScore(left, [&](unsigned i, float l) {
            for (unsigned j = 0; j < end; ++j) {
                if (!accumulator.ConsiderAScore(static_cast<double>(l) + right.Score(j),
                                                static_cast<SINDEX>(i | j << 8))) {
                    end = j;
                    break;
                }
            }
        });
    }
    accumulator.FinishScoreVector(record);
    // The source's own score comes on top of each sum of its daughters'.
    if (source->right != nullptr)
        for (unsigned i = 0; i < accumulator.Count(); ++i) record.SetScore(i, record.Score(i) + source->score);
    record.Set(ScoreRecord::kRecompute, false);
}

void ScoresSourceToTop(ALLP_SOURCE* firstSource, ScoreRecord out, CHOICE_PLATFORM* platform) {
    ScoreAccumulator accumulator(platform->K());
    MergeAlternatives(firstSource, accumulator, platform);
    accumulator.FinishScoreVector(out);
}

void ScoresTopToSource(ALLP_TOP* firstTop, float* scores, SINDEX* from, CHOICE_PLATFORM* platform) {
    ScoreAccumulator accumulator(platform->K());
    MergeAlternatives(firstTop, accumulator, platform);
    accumulator.FinishScoreVector(scores, from);
}

void ScoreGraph(Sentence* sentence) {
    CHOICE_PLATFORM& platform = sentence->Choices();
    BaseScoreGraphWalker walker(sentence, &platform);
    EXTENT const whole{0, 0};
    walker.DoIt(sentence->GraphTops(), &whole, 0);
    std::fill(std::begin(platform.resultScores), std::end(platform.resultScores), kScoreEndMark);
    ScoresTopToSource(sentence->GraphTops(), platform.resultScores, platform.resultFrom, &platform);
    platform.choicesBuilt = 0;
}
