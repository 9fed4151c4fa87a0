#include "engine/foundation/file_access.h"

#include <fcntl.h>

#include <cerrno>
#include <climits>
#include <cstring>
#include <memory>

#include "engine/foundation/file_errors.h"
#include "engine/foundation/sjis_chars.h"
#include "platform/files/file_system.h"

namespace {

constexpr mode_t kCreatedFilePermissions = 0744;
constexpr mode_t kPlainFilePermissions = 0666;  // as fopen's, before umask

struct CloseStream {
    void operator()(FILE* file) const { std::fclose(file); }
};

[[noreturn]] void ThrowPathTooLong(char const* path) { throw FileException(path, ENAMETOOLONG); }

// The open(2) flags of an fopen mode ("r", "w+b", "ax" ...), as the C library
// reads it; false for a mode it refuses.
bool FlagsOfMode(char const* mode, int* flags) {
    switch (mode[0]) {
        case 'r':
            *flags = O_RDONLY;
            break;
        case 'w':
            *flags = O_WRONLY | O_CREAT | O_TRUNC;
            break;
        case 'a':
            *flags = O_WRONLY | O_CREAT | O_APPEND;
            break;
        default:
            return false;
    }
    for (char const* c = mode + 1; *c != '\0' && *c != ','; ++c) {
        if (*c == '+') *flags = (*flags & ~O_ACCMODE) | O_RDWR;
        if (*c == 'x') *flags |= O_EXCL;
        if (*c == 'e') *flags |= O_CLOEXEC;
    }
    return true;
}

// fopen, with the file opened through Files().
FILE* OpenStream(char const* path, char const* mode) {
    int flags = 0;
    if (!FlagsOfMode(mode, &flags)) {
        errno = EINVAL;
        return nullptr;
    }
    int const fd = Files().Open(path, flags, kPlainFilePermissions);
    if (fd < 0) return nullptr;
    FILE* file = fdopen(fd, mode);
    if (file == nullptr) {
        int const error = errno;
        Files().Close(fd);
        errno = error;
    }
    return file;
}

// Measures an open stream and puts its position back.
long MeasureStream(FILE* file, char const* name) {
    long const position = std::ftell(file);
    if (position < 0) FileException::ThrowLastError(name);
    if (std::fseek(file, 0, SEEK_END) != 0) FileException::ThrowLastError(name);
    long const size = std::ftell(file);
    if (size < 0) FileException::ThrowLastError(name);
    if (std::fseek(file, position, SEEK_SET) != 0) FileException::ThrowLastError(name);
    return size;
}

// One try of CreateUniqueFile; true when the file was made.
bool TryCreateNamed(FFSSpec* out, FILE** file, FFSSpec const& dir, std::string const& name, char const* mode) {
    *out = ConcatDirAndFileName(dir, name.c_str());
    *file = FCreate(*out, mode);
    return *file != nullptr;
}

// Cuts stem so that stem + digits fit in room bytes; a cut that splits a
// double-byte character drops its lead byte as well.
void CutStemToFit(std::string* stem, std::size_t digits, std::size_t room) {
    if (stem->size() + digits <= room) return;
    stem->resize(room > digits ? room - digits : 0);
    if (!IsValidDBCSStr(stem->c_str())) stem->pop_back();
}

}  // namespace

FFSSpec::FFSSpec(char const* path) {
    fPath[0] = '\0';
    if (path == nullptr) return;
    std::size_t const length = std::strlen(path);
    if (length >= kPathSize) ThrowPathTooLong(path);
    std::memcpy(fPath, path, length + 1);
}

bool FFSSpec::operator==(FFSSpec const& other) const { return std::strcmp(fPath, other.fPath) == 0; }

int OpenReadOnly(FFSSpec const& spec) {
    int const fd = Files().Open(spec.Path(), O_RDONLY, 0);
    if (fd < 0) throw FileException(spec.Path(), 0);
    return fd;
}

int OpenReadWrite(FFSSpec const& spec) {
    int const fd = Files().Open(spec.Path(), O_RDWR, 0);
    if (fd < 0) throw FileException(spec.Path(), errno);
    return fd;
}

