#include "engine/foundation/simple_file_lock.h"

#include <utility>

#include "engine/foundation/file_errors.h"
#include "platform/files/file_system.h"

namespace {

// Runs the release hook, then settles the advisory lock whether or not the
// hook threw (a write-back keeps the exclusive lock until it is done).
template <class Hook, class Settle>
void ReleaseThen(Hook hook, Settle settle) {
    try {
        hook();
    } catch (...) {
        settle();
        throw;
    }
    settle();
}

}  // namespace

void SimpleFileLock_::AcquireReadLock(float /*timeout*/) {
    AutoCriticalSection guard(fCriticalSection);
    if (++fReadCount != 1) return;
    try {
        SettleAdvisoryLock(fReadCount, fWriteCount);
    } catch (...) {
        --fReadCount;
        throw;
    }
    try {
        AcquiredReadLock();
    } catch (...) {
        --fReadCount;
        SettleAdvisoryLockQuietly();
        throw;
    }
}

void SimpleFileLock_::AcquireWriteLock(float /*timeout*/) {
    AutoCriticalSection guard(fCriticalSection);
    if (fWriteCount == 0) {
        SettleAdvisoryLock(fReadCount, 1);
        try {
            AcquiredWriteLock();
        } catch (...) {
            SettleAdvisoryLockQuietly();
            throw;
        }
    }
    ++fWriteCount;
}

void SimpleFileLock_::ReleaseReadLock() {
    AutoCriticalSection guard(fCriticalSection);
    if (fReadCount == 0) return;
    if (--fReadCount != 0) return;
    ReleaseThen([this] { AboutToReleaseReadLock(); }, [this] { SettleAdvisoryLockQuietly(); });
}

void SimpleFileLock_::ReleaseWriteLock() {
    AutoCriticalSection guard(fCriticalSection);
    if (fWriteCount == 0) return;
    if (--fWriteCount != 0) return;
    ReleaseThen([this] { AboutToReleaseWriteLock(); }, [this] { SettleAdvisoryLockQuietly(); });
}

void SimpleFileLock_::UseAdvisoryLock(int fd) {
    AutoCriticalSection guard(fCriticalSection);
    int const previousFd = fAdvisoryFd;
    fAdvisoryFd = fd;
    try {
        SettleAdvisoryLock(fReadCount, fWriteCount);
    } catch (...) {
        fAdvisoryFd = previousFd;
        throw;
    }
}

SimpleFileLock_::Advisory SimpleFileLock_::AdvisoryFor(uint32_t reads, uint32_t writes) {
    if (writes > 0) return Advisory::kExclusive;
    return reads > 0 ? Advisory::kShared : Advisory::kNone;
}

void SimpleFileLock_::SettleAdvisoryLock(uint32_t reads, uint32_t writes) {
    if (!SetAdvisory(AdvisoryFor(reads, writes))) throw LockAttemptFailed("advisory file lock");
}

void SimpleFileLock_::SettleAdvisoryLockQuietly() noexcept { SetAdvisory(AdvisoryFor(fReadCount, fWriteCount)); }

bool SimpleFileLock_::SetAdvisory(Advisory wanted) noexcept {
    if (fAdvisoryFd < 0 || wanted == fAdvisoryHeld) return true;
    auto const mode = [](Advisory advisory) {
        switch (advisory) {
            case Advisory::kShared:
                return FileLockMode::kShared;
            case Advisory::kExclusive:
                return FileLockMode::kExclusive;
            case Advisory::kNone:
                break;
        }
        return FileLockMode::kUnlock;
    };
    if (Files().Lock(fAdvisoryFd, mode(wanted)) == 0) {
        fAdvisoryHeld = wanted;
        return true;
    }
    // Changing a flock is not atomic: a refused change may have dropped the
    // lock held before, so take that one back.
    if (fAdvisoryHeld != Advisory::kNone && Files().Lock(fAdvisoryFd, mode(fAdvisoryHeld)) != 0) {
        fAdvisoryHeld = Advisory::kNone;
    }
    return false;
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

SimpleFileLocker::SimpleFileLocker(SimpleFileLocker const& other) : fKind(other.fKind) { AcquireAll(other.fHeld); }

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
