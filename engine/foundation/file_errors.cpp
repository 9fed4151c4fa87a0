#include "engine/foundation/file_errors.h"

#include <cerrno>
#include <cstring>

FileException::FileException(char const* message, int code, long /*unused*/) : fCode(code) {
    if (message == nullptr) {
        fMessage[0] = '\0';
        return;
    }
    std::size_t length = std::strlen(message);
    if (length < kMessageSize) {
        std::memcpy(fMessage, message, length + 1);
        return;
    }
    // Keep the start of a long name and show that it was cut.
    constexpr std::size_t kKept = kMessageSize - 4;
    std::memcpy(fMessage, message, kKept);
    std::memcpy(fMessage + kKept, "...", 4);
}

void FileException::ThrowLastError(char const* name) {
    int error = errno;
    switch (error) {
        case EMFILE:
            throw TooManyFilesOpened(name);
        case ENOSPC:
            throw FileNoSpaceError(name);
        case EACCES:
            throw FileAccessDenied(name);
        default:
            throw FileException(name, error);
    }
}

void FileException::ThrowErrno(char const* name, int /*unused*/) { ThrowLastError(name); }
