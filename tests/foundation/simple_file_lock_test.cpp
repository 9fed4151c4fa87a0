#include "engine/foundation/simple_file_lock.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <future>
#include <ostream>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include "engine/foundation/module_init.h"

namespace {

// Records every hook it runs; the hook named in fThrowFrom throws once.
class RecordingLock : public SimpleFileLock_ {
public:
    std::vector<std::string> fFired;
    std::string fThrowFrom;

protected:
    void AcquiredReadLock() override { Fire("AcquiredReadLock"); }
    void AcquiredWriteLock() override { Fire("AcquiredWriteLock"); }
    void AboutToReleaseReadLock() override { Fire("AboutToReleaseReadLock"); }
    void AboutToReleaseWriteLock() override { Fire("AboutToReleaseWriteLock"); }

private:
    void Fire(std::string const& hook) {
        fFired.push_back(hook);
        if (hook == fThrowFrom) {
            fThrowFrom.clear();
            throw std::runtime_error(hook);
        }
    }
};

enum class Action { kAcquireRead, kReleaseRead, kAcquireWrite, kReleaseWrite };

struct Step {
    Action action;
    char const* throwingHook;  // armed before the step; "" for none
    char const* expectedHook;  // the hook the step runs; "" for none
    bool expectThrow;
    uint32_t readsAfter;
    uint32_t writesAfter;
};

struct LockScenario {
    char const* name;
    std::vector<Step> steps;
};

void PrintTo(LockScenario const& scenario, std::ostream* out) { *out << scenario.name; }

void RunAction(RecordingLock& lock, Action action) {
    switch (action) {
        case Action::kAcquireRead:
            lock.AcquireReadLock(0.0f);
            break;
        case Action::kReleaseRead:
            lock.ReleaseReadLock();
            break;
        case Action::kAcquireWrite:
            lock.AcquireWriteLock(0.0f);
            break;
        case Action::kReleaseWrite:
            lock.ReleaseWriteLock();
            break;
    }
}

constexpr Action AR = Action::kAcquireRead;
constexpr Action RR = Action::kReleaseRead;
constexpr Action AW = Action::kAcquireWrite;
constexpr Action RW = Action::kReleaseWrite;
constexpr char kNone[] = "";
constexpr char kAcqR[] = "AcquiredReadLock";
constexpr char kAcqW[] = "AcquiredWriteLock";
constexpr char kRelR[] = "AboutToReleaseReadLock";
constexpr char kRelW[] = "AboutToReleaseWriteLock";

std::vector<LockScenario> const kLockScenarios = {
    {"NestedReadsFireOnce",
     {{AR, kNone, kAcqR, false, 1, 0},
      {AR, kNone, kNone, false, 2, 0},
      {RR, kNone, kNone, false, 1, 0},
      {RR, kNone, kRelR, false, 0, 0}}},
    {"NestedWritesFireOnce",
     {{AW, kNone, kAcqW, false, 0, 1},
      {AW, kAcqW, kNone, false, 0, 2},  // armed but not run: not outermost
      {RW, kNone, kNone, false, 0, 1},
      {RW, kNone, kRelW, false, 0, 0}}},
    {"ReadUnderWriteFiresReadHook",
     {{AW, kNone, kAcqW, false, 0, 1},
      {AR, kNone, kAcqR, false, 1, 1},
      {RR, kNone, kRelR, false, 0, 1},
      {RW, kNone, kRelW, false, 0, 0}}},
    {"WriteUnderReadFiresWriteHook",
     {{AR, kNone, kAcqR, false, 1, 0},
      {AW, kNone, kAcqW, false, 1, 1},
      {RW, kNone, kRelW, false, 1, 0},
      {RR, kNone, kRelR, false, 0, 0}}},
    {"ThrowingReadHookLeavesLockUntaken",
     {{AR, kAcqR, kAcqR, true, 0, 0}, {AR, kNone, kAcqR, false, 1, 0}, {RR, kNone, kRelR, false, 0, 0}}},
    {"ThrowingReadHookUnderHeldWriteKeepsWrite",
     {{AW, kNone, kAcqW, false, 0, 1}, {AR, kAcqR, kAcqR, true, 0, 1}, {AR, kNone, kAcqR, false, 1, 1}}},
    {"ThrowingWriteHookLeavesWriteCount",
     {{AW, kAcqW, kAcqW, true, 0, 0}, {AW, kNone, kAcqW, false, 0, 1}, {RW, kNone, kRelW, false, 0, 0}}},
    {"ThrowingReadReleaseHookStillReleases",
     {{AR, kNone, kAcqR, false, 1, 0}, {RR, kRelR, kRelR, true, 0, 0}, {AR, kNone, kAcqR, false, 1, 0}}},
    {"ThrowingWriteReleaseHookStillReleases",
     {{AW, kNone, kAcqW, false, 0, 1}, {RW, kRelW, kRelW, true, 0, 0}, {AW, kNone, kAcqW, false, 0, 1}}},
    {"ReleaseAtZeroIgnored",
     {{RR, kNone, kNone, false, 0, 0},
      {RW, kNone, kNone, false, 0, 0},
      {AR, kNone, kAcqR, false, 1, 0},
      {AW, kNone, kAcqW, false, 1, 1}}},
};

class SimpleFileLockHooks : public testing::TestWithParam<LockScenario> {};

TEST_P(SimpleFileLockHooks, FireAtOutermostAcquireAndReleaseOnly) {
    RecordingLock lock;
    int stepNumber = 0;
    for (Step const& step : GetParam().steps) {
        SCOPED_TRACE("step " + std::to_string(stepNumber++));
        lock.fFired.clear();
        lock.fThrowFrom = step.throwingHook;
        if (step.expectThrow)
            EXPECT_THROW(RunAction(lock, step.action), std::runtime_error);
        else
            EXPECT_NO_THROW(RunAction(lock, step.action));
        std::vector<std::string> expected;
        if (*step.expectedHook != '\0') expected.push_back(step.expectedHook);
        EXPECT_EQ(lock.fFired, expected);
        EXPECT_EQ(lock.GetReadLockCount(), step.readsAfter);
        EXPECT_EQ(lock.GetWriteLockCount(), step.writesAfter);
    }
}

INSTANTIATE_TEST_SUITE_P(Scenarios, SimpleFileLockHooks, testing::ValuesIn(kLockScenarios),
                         [](testing::TestParamInfo<LockScenario> const& info) { return info.param.name; });

// Like a file object that rebuilds its caches under a nested write lock from
// its first read-lock hook.
class RebuildingLock : public RecordingLock {
protected:
    void AcquiredReadLock() override {
        RecordingLock::AcquiredReadLock();
        AcquireWriteLock(0.0f);
        ReleaseWriteLock();
    }
};

TEST(SimpleFileLock, HookMayTakeTheSameLockAgain) {
    RebuildingLock lock;
    lock.AcquireReadLock(0.0f);
    EXPECT_EQ(lock.fFired, (std::vector<std::string>{kAcqR, kAcqW, kRelW}));
    EXPECT_EQ(lock.GetReadLockCount(), 1u);
    EXPECT_EQ(lock.GetWriteLockCount(), 0u);
}

// A hook blocks until released, to see whether another thread's acquire waits.
class BlockingLock : public SimpleFileLock_ {
public:
    std::promise<void> fHookEntered;
    std::shared_future<void> fMayLeaveHook;
    std::atomic<int> fHookRuns{0};

protected:
    void AcquiredReadLock() override {
        ++fHookRuns;
        fHookEntered.set_value();
        fMayLeaveHook.wait();
    }
};

TEST(SimpleFileLock, HookIsSerialisedWithOtherThreadsAcquires) {
    BlockingLock lock;
    std::promise<void> leave;
    lock.fMayLeaveHook = leave.get_future().share();
    std::thread first([&] { lock.AcquireReadLock(0.0f); });
    lock.fHookEntered.get_future().wait();

    std::atomic<bool> secondDone{false};
    std::thread second([&] {
        lock.AcquireReadLock(0.0f);
        secondDone = true;
    });
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    EXPECT_FALSE(secondDone);
    leave.set_value();
    first.join();
    second.join();
    EXPECT_EQ(lock.fHookRuns, 1);
    EXPECT_EQ(lock.GetReadLockCount(), 2u);
}

TEST(SimpleFileLocker, HoldsEveryListedLockAndCopiesTakeThemAgain) {
    RecordingLock a, b;
    {
        SimpleFileLocker_READ locker({&a, nullptr, &b});
        EXPECT_EQ(a.GetReadLockCount(), 1u);
        EXPECT_EQ(b.GetReadLockCount(), 1u);
        {
            SimpleFileLocker_READ copy(locker);
            EXPECT_EQ(a.GetReadLockCount(), 2u);
            EXPECT_EQ(b.GetReadLockCount(), 2u);
        }
        SimpleFileLocker_READ other(&a);
        other = locker;  // gives up its own hold on a, takes a and b
        EXPECT_EQ(a.GetReadLockCount(), 2u);
        EXPECT_EQ(b.GetReadLockCount(), 2u);
    }
    EXPECT_EQ(a.GetReadLockCount(), 0u);
    EXPECT_EQ(b.GetReadLockCount(), 0u);
    EXPECT_EQ(a.GetWriteLockCount(), 0u);
}

TEST(SimpleFileLocker, WriteLockerTakesWriteLocks) {
    RecordingLock lock;
    {
        SimpleFileLocker_WRITE locker(&lock);
        SimpleFileLocker_WRITE copy(locker);
        EXPECT_EQ(lock.GetWriteLockCount(), 2u);
        EXPECT_EQ(lock.GetReadLockCount(), 0u);
    }
    EXPECT_EQ(lock.GetWriteLockCount(), 0u);
    EXPECT_EQ(lock.fFired, (std::vector<std::string>{kAcqW, kRelW}));
}

TEST(SimpleFileLocker, FailedAcquireReleasesTheLocksTakenAndPassesOn) {
    RecordingLock a, b;
    b.fThrowFrom = kAcqR;
    EXPECT_THROW(SimpleFileLocker_READ({&a, &b}), std::runtime_error);
    EXPECT_EQ(a.GetReadLockCount(), 0u);
    EXPECT_EQ(b.GetReadLockCount(), 0u);

    SimpleFileLocker_READ locker({&a, &b});
    a.ReleaseReadLock();  // so that the copy's acquire of a is outermost again
    a.fThrowFrom = kAcqR;
    EXPECT_THROW(SimpleFileLocker_READ copy(locker), std::runtime_error);
    EXPECT_EQ(a.GetReadLockCount(), 0u);
    EXPECT_EQ(b.GetReadLockCount(), 1u);
    a.AcquireReadLock(0.0f);  // give back what the locker will release
}

TEST(SimpleFileLocker, ThrowingReleaseHookDoesNotEscapeDestruction) {
    RecordingLock lock;
    {
        SimpleFileLocker_WRITE locker(&lock);
        lock.fThrowFrom = kRelW;
    }
    EXPECT_EQ(lock.GetWriteLockCount(), 0u);
}

// Entered twice on a thread of its own, so that a section that is not
// recursive fails the test instead of hanging it.  Leaving the inner lock must
// not free the section for others.
TEST(CorvanCriticalSection, SameThreadMayEnterAgainAndHoldsUntilTheOuterLeaves) {
    // Left alive if the holder blocks: it still uses the section then.
    auto* const section = new CorvanCriticalSection;
    std::promise<void> innerLeft;
    std::future<void> const innerLeftSeen = innerLeft.get_future();
    std::promise<void> mayLeave;
    std::shared_future<void> const leave = mayLeave.get_future().share();
    std::thread holder([section, leave, innerLeft = std::move(innerLeft)]() mutable {
        AutoCriticalSection outer(*section);
        { AutoCriticalSection inner(*section); }
        innerLeft.set_value();
        leave.wait();
    });
    if (innerLeftSeen.wait_for(std::chrono::seconds(5)) != std::future_status::ready) {
        holder.detach();
        FAIL() << "a second enter by the holding thread blocked";
    }
    std::atomic<bool> entered{false};
    std::thread other([&] {
        AutoCriticalSection guard(*section);
        entered = true;
    });
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    EXPECT_FALSE(entered) << "the outer lock still holds the section";
    mayLeave.set_value();
    holder.join();
    other.join();
    EXPECT_TRUE(entered);
    delete section;
}

TEST(CorvanCriticalSection, ExcludesOtherThreadsUntilLeft) {
    CorvanCriticalSection section;
    std::atomic<bool> entered{false};
    std::thread other;
    {
        AutoCriticalSection guard(section);
        other = std::thread([&] {
            AutoCriticalSection otherGuard(section);
            entered = true;
        });
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        EXPECT_FALSE(entered);
    }
    other.join();
    EXPECT_TRUE(entered);
}

TEST(ModuleInit, CountersBuildSharedSectionsOnFirstUse) {
    unsigned const blockBefore = BlockAllocation_ModuleInit::sCount;
    unsigned const sharedBefore = Shared_ModuleInit::sCount;
    unsigned const grammarBefore = Grammar_ModuleInit::sCount;
    {
        BlockAllocation_ModuleInit block;
        Shared_ModuleInit shared;
        Grammar_ModuleInit grammar;
        EXPECT_EQ(BlockAllocation_ModuleInit::sCount, blockBefore + 1);
        EXPECT_EQ(Shared_ModuleInit::sCount, sharedBefore + 1);
        EXPECT_EQ(Grammar_ModuleInit::sCount, grammarBefore + 1);
        AutoCriticalSection blockGuard(gBlockAllocatedCritSec);
        AutoCriticalSection sharedGuard(sCounterList_Shared_CritSec);
        AutoCriticalSection again(sCounterList_Shared_CritSec);  // recursive
    }
    EXPECT_EQ(BlockAllocation_ModuleInit::sCount, blockBefore);
    EXPECT_EQ(Shared_ModuleInit::sCount, sharedBefore);
    EXPECT_EQ(Grammar_ModuleInit::sCount, grammarBefore);
}

}  // namespace
