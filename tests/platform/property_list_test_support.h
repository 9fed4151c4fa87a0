#pragma once
// Helpers for tests of files and environment: scoped environment variables,
// files written with their folders, and property lists in both file formats.
#include <gtest/gtest.h>
#include <plist/plist.h>

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <stdexcept>
#include <string>
#include <utility>

#include "support/scratch_folder.h"

namespace platform_test {

// Sets (or, with nullopt, unsets) an environment variable for the scope.
class ScopedEnvironment {
public:
    ScopedEnvironment(std::string name, std::optional<std::string> const& value) : name_(std::move(name)) {
        if (char const* old = std::getenv(name_.c_str())) old_ = old;
        Apply(value);
    }
    ~ScopedEnvironment() { Apply(old_); }
    ScopedEnvironment(ScopedEnvironment const&) = delete;
    ScopedEnvironment& operator=(ScopedEnvironment const&) = delete;

private:
    void Apply(std::optional<std::string> const& value) const {
        if (value) {
            setenv(name_.c_str(), value->c_str(), 1);
        } else {
            unsetenv(name_.c_str());
        }
    }

    std::string name_;
    std::optional<std::string> old_;
};

// Writes bytes to path, making the folders above it.
inline void WriteFile(std::string const& path, std::string const& bytes) {
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    WriteWholeFile(path, bytes);
}

// A whole XML property list around the given top-level value.
inline std::string XmlPlist(std::string const& value) {
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
           "<!DOCTYPE plist PUBLIC \"-//Apple//DTD PLIST 1.0//EN\" "
           "\"http://www.apple.com/DTDs/PropertyList-1.0.dtd\">\n"
           "<plist version=\"1.0\">\n" +
           value + "\n</plist>\n";
}

// The binary form of an XML property list, made with the library itself.
inline std::string ToBinaryPlist(std::string const& xml) {
    plist_t root = nullptr;
    plist_from_xml(xml.data(), static_cast<uint32_t>(xml.size()), &root);
    if (root == nullptr) throw std::runtime_error("test list does not parse");
    char* bytes = nullptr;
    uint32_t length = 0;
    plist_to_bin(root, &bytes, &length);
    plist_free(root);
    std::string binary(bytes, length);
    plist_to_bin_free(bytes);
    return binary;
}

}  // namespace platform_test
