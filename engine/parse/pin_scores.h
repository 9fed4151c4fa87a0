#pragma once
// Rewriting the K-best score records of the parse graph for the choices over
// one extent: the choices' vectors (slot i of every node containing the
// extent is the best score with the extent analysed as choice i), pinning
// one choice, and rescoring against the pins that remain.
#include <cstdint>
#include <vector>

#include "engine/parse/array.h"
#include "engine/parse/choice_platform.h"
#include "engine/parse/parse_graph.h"

class Sentence;

// One analysis of the extent: the node equal to it, its score and where the
// score came from in that node's record.
struct BestTop {
    ALLP_TOP* top;
    float score;
    SINDEX from;
};

// The best analyses of the nodes equal to the extent, best first, at most K.
std::vector<BestTop> GetBestTopScores(Sentence* sentence, EXTENT const& extent);

// Writes the choices' vectors over the extent and the sentence's result per
// choice, then sorts the result best first (the slot map remembers each
// choice's slot).  Returns the number of choices the sentence can reach.
uint16_t ConsiderChoices(Sentence* sentence, EXTENT const& extent, std::vector<BestTop> const& best);

// Keeps only the analysis in `slot` for the extent and rescores everything
// containing it; the extent joins the pins.
void PinChoice(Sentence* sentence, EXTENT const& extent, uint16_t slot, uint16_t k);

// Rescores the whole graph against the pins (after one was removed).
void RescoreForPins(Sentence* sentence, Array<EXTENT> const& pins, uint16_t k);
