#pragma once
// A nested read/write lock with hooks on the first acquire and the last
// release.  It never waits and locks nothing in the operating system: it only
// counts, and the derived file object does its file work in the hooks (reload
// when a read lock is first taken, write back when the last write lock goes).
// The read and write counts are independent: a write lock does not exclude
// readers.  Counts and hooks run under the lock's own recursive critical
// section, so a hook may take or release the same lock again.
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

protected:
    // Run when a count goes from 0 to 1 ...
    virtual void AcquiredReadLock() {}
    virtual void AcquiredWriteLock() {}
    // ... and from 1 to 0.
    virtual void AboutToReleaseReadLock() {}
    virtual void AboutToReleaseWriteLock() {}

private:
    uint32_t fReadCount = 0;
    uint32_t fWriteCount = 0;
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
    explicit SimpleFileLocker_READ(std::vector<SimpleFileLock_*> const& locks)
        : SimpleFileLocker(Kind::kRead, locks) {}
};

class SimpleFileLocker_WRITE : public SimpleFileLocker {
public:
    explicit SimpleFileLocker_WRITE(SimpleFileLock_* lock) : SimpleFileLocker(Kind::kWrite, {lock}) {}
    explicit SimpleFileLocker_WRITE(std::vector<SimpleFileLock_*> const& locks)
        : SimpleFileLocker(Kind::kWrite, locks) {}
};
