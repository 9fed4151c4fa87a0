#include "engine/parse/pin_scores.h"

#include <algorithm>
#include <numeric>

#include "engine/parse/extent_finder.h"
#include "engine/parse/graph_walker.h"
#include "engine/parse/kbest_scores.h"
#include "engine/parse/sentence.h"

namespace {

void Empty(ScoreRecord record) {
    for (unsigned i = 0; i <= record.K(); ++i) {
        record.SetScore(i, kScoreEndMark);
        record.SetFrom(i, 0);
    }
}

// After a source, when pinning or unpinning: the source empties, or is
// scored from below.
bool RescoreAfterSource(ALLP_SOURCE* source, bool empties, CHOICE_PLATFORM* platform) {
    if (empties) {
        ScoreRecord record = platform->Record(source->serial);
        Empty(record);
        record.Set(ScoreRecord::kRecompute, false);
    } else {
        ScoreSource(source, platform);
    }
    return false;
}

// On leaving a top, when pinning or unpinning: it takes the best of its
// sources.
bool RescoreOnLeaving(ALLP_TOP* top, CHOICE_PLATFORM* platform) {
    ScoreRecord record = platform->Record(top->serial);
    ScoresSourceToTop(top->sources, record, platform);
    record.Set(ScoreRecord::kRecompute, false);
    return false;
}

EXTENT ExtentOf(ALLP_TOP const* top, Sentence const& sentence) {
    EXTENT extent;
    TopToExtent(top, &extent, sentence);
    return extent;
}

// Whether a score beats what a slot holds (an end mark holds nothing).
bool Beats(float score, float held) { return !IsScoreEnd(score) && (IsScoreEnd(held) || score > held); }

void RescoreResult(Sentence* sentence) {
    CHOICE_PLATFORM& platform = sentence->Choices();
    std::fill(std::begin(platform.resultScores), std::end(platform.resultScores), kScoreEndMark);
    ScoresTopToSource(sentence->GraphTops(), platform.resultScores, platform.resultFrom, &platform);
}

class GetBestTopScoresGraphWalker : public GraphWalker {
public:
    explicit GetBestTopScoresGraphWalker(Sentence* sentence)
        : GraphWalker(sentence), fCapacity(sentence->Choices().K()) {}

    bool GraphFunc(uint16_t relation, ALLP_TOP* top, ALLP_SOURCE* source, uint16_t phase) override {
        CHOICE_PLATFORM& platform = fSentence->Choices();
        if (phase == kBeforeSource) return IsScoreEnd(platform.Record(source->serial).Score(0));
        if (phase != kEnterTop) return false;
        if (relation == kContainsScored) return false;
        if (relation != kEqual) return true;
        ScoreRecord const record = platform.Record(top->serial);
        for (unsigned i = 0; i <= record.K() && !IsScoreEnd(record.Score(i)); ++i)
            if (!Insert(BestTop{top, record.Score(i), record.From(i)})) break;
        return true;
    }

    std::vector<BestTop> fBest;

private:
    // False when the list is full and the score is no better than its last.
    bool Insert(BestTop const& entry) {
        auto at = fBest.end();
        while (at != fBest.begin() && (at - 1)->score < entry.score) --at;
        if (at == fBest.end() && fBest.size() >= fCapacity) return false;
        fBest.insert(at, entry);
        if (fBest.size() > fCapacity) fBest.pop_back();
        return true;
    }

    std::size_t fCapacity;
};

// Slot i of every node containing the extent: the best score of the node
// with the extent analysed as choice i.
class PinnableScoreGraphWalker : public GraphWalker {
public:
    PinnableScoreGraphWalker(Sentence* sentence, std::vector<BestTop> const& best)
        : GraphWalker(sentence), fBest(best) {}

