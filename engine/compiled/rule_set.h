#pragma once
// Rule sets of the rewriting dictionary.  A rule set turns a looked-up string
// into the strings to look up instead: the string itself (or its normalised
// form) first, then its rewrites, each with the acceptor that judges the
// entries found for it.
#include <string>

#include "engine/compiled/entry_acceptor.h"
#include "engine/foundation/dictionary.h"
#include "engine/foundation/iterators.h"
#include "engine/foundation/shared.h"

template <class EntryT>
class RuleApplicationResult;

// One rewrite of a looked-up string and its acceptor.  Copies share the
// acceptor.
template <>
class RuleApplicationResult<Entry_EX> {
public:
    // Every rewritten text fits a lookup key.
    static constexpr std::size_t kMaxTextLength = 255;

    // With the trivial acceptor.  Text beyond kMaxTextLength bytes is cut:
    // rule sets drop longer rewrites before they get here.
    explicit RuleApplicationResult(std::string const& text);
    RuleApplicationResult(std::string const& text, EntryAcceptor<Entry_EX> const& acceptor);

    char const* GetText() const { return fText; }
    EntryAcceptor<Entry_EX>& GetAcceptor() { return fAcceptor; }
    EntryAcceptor<Entry_EX> const& GetAcceptor() const { return fAcceptor; }

private:
    char fText[kMaxTextLength + 1];
    EntryAcceptor<Entry_EX> fAcceptor;
};

template <class EntryT>
class RuleSet;

// Copy-on-write handle on a rule set's representation.
template <>
class RuleSet<Entry_EX> {
public:
    class RuleSetRep_ {
    public:
        virtual ~RuleSetRep_() = default;
        // The strings to look up for text, the text (or its normalised form)
        // first.  The callback is the caller's, passed on unchanged; it may be
        // null.
        virtual ForwardIterator<RuleApplicationResult<Entry_EX>> ApplyRule(char const* text,
                                                                           MaybeAnyLongerCallback* callback) = 0;
        virtual RuleSetRep_* Clone() const = 0;
    };

    // Takes ownership of rep.
    explicit RuleSet(RuleSetRep_* rep);

    // First gives this handle a private representation, so that a rule set
    // keeping state never shares it with another holder.
    ForwardIterator<RuleApplicationResult<Entry_EX>> ApplyRule(char const* text, MaybeAnyLongerCallback* callback);

    RuleSetRep_* GetRep() const { return fShared.GetRep(); }

private:
    Shared<RuleSetRep_> fShared;
};
