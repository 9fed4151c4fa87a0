#pragma once
// Intrusive reference-counted handle: the count lives in the representation.
// Dictionaries and entries are passed around by value as QJShared handles;
// the last handle deletes the representation.  Counts are plain integers:
// handles to one representation are used by one thread at a time.
#include <cstdint>
#include <utility>

#include "engine/foundation/critical_section.h"

template <class T>
class QJShared;

// Base of every representation held by a QJShared handle.
class QJSharedRep {
public:
    QJSharedRep() = default;
    virtual ~QJSharedRep() = default;

    // A copy is a new representation: nobody holds it yet, and it has a
    // critical section of its own.
    QJSharedRep(QJSharedRep const&) {}
    QJSharedRep& operator=(QJSharedRep const&) { return *this; }

    uint32_t GetReferenceCount() const { return fReferenceCount; }

protected:
    // For the representation's own shared state; the handles never take it.
    mutable CorvanCriticalSection fCriticalSection;

private:
    template <class T>
    friend class QJShared;

    uint32_t fReferenceCount = 0;
};

template <class T>
class QJShared {
public:
    // Takes a reference on rep; a null rep makes a handle that holds nothing.
    explicit QJShared(T* rep) : fRep(rep) { AddReference(); }
    QJShared(QJShared const& other) : fRep(other.fRep) { AddReference(); }
    // The new representation is taken before the old one is let go, so
    // assigning a handle that only the old representation keeps alive is safe.
    QJShared& operator=(QJShared other) {
        std::swap(fRep, other.fRep);
        return *this;
    }
    ~QJShared() { DropReference(); }

    T* GetRep() const { return fRep; }
    T* operator->() const { return fRep; }
    T& operator*() const { return *fRep; }

private:
    void AddReference() {
        if (fRep != nullptr) ++fRep->fReferenceCount;
    }
    void DropReference() {
        if (fRep != nullptr && --fRep->fReferenceCount == 0) Delete(fRep);
    }
    // Out of line so that the optimiser, which cannot see that a handle's
    // count is above 1 while another handle lives, does not report the
    // other handles' later uses as uses after free.
    [[gnu::noinline]] static void Delete(T* rep) { delete rep; }

    T* fRep;
};
