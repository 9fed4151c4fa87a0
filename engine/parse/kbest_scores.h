#pragma once
// The K best scores of every node of the parse graph, computed bottom-up:
// each kept score remembers where it came from, so that the best trees can
// be followed back down.  Higher scores are better; a score vector ends with
// a value above 1e29.
#include <cstdint>

#include "engine/parse/choice_platform.h"
#include "engine/parse/parse_graph.h"

class Sentence;

constexpr float kScoreEndMark = 1e30f;
inline bool IsScoreEnd(double score) { return score > 1e29; }

// item << 5 | position; HitLimitException when item needs more than 11 bits.
void PackSIndex(SINDEX* out, unsigned item, unsigned position);

// A bounded list of the best scores offered, in descending order; equal
// scores keep their order of arrival.
class ScoreAccumulator {
public:
    explicit ScoreAccumulator(unsigned capacity);
    // Whether the score was kept.
    bool ConsiderAScore(double score, SINDEX from);
    // Writes K + 1 slots: the kept scores, then end marks.
    void FinishScoreVector(float* scores, SINDEX* from) const;
    void FinishScoreVector(ScoreRecord record) const;
    unsigned Count() const { return fCount; }

private:
    double fScores[kResultSlots];
    SINDEX fFrom[kResultSlots];
    unsigned fCount = 0;
    unsigned fCapacity;
};

void ScoreSource(ALLP_SOURCE* source, CHOICE_PLATFORM* platform);
void ScoresSourceToTop(ALLP_SOURCE* firstSource, ScoreRecord out, CHOICE_PLATFORM* platform);
void ScoresTopToSource(ALLP_TOP* firstTop, float* scores, SINDEX* from, CHOICE_PLATFORM* platform);
// Scores the sentence's whole graph into its choice tables and writes its
// result.
void ScoreGraph(Sentence* sentence);
