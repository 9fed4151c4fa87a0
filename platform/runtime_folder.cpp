#include "platform/runtime_folder.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

namespace platform {

namespace {

// Where the folder lives; read each time, as tests move it between runs.
std::string RuntimeFolderPath() {
    char const* base = std::getenv("XDG_RUNTIME_DIR");
    if (base != nullptr && base[0] == '/') return std::string(base) + "/tovikan";
    return "/tmp/tovikan-" + std::to_string(geteuid());
}

// Ours alone: a real folder (not a link), owned by us, closed to everyone
// else.  Another user's folder under a guessable /tmp name is never trusted.
bool IsPrivateFolder(std::string const& path) {
    struct stat info {};
    if (lstat(path.c_str(), &info) != 0) return false;
    return S_ISDIR(info.st_mode) && info.st_uid == geteuid() && (info.st_mode & 077) == 0;
}

}  // namespace

std::string RuntimeFolder() {
    std::string const path = RuntimeFolderPath();
    if (mkdir(path.c_str(), 0700) != 0 && errno != EEXIST) return std::string();
    return IsPrivateFolder(path) ? path : std::string();
}

}  // namespace platform
