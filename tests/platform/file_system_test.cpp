// The file seam: whole transfers over short ones, the errors a caller must
// tell apart, advisory locks, reading and replacing a file whole.
#include "platform/files/file_system.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <functional>
#include <string>

#include "platform/files/file_input_buffer.h"
#include "platform/files/replace_file.h"
#include "support/faulty_file_system.h"
#include "support/scratch_folder.h"

namespace {

// A descriptor on a new file in a scratch folder, closed with the object.
struct ScratchDescriptor {
    ScratchFolder folder{"file_system_test"};
    std::string path = folder.File("data");
    int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    ~ScratchDescriptor() { ::close(fd); }
};

TEST(FileSystem, WholeTransfersGoOnOverShortOnesAndStopAtTheEnd) {
    std::string const text = "a positioned write of forty-odd bytes";
    for (std::size_t most : {std::size_t{0}, std::size_t{1}, std::size_t{7}}) {
        SCOPED_TRACE("at most " + std::to_string(most) + " bytes a call");
        ScratchDescriptor d;
        ASSERT_GE(d.fd, 0);
        FaultyFileSystem files;
        files.LimitTransfers(most);
        EXPECT_EQ(WriteFullyAt(d.fd, text.data(), text.size(), 5), static_cast<ssize_t>(text.size()));
        std::string back(text.size(), '\0');
        EXPECT_EQ(ReadFullyAt(d.fd, back.data(), back.size(), 5), static_cast<ssize_t>(back.size()));
        EXPECT_EQ(back, text);
        // A read past the end gives what there is.
        EXPECT_EQ(ReadFullyAt(d.fd, back.data(), back.size(), 10), static_cast<ssize_t>(text.size() - 5));
    }
}

TEST(FileSystem, FailuresAnswerWithTheirErrno) {
    ScratchDescriptor d;
    char byte = 'x';
    struct Case {
        char const* what;
        std::function<ssize_t()> call;
        int error;
    };
    Case const cases[] = {
        {"an offset past what the system addresses", [&] { return Files().WriteAt(d.fd, &byte, 1, uint64_t{1} << 63); },
         EOVERFLOW},
        {"a write through a read-only descriptor",
         [&] {
             int const readOnly = ::open(d.path.c_str(), O_RDONLY | O_CLOEXEC);
             ssize_t const result = WriteFullyAt(readOnly, &byte, 1, 0);
             int const error = errno;
             ::close(readOnly);
             errno = error;
             return result;
         },
         EBADF},
        {"opening a missing file", [&] { return ssize_t{Files().Open(d.folder.File("missing").c_str(), O_RDONLY, 0)}; },
         ENOENT},
        {"truncating a closed descriptor", [&] { return ssize_t{Files().Truncate(-1, 0)}; }, EBADF},
    };
    for (Case const& c : cases) {
        SCOPED_TRACE(c.what);
        errno = 0;
        EXPECT_EQ(c.call(), -1);
        EXPECT_EQ(errno, c.error);
    }
    // A descriptor that cannot be synced, such as a pipe, is no failure.
    int pipeEnds[2];
    ASSERT_EQ(::pipe(pipeEnds), 0);
    EXPECT_EQ(Files().Sync(pipeEnds[1]), 0);
    ::close(pipeEnds[0]);
    ::close(pipeEnds[1]);
}

TEST(FileSystem, LocksAreSharedOrExclusiveAcrossOpenFilesAndNeverWait) {
    ScratchDescriptor d;
    int const other = ::open(d.path.c_str(), O_RDWR | O_CLOEXEC);
    ASSERT_GE(other, 0);
    EXPECT_EQ(Files().Lock(d.fd, FileLockMode::kShared), 0);
    EXPECT_EQ(Files().Lock(other, FileLockMode::kShared), 0);
    errno = 0;
    EXPECT_EQ(Files().Lock(other, FileLockMode::kExclusive), -1);
    EXPECT_EQ(errno, EWOULDBLOCK);
    EXPECT_EQ(Files().Lock(d.fd, FileLockMode::kUnlock), 0);
    EXPECT_EQ(Files().Lock(other, FileLockMode::kExclusive), 0);
    ::close(other);
}

TEST(ReadEntireFile, GivesEveryByteOrFalse) {
    ScratchFolder folder("read_entire_file_test");
    std::string large;
    for (int i = 0; large.size() < 20000; ++i) large += std::to_string(i) + (i % 7 == 0 ? std::string(1, '\0') : "\n");
    WriteWholeFile(folder.File("large"), large);
    WriteWholeFile(folder.File("empty"), "");
    struct Case {
        char const* name;
        bool read;
        std::string bytes;
    };
    Case const cases[] = {
        {"large", true, large},
        {"empty", true, ""},
        {"missing", false, ""},
        {".", false, ""},  // opens, but a folder cannot be read
    };
    for (Case const& c : cases) {
        SCOPED_TRACE(c.name);
        std::string bytes = "left over";
        EXPECT_EQ(ReadEntireFile(folder.File(c.name), &bytes), c.read);
        if (c.read) {
            EXPECT_EQ(bytes, c.bytes);
        }
    }
}

TEST(ReplaceFile, GivesTheWholeNewContentsOrLeavesTheOldAndNoTemporaryFile) {
    struct Case {
        char const* what;
        bool existing;
        FaultyFileSystem::Call failing;
        int failAt;  // 0: nothing fails
        bool replaced;
    };
    using Call = FaultyFileSystem::Call;
    Case const cases[] = {
        {"a new name", false, Call::kWrite, 0, true},
        {"an existing file", true, Call::kWrite, 0, true},
        {"a full disk", true, Call::kWrite, 1, false},
        {"a failed sync", true, Call::kSync, 1, false},
    };
    for (Case const& c : cases) {
        SCOPED_TRACE(c.what);
        ScratchFolder folder("replace_file_test");
        std::string const path = folder.File("target");
        if (c.existing) WriteWholeFile(path, "old contents");
        std::string error;
        bool ok = false;
        {
            FaultyFileSystem files;
            files.FailAt(c.failing, c.failAt);
            ok = ReplaceFile(path, "new", &error);
        }
        EXPECT_EQ(ok, c.replaced) << error;
        if (c.replaced) {
            EXPECT_EQ(ReadWholeFile(path), "new");
            EXPECT_EQ(std::filesystem::status(path).permissions() & std::filesystem::perms::all,
                      std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
        } else {
            EXPECT_EQ(ReadWholeFile(path), "old contents");
            EXPECT_NE(error.find(path), std::string::npos) << error;
        }
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Path()), {}), c.existing || ok ? 1 : 0);
    }
    std::string error;
    EXPECT_FALSE(ReplaceFile(ScratchRoot() + "/no such folder here/target", "x", &error));
    EXPECT_FALSE(error.empty());
}

}  // namespace
