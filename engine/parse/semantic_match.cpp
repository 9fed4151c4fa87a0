#include "engine/parse/semantic_match.h"

#include <algorithm>
#include <cstring>

#include "engine/parse/parsed_node.h"
#include "engine/parse/semantic_atoms.h"

namespace {

constexpr std::string_view kFilledSlot = "xdummy";

bool HasName(SemanticRecord const& set, std::string_view name) {
    if (name.empty()) return false;
    for (unsigned i = 0; i < SemanticRecord::kNameCount; ++i) {
        if (SemanticName(set, i) == name) return true;
    }
    return false;
}

// The names of `from` that `other` has too, in order.
void CommonNames(SemanticRecord* out, SemanticRecord const& from, SemanticRecord const& other) {
    unsigned next = 0;
    for (unsigned i = 0; i < SemanticRecord::kNameCount; ++i) {
        std::string_view const name = SemanticName(from, i);
        if (HasName(other, name)) SetSemanticName(out, next++, name);
    }
}

}  // namespace

void SetSemanticName(SemanticRecord* set, unsigned i, std::string_view text) {
    std::memset(set->names[i], 0, SemanticRecord::kNameSize);
    std::memcpy(set->names[i], text.data(), std::min<std::size_t>(text.size(), SemanticRecord::kNameSize - 1));
}

bool HasSemanticAtom(SemanticRecord const& set, uint16_t atom) {
    unsigned const count = set.AtomCount();
    return atom != 0 && std::find(set.atoms, set.atoms + count, atom) != set.atoms + count;
}

void AddSemanticAtom(SemanticRecord* set, uint16_t atom) {
    unsigned const count = set->AtomCount();
    if (atom == 0 || count >= SemanticRecord::kMaxAtoms || HasSemanticAtom(*set, atom)) return;
    set->atoms[count] = atom;
}

bool SFeatureMatch(SemanticRecord const& set, int16_t atom, bool checkFlags) {
    bool const negated = atom < 0;
    auto const wanted = static_cast<uint16_t>(negated ? -atom : atom);
    if (checkFlags && set.IsNounLike() && set.IsSelRes()) return false;
    SemanticAtomTable const& table = SemanticAtomTable::Get();
    bool found = false;
    for (unsigned i = 0; i < set.AtomCount() && !found; ++i)
        found = set.atoms[i] == wanted || table.IsDirectAncestor(set.atoms[i], wanted);
    return found != negated;
}

bool SemAtomMatch(PARSED_NODE const* node, uint16_t atom) {
    return node != nullptr && SFeatureMatch(node->semantics[0], static_cast<int16_t>(atom), true);
}

bool SemExactMatch(PARSED_NODE const* node, char const* semantics) {
    SemanticRecord const& wanted = Semantics_E_Source(semantics).records[0];
    for (unsigned i = 0; i < wanted.AtomCount(); ++i) {
        if (!SemAtomMatch(node, wanted.atoms[i])) return false;
    }
    return true;
}

bool SemExactSlotMatch(PARSED_NODE const* node, uint16_t slot, char const* semantics) {
    if (node == nullptr || slot >= PARSED_NODE::kSemanticSetCount) return false;
    SemanticRecord const& wanted = Semantics_E_Source(semantics).records[0];
    for (unsigned i = 0; i < wanted.AtomCount(); ++i) {
        if (!HasSemanticAtom(node->semantics[slot], wanted.atoms[i])) return false;
    }
    return true;
}

void PurgeVSFAtoms(SemanticRecord* set) {
    SemanticAtomTable const& table = SemanticAtomTable::Get();
    unsigned kept = 0;
    unsigned const count = set->AtomCount();
    for (unsigned i = 0; i < count; ++i) {
        if (!table.IsVsfFeature(set->atoms[i])) set->atoms[kept++] = set->atoms[i];
    }
    std::fill(set->atoms + kept, set->atoms + SemanticRecord::kMaxAtoms, 0);
}

bool IsIsfFeature(uint16_t atom) { return SemanticAtomTable::Get().IsIsfFeature(atom); }

SemanticRecord SelresIntersection(SemanticRecord const& a, SemanticRecord const& b) {
    if (a.IsBlank()) return b;
    if (b.IsBlank()) return a;
    SemanticAtomTable const& table = SemanticAtomTable::Get();
    uint16_t const all = table.Atoms().all;
    SemanticRecord out;
    out.flags = static_cast<uint16_t>(a.flags & b.flags & SemanticRecord::kValueFlags);
    // Names: the other side's when one side means anything at all.
    if (HasSemanticAtom(a, all)) {
        for (unsigned i = 0; i < SemanticRecord::kNameCount; ++i) SetSemanticName(&out, i, SemanticName(b, i));
    } else if (HasSemanticAtom(b, all)) {
        for (unsigned i = 0; i < SemanticRecord::kNameCount; ++i) SetSemanticName(&out, i, SemanticName(a, i));
    } else {
        CommonNames(&out, a, b);
    }
    auto beneath = [&](uint16_t atom, SemanticRecord const& other) {
        if (HasSemanticAtom(other, atom)) return true;
        for (unsigned j = 0; j < other.AtomCount(); ++j) {
            if (other.atoms[j] != atom && table.IsDirectAncestor(atom, other.atoms[j])) return true;
        }
        return false;
    };
    for (unsigned i = 0; i < a.AtomCount(); ++i) {
        if (beneath(a.atoms[i], b)) AddSemanticAtom(&out, a.atoms[i]);
    }
    for (unsigned i = 0; i < b.AtomCount(); ++i) {
        if (beneath(b.atoms[i], a)) AddSemanticAtom(&out, b.atoms[i]);
    }
    bool rooted = false;
    for (unsigned i = 0; i < out.AtomCount() && !rooted; ++i)
        rooted = out.atoms[i] == all || table.IsDirectAncestor(out.atoms[i], all);
    return rooted ? out : kNullSemantics;
}

bool MismatchedIfpreps(SemanticRecord const& a, SemanticRecord const& b) {
    if (SemanticName(a, 0) != kFilledSlot && SemanticName(b, 0) != kFilledSlot) return false;
    return SemanticName(a, 1) != SemanticName(b, 1) || SemanticName(a, 1).empty();
}
