#include "engine/foundation/simple_file_lock.h"

#include <utility>

void SimpleFileLock_::AcquireReadLock(float /*timeout*/) {
    AutoCriticalSection guard(fCriticalSection);
    if (++fReadCount != 1) return;
    try {
        AcquiredReadLock();
    } catch (...) {
        --fReadCount;
        throw;
    }
}

void SimpleFileLock_::AcquireWriteLock(float /*timeout*/) {
    AutoCriticalSection guard(fCriticalSection);
    if (fWriteCount == 0) AcquiredWriteLock();
    ++fWriteCount;
}

void SimpleFileLock_::ReleaseReadLock() {
    AutoCriticalSection guard(fCriticalSection);
    if (fReadCount == 0) return;
    if (--fReadCount == 0) AboutToReleaseReadLock();
}

void SimpleFileLock_::ReleaseWriteLock() {
    AutoCriticalSection guard(fCriticalSection);
    if (fWriteCount == 0) return;
    if (--fWriteCount == 0) AboutToReleaseWriteLock();
}

uint32_t SimpleFileLock_::GetReadLockCount() const {
    AutoCriticalSection guard(fCriticalSection);
    return fReadCount;
}

uint32_t SimpleFileLock_::GetWriteLockCount() const {
    AutoCriticalSection guard(fCriticalSection);
    return fWriteCount;
}

SimpleFileLocker::SimpleFileLocker(Kind kind, std::vector<SimpleFileLock_*> const& locks) : fKind(kind) {
    AcquireAll(locks);
}

SimpleFileLocker::SimpleFileLocker(SimpleFileLocker const& other) : fKind(other.fKind) {
    AcquireAll(other.fHeld);
}

SimpleFileLocker& SimpleFileLocker::operator=(SimpleFileLocker other) {
    std::swap(fKind, other.fKind);
    std::swap(fHeld, other.fHeld);
    return *this;
}

SimpleFileLocker::~SimpleFileLocker() { ReleaseAll(); }

void SimpleFileLocker::AcquireAll(std::vector<SimpleFileLock_*> const& locks) {
    fHeld.reserve(locks.size());
    try {
        for (SimpleFileLock_* lock : locks) {
            if (lock == nullptr) continue;
            Acquire(lock);
            fHeld.push_back(lock);
        }
    } catch (...) {
        ReleaseAll();
        throw;
    }
}

void SimpleFileLocker::ReleaseAll() noexcept {
    while (!fHeld.empty()) {
        SimpleFileLock_* lock = fHeld.back();
        fHeld.pop_back();
        try {
            Release(lock);
        } catch (...) {
            // Nowhere to report a failed release hook from a destructor; the
            // count is already down, so the lock itself stays consistent.
        }
    }
}

void SimpleFileLocker::Acquire(SimpleFileLock_* lock) {
    if (fKind == Kind::kRead)
        lock->AcquireReadLock(0.0f);
    else
        lock->AcquireWriteLock(0.0f);
}

void SimpleFileLocker::Release(SimpleFileLock_* lock) {
    if (fKind == Kind::kRead)
        lock->ReleaseReadLock();
    else
        lock->ReleaseWriteLock();
}
