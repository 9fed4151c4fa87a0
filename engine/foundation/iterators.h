#pragma once
// Iterator handles over cloneable representations.  Iterators are
// copy-on-write: copying a handle shares its representation, and stepping a
// shared one first gives it a private copy, so a copy of an iterator is an
// independent position.  Loop while !IsAtEnd(), read with operator*, step with
// operator++; reading at the end is outside the contract.
#include <cstddef>
#include <iterator>
#include <stdexcept>
#include <vector>

#include "engine/foundation/shared.h"

template <class T>
class ForwardIteratorRep_ {
public:
    virtual ~ForwardIteratorRep_() = default;
    virtual ForwardIteratorRep_* Clone() const = 0;
    virtual T Current() const = 0;
    virtual void GoForward() = 0;
    // False for a representation of another type.
    virtual bool Equal(ForwardIteratorRep_ const& other) const = 0;
    virtual bool IsAtEnd() const = 0;
};

template <class T>
class BidirectionalIteratorRep_ {
public:
    virtual ~BidirectionalIteratorRep_() = default;
    virtual BidirectionalIteratorRep_* Clone() const = 0;
    virtual T Current() const = 0;
    virtual void GoForward() = 0;
    virtual void GoBack() = 0;
    // False for a representation of another type.
    virtual bool Equal(BidirectionalIteratorRep_ const& other) const = 0;
    virtual bool IsAtStart() const = 0;
    virtual bool IsAtEnd() const = 0;
};

namespace iterators_detail {
template <class Rep>
Rep* CloneRep(Rep const& rep) {
    return rep.Clone();
}
}  // namespace iterators_detail

template <class T>
class ForwardIterator : public Shared<ForwardIteratorRep_<T>> {
    using Base = Shared<ForwardIteratorRep_<T>>;

public:
    // Takes ownership of rep.
    explicit ForwardIterator(ForwardIteratorRep_<T>* rep)
        : Base(&iterators_detail::CloneRep<ForwardIteratorRep_<T>>, rep) {}
    // Holds a representation that outlives every handle and that only its
    // private copies change (see Shared).
    ForwardIterator(ForwardIteratorRep_<T>* rep, typename Base::Uncounted uncounted)
        : Base(&iterators_detail::CloneRep<ForwardIteratorRep_<T>>, rep, uncounted) {}

    T operator*() const { return this->GetRep()->Current(); }
    ForwardIterator& operator++() {
        this->Assure1Reference();
        this->GetRep()->GoForward();
        return *this;
    }
    bool IsAtEnd() const { return this->GetRep()->IsAtEnd(); }
    bool operator==(ForwardIterator const& other) const { return this->GetRep()->Equal(*other.GetRep()); }
};

template <class T>
class BidirectionalIterator : public Shared<BidirectionalIteratorRep_<T>> {
    using Base = Shared<BidirectionalIteratorRep_<T>>;

public:
    // Takes ownership of rep.
    explicit BidirectionalIterator(BidirectionalIteratorRep_<T>* rep)
        : Base(&iterators_detail::CloneRep<BidirectionalIteratorRep_<T>>, rep) {}

    T operator*() const { return this->GetRep()->Current(); }
    BidirectionalIterator& operator++() {
        this->Assure1Reference();
        this->GetRep()->GoForward();
        return *this;
    }
    BidirectionalIterator& operator--() {
        this->Assure1Reference();
        this->GetRep()->GoBack();
        return *this;
    }
    BidirectionalIterator operator++(int) {
        BidirectionalIterator before(*this);
        ++*this;
        return before;
    }
    BidirectionalIterator operator--(int) {
        BidirectionalIterator before(*this);
        --*this;
        return before;
    }
    bool IsAtStart() const { return this->GetRep()->IsAtStart(); }
    bool IsAtEnd() const { return this->GetRep()->IsAtEnd(); }
    bool operator==(BidirectionalIterator const& other) const { return this->GetRep()->Equal(*other.GetRep()); }
};

