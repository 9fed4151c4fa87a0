#include "platform/files/replace_file.h"

#include <fcntl.h>
#include <stdlib.h>

#include <cerrno>
#include <cstring>
#include <vector>

#include "platform/files/file_system.h"

namespace {

std::string FolderOf(std::string const& path) {
    auto const slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    if (slash == 0) return "/";
    return path.substr(0, slash);
}

std::string Reason(std::string const& what) { return what + ": " + std::strerror(errno); }

}  // namespace

bool ReplaceFile(std::string const& path, std::string const& bytes, std::string* error) {
    std::string const pattern = FolderOf(path) + "/.replace.XXXXXX";
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    int const fd = ::mkostemp(name.data(), O_CLOEXEC);  // mode 0600, never an existing file
    if (fd < 0) {
        *error = Reason("cannot create a temporary file beside " + path);
        return false;
    }
    bool ok =
        WriteFullyAt(fd, bytes.data(), bytes.size(), 0) == static_cast<ssize_t>(bytes.size()) && Files().Sync(fd) == 0;
    if (!ok) *error = Reason("cannot write " + path);
    if (Files().Close(fd) != 0 && ok) {
        ok = false;
        *error = Reason("cannot write " + path);
    }
    if (ok && Files().Rename(name.data(), path.c_str()) != 0) {
        ok = false;
        *error = Reason(path);
    }
    if (!ok) Files().Remove(name.data());
    return ok;
}
