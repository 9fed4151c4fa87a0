#pragma once
// Entry acceptors: each rewrite of a looked-up string carries one.  When an
// entry is found for the rewritten string, every acceptor on the way there is
// asked whether the entry may stand for the looked-up string; an acceptor may
// also turn it into another entry (a stem's entry into one for the whole
// word), which the following acceptors and the caller then see.
#include <string>

#include "engine/foundation/dictionary.h"
#include "engine/foundation/entry.h"
#include "engine/foundation/shared.h"

template <class EntryT>
class EntryAcceptor;

template <>
class EntryAcceptor<Entry_EX> {
public:
    class EntryAcceptorRep_ {
    public:
        virtual ~EntryAcceptorRep_() = default;
        // True when *entry may stand for the looked-up string.  A replacement
        // left in *entry must be a fresh entry of `temporary`, made during
        // this call: when the entry is refused (here or by a later acceptor)
        // the search removes it again, so refused readings never linger and
        // no two accepted readings share an entry.
        virtual bool Accept(Entry_EX* entry, Dictionary<Entry_EX> const& temporary) = 0;
        virtual EntryAcceptorRep_* Clone() const = 0;
        // Every acceptor of the path accepted the entry.
        virtual void NotifyAccepted() = 0;
    };

    // Takes ownership of rep.
    explicit EntryAcceptor(EntryAcceptorRep_* rep);

    // Each first gives this handle a private representation: acceptors may
    // keep state, and copies of a result share theirs until then.
    bool Accept(Entry_EX* entry, Dictionary<Entry_EX> const& temporary);
    void NotifyAccepted();

    EntryAcceptorRep_* GetRep() const { return fShared.GetRep(); }

private:
    Shared<EntryAcceptorRep_> fShared;
};

template <class EntryT>
class TrivialEntryAcceptor;

// Accepts every entry unchanged.
template <>
class TrivialEntryAcceptor<Entry_EX> : public EntryAcceptor<Entry_EX> {
public:
    class TrivialEntryAcceptorRep : public EntryAcceptorRep_ {
    public:
        bool Accept(Entry_EX* entry, Dictionary<Entry_EX> const& temporary) override;
        TrivialEntryAcceptorRep* Clone() const override;
        void NotifyAccepted() override;
    };

    TrivialEntryAcceptor();
};

// Removes an entry an acceptor made from the temporary dictionary, with the
// entries of the temporary dictionary holding the base forms of its readings
// (made with it, for it alone).  An entry of any other dictionary is left
// alone, so handing in the entry as found is harmless.
void DiscardRewrittenEntry(Entry_EX const& entry, Dictionary<Entry_EX> temporary);
