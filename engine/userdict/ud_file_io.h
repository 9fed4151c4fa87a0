#pragma once
// Positioned whole reads and writes on a user dictionary's file descriptor,
// through the file seam (platform/files/file_system.h).  Every failure throws
// a member of the FileException family carrying the layer's fixed name
// kUDFileName ("hi mom"), never the path:
//   - a full disk: FileNoSpaceError;
//   - a read that meets the end of the file: FileReadError (code 0);
//   - a write that makes no progress: FileWriteError (code 0);
//   - an offset the system cannot address: FileSeekError (code EOVERFLOW);
//   - a failed sync: FileFlushError (code errno);
//   - any other system error: whatever FileException::ThrowLastError picks.
#include <cstddef>
#include <cstdint>

void UDReadAt(int fd, uint64_t offset, void* buffer, std::size_t size);
void UDWriteAt(int fd, uint64_t offset, void const* buffer, std::size_t size);

// One big-endian word.
uint32_t UDReadUlongAt(int fd, uint64_t offset);
void UDWriteUlongAt(int fd, uint64_t offset, uint32_t value);

uint64_t UDFileSize(int fd);

// Puts every write made so far on stable storage.
void UDSync(int fd);