    bool GraphFunc(uint16_t relation, ALLP_TOP* top, ALLP_SOURCE* source, uint16_t phase) override {
        CHOICE_PLATFORM& platform = fSentence->Choices();
        switch (phase) {
            case kEnterTop: {
                if (relation == kDisjoint || relation == kCrossing || relation == kInside) return true;
                ScoreRecord record = platform.Record(top->serial);
                Empty(record);
                record.Set(ScoreRecord::kRecompute, true);
                if (relation != kEqual) return false;
                for (unsigned i = 0; i < fK; ++i) {
                    if (fBest[i].top != top) continue;
                    record.SetScore(i, fBest[i].score);
                    record.SetFrom(i, fBest[i].from);
                }
                return true;
            }
            case kAfterSource:
                SourceSlots(relation, source);
                return false;
            case kLeaveTop:
                TopSlots(top);
                return false;
            default:
                return false;
        }
    }

private:
    void SourceSlots(uint16_t relation, ALLP_SOURCE* source) {
        CHOICE_PLATFORM& platform = fSentence->Choices();
        ScoreRecord record = platform.Record(source->serial);
        Empty(record);
        record.Set(ScoreRecord::kRecompute, true);
        if (source->left == nullptr || relation == kContainsEmpty) return;
        // The daughter that covers the extent carries the choices; a unary
        // daughter that does not (no grammar makes one) carries none.
        bool const leftCovers = Covers(ExtentOf(source->left, *fSentence), fExtent);
        bool const rightCovers =
            source->right != nullptr && !leftCovers && Covers(ExtentOf(source->right, *fSentence), fExtent);
        if (!leftCovers && !rightCovers) return;
        ScoreRecord const covering = platform.Record((leftCovers ? source->left : source->right)->serial);
        float other = 0;
        if (source->right != nullptr) {
            other = platform.Record((leftCovers ? source->right : source->left)->serial).Score(0);
            if (IsScoreEnd(other)) return;
        }
        for (unsigned i = 0; i < fK; ++i) {
            float const score = covering.Score(i);
            if (IsScoreEnd(score)) continue;
            record.SetScore(i, score + other + source->score);
            SINDEX const from = source->right == nullptr ? i : leftCovers ? i : static_cast<SINDEX>(i << 8);
            record.SetFrom(i, from);
        }
    }

    void TopSlots(ALLP_TOP* top) {
        CHOICE_PLATFORM& platform = fSentence->Choices();
        ScoreRecord record = platform.Record(top->serial);
        unsigned item = 0;
        for (ALLP_SOURCE* source = top->sources; source != nullptr; source = source->next) {
            ScoreRecord sourceRecord = platform.Record(source->serial);
            bool replaced = false;
            for (unsigned i = 0; i < fK; ++i) {
                if (!Beats(sourceRecord.Score(i), record.Score(i))) continue;
                SINDEX from;
                PackSIndex(&from, item, i);
                record.SetScore(i, sourceRecord.Score(i));
                record.SetFrom(i, from);
                replaced = true;
            }
            sourceRecord.Set(ScoreRecord::kDropped, !replaced);
            if (replaced) ++item;
        }
    }

    std::vector<BestTop> const& fBest;
};

// Keeps one analysis of the pinned extent and rescores what contains it.
class DoPinGraphWalker : public GraphWalker {
public:
    DoPinGraphWalker(Sentence* sentence, uint16_t slot) : GraphWalker(sentence), fSlot(slot) {}

    bool GraphFunc(uint16_t relation, ALLP_TOP* top, ALLP_SOURCE* source, uint16_t phase) override {
        CHOICE_PLATFORM& platform = fSentence->Choices();
        switch (phase) {
            case kEnterTop: {
                if (relation == kContainsScored || relation == kContainsEmpty) return false;
                ScoreRecord record = platform.Record(top->serial);
                if (relation == kCrossing) Empty(record);
                if (relation == kEqual) {
                    float const score = record.Score(fSlot);
                    SINDEX const from = record.From(fSlot);
                    Empty(record);
                    if (!IsScoreEnd(score)) {
                        record.SetScore(0, score);
                        record.SetFrom(0, from);
                    }
                    record.Set(ScoreRecord::kRecompute, false);
                }
                return true;
            }
            case kAfterSource:
                return RescoreAfterSource(source, source->left == nullptr || relation == kContainsEmpty, &platform);
            case kLeaveTop:
                return RescoreOnLeaving(top, &platform);
            default:
                return false;
        }
    }

private:
    uint16_t fSlot;
};

// Rescores every node against the pins: a node crossing one is empty, a
// node equal to one keeps its pinned analysis, the rest come from below.
class DoUnpinGraphWalker : public GraphWalker {
public:
    DoUnpinGraphWalker(Sentence* sentence, Array<EXTENT> const& pins) : GraphWalker(sentence), fPins(pins) {}

