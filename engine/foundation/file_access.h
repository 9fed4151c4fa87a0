#pragma once
// The engine's file access: paths as FFSSpec values and thin open, create,
// size and delete functions over POSIX descriptors and standard streams.
// Failures throw members of the FileException family, except where a
// function is said to return null or -1.
#include <cstddef>
#include <cstdio>
#include <string>

// A file path in a fixed buffer of 1024 bytes, NUL included.
class FFSSpec {
public:
    static constexpr std::size_t kPathSize = 1024;

    FFSSpec() { fPath[0] = '\0'; }
    // Null gives the empty path.  A path that does not fit throws a
    // FileException (ENAMETOOLONG) rather than keep a cut path that would
    // name another file.
    explicit FFSSpec(char const* path);

    char const* Path() const { return fPath; }
    bool operator==(FFSSpec const& other) const;

private:
    char fPath[kPathSize];
};

// Descriptor opened read-only; failure throws FileException(path) with code 0.
int OpenReadOnly(FFSSpec const& spec);
// Descriptor opened read-write; failure throws FileException(path, errno).
int OpenReadWrite(FFSSpec const& spec);
// Descriptor opened with flags; -1 on failure, nothing thrown.
int HandleOpenExisting(FFSSpec const& spec, int flags);

// Creates a new file (never an existing one; permissions 0744) and returns a
// stream of the given mode on it.  Null when the file already exists, which is
// then left untouched; any other failure throws through ThrowLastError and
// leaves no file behind.
FILE* FCreate(FFSSpec const& spec, char const* mode);
// Opens with mode; a missing file is created empty first.  An existing file is
// never truncated by the creation step.  Null when the file can be neither
// opened nor created.
FILE* FOpenAndCreateIfNotThere(FFSSpec const& spec, char const* mode);
// The stream of the file opened with mode, null on failure; the flags are
// kept for callers' sake and not used.
FILE* FOpenExisting(FFSSpec const& spec, char const* mode, bool, bool, bool);
FILE* FOpenExistingEvenIfInUse(FFSSpec const& spec, char const* mode, bool, bool);
// Reopens the stream on the path; null on failure (the stream is then closed).
FILE* FReOpenExisting(FILE* file, FFSSpec const& spec, char const* mode);

// unlink's result.
int FDelete(FFSSpec const& spec);
// Size in bytes; the stream's position is kept.  Failures throw through
// ThrowLastError with name.
long FileSize(FILE* file, char const* name);
// Size of the file at path; failures throw through ThrowLastError.
long FileSize(std::string const& path);
// fflush's result.
int ReallyFlushFile(FILE* file);

std::string NameFromFSSpec(FFSSpec const& spec);
// The path itself; the second argument is kept for callers' sake.
std::string FSSpecToFullPath(FFSSpec const& spec, unsigned long);
// Throws like the FFSSpec constructor when the path does not fit.
void FullPathToFSSpec(std::string const& path, FFSSpec* spec);
// dir + "/" + name, without the "/" when dir is empty or already ends with
// one.  A result that does not fit throws a FileException (ENAMETOOLONG).
FFSSpec ConcatDirAndFileName(FFSSpec const& dir, char const* name);

// Creates a file in dir whose name is not yet used and opens it with mode
// (see FCreate): first base + ext, then base + n + ext for n = 0, 1, 2, ...
// with base cut, cut after cut, so that base + n stays within maxLen minus
// the length of ext, never splitting a Shift-JIS character.  *out and *file
// receive the path and the stream.  Errors other than an existing file pass
// on from FCreate; running out of numbers throws FileNoSpaceError.
void CreateUniqueFile(FFSSpec* out, FILE** file, FFSSpec const& dir, char const* base, char const* ext,
                      unsigned long maxLen, char const* mode);
