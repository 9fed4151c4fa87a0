#pragma once
// Matching of semantic sets, for the selectional-restriction experts and for
// the transfer rules that test a parse tree node's semantics.
#include <cstdint>
#include <string_view>

#include "engine/foundation/semantics.h"

struct PARSED_NODE;

// Name i of a set up to its NUL.
inline std::string_view SemanticName(SemanticRecord const& set, unsigned i) {
    return {set.names[i], set.NameLength(i)};
}
// Sets name i to the text, cut to fit its field.
void SetSemanticName(SemanticRecord* set, unsigned i, std::string_view text);

// The set holds the atom (as stored: a negated atom is its own code).
bool HasSemanticAtom(SemanticRecord const& set, uint16_t atom);
// Appends the atom when there is room and the set lacks it.
void AddSemanticAtom(SemanticRecord* set, uint16_t atom);

// The set holds the atom, or an atom it is an is-a ancestor of.  A negative
// atom asks the opposite; with checkFlags a set that is both noun-like and a
// requirement never matches.
bool SFeatureMatch(SemanticRecord const& set, int16_t atom, bool checkFlags);
// SFeatureMatch (with the flag check) on the node's first set.
bool SemAtomMatch(PARSED_NODE const* node, uint16_t atom);
// Every atom of the first record of the text passes SemAtomMatch.
bool SemExactMatch(PARSED_NODE const* node, char const* semantics);
// Every atom of the first record of the text is held by the node's set.
bool SemExactSlotMatch(PARSED_NODE const* node, uint16_t slot, char const* semantics);

// Drops the atoms whose names begin "vsf_".
void PurgeVSFAtoms(SemanticRecord* set);
// Names beginning "vsf_" or "asf_".
bool IsIsfFeature(uint16_t atom);

// Two coordinated sets' common meaning: atoms each side shares with the
// other or has beneath one of the other's; null unless some atom lies in the
// hierarchy.  A blank side gives the other.
SemanticRecord SelresIntersection(SemanticRecord const& a, SemanticRecord const& b);
// A filled prepositional slot ("xdummy" and the preposition) meets a set
// that asks for another preposition, or for none.
bool MismatchedIfpreps(SemanticRecord const& a, SemanticRecord const& b);
