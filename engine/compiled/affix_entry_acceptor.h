#pragma once
// Turns an entry found for a stem into an entry for the whole word: every
// reading of the stem that fits the action rule (part of speech, feature
// patterns, case) is copied into a fresh entry of the temporary dictionary
// with the rule's derived part of speech, features, p-value, Japanese and
// semantics.  Stems of user dictionaries and stems of two bytes or fewer are
// never used.
#include <string>

#include "engine/compiled/affix_action_rule.h"
#include "engine/compiled/entry_acceptor.h"

class AffixEntryAcceptorRep : public EntryAcceptor<Entry_EX>::EntryAcceptorRep_ {
public:
    // surface: the text as looked up, before stripping.
    AffixEntryAcceptorRep(std::string surface, AffixActionRule const& rule)
        : fSurface(std::move(surface)), fRule(rule) {}

    bool Accept(Entry_EX* entry, Dictionary<Entry_EX> const& temporary) override;
    AffixEntryAcceptorRep* Clone() const override { return new AffixEntryAcceptorRep(*this); }
    void NotifyAccepted() override {}

private:
    std::string fSurface;
    AffixActionRule fRule;
};
