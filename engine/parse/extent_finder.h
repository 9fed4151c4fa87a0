#pragma once
// Finds the system extent for a user's selection: the narrowest node of the
// scored parse graph that covers the selection and has at least two
// analyses (two scores of one node, or two nodes of the same extent).
#include <cstdint>
#include <unordered_set>
#include <vector>

#include "engine/parse/parse_graph.h"
#include "engine/parse/parsed_node.h"

class Sentence;

inline bool Covers(EXTENT const& outer, EXTENT const& inner) {
    return outer.start <= inner.start && inner.end <= outer.end;
}
inline bool SameExtent(EXTENT const& a, EXTENT const& b) { return a.start == b.start && a.end == b.end; }

class ExtentFinder {
public:
    // exact: a node whose extent equals the selection is not taken by itself.
    ExtentFinder(Sentence* sentence, bool exact) : fSentence(sentence), fExact(exact) {}

    // Walks the graph from the chain of tops over a selection in source units.
    void FindForSource(ALLP_TOP* firstTop, EXTENT const& selection, uint16_t k);
    // Searches a translated tree for the node whose Japanese covers the
    // selection (Japanese units), then the graph under it.
    void FindForJapanese(PARSED_NODE* node, EXTENT const& selection, uint16_t k);

    bool Found() const { return fFound; }
    EXTENT FoundExtent() const { return fFoundExtent; }

    // A node of extent x offered with its ordinal (1: its best analysis,
    // 2: it has a second) by a walk over `walk`.
    void CheckUserExtent(EXTENT const& x, EXTENT const& walk, unsigned ordinal);

private:
    void WalkJTree(PARSED_NODE* node, EXTENT const& target, uint16_t k);
    bool Seen(EXTENT const& x);

    Sentence* fSentence;
    bool fExact;
    bool fFound = false;
    EXTENT fFoundExtent;
    // Extents offered once: a second offer of one of them (another node of
    // the same extent) makes it ambiguous.  The set keeps each offer O(1).
    std::vector<EXTENT> fSeen;
    std::unordered_set<uint32_t> fSeenKeys;
};