    bool GraphFunc(uint16_t, ALLP_TOP* top, ALLP_SOURCE* source, uint16_t phase) override {
        CHOICE_PLATFORM& platform = fSentence->Choices();
        uint16_t const relation = ComputeRelRePinList(ExtentOf(top, *fSentence));
        switch (phase) {
            case kEnterTop:
                if (relation == kCrossing) {
                    ScoreRecord record = platform.Record(top->serial);
                    Empty(record);
                    record.Set(ScoreRecord::kRecompute, false);
                }
                return relation == kCrossing || relation == kEqual;
            case kAfterSource:
                return RescoreAfterSource(source, source->left == nullptr && relation == kContainsScored, &platform);
            case kLeaveTop:
                return RescoreOnLeaving(top, &platform);
            default:
                return false;
        }
    }

private:
    uint16_t ComputeRelRePinList(EXTENT const& node) const {
        bool equal = false, contains = false;
        for (EXTENT const& pin : fPins) {
            bool const overlaps = node.start < pin.end && pin.start < node.end;
            bool const nodeCovers = Covers(node, pin), pinCovers = Covers(pin, node);
            if (overlaps && !nodeCovers && !pinCovers) return kCrossing;
            if (SameExtent(node, pin))
                equal = true;
            else if (nodeCovers)
                contains = true;
        }
        if (equal) return kEqual;
        return contains ? kContainsScored : kDisjoint;
    }

    Array<EXTENT> const& fPins;
};

}  // namespace

std::vector<BestTop> GetBestTopScores(Sentence* sentence, EXTENT const& extent) {
    GetBestTopScoresGraphWalker walker(sentence);
    walker.DoIt(sentence->GraphTops(), &extent, 0);
    return walker.fBest;
}

uint16_t ConsiderChoices(Sentence* sentence, EXTENT const& extent, std::vector<BestTop> const& best) {
    CHOICE_PLATFORM& platform = sentence->Choices();
    auto const k = static_cast<uint16_t>(std::min<std::size_t>(best.size(), platform.K()));
    PinnableScoreGraphWalker walker(sentence, best);
    walker.DoIt(sentence->GraphTops(), &extent, k);

    // The sentence's result per choice, from the tops that contain the extent.
    std::fill(std::begin(platform.resultScores), std::end(platform.resultScores), kScoreEndMark);
    std::fill(std::begin(platform.resultFrom), std::end(platform.resultFrom), SINDEX{0});
    for (uint16_t i = 0; i < kResultSlots; ++i) platform.slotMap[i] = i;
    unsigned item = 0;
    for (ALLP_TOP* top = sentence->GraphTops(); top != nullptr; top = top->next) {
        ScoreRecord record = platform.Record(top->serial);
        bool contributed = false;
        if (Covers(ExtentOf(top, *sentence), extent)) {
            for (unsigned i = 0; i < k; ++i) {
                if (!Beats(record.Score(i), platform.resultScores[i])) continue;
                platform.resultScores[i] = record.Score(i);
                PackSIndex(&platform.resultFrom[i], item, i);
                contributed = true;
            }
        }
        record.Set(ScoreRecord::kDropped, !contributed);
        if (contributed) ++item;
    }

    // Best first; equal scores keep their order, and a choice the sentence
    // cannot reach goes last and is not counted.
    std::vector<uint16_t> order(k);
    std::iota(order.begin(), order.end(), uint16_t{0});
    auto const rank = [&](uint16_t slot) {
        float const score = platform.resultScores[slot];
        return IsScoreEnd(score) ? -kScoreEndMark : score;
    };
    std::stable_sort(order.begin(), order.end(), [&](uint16_t a, uint16_t b) { return rank(a) > rank(b); });
    float scores[kResultSlots];
    SINDEX from[kResultSlots];
    std::copy(std::begin(platform.resultScores), std::end(platform.resultScores), scores);
    std::copy(std::begin(platform.resultFrom), std::end(platform.resultFrom), from);
    uint16_t count = 0;
    for (uint16_t i = 0; i < k; ++i) {
        platform.resultScores[i] = scores[order[i]];
        platform.resultFrom[i] = from[order[i]];
        platform.slotMap[i] = order[i];
        if (!IsScoreEnd(scores[order[i]])) ++count;
    }
    platform.choicesBuilt = 1;
    platform.choiceCount = count;
    return count;
}

void PinChoice(Sentence* sentence, EXTENT const& extent, uint16_t slot, uint16_t k) {
    DoPinGraphWalker walker(sentence, slot);
    walker.DoIt(sentence->GraphTops(), &extent, k);
    RescoreResult(sentence);
    CHOICE_PLATFORM& platform = sentence->Choices();
    platform.choicesBuilt = 0;
    platform.pins.Append(extent);
}

void RescoreForPins(Sentence* sentence, Array<EXTENT> const& pins, uint16_t k) {
    DoUnpinGraphWalker walker(sentence, pins);
    EXTENT const whole{0, 0};
    walker.DoIt(sentence->GraphTops(), &whole, k);
    RescoreResult(sentence);
}
