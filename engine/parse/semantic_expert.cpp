// The scoring of semantic sets against each other: requirement against
// filler, and coordination.
#include "engine/parse/semantic_expert.h"

#include <algorithm>
#include <cmath>

#include "engine/parse/sem_cache.h"
#include "engine/parse/semantic_atoms.h"
#include "engine/parse/semantic_match.h"

namespace {

constexpr float kSelresMinPenalty = -1.0f;
constexpr float kSelresMinus = -0.035f;
constexpr float kSelresMinBonus = 0.1f;
constexpr float kSelresPlus = 0.005f;
constexpr float kSelresConjoinMinus = 3.0f;
constexpr float kIdiomMatchMinus = -4000.0f;
constexpr float kIdiomMatchPlus = 7.0f;
constexpr float kNameMatch = 1.5f;
constexpr float kReflexMatch = 1.0f;
constexpr float kReflexMismatch = -40.0f;
constexpr float kCoordNameMatch = 10.0f;
constexpr float kCoordFeatureMatch = 1.25f;
constexpr float kDoSpeakBase = 0.45f;
constexpr float kDoSpeakSlope = 0.0425f;
constexpr float kFixedOneSided = 0.005f;
constexpr float kFixedTwoSided = 0.05f;

// Neither atoms, a name, nor the one-slot and noun-like flags: a selres set
// coordinated with it is one-sided.
bool EmptyBesideSelres(SemanticRecord const& set) {
    return set.AtomCount() == 0 && set.NameLength(0) == 0 && !set.IsOneSlot() && !set.IsNounLike();
}

// The first "!" name: an idiom slot.
std::string_view IdiomSlot(SemanticRecord const& set) {
    for (unsigned i = 0; i < SemanticRecord::kNameCount; ++i) {
        std::string_view const name = SemanticName(set, i);
        if (!name.empty() && name[0] == '!') return name;
    }
    return {};
}

uint16_t IdiomAtomOf(SemanticRecord const& set) {
    for (uint16_t atom : SemanticAtomTable::Get().IdiomAtoms()) {
        if (HasSemanticAtom(set, atom)) return atom;
    }
    return 0;
}

void SetAtoms(SemanticRecord* set, SemanticRecord const& from) {
    std::fill(set->atoms, set->atoms + SemanticRecord::kMaxAtoms, 0);
    for (unsigned i = 0; i < from.AtomCount(); ++i) set->atoms[i] = from.atoms[i];
}

}  // namespace

float SemanticExpert::SelresScorer(float wa, uint16_t common, float wb) const {
    float const m = std::min(wa, wb);
    if (common != 0 && common == SemanticAtomTable::Get().Atoms().dospeak)
        return kDoSpeakBase - kDoSpeakSlope * (requirementSpecificity - m);
    if (common == requirement) return std::max(kSelresPlus * m, kSelresMinBonus);
    return std::min(kSelresMinus * (requirementSpecificity - m), kSelresMinPenalty);
}

float SemanticExpert::SHighestSpec(uint16_t x, uint16_t y, uint16_t* common, bool anyLevel, WhichScorer scorer,
                                   bool* generic) const {
    SemanticAtomTable const& table = SemanticAtomTable::Get();
    auto const xs = table.AncestorsOf(x);
    auto const ys = table.AncestorsOf(y);
    float best = kNoMatch;
    *common = 0;
    if (!xs.Empty() && !table.IsSpecific(x) && x != table.Atoms().dospeak) *generic = true;
    // Both lists ascend: walk them together.
    for (auto const *p = xs.begin, *q = ys.begin; p != xs.end && q != ys.end;) {
        if (p->ancestor < q->ancestor) {
            ++p;
        } else if (q->ancestor < p->ancestor) {
            ++q;
        } else {
            if (anyLevel || (p->indirect == 0 && q->indirect == 0)) {
                float const v = scorer == WhichScorer::kFixed
                                    ? (oneSided ? kFixedOneSided : kFixedTwoSided) * std::min(p->weight, q->weight)
                                    : SelresScorer(p->weight, p->ancestor, q->weight);
                if (v > best) {
                    best = v;
                    *common = p->ancestor;
                }
            }
            ++p;
            ++q;
        }
    }
    return best;
}

