#pragma once
// The acceptor of respelled lookups: an entry found for another spelling of
// the looked-up word is copied into the rewriting dictionary's temporary
// dictionary with every p-value lowered, so that it ranks below readings of
// the word as written.
#include "engine/compiled/entry_acceptor.h"

class PValueLoweringEntryAcceptor : public EntryAcceptor<Entry_EX> {
public:
    class PValueLoweringEntryAcceptorRep : public EntryAcceptorRep_ {
    public:
        // Refuses entries of user dictionaries and entries made by an earlier
        // rewrite (those of `temporary`).  Otherwise *entry becomes a fresh
        // entry of `temporary` with the same headword and a copy of every
        // reading (for a technical dictionary only the first 16 fine parts of
        // speech), p-values lowered by PenalizePValue and idiom types
        // cleared.  A conjugated form keeps a copy of its base form, with its
        // paraphrases, in a fresh entry of the base's headword; forms sharing
        // a base share its copy.
        bool Accept(Entry_EX* entry, Dictionary<Entry_EX> const& temporary) override;
        PValueLoweringEntryAcceptorRep* Clone() const override;
        void NotifyAccepted() override;
    };

    PValueLoweringEntryAcceptor();
};
