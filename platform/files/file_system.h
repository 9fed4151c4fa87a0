#pragma once
// The one seam between the engine and the system's files: every open,
// positioned read and write, sync, truncate, lock, rename and removal the
// engine and the programs make goes through Files().  PosixFileSystem is the
// one real implementation; tests install a double (ScopedFileSystem) that
// fails or stops at a chosen call.
//
// Each call answers as the system call it stands for: -1 (or a negative
// count) with errno set on failure.  Interrupted calls are retried inside, so
// no caller loops on EINTR.  A positioned read or write may still move fewer
// bytes than asked; ReadFullyAt and WriteFullyAt move them all.
#include <sys/types.h>

#include <cstddef>
#include <cstdint>

enum class FileLockMode { kShared, kExclusive, kUnlock };

struct FileStatus {
    uint64_t size = 0;
    bool regular = false;
    bool directory = false;
    uid_t owner = 0;
    // Together they name the file, whatever path it was opened by.
    dev_t device = 0;
    ino_t inode = 0;
};

class FileSystem {
public:
    virtual ~FileSystem() = default;

    // A descriptor, or -1.  flags and mode as open(2) takes them.
    virtual int Open(char const* path, int flags, mode_t mode) = 0;
    virtual int Close(int fd) = 0;
    // A second descriptor on the same open file.
    virtual int Duplicate(int fd) = 0;
    // From the descriptor's position, for pipes and files read front to back.
    virtual ssize_t Read(int fd, void* buffer, std::size_t size) = 0;
    // An offset past what the system can address fails with EOVERFLOW.
    virtual ssize_t ReadAt(int fd, void* buffer, std::size_t size, uint64_t offset) = 0;
    virtual ssize_t WriteAt(int fd, void const* buffer, std::size_t size, uint64_t offset) = 0;
    // Data and size on stable storage.  A descriptor that cannot be synced
    // (a pipe, a memory file on some systems) succeeds.
    virtual int Sync(int fd) = 0;
    virtual int Truncate(int fd, uint64_t length) = 0;
    // An advisory whole-file lock shared by every descriptor of the open file.
    // Never waits: a lock held elsewhere fails with EWOULDBLOCK.
    virtual int Lock(int fd, FileLockMode mode) = 0;
    virtual int Rename(char const* from, char const* to) = 0;
    virtual int Remove(char const* path) = 0;
    virtual int Status(int fd, FileStatus* status) = 0;
    // O_RDONLY, O_WRONLY or O_RDWR, or -1.
    virtual int AccessMode(int fd) = 0;
};

class PosixFileSystem final : public FileSystem {
public:
    int Open(char const* path, int flags, mode_t mode) override;
    int Close(int fd) override;
    int Duplicate(int fd) override;
    ssize_t Read(int fd, void* buffer, std::size_t size) override;
    ssize_t ReadAt(int fd, void* buffer, std::size_t size, uint64_t offset) override;
    ssize_t WriteAt(int fd, void const* buffer, std::size_t size, uint64_t offset) override;
    int Sync(int fd) override;
    int Truncate(int fd, uint64_t length) override;
    int Lock(int fd, FileLockMode mode) override;
    int Rename(char const* from, char const* to) override;
    int Remove(char const* path) override;
    int Status(int fd, FileStatus* status) override;
    int AccessMode(int fd) override;
};

// The file system every call goes through: the POSIX one unless a test has
// installed another.
FileSystem& Files();

// Installs `replacement` as Files() for its lifetime (tests only; install it
// while no other thread uses files).
class ScopedFileSystem {
public:
    explicit ScopedFileSystem(FileSystem& replacement);
    ~ScopedFileSystem();
    ScopedFileSystem(ScopedFileSystem const&) = delete;
    ScopedFileSystem& operator=(ScopedFileSystem const&) = delete;

private:
    FileSystem* fPrevious;
};

// All `size` bytes at offset, through Files().  The count moved: `size`, or
// fewer when a read met the end of the file or a write made no progress; -1
// with errno set when a call failed.
ssize_t ReadFullyAt(int fd, void* buffer, std::size_t size, uint64_t offset);
ssize_t WriteFullyAt(int fd, void const* buffer, std::size_t size, uint64_t offset);
