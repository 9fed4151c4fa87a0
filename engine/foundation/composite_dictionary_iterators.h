#pragma once
// The iterators of a composite dictionary's lookup: one that yields each
// member's lookup result in member order, and one that flattens those results
// into a single run of entries.
#include <cstddef>
#include <string>
#include <vector>

#include "engine/foundation/can_be_null.h"
#include "engine/foundation/dictionary.h"
#include "engine/foundation/iterators.h"

template <class DictionaryT>
class CompositeLookupIteratorRep;

// Looks the key up in one member at a time.  The position is an index into
// the iterator's own copy of the members, so a clone stands at the same
// member of its own copy.
template <>
class CompositeLookupIteratorRep<Dictionary_EX> : public ForwardIteratorRep_<ForwardIterator<Entry_EX>> {
public:
    // At the first member's result (at the end when there are no members).
    CompositeLookupIteratorRep(std::vector<Dictionary_EX> const& members, std::string const& key,
                               MaybeAnyLongerCallback* callback);

    CompositeLookupIteratorRep* Clone() const override { return new CompositeLookupIteratorRep(*this); }
    // The current member's lookup result.  Throws std::logic_error at the end.
    ForwardIterator<Entry_EX> Current() const override;
    void GoForward() override;
    // Never equal: positions in different lookups cannot be compared.
    bool Equal(ForwardIteratorRep_<ForwardIterator<Entry_EX>> const&) const override { return false; }
    bool IsAtEnd() const override { return fPosition >= fMembers.size(); }

private:
    // Looks the key up in the member at fPosition, or stores nothing past the
    // last member.
    void LookUpCurrentMember();

    std::vector<Dictionary_EX> fMembers;
    std::size_t fPosition = 0;
    std::string fKey;
    CanBeNull<ForwardIterator<Entry_EX>> fResult;
    MaybeAnyLongerCallback* fCallback;
};

template <class DictionaryT>
class CompositeLookupIterator;

template <>
class CompositeLookupIterator<Dictionary_EX> : public ForwardIterator<ForwardIterator<Entry_EX>> {
public:
    CompositeLookupIterator(std::vector<Dictionary_EX> const& members, std::string const& key,
                            MaybeAnyLongerCallback* callback)
        : ForwardIterator(new CompositeLookupIteratorRep<Dictionary_EX>(members, key, callback)) {}
};

template <class EntryT>
class CompositeIteratorRep;

// The entries of every inner iterator the outer one yields, in order; inner
// iterators that are empty are skipped.
template <>
class CompositeIteratorRep<Entry_EX> : public ForwardIteratorRep_<Entry_EX> {
public:
    explicit CompositeIteratorRep(ForwardIterator<ForwardIterator<Entry_EX>> const& outer);

    // Copies of the handles: stepping either copy later gives it a private
    // representation, so the clone advances independently.
    CompositeIteratorRep* Clone() const override { return new CompositeIteratorRep(*this); }
    Entry_EX Current() const override;
    void GoForward() override;
    bool Equal(ForwardIteratorRep_<Entry_EX> const&) const override { return false; }
    bool IsAtEnd() const override { return fInner.IsNull(); }

private:
    // Takes the outer iterator's current result when it has an entry, or else
    // moves the outer iterator on until one does or it ends.
    void SkipEmptyResults();

    ForwardIterator<ForwardIterator<Entry_EX>> fOuter;
    CanBeNull<ForwardIterator<Entry_EX>> fInner;
};

template <class EntryT>
class CompositeIterator;

template <>
class CompositeIterator<Entry_EX> : public ForwardIterator<Entry_EX> {
public:
    explicit CompositeIterator(ForwardIterator<ForwardIterator<Entry_EX>> const& outer)
        : ForwardIterator(new CompositeIteratorRep<Entry_EX>(outer)) {}
};
