#pragma once
// The compiled semantic atom hierarchy (generated from
// tools/grammar/semantics.gram by tools/gen_semantic_tables.py into
// semantic_atom_tables.cpp).  Only the atoms the source describes have a
// record; an atom without one has no ancestors.
#include <cstdint>

// One described atom: where its ancestors lie in kSemanticParents.
struct SemanticAtomRecord {
    static constexpr uint16_t kSpecific = 0x0001;  // naming it keeps a match from being generic

    uint16_t atom;  // code in the semantic atom name table
    int16_t specificity;
    uint16_t firstParent;  // index into kSemanticParents
    uint16_t parentCount;
    uint16_t flags;
};

// One ancestor of an atom (the atom itself included); an atom's ancestors
// are listed in ascending atom order.
struct SemanticParentRecord {
    uint16_t ancestor;
    uint16_t indirect;  // 0: reached by is-a links alone, so it counts for exact tests
    float weight;       // the ancestor's specificity
};

extern SemanticAtomRecord const kSemanticAtoms[];  // ascending atom codes
extern unsigned const kSemanticAtomCount;
extern SemanticParentRecord const kSemanticParents[];
extern unsigned const kSemanticParentCount;