// Yields nothing.
template <class T>
class EmptyForwardIteratorRep_ : public ForwardIteratorRep_<T> {
public:
    EmptyForwardIteratorRep_* Clone() const override { return new EmptyForwardIteratorRep_; }
    // Outside the contract: an empty iterator is always at its end.
    T Current() const override { throw std::logic_error("Current() of an empty iterator"); }
    void GoForward() override {}
    bool Equal(ForwardIteratorRep_<T> const& other) const override {
        return dynamic_cast<EmptyForwardIteratorRep_ const*>(&other) != nullptr;
    }
    bool IsAtEnd() const override { return true; }
};

// Yields its one element, then is at its end.
template <class T>
class SingleEltForwardIteratorRep_ : public ForwardIteratorRep_<T> {
public:
    explicit SingleEltForwardIteratorRep_(T const& element) : fElement(element) {}

    SingleEltForwardIteratorRep_* Clone() const override { return new SingleEltForwardIteratorRep_(*this); }
    T Current() const override { return fElement; }
    void GoForward() override { fDone = true; }
    // Only the positions count: two such iterators over different elements
    // are equal while both are before, or both after, their element.
    bool Equal(ForwardIteratorRep_<T> const& other) const override {
        auto const* single = dynamic_cast<SingleEltForwardIteratorRep_ const*>(&other);
        return single != nullptr && single->fDone == fDone;
    }
    bool IsAtEnd() const override { return fDone; }

private:
    T fElement;
    bool fDone = false;
};

// Walks its own copy of a container (a vector or a list of T).
template <class T, class Container = std::vector<T>>
class VectorByValueForwardIteratorRep_ : public ForwardIteratorRep_<T> {
public:
    explicit VectorByValueForwardIteratorRep_(Container const& elements)
        : fElements(elements), fPosition(fElements.cbegin()) {}
    // The copy's position is at the same index in the copy's own container.
    VectorByValueForwardIteratorRep_(VectorByValueForwardIteratorRep_ const& other)
        : ForwardIteratorRep_<T>(other),
          fElements(other.fElements),
          fPosition(std::next(fElements.cbegin(), std::distance(other.fElements.cbegin(), other.fPosition))) {}
    VectorByValueForwardIteratorRep_& operator=(VectorByValueForwardIteratorRep_ const&) = delete;

    VectorByValueForwardIteratorRep_* Clone() const override { return new VectorByValueForwardIteratorRep_(*this); }
    T Current() const override { return *fPosition; }
    void GoForward() override { ++fPosition; }
    // Each representation walks its own copy, so only a representation is
    // equal to itself.
    bool Equal(ForwardIteratorRep_<T> const& other) const override { return &other == this; }
    bool IsAtEnd() const override { return fPosition == fElements.cend(); }

private:
    Container fElements;
    typename Container::const_iterator fPosition;
};

// Costs no allocation: every empty iterator shares one representation, which
// nothing changes (stepping it is a no-op on a private copy).
template <class T>
class EmptyForwardIterator : public ForwardIterator<T> {
public:
    EmptyForwardIterator() : ForwardIterator<T>(SharedRep(), typename ForwardIterator<T>::Uncounted{}) {}

private:
    // Never destroyed, so handles in static objects stay valid at exit.
    static EmptyForwardIteratorRep_<T>* SharedRep() {
        static auto* const rep = new EmptyForwardIteratorRep_<T>;
        return rep;
    }
};

template <class T>
class SingleEltForwardIterator : public ForwardIterator<T> {
public:
    explicit SingleEltForwardIterator(T const& element)
        : ForwardIterator<T>(new SingleEltForwardIteratorRep_<T>(element)) {}
};

template <class T, class Container = std::vector<T>>
class VectorByValueForwardIterator : public ForwardIterator<T> {
public:
    explicit VectorByValueForwardIterator(Container const& elements)
        : ForwardIterator<T>(new VectorByValueForwardIteratorRep_<T, Container>(elements)) {}
};