float SemanticExpert::SHighestSpecCache(uint16_t x, uint16_t y, uint16_t* common, bool anyLevel, WhichScorer scorer) {
    double const bucket = std::floor(static_cast<double>(requirementSpecificity) + 0.05);
    bool const selres = scorer == WhichScorer::kSelres;
    // The requirement itself scores by its own rule, and a specificity with
    // no table is scored afresh.
    if (y == requirement || (selres && (bucket < 0 || bucket >= SemCache::kSpecificityTables)))
        return SHighestSpec(x, y, common, anyLevel, scorer, &genericSeen);
    unsigned const table = selres ? SemCache::SelresTable(static_cast<unsigned>(bucket), anyLevel)
                                  : SemCache::FixedTable(oneSided, anyLevel);
    SemCache::Entry const entry = SemCache::Global().Lookup(table, x, y, [&] {
        SemCache::Entry made;
        bool generic = false;
        made.value = SHighestSpec(x, y, &made.common, anyLevel, scorer, &generic);
        made.flags = generic ? SemCache::Entry::kGenericSeen : 0;
        return made;
    });
    if (entry.flags & SemCache::Entry::kGenericSeen) genericSeen = true;
    *common = entry.common;
    return entry.value;
}

float SemanticExpert::SemAnd(SemanticRecord* out, SemanticRecord const& a, SemanticRecord const& b, bool anyLevel,
                             WhichScorer scorer) {
    if (MismatchedIfpreps(a, b)) {
        if (out != nullptr) *out = kNullSemantics;
        return 0;
    }
    SemanticAtomTable const& table = SemanticAtomTable::Get();
    float best = kNoMatch;
    uint16_t bestCommon = 0;
    for (unsigned i = 0; i < a.AtomCount(); ++i) {
        uint16_t const x = a.atoms[i];
        // A negated atom or a code past the table has no place in the
        // hierarchy and no row in the cache.
        if (!table.InRange(x)) continue;
        requirement = x;
        requirementSpecificity = table.Specificity(x);
        for (unsigned j = 0; j < b.AtomCount(); ++j) {
            uint16_t const y = b.atoms[j];
            if (!table.InRange(y)) continue;
            uint16_t common = 0;
            float const v = SHighestSpecCache(x, y, &common, anyLevel, scorer);
            if (v > best) {
                best = v;
                bestCommon = common;
            }
        }
    }
    if (out == nullptr) return best;
    *out = kNullSemantics;
    if (best > kNoMatchBelow) AddSemanticAtom(out, bestCommon);
    uint16_t const coordAny = table.Atoms().coordAny;
    if (HasSemanticAtom(a, coordAny)) {
        *out = b;
        return best;
    }
    if (HasSemanticAtom(b, coordAny)) {
        *out = a;
        return best;
    }
    for (unsigned i = 0; i < a.AtomCount(); ++i) {
        if (a.atoms[i] != bestCommon && HasSemanticAtom(b, a.atoms[i])) AddSemanticAtom(out, a.atoms[i]);
    }
    if (out->AtomCount() != 0) out->flags = static_cast<uint16_t>(a.flags & b.flags & SemanticRecord::kValueFlags);
    uint16_t const all = table.Atoms().all;
    SemanticRecord const* namesFrom = HasSemanticAtom(a, all) ? &b : HasSemanticAtom(b, all) ? &a : nullptr;
    if (namesFrom != nullptr) {
        for (unsigned i = 0; i < SemanticRecord::kNameCount; ++i) SetSemanticName(out, i, SemanticName(*namesFrom, i));
    } else {
        unsigned next = 0;
        for (unsigned i = 0; i < SemanticRecord::kNameCount; ++i) {
            std::string_view const name = SemanticName(a, i);
            if (!name.empty() && (name == SemanticName(b, 0) || name == SemanticName(b, 1)))
                SetSemanticName(out, next++, name);
        }
    }
    return best;
}

float SemanticExpert::SelResApply(SemanticRecord const& a, SemanticRecord const& b, bool firstSlotOnly) {
    SemanticRecord const* requirementSet = nullptr;
    SemanticRecord const* filler = nullptr;
    bool loose = false;
    bool const bRequires = b.IsSelRes() && !b.IsNounLike();
    if (a.IsNounLike()) {
        if (!bRequires) return 0;
        requirementSet = &b, filler = &a;
    } else if (a.IsSelRes()) {
        requirementSet = &a, filler = &b;
        loose = !b.IsNounLike() && !b.IsSelRes();
    } else {
        if (!bRequires) return 0;
        requirementSet = &b, filler = &a, loose = true;
    }
    SemanticRecord const& q = *requirementSet;
    SemanticRecord const& f = *filler;
    SemanticAtomTable const& table = SemanticAtomTable::Get();

    float total = 0;
    bool idiomSlot = false;
    bool idiomMatched = false;
    unsigned const names = firstSlotOnly ? 1 : SemanticRecord::kNameCount;
    for (unsigned i = 0; i < names; ++i) {
        std::string_view const name = SemanticName(q, i);
        if (name.empty()) continue;
        if (name[0] == '!') {
            idiomSlot = true;
            std::string_view const word = name.substr(1);
            if (SemanticName(f, 0) == word || (!word.empty() && SemanticName(f, 1) == word)) idiomMatched = true;
            continue;
        }
        for (unsigned j = 0; j < SemanticRecord::kNameCount; ++j) {
            if (SemanticName(f, j) == name) total += kNameMatch;
        }
    }
    if (HasSemanticAtom(q, table.Atoms().reflex))
        total += !loose && HasSemanticAtom(f, table.Atoms().reflex) ? kReflexMatch : kReflexMismatch;
    if (idiomSlot) total += idiomMatched ? kIdiomMatchPlus : kIdiomMatchMinus;
    if (loose) return total;

    genericSeen = false;
    float s = SemAnd(nullptr, q, f, false, WhichScorer::kSelres);
    if (s <= kNoMatchBelow || MismatchedIfpreps(q, f)) s = 0;
    if (s < 0 && (HasSemanticAtom(f, table.Atoms().any) || (HasSemanticAtom(f, table.Atoms().nonhuman) && genericSeen)))
        return total;
    return total + s;
}

