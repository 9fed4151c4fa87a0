#pragma once
// Positioned whole reads and writes on a user dictionary's file descriptor.
// Every failure throws a member of the FileException family carrying the
// layer's fixed name kUDFileName ("hi mom"), never the path:
//   - a full disk: FileNoSpaceError;
//   - a read that meets the end of the file: FileReadError (code 0);
//   - a write that makes no progress: FileWriteError (code 0);
//   - an offset the system cannot address: FileSeekError (code EOVERFLOW);
//   - any other system error: whatever FileException::ThrowLastError picks.
// Interrupted calls are retried.
#include <sys/types.h>

#include <cstddef>
#include <cstdint>

void UDReadAt(int fd, uint64_t offset, void* buffer, std::size_t size);
void UDWriteAt(int fd, uint64_t offset, void const* buffer, std::size_t size);

// One big-endian word.
uint32_t UDReadUlongAt(int fd, uint64_t offset);
void UDWriteUlongAt(int fd, uint64_t offset, uint32_t value);

uint64_t UDFileSize(int fd);

// For tests only: when a hook is set, every write of this layer calls it
// instead of pwrite, with the same arguments, and takes its result (and errno)
// as pwrite's.  A hook can count writes, stop the process after one, or fail
// one with ENOSPC.  Null restores pwrite.  Set it while no other thread writes.
using UDPwriteHook = ssize_t (*)(int fd, void const* buffer, std::size_t size, off_t offset);
void SetUDWriteHookForTesting(UDPwriteHook hook);
