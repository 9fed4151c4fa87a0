#include "engine/userdict/ud_file_io.h"

#include <cerrno>

#include "engine/foundation/byte_order.h"
#include "engine/foundation/file_errors.h"
#include "engine/userdict/ud_format.h"
#include "platform/files/file_system.h"

namespace {

[[noreturn]] void ThrowFailedCall() {
    if (errno == EOVERFLOW) throw FileSeekError(kUDFileName, EOVERFLOW);
    FileException::ThrowLastError(kUDFileName);  // ENOSPC: FileNoSpaceError
}

}  // namespace

void UDReadAt(int fd, uint64_t offset, void* buffer, std::size_t size) {
    ssize_t const got = ReadFullyAt(fd, buffer, size, offset);
    if (got < 0) ThrowFailedCall();
    if (static_cast<std::size_t>(got) < size) throw FileReadError(kUDFileName, 0);
}

void UDWriteAt(int fd, uint64_t offset, void const* buffer, std::size_t size) {
    ssize_t const put = WriteFullyAt(fd, buffer, size, offset);
    if (put < 0) ThrowFailedCall();
    if (static_cast<std::size_t>(put) < size) throw FileWriteError(kUDFileName, 0);
}

uint32_t UDReadUlongAt(int fd, uint64_t offset) {
    unsigned char word[4];
    UDReadAt(fd, offset, word, sizeof word);
    return BufToULONG(word);
}

void UDWriteUlongAt(int fd, uint64_t offset, uint32_t value) {
    unsigned char word[4];
    ULONGToBuf(word, value);
    UDWriteAt(fd, offset, word, sizeof word);
}

uint64_t UDFileSize(int fd) {
    FileStatus status;
    if (Files().Status(fd, &status) != 0) FileException::ThrowLastError(kUDFileName);
    return status.size;
}

void UDSync(int fd) {
    if (Files().Sync(fd) != 0) throw FileFlushError(kUDFileName, errno);
}
