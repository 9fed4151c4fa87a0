#include "apps/quellit/old_dictionary_text_file.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "platform/files/file_system.h"
#include "platform/files/replace_file.h"

namespace quellit {

namespace {

std::string Reason(char const* what) { return std::string(what) + ": " + std::strerror(errno); }

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
    return TargetIsOurs(path, error) && ReplaceFile(path, bytes, error);
}

void RemoveOldDictionaryText(std::string const& path) {
    struct stat info;
    if (::lstat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode) && info.st_uid == ::geteuid()) {
        Files().Remove(path.c_str());
    }
}

}  // namespace quellit
