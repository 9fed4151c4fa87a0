#include "apps/quellit/old_dictionary_text_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <vector>

namespace quellit {

namespace {

std::string FolderOf(std::string const& path) {
    auto const slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    if (slash == 0) return "/";
    return path.substr(0, slash);
}

std::string Reason(char const* what) { return std::string(what) + ": " + std::strerror(errno); }

bool WriteAll(int fd, std::string const& bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        ssize_t const n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    return true;
}

// The fixed name may be absent or a regular file of this user; anything
// else at that name is someone else's and is left alone.
bool TargetIsOurs(std::string const& path, std::string* error) {
    struct stat info;
    if (::lstat(path.c_str(), &info) != 0) {
        if (errno == ENOENT) return true;
        *error = Reason(path.c_str());
        return false;
    }
    if (!S_ISREG(info.st_mode) || info.st_uid != ::geteuid()) {
        *error = path + " belongs to another user or is not a plain file";
        return false;
    }
    return true;
}

}  // namespace

bool WriteOldDictionaryText(std::string const& path, std::string const& bytes, std::string* error) {
    if (!TargetIsOurs(path, error)) return false;

    std::string pattern = FolderOf(path) + "/.oldUD.XXXXXX";
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    int const fd = ::mkstemp(name.data());  // mode 0600, never an existing file
    if (fd < 0) {
        *error = Reason("cannot create a temporary file");
        return false;
    }
    bool ok = WriteAll(fd, bytes);
    if (!ok) *error = Reason("cannot write the entry lines");
    if (::close(fd) != 0 && ok) {
        ok = false;
        *error = Reason("cannot write the entry lines");
    }
    if (ok && ::rename(name.data(), path.c_str()) != 0) {
        ok = false;
        *error = Reason(path.c_str());
    }
    if (!ok) ::unlink(name.data());
    return ok;
}

}  // namespace quellit
