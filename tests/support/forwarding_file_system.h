#pragma once
// A base for test file systems: every call goes on to the POSIX one, so a
// test's file system overrides only the calls it watches or refuses.
#include "platform/files/file_system.h"

class ForwardingFileSystem : public FileSystem {
public:
    int Open(char const* path, int flags, mode_t mode) override { return fPosix.Open(path, flags, mode); }
    int Close(int fd) override { return fPosix.Close(fd); }
    int Duplicate(int fd) override { return fPosix.Duplicate(fd); }
    ssize_t Read(int fd, void* buffer, std::size_t size) override { return fPosix.Read(fd, buffer, size); }
    ssize_t ReadAt(int fd, void* buffer, std::size_t size, uint64_t offset) override {
        return fPosix.ReadAt(fd, buffer, size, offset);
    }
    ssize_t WriteAt(int fd, void const* buffer, std::size_t size, uint64_t offset) override {
        return fPosix.WriteAt(fd, buffer, size, offset);
    }
    int Sync(int fd) override { return fPosix.Sync(fd); }
    int Truncate(int fd, uint64_t length) override { return fPosix.Truncate(fd, length); }
    int Lock(int fd, FileLockMode mode) override { return fPosix.Lock(fd, mode); }
    int Rename(char const* from, char const* to) override { return fPosix.Rename(from, to); }
    int Remove(char const* path) override { return fPosix.Remove(path); }
    int Status(int fd, FileStatus* status) override { return fPosix.Status(fd, status); }
    int AccessMode(int fd) override { return fPosix.AccessMode(fd); }

protected:
    PosixFileSystem fPosix;
};
