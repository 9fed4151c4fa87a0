#include "platform/preferences.h"

#include <pwd.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <map>
#include <mutex>
#include <vector>

namespace platform {

namespace {

std::string EnvironmentValue(char const* name) {
    char const* value = std::getenv(name);
    return value != nullptr ? std::string(value) : std::string();
}

// Where per-user settings live: $XDG_CONFIG_HOME when it is an absolute
// path (relative ones are to be ignored), else ~/.config.
std::string ConfigHome() {
    std::string const configured = EnvironmentValue("XDG_CONFIG_HOME");
    if (!configured.empty() && configured[0] == '/') return configured;
    return UserHomeFolder() + "/.config";
}

std::string LastPathComponent(std::string const& path) {
    std::string::size_type const slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// The last synchronized contents of each application's file; an absent
// value is a file that could not be loaded.
struct PreferencesCache {
    std::mutex mutex;
    std::map<std::string, std::optional<PropertyValue>> loaded;
};

PreferencesCache& Cache() {
    static PreferencesCache cache;
    return cache;
}

std::optional<PropertyValue> LoadDictionaryFile(std::string const& applicationID) {
    std::optional<PropertyValue> contents = ReadPropertyListFile(PreferencesFilePath(applicationID));
    if (!contents || contents->kind != PropertyValue::Kind::Dictionary) return std::nullopt;
    return contents;
}

// The top-level value under key, loading the file on first use.
std::optional<PropertyValue> CopyValue(std::string const& key, std::string const& applicationID,
                                       PropertyValue::Kind kind) {
    PreferencesCache& cache = Cache();
    std::lock_guard<std::mutex> lock(cache.mutex);
    auto found = cache.loaded.find(applicationID);
    if (found == cache.loaded.end())
        found = cache.loaded.emplace(applicationID, LoadDictionaryFile(applicationID)).first;
    if (!found->second) return std::nullopt;
    PropertyValue const* value = found->second->Member(key);
    if (value == nullptr || value->kind != kind) return std::nullopt;
    return *value;
}

}  // namespace

std::string PreferencesFilePath(std::string const& applicationID) {
    return ConfigHome() + "/Quorindal/Tovikan/" + LastPathComponent(applicationID) + ".plist";
}

bool PreferencesSynchronize(std::string const& applicationID) {
    std::optional<PropertyValue> contents = LoadDictionaryFile(applicationID);
    bool const loaded = contents.has_value();
    PreferencesCache& cache = Cache();
    std::lock_guard<std::mutex> lock(cache.mutex);
    cache.loaded[applicationID] = std::move(contents);
    return loaded;
}

std::optional<std::string> PreferencesCopyString(std::string const& key, std::string const& applicationID) {
    std::optional<PropertyValue> value = CopyValue(key, applicationID, PropertyValue::Kind::String);
    if (!value) return std::nullopt;
    return std::move(value->text);
}

std::optional<PropertyValue> PreferencesCopyDictionary(std::string const& key, std::string const& applicationID) {
    return CopyValue(key, applicationID, PropertyValue::Kind::Dictionary);
}

std::string UserHomeFolder() {
    std::string home = EnvironmentValue("HOME");
    if (!home.empty()) return home;
    long const suggested = sysconf(_SC_GETPW_R_SIZE_MAX);
    std::vector<char> buffer(suggested > 0 ? static_cast<std::size_t>(suggested) : 1024);
    passwd entry{};
    passwd* result = nullptr;
    int error = 0;
    while ((error = getpwuid_r(getuid(), &entry, buffer.data(), buffer.size(), &result)) == ERANGE &&
           buffer.size() < (1u << 20)) {
        buffer.resize(buffer.size() * 2);
    }
    if (error != 0 || result == nullptr || result->pw_dir == nullptr) return std::string();
    return result->pw_dir;
}

}  // namespace platform
