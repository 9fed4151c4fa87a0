#pragma once
// Files the tests make and read: a scratch folder of their own under $TMPDIR
// (else /tmp), removed with all it holds, and whole files read at once.
#include <string>

class ScratchFolder {
public:
    // A new empty folder named "<prefix>.XXXXXX"; throws std::runtime_error
    // when none can be made.
    explicit ScratchFolder(std::string const& prefix = "test");
    ~ScratchFolder();
    ScratchFolder(ScratchFolder const&) = delete;
    ScratchFolder& operator=(ScratchFolder const&) = delete;

    std::string const& Path() const { return fPath; }
    // The path of `name` inside the folder; folder / name says the same.
    std::string File(std::string const& name) const { return fPath + "/" + name; }
    std::string operator/(std::string const& name) const { return File(name); }

private:
    std::string fPath;
};

// The folder scratch files go to: $TMPDIR when set, else /tmp.
std::string ScratchRoot();

// Every byte of the file; throws std::runtime_error when it cannot be read.
std::string ReadWholeFile(std::string const& path);
// Replaces the file's contents; throws std::runtime_error on failure.
void WriteWholeFile(std::string const& path, std::string const& bytes);
