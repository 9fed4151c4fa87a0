#include "support/faulty_file_system.h"

#include <unistd.h>

#include <cerrno>

void FaultyFileSystem::FailAt(Call call, int n, int error) {
    fKinds[Index(call)].failAt = n;
    fKinds[Index(call)].error = error;
}

void FaultyFileSystem::StopAfter(Call call, int n) { fKinds[Index(call)].stopAfter = n; }

void FaultyFileSystem::Reset() {
    for (Kind& kind : fKinds) kind = Kind();
    fWrites.clear();
}

int FaultyFileSystem::LastWriteAt(uint64_t offset, std::size_t size) const {
    for (std::size_t n = fWrites.size(); n > 0; --n) {
        if (fWrites[n - 1].offset == offset && fWrites[n - 1].size == size) return static_cast<int>(n);
    }
    return 0;
}

bool FaultyFileSystem::Admit(Call call) {
    Kind& kind = fKinds[Index(call)];
    if (++kind.count != kind.failAt) return true;
    errno = kind.error;
    return false;
}

void FaultyFileSystem::StopIfDue(Call call) const {
    if (fKinds[Index(call)].count == fKinds[Index(call)].stopAfter) ::_exit(0);
}

ssize_t FaultyFileSystem::WriteAt(int fd, void const* buffer, std::size_t size, uint64_t offset) {
    fWrites.push_back({offset, size});
    if (!Admit(Call::kWrite)) return -1;
    if (fRoomLimited && (offset > fRoom || size > fRoom - offset)) {
        errno = fRoomError;
        return -1;
    }
    ssize_t const put = fPosix.WriteAt(fd, buffer, Limited(size), offset);
    StopIfDue(Call::kWrite);
    return put;
}

int FaultyFileSystem::Sync(int fd) {
    if (!Admit(Call::kSync)) return -1;
    int const result = fPosix.Sync(fd);
    StopIfDue(Call::kSync);
    return result;
}

int FaultyFileSystem::Truncate(int fd, uint64_t length) {
    if (!Admit(Call::kTruncate)) return -1;
    int const result = fPosix.Truncate(fd, length);
    StopIfDue(Call::kTruncate);
    return result;
}

int FaultyFileSystem::Rename(char const* from, char const* to) {
    if (!Admit(Call::kRename)) return -1;
    int const result = fPosix.Rename(from, to);
    StopIfDue(Call::kRename);
    return result;
}
