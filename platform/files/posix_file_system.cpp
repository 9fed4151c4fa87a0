// The only place the engine's file calls meet the system.
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <limits>

#include "platform/files/file_system.h"

namespace {

// Runs a system call again for as long as a signal interrupts it.
template <class Call>
auto Retrying(Call const& call) {
    for (;;) {
        auto const result = call();
        if (!(result < 0 && errno == EINTR)) return result;
    }
}

// Whether [offset, offset + size) can be addressed as off_t.
bool Addressable(uint64_t offset, std::size_t size) {
    constexpr auto kMax = static_cast<uint64_t>(std::numeric_limits<off_t>::max());
    if (offset <= kMax && size <= kMax - offset) return true;
    errno = EOVERFLOW;
    return false;
}

PosixFileSystem gPosix;
std::atomic<FileSystem*> gCurrent{&gPosix};

}  // namespace

int PosixFileSystem::Open(char const* path, int flags, mode_t mode) {
    return Retrying([&] { return ::open(path, flags, mode); });
}

// Never retried: after an interrupted close the descriptor is already gone.
int PosixFileSystem::Close(int fd) { return ::close(fd); }

int PosixFileSystem::Duplicate(int fd) { return ::fcntl(fd, F_DUPFD_CLOEXEC, 0); }

ssize_t PosixFileSystem::Read(int fd, void* buffer, std::size_t size) {
    return Retrying([&] { return ::read(fd, buffer, size); });
}

ssize_t PosixFileSystem::ReadAt(int fd, void* buffer, std::size_t size, uint64_t offset) {
    if (!Addressable(offset, size)) return -1;
    return Retrying([&] { return ::pread(fd, buffer, size, static_cast<off_t>(offset)); });
}

ssize_t PosixFileSystem::WriteAt(int fd, void const* buffer, std::size_t size, uint64_t offset) {
    if (!Addressable(offset, size)) return -1;
    return Retrying([&] { return ::pwrite(fd, buffer, size, static_cast<off_t>(offset)); });
}

int PosixFileSystem::Sync(int fd) {
    int const result = Retrying([&] { return ::fsync(fd); });
    return result != 0 && (errno == EINVAL || errno == EROFS) ? 0 : result;
}

int PosixFileSystem::Truncate(int fd, uint64_t length) {
    if (!Addressable(length, 0)) return -1;
    return Retrying([&] { return ::ftruncate(fd, static_cast<off_t>(length)); });
}

int PosixFileSystem::Lock(int fd, FileLockMode mode) {
    int operation = LOCK_UN;
    if (mode == FileLockMode::kShared) operation = LOCK_SH | LOCK_NB;
    if (mode == FileLockMode::kExclusive) operation = LOCK_EX | LOCK_NB;
    return Retrying([&] { return ::flock(fd, operation); });
}

int PosixFileSystem::Rename(char const* from, char const* to) { return ::rename(from, to); }

int PosixFileSystem::Remove(char const* path) { return ::unlink(path); }

int PosixFileSystem::Status(int fd, FileStatus* status) {
    struct stat info {};
    if (::fstat(fd, &info) != 0) return -1;
    status->size = info.st_size < 0 ? 0 : static_cast<uint64_t>(info.st_size);
    status->regular = S_ISREG(info.st_mode);
    status->directory = S_ISDIR(info.st_mode);
    status->owner = info.st_uid;
    status->device = info.st_dev;
    status->inode = info.st_ino;
    return 0;
}

int PosixFileSystem::AccessMode(int fd) {
    int const flags = ::fcntl(fd, F_GETFL);
    return flags < 0 ? -1 : (flags & O_ACCMODE);
}

FileSystem& Files() { return *gCurrent.load(std::memory_order_relaxed); }

ScopedFileSystem::ScopedFileSystem(FileSystem& replacement) : fPrevious(gCurrent.exchange(&replacement)) {}

ScopedFileSystem::~ScopedFileSystem() { gCurrent.store(fPrevious); }

ssize_t ReadFullyAt(int fd, void* buffer, std::size_t size, uint64_t offset) {
    auto* bytes = static_cast<unsigned char*>(buffer);
    std::size_t done = 0;
    while (done < size) {
        ssize_t const got = Files().ReadAt(fd, bytes + done, size - done, offset + done);
        if (got < 0) return -1;
        if (got == 0) break;
        done += static_cast<std::size_t>(got);
    }
    return static_cast<ssize_t>(done);
}

ssize_t WriteFullyAt(int fd, void const* buffer, std::size_t size, uint64_t offset) {
    auto const* bytes = static_cast<unsigned char const*>(buffer);
    std::size_t done = 0;
    while (done < size) {
        ssize_t const put = Files().WriteAt(fd, bytes + done, size - done, offset + done);
        if (put < 0) return -1;
        if (put == 0) break;
        done += static_cast<std::size_t>(put);
    }
    return static_cast<ssize_t>(done);
}
