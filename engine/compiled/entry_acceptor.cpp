#include "engine/compiled/entry_acceptor.h"

#include <vector>

namespace {

EntryAcceptor<Entry_EX>::EntryAcceptorRep_* CloneAcceptorRep(EntryAcceptor<Entry_EX>::EntryAcceptorRep_ const& rep) {
    return rep.Clone();
}

bool IsIn(Entry_EX const& entry, Dictionary<Entry_EX> const& dictionary) { return entry.GetDictionary() == dictionary; }

}  // namespace

EntryAcceptor<Entry_EX>::EntryAcceptor(EntryAcceptorRep_* rep) : fShared(&CloneAcceptorRep, rep) {}

bool EntryAcceptor<Entry_EX>::Accept(Entry_EX* entry, Dictionary<Entry_EX> const& temporary) {
    fShared.Assure1Reference();
    return fShared->Accept(entry, temporary);
}

void EntryAcceptor<Entry_EX>::NotifyAccepted() {
    fShared.Assure1Reference();
    fShared->NotifyAccepted();
}

using TrivialEntryAcceptorRep = TrivialEntryAcceptor<Entry_EX>::TrivialEntryAcceptorRep;

TrivialEntryAcceptorRep* TrivialEntryAcceptorRep::Clone() const { return new TrivialEntryAcceptorRep; }

bool TrivialEntryAcceptorRep::Accept(Entry_EX* /*entry*/, Dictionary<Entry_EX> const& /*temporary*/) { return true; }

void TrivialEntryAcceptorRep::NotifyAccepted() {}

TrivialEntryAcceptor<Entry_EX>::TrivialEntryAcceptor() : EntryAcceptor(new TrivialEntryAcceptorRep) {}

void DiscardRewrittenEntry(Entry_EX const& entry, Dictionary<Entry_EX> temporary) {
    if (!IsIn(entry, temporary)) return;
    // Gathered first: removing an entry may unlink the forms being walked.
    std::vector<Entry_EX> baseEntries;
    for (ForwardIterator<FinePOS_EX> fp = entry.GetFinePOSIterator(); !fp.IsAtEnd(); ++fp) {
        Entry_EX const baseEntry = (*fp).GetBaseForm().GetEntry();
        if (baseEntry != entry && IsIn(baseEntry, temporary)) baseEntries.push_back(baseEntry);
    }
    temporary.RemoveEntry(entry);
    for (Entry_EX const& baseEntry : baseEntries) temporary.RemoveEntry(baseEntry);
}
