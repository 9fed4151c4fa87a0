#pragma once
// The grammar's tables for the parse graph, generated from
// tools/grammar/graph.gram by tools/gen_grammar_tables.py
// (graph_tables.cpp): the categories of the glue graph and of good glue
// pieces, and the categories of the comma penalty.
#include <cstdint>

// A category that makes a good glue piece, and its cost (lower is better).
struct GoodGlueRecord {
    uint16_t category;
    uint16_t cost;
    uint16_t needsPrimed;
};

// "X , Y" takes the comma penalty when Y is of category `right` and the
// analysis is `primedParent` (primed) or `parent`.
struct CommaPenaltyCatRow {
    uint16_t right;
    uint16_t primedParent;
    uint16_t parent;
};

extern uint16_t const kGluePieceCategory;
extern uint16_t const kGlueTopCategory;
extern uint16_t const kEmptyGlueCategory;

extern GoodGlueRecord const kGoodGlue[];  // cheapest first
extern unsigned const kGoodGlueCount;
extern uint16_t const kNoGlueCats[];  // sorted
extern unsigned const kNoGlueCatCount;
extern uint16_t const kCommaPenaltyPunct[];  // sorted fine parts of speech
extern unsigned const kCommaPenaltyPunctCount;
extern CommaPenaltyCatRow const kCommaPenaltyCats[];
extern unsigned const kCommaPenaltyCatCount;
