#include "engine/compiled/pvalue_lowering_acceptor.h"

#include <functional>
#include <map>
#include <utility>
#include <vector>

#include "engine/compiled/pvalue.h"
#include "engine/compiled/rewriting_rule_list.h"
#include "engine/foundation/shallow_clone.h"

namespace {

// Technical dictionaries carry long lists of readings; a respelling takes
// only the first ones.
constexpr unsigned long kMaxTechnicalFinePOS = 16;

// Orders fine parts of speech of one acceptance by entry and cookie.
struct FinePOSOrder {
    bool operator()(FinePOS_EX const& a, FinePOS_EX const& b) const {
        if (a.GetEntry().GetRep() != b.GetEntry().GetRep())
            return std::less<EntryRep_EX const*>()(a.GetEntry().GetRep(), b.GetEntry().GetRep());
        return std::less<FinePosCookieID_ const*>()(a.GetCookie(), b.GetCookie());
    }
};

void CloneParaphrases(FinePOS_EX const& source, FinePOS_EX const& target) {
    for (ForwardIterator<Paraphrase_EX> pp = source.GetParaphraseIterator(); !pp.IsAtEnd(); ++pp)
        ShallowCloneParaphrase(source, *pp, target);
}

// Copies the readings of one found entry into a fresh entry.  Every entry it
// makes is fresh, so that the search can remove them all when a later
// acceptor refuses the result.
class LoweredCopy {
public:
    LoweredCopy(Entry_EX const& found, Dictionary<Entry_EX> temporary)
        : fFound(found), fTemporary(temporary), fCopy(fTemporary.CreateNewEntry(found.GetSrcText())) {}

    void Add(FinePOS_EX const& finePOS) {
        FinePOS_EX copy = ShallowCloneFinePOS(finePOS, fCopy);
        copy.SetPValue(PenalizePValue(finePOS.GetPValue()));
        copy.SetIdiomType(eIdiomNormal);
        if (finePOS.IsACF())
            copy.SetBaseForm(BaseCopy(finePOS.GetBaseForm()));
        else
            CloneParaphrases(finePOS, copy);
    }

    Entry_EX const& GetCopy() const { return fCopy; }

private:
    FinePOS_EX BaseCopy(FinePOS_EX const& base) {
        auto const known = fBaseCopies.find(base);
        if (known != fBaseCopies.end()) return known->second;
        FinePOS_EX const copy = ShallowCloneFinePOS(base, EntryFor(base.GetEntry()));
        CloneParaphrases(base, copy);
        fBaseCopies.emplace(base, copy);
        return copy;
    }

    // The copy of the entry holding a base form: the found entry's own copy,
    // or one fresh entry per other entry.
    Entry_EX EntryFor(Entry_EX const& original) {
        if (original == fFound) return fCopy;
        for (auto const& [from, to] : fEntryCopies) {
            if (from == original) return to;
        }
        Entry_EX made = fTemporary.CreateNewEntry(original.GetSrcText());
        fEntryCopies.emplace_back(original, made);
        return made;
    }

    Entry_EX fFound;
    Dictionary<Entry_EX> fTemporary;
    Entry_EX fCopy;
    std::map<FinePOS_EX, FinePOS_EX, FinePOSOrder> fBaseCopies;
    std::vector<std::pair<Entry_EX, Entry_EX>> fEntryCopies;
};

}  // namespace

using Rep = PValueLoweringEntryAcceptor::PValueLoweringEntryAcceptorRep;

bool Rep::Accept(Entry_EX* entry, Dictionary<Entry_EX> const& temporary) {
    Dictionary<Entry_EX> const found = entry->GetDictionary();
    if (IsUserDict(found) || found == temporary) return false;

    unsigned long const limit = IsTechnicalDict(found) ? kMaxTechnicalFinePOS : ~0ul;
    LoweredCopy copy(*entry, temporary);
    unsigned long taken = 0;
    for (ForwardIterator<FinePOS_EX> fp = entry->GetFinePOSIterator(); !fp.IsAtEnd() && taken < limit; ++fp, ++taken)
        copy.Add(*fp);
    *entry = copy.GetCopy();
    return true;
}

Rep* Rep::Clone() const { return new Rep; }

void Rep::NotifyAccepted() {}

PValueLoweringEntryAcceptor::PValueLoweringEntryAcceptor() : EntryAcceptor(new Rep) {}
