#include "platform/bundle.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <optional>
#include <utility>
#include <vector>

#include "platform/property_list.h"

namespace platform {

namespace {

std::string WithoutTrailingSlashes(std::string path) {
    while (path.size() > 1 && path.back() == '/') path.pop_back();
    return path;
}

std::string ParentFolder(std::string const& path) {
    std::string::size_type const slash = path.find_last_of('/');
    if (slash == std::string::npos) return ".";
    if (slash == 0) return "/";
    return path.substr(0, slash);
}

std::string ExecutablePath() {
    std::vector<char> buffer(4096);
    for (;;) {
        ssize_t const length = readlink("/proc/self/exe", buffer.data(), buffer.size());
        if (length < 0) return std::string();
        if (static_cast<std::size_t>(length) < buffer.size()) return std::string(buffer.data(), length);
        buffer.resize(buffer.size() * 2);
    }
}

bool Exists(std::string const& path) {
    struct stat info {};
    return stat(path.c_str(), &info) == 0;
}

// The user's language as a table folder name: "ja_JP.UTF-8" gives "ja";
// the portable "C" and "POSIX" locales name no language.
std::string UserLanguage() {
    for (char const* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        char const* value = std::getenv(variable);
        if (value == nullptr || *value == '\0') continue;
        std::string locale(value);
        locale = locale.substr(0, locale.find_first_of("_.@"));
        if (locale == "C" || locale == "POSIX") return std::string();
        return locale;
    }
    return std::string();
}

std::optional<std::string> LookUp(std::string const& tablePath, std::string const& key) {
    std::optional<PropertyValue> const table = ReadPropertyListFile(tablePath);
    if (!table) return std::nullopt;
    PropertyValue const* value = table->Member(key);
    if (value == nullptr || value->AsString() == nullptr) return std::nullopt;
    return value->text;
}

}  // namespace

Bundle::Bundle(std::string bundlePath) : fBundlePath(WithoutTrailingSlashes(std::move(bundlePath))) {}

Bundle const& Bundle::Main() {
    static Bundle const main(ParentFolder(ExecutablePath()));
    return main;
}

std::string Bundle::BundleFileName() const {
    std::string::size_type const slash = fBundlePath.find_last_of('/');
    return slash == std::string::npos ? fBundlePath : fBundlePath.substr(slash + 1);
}

std::string Bundle::ResourcesPath() const { return fBundlePath + "/Resources"; }

std::string Bundle::PathForResource(std::string const& name, std::string const& type) const {
    std::string path = ResourcesPath() + "/" + name;
    if (!type.empty()) path += "." + type;
    return Exists(path) ? path : std::string();
}

std::string Bundle::LocalizedString(std::string const& key, std::string const& value, std::string const& table) const {
    std::string const tableFile = (table.empty() ? std::string("Localizable") : table) + ".strings";
    std::string const language = UserLanguage();
    std::vector<std::string> languages;
    if (!language.empty() && language != "en") languages.push_back(language);
    languages.push_back("en");
    for (std::string const& each : languages) {
        std::optional<std::string> found = LookUp(ResourcesPath() + "/" + each + ".lproj/" + tableFile, key);
        if (found) return *found;
    }
    return value.empty() ? key : value;
}

}  // namespace platform
