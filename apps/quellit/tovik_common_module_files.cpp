// The maker's folders below the home folder, folder housekeeping, and
// reading a text file in the encoding the file-type tool reports.
#include <dirent.h>
#include <sys/stat.h>

#include <memory>

#include "apps/quellit/qwc_file_type.h"
#include "apps/quellit/tovik_common_module.h"
#include "platform/files/file_input_buffer.h"
#include "platform/files/file_system.h"
#include "platform/preferences.h"

namespace quellit {

namespace {

constexpr mode_t kDefaultFolderMode = 0777;  // narrowed by the umask

bool IsFolder(std::string const& path) {
    struct stat info {};
    return stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

// The folder, made (one level) when missing.
bool EnsureFolder(std::string const& path, mode_t mode) { return IsFolder(path) || mkdir(path.c_str(), mode) == 0; }

// home + relative when that folder exists or could be made, else home.
std::string FolderBelowHome(std::string const& relative) {
    std::string const home = TovikCommonModule::HomeFolder();
    std::string const path = home + relative;
    return EnsureFolder(path, kDefaultFolderMode) ? path : home;
}

std::optional<std::string> ReadWholeFile(std::string const& path) {
    std::string contents;
    if (!ReadEntireFile(path, &contents)) return std::nullopt;
    return contents;
}

struct FolderCloser {
    void operator()(DIR* folder) const { closedir(folder); }
};

}  // namespace

std::string TovikCommonModule::HomeFolder() { return platform::UserHomeFolder(); }

std::string TovikCommonModule::DocumentQuorindal() {
    std::string const home = HomeFolder();
    std::string const maker = home + "/Documents/Quorindal";
    std::string const dictionaries = maker + "/Dictionaries";
    if (!EnsureFolder(maker, kDefaultFolderMode) || !EnsureFolder(dictionaries, kDefaultFolderMode)) return home;
    return dictionaries;
}

std::string TovikCommonModule::PreferencesQuorindalCache() {
    return FolderBelowHome("/Library/Preferences/Quorindal/Cache");
}

std::string TovikCommonModule::PreferencesQuorindalCash() {
    return FolderBelowHome("/Library/Preferences/Quorindal/Cash");
}

std::string TovikCommonModule::PreferencesQuorindal() { return FolderBelowHome("/Library/Preferences/Quorindal"); }

std::string TovikCommonModule::PreferencesFolder() {
    std::string const home = HomeFolder();
    std::string const path = home + "/Library/Preferences";
    return IsFolder(path) ? path : home;
}

bool TovikCommonModule::RemoveFileInDirectory(std::string const& folder) {
    std::unique_ptr<DIR, FolderCloser> listing(opendir(folder.c_str()));
    if (!listing) return false;
    bool allRemoved = true;
    while (dirent const* entry = readdir(listing.get())) {
        std::string const name = entry->d_name;
        if (name == "." || name == "..") continue;
        std::string const path = folder + "/" + name;
        if (IsFolder(path)) continue;
        if (Files().Remove(path.c_str()) != 0) allRemoved = false;
    }
    return allRemoved;
}

bool TovikCommonModule::CreateDirectoriesAtPath(std::string const& path, mode_t mode) {
    if (path.empty()) return false;
    std::string::size_type end = 0;
    while (end != std::string::npos) {
        end = path.find('/', end + 1);
        std::string const prefix = path.substr(0, end);
        if (prefix.empty() || prefix.back() == '/') continue;  // "//" or a trailing slash
        if (!EnsureFolder(prefix, mode)) return false;
    }
    return true;
}

std::optional<std::string> TovikCommonModule::ReadTextOfFile(std::string const& path) {
    std::optional<std::string> const description = DescribeFileType(path);
    if (!description) return std::nullopt;
    std::optional<std::string> const bytes = ReadWholeFile(path);
    if (!bytes) return std::nullopt;
    return DecodeText(*bytes, EncodingOfFileType(*description));
}

}  // namespace quellit