int HandleOpenExisting(FFSSpec const& spec, int flags) { return Files().Open(spec.Path(), flags, 0); }

FILE* FCreate(FFSSpec const& spec, char const* mode) {
    int const fd = Files().Open(spec.Path(), O_RDWR | O_CREAT | O_EXCL, kCreatedFilePermissions);
    if (fd < 0) {
        if (errno == EEXIST) return nullptr;
        FileException::ThrowLastError(spec.Path());
    }
    FILE* file = fdopen(fd, mode);
    if (file == nullptr) {
        // Keep the cause: close and unlink may change errno.
        int const error = errno;
        Files().Close(fd);
        Files().Remove(spec.Path());
        errno = error;
        FileException::ThrowLastError(spec.Path());
    }
    return file;
}

FILE* FOpenAndCreateIfNotThere(FFSSpec const& spec, char const* mode) {
    if (FILE* file = OpenStream(spec.Path(), mode)) return file;
    // Exclusive, so a file that appeared meanwhile is never truncated.
    int const fd = Files().Open(spec.Path(), O_WRONLY | O_CREAT | O_EXCL, kPlainFilePermissions);
    if (fd >= 0)
        Files().Close(fd);
    else if (errno != EEXIST)
        return nullptr;
    return OpenStream(spec.Path(), mode);
}

FILE* FOpenExisting(FFSSpec const& spec, char const* mode, bool, bool, bool) { return OpenStream(spec.Path(), mode); }

FILE* FOpenExistingEvenIfInUse(FFSSpec const& spec, char const* mode, bool, bool) {
    return OpenStream(spec.Path(), mode);
}

// As freopen: the old stream is closed whether or not the new one opens.
FILE* FReOpenExisting(FILE* file, FFSSpec const& spec, char const* mode) {
    std::fclose(file);
    return OpenStream(spec.Path(), mode);
}

int FDelete(FFSSpec const& spec) { return Files().Remove(spec.Path()); }

long FileSize(FILE* file, char const* name) { return MeasureStream(file, name); }

long FileSize(std::string const& path) {
    std::unique_ptr<FILE, CloseStream> file(OpenStream(path.c_str(), "rb"));
    if (!file) FileException::ThrowLastError(path.c_str());
    return MeasureStream(file.get(), path.c_str());
}

int ReallyFlushFile(FILE* file) { return std::fflush(file); }

std::string NameFromFSSpec(FFSSpec const& spec) { return spec.Path(); }

std::string FSSpecToFullPath(FFSSpec const& spec, unsigned long) { return spec.Path(); }

void FullPathToFSSpec(std::string const& path, FFSSpec* spec) { *spec = FFSSpec(path.c_str()); }

FFSSpec ConcatDirAndFileName(FFSSpec const& dir, char const* name) {
    std::size_t const dirLength = std::strlen(dir.Path());
    bool const needsSeparator = dirLength != 0 && dir.Path()[dirLength - 1] != '/';
    if (dirLength + (needsSeparator ? 1 : 0) + std::strlen(name) >= FFSSpec::kPathSize) {
        std::string joined = dir.Path();
        if (needsSeparator) joined += '/';
        ThrowPathTooLong((joined + name).c_str());
    }
    char path[FFSSpec::kPathSize] = "";
    AppendString(path, dir.Path(), sizeof path);
    if (needsSeparator) AppendString(path, "/", sizeof path);
    AppendString(path, name, sizeof path);
    return FFSSpec(path);
}

void CreateUniqueFile(FFSSpec* out, FILE** file, FFSSpec const& dir, char const* base, char const* ext,
                      unsigned long maxLen, char const* mode) {
    std::string const extension = ext;
    std::string stem = base;
    std::size_t const room = maxLen > extension.size() ? maxLen - extension.size() : 0;

    if (TryCreateNamed(out, file, dir, stem + extension, mode)) return;
    for (int n = 0; n < INT_MAX; ++n) {
        std::string const digits = std::to_string(n);
        CutStemToFit(&stem, digits.size(), room);
        if (TryCreateNamed(out, file, dir, stem + digits + extension, mode)) return;
    }
    throw FileNoSpaceError(out->Path());
}
