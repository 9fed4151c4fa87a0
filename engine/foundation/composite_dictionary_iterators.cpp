#include "engine/foundation/composite_dictionary_iterators.h"

#include <stdexcept>

#include "engine/foundation/entry.h"

// ---- CompositeLookupIteratorRep --------------------------------------------

CompositeLookupIteratorRep<Dictionary_EX>::CompositeLookupIteratorRep(std::vector<Dictionary_EX> const& members,
                                                                      std::string const& key,
                                                                      MaybeAnyLongerCallback* callback)
    : fMembers(members), fKey(key), fCallback(callback) {
    LookUpCurrentMember();
}

ForwardIterator<Entry_EX> CompositeLookupIteratorRep<Dictionary_EX>::Current() const {
    if (fResult.IsNull()) throw std::logic_error("Current() of a composite lookup at its end");
    return fResult.Get();
}

void CompositeLookupIteratorRep<Dictionary_EX>::GoForward() {
    if (IsAtEnd()) return;
    ++fPosition;
    LookUpCurrentMember();
}

void CompositeLookupIteratorRep<Dictionary_EX>::LookUpCurrentMember() {
    if (IsAtEnd()) {
        fResult.Clear();
        return;
    }
    fResult.Set(fMembers[fPosition].Lookup(fKey, fCallback));
}

// ---- CompositeIteratorRep --------------------------------------------------

CompositeIteratorRep<Entry_EX>::CompositeIteratorRep(ForwardIterator<ForwardIterator<Entry_EX>> const& outer)
    : fOuter(outer) {
    if (!fOuter.IsAtEnd()) SkipEmptyResults();
}

Entry_EX CompositeIteratorRep<Entry_EX>::Current() const {
    if (fInner.IsNull()) throw std::logic_error("Current() of a composite iterator at its end");
    return *fInner.Get();
}

void CompositeIteratorRep<Entry_EX>::GoForward() {
    if (fInner.IsNull()) return;
    ++fInner.Get();
    if (fInner.Get().IsAtEnd()) {
        ++fOuter;
        SkipEmptyResults();
    }
}

void CompositeIteratorRep<Entry_EX>::SkipEmptyResults() {
    fInner.Clear();
    for (; !fOuter.IsAtEnd(); ++fOuter) {
        ForwardIterator<Entry_EX> result = *fOuter;
        if (!result.IsAtEnd()) {
            fInner.Set(result);
            return;
        }
    }
}
