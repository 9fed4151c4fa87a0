#include "platform/files/file_input_buffer.h"

#include <fcntl.h>

#include "platform/files/file_system.h"

FileInputBuffer::FileInputBuffer(std::string const& path) : fFd(Files().Open(path.c_str(), O_RDONLY | O_CLOEXEC, 0)) {
    setg(fBuffer.data(), fBuffer.data(), fBuffer.data());
}

FileInputBuffer::~FileInputBuffer() {
    if (fFd >= 0) Files().Close(fFd);
}

FileInputBuffer::int_type FileInputBuffer::underflow() {
    if (gptr() < egptr()) return traits_type::to_int_type(*gptr());
    if (fFd < 0 || fReadFailed) return traits_type::eof();
    ssize_t const got = Files().Read(fFd, fBuffer.data(), fBuffer.size());
    if (got < 0) fReadFailed = true;
    if (got <= 0) return traits_type::eof();
    setg(fBuffer.data(), fBuffer.data(), fBuffer.data() + got);
    return traits_type::to_int_type(*gptr());
}

bool ReadEntireFile(std::string const& path, std::string* bytes) {
    FileInputBuffer buffer(path);
    if (!buffer.IsOpen()) return false;
    bytes->clear();
    std::array<char, 8192> chunk;
    for (std::streamsize got; (got = buffer.sgetn(chunk.data(), chunk.size())) > 0;)
        bytes->append(chunk.data(), static_cast<std::size_t>(got));
    return !buffer.ReadFailed();
}
