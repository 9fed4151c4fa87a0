#pragma once
// Repairs the parser's tree before the conversion codes reorder it.  The
// parser leaves bookkeeping in the tree: temporary categories (15000 on) that
// split long rules into binary pieces, at-sign categories that only group
// their children, and empty positions where a moved constituent belongs.
// The repair runs in this order: RemoveTempCats, InsertVirtCats,
// ReconstructTraces.
//
// A pure rule's terms are one per child of the repaired node, in order: a
// daughter the parser found ("-", kinds 21 and 22) or a position the repair
// inserts (kinds 24 to 29: "<e>", "<t>", "<t2>", "<t3>", "<t4>", "<de>").
// The table has no closing record, so every term is walked.  A term's
// virtual categories group the entries that follow into new virtual nodes.
#include <cstdint>

#include "engine/foundation/value_types.h"
#include "engine/parse/grammar_tables.h"
#include "engine/parse/parsed_node.h"
#include "engine/transfer/tree_edit.h"

// The pure-rule tables the repair reads; tests pass tables of their own.
struct PureRuleTables {
    PureRuleRecord const* rules;
    unsigned ruleCount;
    PureTermRecord const* terms;
    unsigned termCount;
    PureVCatRecord const* vCats;
    unsigned vCatCount;
};

// The tables compiled from the grammar.
PureRuleTables CompiledPureRuleTables();

// Whether the category only groups its children: its name begins with "@".
// False for temporary categories.
bool IsAtSignTemp(POS_E_Source category);
// Whether the category's name begins with "Q" (a question clause).  False for
// temporary categories.
bool IsQLike(POS_E_Source category);

// Puts the children of every temporary node below the root in its place, in
// order; a temporary node without children simply goes.
void RemoveTempCats(PARSED_NODE* tree);
// The same for the at-sign nodes below the root.
void RemoveAtSignNodes(PARSED_NODE* tree);

// A new virtual node of the category, inserted at the inserter's place (which
// then follows it).
PARSED_NODE* AddSpecialCategory(TreeInserter* inserter, POS_E_Source category);

// Gives every node its rule's inserted positions and virtual nodes, removes
// the at-sign nodes and hands noun semantics up to virtual noun-like nodes.
// Children that the rule's terms do not account for are kept at the end and
// reported in gErrBuf.
void InsertVirtCats(PARSED_NODE* tree, PureRuleTables const& tables = CompiledPureRuleTables());
// Every virtual noun-like node (list 12) takes semantic set 0 of its first
// noun-like child whose set is noun-like, innermost nodes first.
void PropVirtSem(PARSED_NODE* tree);

// Moves fronted constituents into the empty positions they belong to:
// "<t4>" takes a virtual "S1" standing right of one of its ancestors, "<e>"
// the first child of a clause whose second child holds it ("QCOMP" or
// "RCOMP" takes the front), and within a clause "<t2>" a primed phrase of
// list 8 and "<t3>" an "AUX".  A position left empty is reported in gErrBuf
// ("nothing to fill ...") with the grammar line of the clause's rule.
void ReconstructTraces(PARSED_NODE* tree, PureRuleTables const& tables = CompiledPureRuleTables());
