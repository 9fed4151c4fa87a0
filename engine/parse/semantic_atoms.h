#pragma once
// The semantic atom hierarchy as the selectional-restriction experts read
// it: for every atom code of the atom name table, its specificity, whether it
// is specific, and its ancestors (itself included, ascending codes).  Atoms
// the compiled hierarchy does not describe have no ancestors.  The atoms the
// experts name are found by name, so the table's numbering is the only one.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "engine/parse/semantic_atom_tables.h"

class SemanticAtomTable {
public:
    // Built once from the compiled hierarchy and the atom name table.
    static SemanticAtomTable const& Get();

    // Atom codes run from 0 to Count() - 1; anything else (a negated atom, a
    // code past the name table) has no place in the hierarchy.
    std::size_t Count() const { return fSpecificity.size(); }
    bool InRange(int atom) const { return atom > 0 && static_cast<std::size_t>(atom) < Count(); }

    float Specificity(uint16_t atom) const { return InRange(atom) ? fSpecificity[atom] : 0.0f; }
    bool IsSpecific(uint16_t atom) const { return InRange(atom) && fSpecific[atom]; }

    struct Ancestors {
        SemanticParentRecord const* begin;
        SemanticParentRecord const* end;
        bool Empty() const { return begin == end; }
    };
    Ancestors AncestorsOf(uint16_t atom) const;
    // Whether `ancestor` is among the atom's ancestors by is-a links (the
    // atom itself included).
    bool IsDirectAncestor(uint16_t atom, uint16_t ancestor) const;

    // The name, or "" for an atom out of range.
    char const* Name(uint16_t atom) const;
    // Names beginning "vsf_" or "asf_"; "vsf_" alone.
    bool IsIsfFeature(uint16_t atom) const;
    bool IsVsfFeature(uint16_t atom) const;

    // The atoms the experts test for (0 when the name table lacks one).
    struct Named {
        uint16_t all = 0, any = 0, asfStative = 0, coordAny = 0, dospeak = 0, nonhuman = 0, place = 0, reflex = 0,
                 vsfNonagent = 0, acaddegree = 0;
    };
    Named const& Atoms() const { return fNamed; }

    // The idiom atoms in the order a slot's idiom atom is chosen by.
    std::vector<uint16_t> const& IdiomAtoms() const { return fIdiomAtoms; }

private:
    SemanticAtomTable();

    std::vector<float> fSpecificity;
    std::vector<bool> fSpecific;
    std::vector<uint32_t> fFirstParent;
    std::vector<uint16_t> fParentCount;
    Named fNamed;
    std::vector<uint16_t> fIdiomAtoms;
};
