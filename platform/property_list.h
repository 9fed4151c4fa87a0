#pragma once
// Property-list values read with libplist (XML or binary lists alike), held
// as plain C++ values so callers never touch the library's handles.
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace platform {

struct PropertyValue {
    enum class Kind { String, Integer, Real, Boolean, Data, Date, Array, Dictionary };
    Kind kind = Kind::String;
    std::string text;  // String (UTF-8) and Data (raw bytes)
    int64_t integer = 0;
    double real = 0;  // Real, and Date as seconds since 2001-01-01
    bool boolean = false;
    std::vector<PropertyValue> array;
    std::map<std::string, PropertyValue> dictionary;

    // Typed views: null when this value is not of that kind.
    std::string const* AsString() const;
    std::vector<PropertyValue> const* AsArray() const;
    std::map<std::string, PropertyValue> const* AsDictionary() const;
    // A dictionary member; null when this is no dictionary or has no such key.
    PropertyValue const* Member(std::string const& key) const;
};

// Parses a whole XML or binary property list.  Nullopt when malformed.
std::optional<PropertyValue> ParsePropertyList(std::string const& bytes);
// Reads and parses a file.  Nullopt when missing, unreadable or malformed.
std::optional<PropertyValue> ReadPropertyListFile(std::string const& path);

}  // namespace platform
