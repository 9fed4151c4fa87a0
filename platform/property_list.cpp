#include "platform/property_list.h"

#include <plist/plist.h>

#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <limits>
#include <memory>
#include <sstream>

#include "platform/property_list_nul_check.h"

namespace platform {

PropertyValue const* PropertyValue::Member(std::string const& key) const {
    if (kind != Kind::Dictionary) return nullptr;
    auto const found = dictionary.find(key);
    return found != dictionary.end() ? &found->second : nullptr;
}

std::string const* PropertyValue::AsString() const { return kind == Kind::String ? &text : nullptr; }

std::vector<PropertyValue> const* PropertyValue::AsArray() const { return kind == Kind::Array ? &array : nullptr; }

std::map<std::string, PropertyValue> const* PropertyValue::AsDictionary() const {
    return kind == Kind::Dictionary ? &dictionary : nullptr;
}

namespace {

// Lists nested deeper than this are refused rather than walked recursively.
constexpr int kMaxDepth = 256;

struct PlistDeleter {
    void operator()(void* node) const { plist_free(node); }
};
using PlistHandle = std::unique_ptr<void, PlistDeleter>;

struct MallocDeleter {
    void operator()(char* p) const { std::free(p); }
};
using MallocString = std::unique_ptr<char, MallocDeleter>;

// Takes ownership of a malloc'ed C string the library handed out.
std::string TakeString(char* raw) {
    MallocString owned(raw);
    return owned ? std::string(owned.get()) : std::string();
}

bool Convert(plist_t node, int depth, PropertyValue* out);

bool ConvertArray(plist_t node, int depth, PropertyValue* out) {
    out->kind = PropertyValue::Kind::Array;
    uint32_t const size = plist_array_get_size(node);
    out->array.resize(size);
    for (uint32_t i = 0; i < size; ++i) {
        if (!Convert(plist_array_get_item(node, i), depth + 1, &out->array[i])) return false;
    }
    return true;
}

bool ConvertDictionary(plist_t node, int depth, PropertyValue* out) {
    out->kind = PropertyValue::Kind::Dictionary;
    plist_dict_iter rawIter = nullptr;
    plist_dict_new_iter(node, &rawIter);
    std::unique_ptr<void, decltype(&std::free)> iter(rawIter, &std::free);
    if (!iter) return false;
    for (;;) {
        char* rawKey = nullptr;
        plist_t value = nullptr;
        plist_dict_next_item(node, iter.get(), &rawKey, &value);
        std::string key = TakeString(rawKey);
        if (value == nullptr) return true;
        PropertyValue member;
        if (!Convert(value, depth + 1, &member)) return false;
        out->dictionary[key] = std::move(member);
    }
}

bool Convert(plist_t node, int depth, PropertyValue* out) {
    if (node == nullptr || depth > kMaxDepth) return false;
    using Kind = PropertyValue::Kind;
    switch (plist_get_node_type(node)) {
        case PLIST_STRING: {
            // By pointer and length: the copying getter aborts on a string
            // holding a NUL, which a binary list can carry.
            uint64_t length = 0;
            char const* chars = plist_get_string_ptr(node, &length);
            out->kind = Kind::String;
            out->text = chars != nullptr ? std::string(chars, length) : std::string();
            return true;
        }
        case PLIST_UINT: {
            // The library keeps every integer as 64 unsigned bits; negative
            // values come back in two's complement.
            uint64_t value = 0;
            plist_get_uint_val(node, &value);
            out->kind = Kind::Integer;
            out->integer = static_cast<int64_t>(value);
            return true;
        }
        case PLIST_REAL:
            out->kind = Kind::Real;
            plist_get_real_val(node, &out->real);
            return true;
        case PLIST_BOOLEAN: {
            uint8_t value = 0;
            plist_get_bool_val(node, &value);
            out->kind = Kind::Boolean;
            out->boolean = value != 0;
            return true;
        }
        case PLIST_DATA: {
            uint64_t length = 0;
            char const* bytes = plist_get_data_ptr(node, &length);
            out->kind = Kind::Data;
            out->text = bytes != nullptr ? std::string(bytes, length) : std::string();
            return true;
        }
        case PLIST_DATE: {
            int32_t seconds = 0;
            int32_t microseconds = 0;
            plist_get_date_val(node, &seconds, &microseconds);
            out->kind = Kind::Date;
            out->real = seconds + microseconds / 1e6;
            return true;
        }
        case PLIST_ARRAY:
            return ConvertArray(node, depth, out);
        case PLIST_DICT:
            return ConvertDictionary(node, depth, out);
        default:  // keyed-archive UIDs and the like have no place in our lists
            return false;
    }
}

}  // namespace

std::optional<PropertyValue> ParsePropertyList(std::string const& bytes) {
    if (bytes.empty() || bytes.size() > std::numeric_limits<uint32_t>::max()) return std::nullopt;
    if (BinaryListHasStringWithNul(bytes)) return std::nullopt;
    plist_t raw = nullptr;
    plist_from_memory(bytes.data(), static_cast<uint32_t>(bytes.size()), &raw);
    PlistHandle root(raw);
    if (!root) return std::nullopt;
    PropertyValue value;
    if (!Convert(root.get(), 0, &value)) return std::nullopt;
    return value;
}

std::optional<PropertyValue> ReadPropertyListFile(std::string const& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    std::ostringstream contents;
    contents << in.rdbuf();
    if (in.bad()) return std::nullopt;
    return ParsePropertyList(contents.str());
}

}  // namespace platform
