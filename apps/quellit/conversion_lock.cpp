#include "apps/quellit/conversion_lock.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <cerrno>
#include <cstring>

#include "platform/files/file_system.h"

namespace quellit {

namespace {

constexpr int kOpenFlags = O_RDONLY | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK;

// The lock file, made when missing.  Every user opens it read-only (a lock
// needs no more), so one user's file serves the next; the sticky /tmp
// refuses to let anyone open another user's file for creation.
int OpenLockFile(std::string const& path) {
    for (int tries = 0; tries < 3; ++tries) {
        int const fd = Files().Open(path.c_str(), kOpenFlags, 0);
        if (fd >= 0 || errno != ENOENT) return fd;
        int const made = Files().Open(path.c_str(), kOpenFlags | O_CREAT | O_EXCL, 0644);
        if (made >= 0) {
            ::fchmod(made, 0644);  // whatever the umask, others must be able to open it
            return made;
        }
        if (errno != EEXIST) return -1;
    }
    return -1;
}

}  // namespace

ConversionLock::ConversionLock(std::string const& textPath) : fPath(textPath + ".lock") {}

ConversionLock::Outcome ConversionLock::Acquire(std::string* reason) {
    if (Held()) return Outcome::kHeld;
    int const fd = OpenLockFile(fPath);
    if (fd < 0) {
        *reason = fPath + ": " + std::strerror(errno);
        return Outcome::kFailed;
    }
    FileStatus info;
    if (Files().Status(fd, &info) != 0 || !info.regular) {
        Files().Close(fd);
        *reason = fPath + " is not a plain file";
        return Outcome::kFailed;
    }
    if (Files().Lock(fd, FileLockMode::kExclusive) != 0) {
        int const error = errno;
        Files().Close(fd);
        if (error == EWOULDBLOCK) return Outcome::kBusy;
        *reason = fPath + ": " + std::strerror(error);
        return Outcome::kFailed;
    }
    fFd = fd;
    return Outcome::kHeld;
}

void ConversionLock::Release() {
    if (fFd < 0) return;
    Files().Close(fFd);  // closing the only descriptor lets the lock go
    fFd = -1;
}

}  // namespace quellit
