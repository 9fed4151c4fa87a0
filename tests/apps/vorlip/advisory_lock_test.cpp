// The reader holds an advisory lock on the old dictionary while it has it
// open; the nested lock takes that lock as its counts say.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <unistd.h>

#include <stdexcept>
#include <string>

#include "apps/vorlip/old_dictionary.h"
#include "apps/vorlip/other_process_lock.h"
#include "apps/vorlip/vorlip_test_support.h"
#include "engine/foundation/file_errors.h"
#include "engine/foundation/simple_file_lock.h"

namespace {

TEST_F(VorlipTest, OtherProcessesCannotLockTheDictionaryWhileItIsOpen) {
    old_dictionary::MakeTenKinds(fDictPath);
    EXPECT_TRUE(OtherProcessCanLock(fDictPath, LOCK_EX));
    ASSERT_TRUE(Initialize());
    EXPECT_FALSE(OtherProcessCanLock(fDictPath, LOCK_EX));
    EXPECT_TRUE(OtherProcessCanLock(fDictPath, LOCK_SH));  // other readers are welcome
    AllEntries();
    EXPECT_FALSE(OtherProcessCanLock(fDictPath, LOCK_EX));
    gCorvanEngine.RemoveAllDict();  // what quitting does
    EXPECT_TRUE(OtherProcessCanLock(fDictPath, LOCK_EX));
}

// A nested lock on a scratch file whose hooks can be made to throw.
class HookedLock : public SimpleFileLock_ {
public:
    bool fThrowOnWrite = false;
    bool fThrowOnRead = false;
    int fHooksRun = 0;

protected:
    void AcquiredReadLock() override { Run(fThrowOnRead); }
    void AcquiredWriteLock() override { Run(fThrowOnWrite); }

private:
    void Run(bool fail) {
        ++fHooksRun;
        if (fail) throw std::runtime_error("hook");
    }
};

class AdvisoryLockTest : public ::testing::Test {
protected:
    void SetUp() override {
        fFd = open(fPath.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
        ASSERT_GE(fFd, 0);
    }
    void TearDown() override { close(fFd); }

    // What another process can take: "none", "shared" or "exclusive".
    std::string OthersCanTake() const {
        if (OtherProcessCanLock(fPath, LOCK_EX)) return "exclusive";
        return OtherProcessCanLock(fPath, LOCK_SH) ? "shared" : "none";
    }

    ScratchFolder fFolder{"advisory_lock_test"};
    std::string const fPath = fFolder / "locked";
    int fFd = -1;
    HookedLock fLock;
};

TEST_F(AdvisoryLockTest, FollowsTheOutermostAcquiresAndReleases) {
    fLock.UseAdvisoryLock(fFd);
    struct Step {
        void (*act)(SimpleFileLock_&);
        char const* othersCanTake;
    };
    Step const steps[] = {
        {[](SimpleFileLock_& l) { l.AcquireReadLock(0); }, "shared"},
        {[](SimpleFileLock_& l) { l.AcquireReadLock(0); }, "shared"},
        {[](SimpleFileLock_& l) { l.AcquireWriteLock(0); }, "none"},
        {[](SimpleFileLock_& l) { l.AcquireWriteLock(0); }, "none"},
        {[](SimpleFileLock_& l) { l.ReleaseWriteLock(); }, "none"},
        {[](SimpleFileLock_& l) { l.ReleaseWriteLock(); }, "shared"},
        {[](SimpleFileLock_& l) { l.ReleaseReadLock(); }, "shared"},
        {[](SimpleFileLock_& l) { l.ReleaseReadLock(); }, "exclusive"},
        {[](SimpleFileLock_& l) { l.AcquireWriteLock(0); }, "none"},
        {[](SimpleFileLock_& l) { l.ReleaseWriteLock(); }, "exclusive"},
    };
    int number = 0;
    for (auto const& step : steps) {
        SCOPED_TRACE(++number);
        step.act(fLock);
        EXPECT_EQ(OthersCanTake(), step.othersCanTake);
    }
}

TEST_F(AdvisoryLockTest, ExclusiveLockRefusedKeepsTheSharedOne) {
    fLock.UseAdvisoryLock(fFd);
    fLock.AcquireReadLock(0);
    int const otherReader = open(fPath.c_str(), O_RDONLY);
    ASSERT_EQ(flock(otherReader, LOCK_SH | LOCK_NB), 0);

    int const hooksBefore = fLock.fHooksRun;
    EXPECT_THROW(fLock.AcquireWriteLock(0), LockAttemptFailed);
    EXPECT_EQ(fLock.fHooksRun, hooksBefore);  // refused before the hook
    EXPECT_EQ(fLock.GetWriteLockCount(), 0u);
    close(otherReader);
    EXPECT_EQ(OthersCanTake(), "shared");  // still a reader

    fLock.ReleaseReadLock();
    EXPECT_EQ(OthersCanTake(), "exclusive");
}

TEST_F(AdvisoryLockTest, ReadLockRefusedWhileAnotherHoldsTheFile) {
    fLock.UseAdvisoryLock(fFd);
    int const otherWriter = open(fPath.c_str(), O_RDONLY);
    ASSERT_EQ(flock(otherWriter, LOCK_EX | LOCK_NB), 0);
    EXPECT_THROW(fLock.AcquireReadLock(0), LockAttemptFailed);
    EXPECT_EQ(fLock.GetReadLockCount(), 0u);
    EXPECT_EQ(fLock.fHooksRun, 0);
    close(otherWriter);
    fLock.AcquireReadLock(0);  // nothing was left half taken
    EXPECT_EQ(fLock.fHooksRun, 1);
    fLock.ReleaseReadLock();
}

TEST_F(AdvisoryLockTest, ThrowingHookGivesBackTheLockItTook) {
    fLock.UseAdvisoryLock(fFd);
    fLock.fThrowOnRead = true;
    EXPECT_THROW(fLock.AcquireReadLock(0), std::runtime_error);
    EXPECT_EQ(OthersCanTake(), "exclusive");

    fLock.fThrowOnRead = false;
    fLock.AcquireReadLock(0);
    fLock.fThrowOnWrite = true;
    EXPECT_THROW(fLock.AcquireWriteLock(0), std::runtime_error);
    EXPECT_EQ(OthersCanTake(), "shared");
    fLock.ReleaseReadLock();
    EXPECT_EQ(OthersCanTake(), "exclusive");
}

TEST_F(AdvisoryLockTest, WithoutItTheLockOnlyCounts) {
    fLock.AcquireReadLock(0);
    fLock.AcquireWriteLock(0);
    EXPECT_EQ(OthersCanTake(), "exclusive");
    fLock.ReleaseWriteLock();
    fLock.ReleaseReadLock();
}

}  // namespace
