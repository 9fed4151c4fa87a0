#pragma once
// Depth-first walks of the parse graph: every node once per walk, its
// sources in order, daughters before the source's own visit (post-order),
// with the relation of each node's extent to the extent the walk is for.
#include <cstdint>

#include "engine/parse/parse_graph.h"
#include "engine/parse/parsed_node.h"

class Sentence;

// The stretch of the sentence a graph node covers.
void TopToExtent(ALLP_TOP const* top, EXTENT* out, Sentence const& sentence);

class GraphWalker {
public:
    static constexpr int kMostDepth = 400;

    // Relations of a node's extent to the walk's.
    enum Relation : uint16_t {
        kDisjoint = 1,
        kCrossing = 2,
        kContainsScored = 3,  // contains it, and has scores
        kContainsEmpty = 4,   // contains it, without scores
        kEqual = 5,
        kInside = 6,
    };
    // Phases of GraphFunc: entering a node, before a source's daughters,
    // after them, leaving the node.
    enum Phase : uint16_t { kEnterTop = 1, kBeforeSource = 2, kAfterSource = 3, kLeaveTop = 4 };

    explicit GraphWalker(Sentence* sentence) : fSentence(sentence) {}
    virtual ~GraphWalker() = default;

    // Walks every node reachable from the chain of tops.
    void DoIt(ALLP_TOP* firstTop, EXTENT const* extent, uint16_t k);
    // True cuts the walk below at phases 1 and 2; ignored at 3 and 4.
    virtual bool GraphFunc(uint16_t relation, ALLP_TOP* top, ALLP_SOURCE* source, uint16_t phase) = 0;

    uint16_t RelateExtents(EXTENT const& node, ALLP_TOP* top, EXTENT const& walk) const;
    uint16_t ComputeDomZero(ALLP_TOP* top) const;

protected:
    Sentence* fSentence;
    EXTENT fExtent{0, 0};
    uint16_t fK = 0;

private:
    void WalkGraph(ALLP_TOP* top);

    ALLP_TOP* fStack[kMostDepth] = {};
    int fDepth = -1;  // -1 when idle
};

// Clears the walk flags of the top and, if it was visited, of everything
// below it.
void ClearFlags(ALLP_TOP* top);
