#pragma once
// A file read front to back through Files(), as a stream buffer: put it under
// a std::istream to read a text file without the stream opening it itself.
#include <array>
#include <streambuf>
#include <string>

class FileInputBuffer final : public std::streambuf {
public:
    // Opens the file for reading; IsOpen() tells whether that worked.
    explicit FileInputBuffer(std::string const& path);
    ~FileInputBuffer() override;
    FileInputBuffer(FileInputBuffer const&) = delete;
    FileInputBuffer& operator=(FileInputBuffer const&) = delete;

    bool IsOpen() const { return fFd >= 0; }
    // Whether a read failed (the stream then saw an early end of file).
    bool ReadFailed() const { return fReadFailed; }

protected:
    int_type underflow() override;

private:
    int fFd;
    bool fReadFailed = false;
    std::array<char, 8192> fBuffer{};
};

// Every byte of the file, read through Files(); false when it cannot be
// opened or read.
bool ReadEntireFile(std::string const& path, std::string* bytes);
