#pragma once
// A forward iterator over a bidirectional one, for walks (such as all the
// entries of a dictionary) that only step forward.
#include "engine/foundation/iterators.h"

template <class T>
class BiDir2ForwardIteratorRep_ : public ForwardIteratorRep_<T> {
public:
    explicit BiDir2ForwardIteratorRep_(BidirectionalIterator<T> const& wrapped) : fWrapped(wrapped) {}

    BiDir2ForwardIteratorRep_* Clone() const override { return new BiDir2ForwardIteratorRep_(*this); }
    T Current() const override { return *fWrapped; }
    void GoForward() override { ++fWrapped; }
    bool IsAtEnd() const override { return fWrapped.IsAtEnd(); }
    // Another kind of representation is never equal.
    bool Equal(ForwardIteratorRep_<T> const& other) const override {
        auto const* same = dynamic_cast<BiDir2ForwardIteratorRep_ const*>(&other);
        return same != nullptr && same->fWrapped == fWrapped;
    }

private:
    BidirectionalIterator<T> fWrapped;
};

template <class T>
class BiDir2ForwardIterator : public ForwardIterator<T> {
public:
    explicit BiDir2ForwardIterator(BidirectionalIterator<T> const& wrapped)
        : ForwardIterator<T>(new BiDir2ForwardIteratorRep_<T>(wrapped)) {}
};
