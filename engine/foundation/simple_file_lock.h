#pragma once
// A nested read/write lock with hooks on the first acquire and the last
// release.  It never waits and, unless asked to (below), locks nothing in the
// operating system: it only counts, and the derived file object does its file work in the hooks (reload
// when a read lock is first taken, write back when the last write lock goes).
// The read and write counts are independent: a write lock does not exclude
// readers.  Counts and hooks run under the lock's own recursive critical
// section, so a hook may take or release the same lock again.
//
// Optionally (UseAdvisoryLock) the lock also holds an advisory lock (flock)
// on a file descriptor, for a program that shares the file with other
// processes: shared while only read locks are held, exclusive while a write
// lock is held, none when neither is.  The advisory lock is never waited
// for: when it cannot be had, the acquire throws LockAttemptFailed before
// its hook runs and leaves both locks as they were.
#include <cstdint>
#include <vector>

#include "engine/foundation/critical_section.h"

class SimpleFileLock_ {
public:
    SimpleFileLock_() = default;
    virtual ~SimpleFileLock_() = default;
    SimpleFileLock_(SimpleFileLock_ const&) = delete;
    SimpleFileLock_& operator=(SimpleFileLock_ const&) = delete;

    // The time-out is accepted for callers' sake; acquiring never waits.
    // When AcquiredReadLock throws, the lock is left as it was.
    void AcquireReadLock(float timeout);
    // When AcquiredWriteLock throws, the write count is left unchanged.
    void AcquireWriteLock(float timeout);
    // Releasing a lock that is not held is ignored.  A throwing release hook
    // passes its exception on after the count has gone down.
    void ReleaseReadLock();
    void ReleaseWriteLock();

    uint32_t GetReadLockCount() const;
    uint32_t GetWriteLockCount() const;

    // From now on also holds the advisory lock on fd (not owned) that the
    // counts call for, starting with the one they call for now
    // (LockAttemptFailed when it cannot be had; nothing changes then).
    void UseAdvisoryLock(int fd);

protected:
    // Run when a count goes from 0 to 1 ...
    virtual void AcquiredReadLock() {}
    virtual void AcquiredWriteLock() {}
    // ... and from 1 to 0.
    virtual void AboutToReleaseReadLock() {}
    virtual void AboutToReleaseWriteLock() {}

private:
    enum class Advisory { kNone, kShared, kExclusive };
    static Advisory AdvisoryFor(uint32_t reads, uint32_t writes);
    // Brings the advisory lock in line with these counts; throws
    // LockAttemptFailed (holding what it held before) when it cannot.
    void SettleAdvisoryLock(uint32_t reads, uint32_t writes);
    // The same after a failed acquire or on release: never throws; a lock
    // that cannot be had is simply not held.
    void SettleAdvisoryLockQuietly() noexcept;
    bool SetAdvisory(Advisory wanted) noexcept;

    uint32_t fReadCount = 0;
    uint32_t fWriteCount = 0;
    int fAdvisoryFd = -1;  // -1: no advisory lock
    Advisory fAdvisoryHeld = Advisory::kNone;
    mutable CorvanCriticalSection fCriticalSection;
};

// Holds one kind of lock on a list of SimpleFileLock_s for its lifetime.  A
// copy takes the locks once more, so objects that hold a locker (entry views,
// iterators) stay locked through every copy.  If an acquire throws, the locks
// taken so far are released and the exception passes on.  An exception from a
// release hook is dropped: callers that must see a failed write-back release
// the lock themselves.
class SimpleFileLocker {
public:
    SimpleFileLocker(SimpleFileLocker const& other);
    SimpleFileLocker& operator=(SimpleFileLocker other);
    ~SimpleFileLocker();

protected:
    enum class Kind { kRead, kWrite };
    // Null entries are skipped.
    SimpleFileLocker(Kind kind, std::vector<SimpleFileLock_*> const& locks);

private:
    void AcquireAll(std::vector<SimpleFileLock_*> const& locks);
    void ReleaseAll() noexcept;
    void Acquire(SimpleFileLock_* lock);
    void Release(SimpleFileLock_* lock);

    Kind fKind;
    std::vector<SimpleFileLock_*> fHeld;
};

class SimpleFileLocker_READ : public SimpleFileLocker {
public:
    explicit SimpleFileLocker_READ(SimpleFileLock_* lock) : SimpleFileLocker(Kind::kRead, {lock}) {}
    explicit SimpleFileLocker_READ(std::vector<SimpleFileLock_*> const& locks) : SimpleFileLocker(Kind::kRead, locks) {}
};

class SimpleFileLocker_WRITE : public SimpleFileLocker {
public:
    explicit SimpleFileLocker_WRITE(SimpleFileLock_* lock) : SimpleFileLocker(Kind::kWrite, {lock}) {}
    explicit SimpleFileLocker_WRITE(std::vector<SimpleFileLock_*> const& locks)
        : SimpleFileLocker(Kind::kWrite, locks) {}
};