void SemanticExpert::IdiomSelResCoordPropagate(bool* done, float* bonus, SemanticRecord* out, SemanticRecord const& a,
                                               SemanticRecord const& b) {
    *done = false;
    *bonus = 0;
    if (MismatchedIfpreps(a, b)) return;
    std::string_view const slotA = IdiomSlot(a);
    std::string_view const slotB = IdiomSlot(b);
    if (slotA.empty() && slotB.empty()) return;
    uint16_t const idiomA = IdiomAtomOf(a);
    uint16_t const idiomB = IdiomAtomOf(b);
    SemanticRecord made;
    uint16_t atom = 0;
    if (!slotA.empty() && !slotB.empty()) {
        if ((idiomA != 0 && idiomB != 0 && idiomA != idiomB) || slotA != slotB) {
            *bonus = kIdiomMatchMinus;
            return;
        }
        made.flags = static_cast<uint16_t>((a.flags | b.flags) & SemanticRecord::kValueFlags);
        atom = idiomA != 0 ? idiomA : idiomB;
        SetSemanticName(&made, 0, slotA);
        *bonus = kIdiomMatchPlus;
    } else {
        SemanticRecord const& side = slotA.empty() ? b : a;
        made.flags = static_cast<uint16_t>(side.flags & SemanticRecord::kValueFlags);
        atom = slotA.empty() ? idiomB : idiomA;
        SetSemanticName(&made, 0, slotA.empty() ? slotB : slotA);
    }
    if (atom != 0) {
        AddSemanticAtom(&made, atom);
    } else {
        SemanticRecord shared = SelresIntersection(a, b);
        if (shared.AtomCount() == 0) SemAnd(&shared, a, b, false, WhichScorer::kSelres);
        if (shared.AtomCount() != 0)
            SetAtoms(&made, shared);
        else
            AddSemanticAtom(&made, SemanticAtomTable::Get().Atoms().acaddegree);
    }
    *out = made;
    *done = true;
}

float SemanticExpert::SemanticsAnd(SemanticRecord* out, SemanticRecord const& a, SemanticRecord const& b) {
    *out = kNullSemantics;
    oneSided = (a.IsSelRes() && b.IsSelRes()) || (a.IsSelRes() && EmptyBesideSelres(b)) ||
               (b.IsSelRes() && EmptyBesideSelres(a));
    float s = std::max(SemAnd(out, a, b, false, WhichScorer::kFixed), 0.0f);
    if (!a.IsSelRes() && !b.IsSelRes()) {
        for (unsigned i = 0; i < SemanticRecord::kNameCount; ++i) {
            if (SemanticName(a, i).empty() || SemanticName(a, i) != SemanticName(b, i)) continue;
            s += kCoordNameMatch;
        }
    }
    if (!oneSided || MismatchedIfpreps(a, b)) return s;
    if (a.IsBlank()) {
        *out = b;
        return 0;
    }
    if (b.IsBlank()) {
        *out = a;
        return 0;
    }
    SemanticAtomTable const& table = SemanticAtomTable::Get();
    for (unsigned i = 0; i < a.AtomCount(); ++i) {
        if (table.IsIsfFeature(a.atoms[i]) && HasSemanticAtom(b, a.atoms[i])) s += kCoordFeatureMatch;
    }
    bool done = false;
    float bonus = 0;
    IdiomSelResCoordPropagate(&done, &bonus, out, a, b);
    s += bonus;
    if (!done && !MismatchedIfpreps(a, b)) {
        SemanticRecord const shared = SelresIntersection(a, b);
        if (!shared.IsBlank()) {
            *out = shared;
            return s;
        }
    }
    float x = SemAnd(nullptr, a, b, true, WhichScorer::kSelres);
    float y = SemAnd(nullptr, b, a, true, WhichScorer::kSelres);
    if (x <= kNoMatchBelow) x = 0;
    if (y <= kNoMatchBelow) y = 0;
    if (x < 0 && y < 0) s += kSelresConjoinMinus * std::max(x, y);
    return s;
}
