#pragma once
// Copy-on-write handle with a separately allocated count and a clone function.
// Copies share the representation; a holder about to change it first calls
// Assure1Reference() to get a private copy.  Counts are plain integers:
// handles to one representation are used by one thread at a time.
//
// A representation that lives for the whole program and never changes (an
// empty iterator, say) can be held uncounted: such handles cost no
// allocation, may be copied by any thread, and a holder about to change it
// gets a private, counted copy first.
#include <cstdint>
#include <memory>
#include <utility>

template <class T>
class Shared {
public:
    using CloneFunction = T* (*)(T const&);

    // Holds rep (which may be null) with a count of 1.
    Shared(CloneFunction clone, T* rep) : fRep(rep), fCount(nullptr), fClone(clone) {
        std::unique_ptr<T> guard(rep);
        fCount = new uint32_t(1);
        guard.release();
    }
    // Holds a representation that outlives every handle, uncounted.
    struct Uncounted {};
    Shared(CloneFunction clone, T* rep, Uncounted) : fRep(rep), fCount(nullptr), fClone(clone) {}
    Shared(Shared const& other) : fRep(other.fRep), fCount(other.fCount), fClone(other.fClone) {
        if (fCount != nullptr) ++*fCount;
    }
    // The other handle's state is taken before the own is let go.
    Shared& operator=(Shared other) {
        Swap(other);
        return *this;
    }
    // Holds rep alone with a count of 1; other handles that shared the old
    // representation keep it.
    Shared& operator=(T* rep) {
        if (rep == fRep) return *this;
        Shared fresh(fClone, rep);
        Swap(fresh);
        return *this;
    }
    ~Shared() {
        if (fCount != nullptr && --*fCount == 0) Delete(fCount, fRep);
    }

    // Moves this handle to a private copy of the representation.
    void BreakReferences() {
        if (fRep != nullptr) *this = fClone(*fRep);
    }
    void Assure1Reference() {
        if (fCount == nullptr || *fCount != 1) BreakReferences();
    }

    T* GetRep() const { return fRep; }
    T* operator->() const { return fRep; }
    // 0 for an uncounted representation.
    uint32_t GetReferenceCount() const { return fCount != nullptr ? *fCount : 0; }

private:
    // Out of line so that the optimiser, which cannot see that a count is
    // above 1 while another handle lives, does not report the other handles'
    // later uses as uses after free.
    [[gnu::noinline]] static void Delete(uint32_t* count, T* rep) {
        delete count;
        delete rep;
    }

    void Swap(Shared& other) {
        std::swap(fRep, other.fRep);
        std::swap(fCount, other.fCount);
        std::swap(fClone, other.fClone);
    }

    T* fRep;
    uint32_t* fCount;
    CloneFunction fClone;
};
