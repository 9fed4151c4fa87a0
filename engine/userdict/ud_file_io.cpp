#include "engine/userdict/ud_file_io.h"

#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <limits>

#include "engine/foundation/byte_order.h"
#include "engine/foundation/file_errors.h"
#include "engine/userdict/ud_format.h"

namespace {

std::atomic<UDPwriteHook> gWriteHook{nullptr};

ssize_t WriteSome(int fd, void const* buffer, std::size_t size, off_t offset) {
    UDPwriteHook hook = gWriteHook.load();
    return hook != nullptr ? hook(fd, buffer, size, offset) : ::pwrite(fd, buffer, size, offset);
}

// The position of the byte `done` bytes past `offset`, as the system takes it.
off_t SystemOffset(uint64_t offset, std::size_t done) {
    constexpr auto kMax = static_cast<uint64_t>(std::numeric_limits<off_t>::max());
    if (offset > kMax || done > kMax - offset) throw FileSeekError(kUDFileName, EOVERFLOW);
    return static_cast<off_t>(offset + done);
}

}  // namespace

void UDReadAt(int fd, uint64_t offset, void* buffer, std::size_t size) {
    auto* bytes = static_cast<unsigned char*>(buffer);
    std::size_t done = 0;
    while (done < size) {
        errno = 0;
        ssize_t got = ::pread(fd, bytes + done, size - done, SystemOffset(offset, done));
        if (got < 0) {
            if (errno == EINTR) continue;
            FileException::ThrowLastError(kUDFileName);
        }
        if (got == 0) throw FileReadError(kUDFileName, 0);
        done += static_cast<std::size_t>(got);
    }
}

void UDWriteAt(int fd, uint64_t offset, void const* buffer, std::size_t size) {
    auto const* bytes = static_cast<unsigned char const*>(buffer);
    std::size_t done = 0;
    while (done < size) {
        errno = 0;
        ssize_t put = WriteSome(fd, bytes + done, size - done, SystemOffset(offset, done));
        if (put < 0) {
            if (errno == EINTR) continue;
            FileException::ThrowLastError(kUDFileName);  // ENOSPC: FileNoSpaceError
        }
        if (put == 0) throw FileWriteError(kUDFileName, 0);
        done += static_cast<std::size_t>(put);
    }
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
    struct stat status {};
    if (::fstat(fd, &status) != 0) FileException::ThrowLastError(kUDFileName);
    return static_cast<uint64_t>(status.st_size);
}

void SetUDWriteHookForTesting(UDPwriteHook hook) { gWriteHook.store(hook); }
