#pragma once
// A file system for tests: every call goes on to the POSIX one; writes,
// syncs, truncates and renames are counted so that the n-th of a kind can fail with a
// chosen errno, or the process can end right after it as a killed one would;
// reads and writes can be cut short.
// It is Files() for as long as it lives.
#include <cerrno>
#include <vector>

#include "support/forwarding_file_system.h"

class FaultyFileSystem final : public ForwardingFileSystem {
public:
    enum class Call { kWrite, kSync, kTruncate, kRename };

    FaultyFileSystem() = default;

    // The n-th call of that kind (counting from 1) fails with `error`; 0: none.
    void FailAt(Call call, int n, int error = ENOSPC);
    // The process exits (status 0, nothing flushed) right after the n-th
    // call of that kind has been made; 0: never.
    void StopAfter(Call call, int n);
    // Writes that would reach past `size` bytes fail with `error`, as on a
    // disk with room up to that size.
    void LimitRoom(uint64_t size, int error) {
        fRoom = size;
        fRoomError = error;
        fRoomLimited = true;
    }
    // Each positioned read or write moves at most `most` bytes (0: no limit),
    // as the system may.
    void LimitTransfers(std::size_t most) { fMostPerTransfer = most; }
    int Count(Call call) const { return fKinds[Index(call)].count; }
    // The number of the last write of exactly `size` bytes at `offset`; 0: none.
    int LastWriteAt(uint64_t offset, std::size_t size) const;
    // Counts to zero, no failure, no stop.
    void Reset();

    ssize_t ReadAt(int fd, void* buffer, std::size_t size, uint64_t offset) override {
        return fPosix.ReadAt(fd, buffer, Limited(size), offset);
    }
    ssize_t WriteAt(int fd, void const* buffer, std::size_t size, uint64_t offset) override;
    int Sync(int fd) override;
    int Truncate(int fd, uint64_t length) override;
    int Rename(char const* from, char const* to) override;

private:
    struct Kind {
        int count = 0;
        int failAt = 0;
        int error = 0;
        int stopAfter = 0;
    };
    static int Index(Call call) { return static_cast<int>(call); }
    // Counts a call; false (errno set) when it is the one to fail.
    bool Admit(Call call);
    std::size_t Limited(std::size_t size) const {
        return fMostPerTransfer != 0 && size > fMostPerTransfer ? fMostPerTransfer : size;
    }
    void StopIfDue(Call call) const;

    struct Range {
        uint64_t offset;
        std::size_t size;
    };

    std::vector<Range> fWrites;
    std::size_t fMostPerTransfer = 0;
    bool fRoomLimited = false;
    uint64_t fRoom = 0;
    int fRoomError = 0;
    Kind fKinds[4];
    ScopedFileSystem fInstalled{*this};
};
