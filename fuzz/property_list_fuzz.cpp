// Arbitrary bytes as an XML or binary property list: parsing must never
// crash or leak, and whatever it accepts must be a consistent value tree.
#include <cstddef>
#include <cstdint>
#include <string>

#include "platform/property_list.h"

namespace {

void Check(bool condition) {
    if (!condition) __builtin_trap();
}

// Walks the tree; each typed view must agree with the kind.
void Visit(platform::PropertyValue const& value) {
    using Kind = platform::PropertyValue::Kind;
    Check((value.AsString() != nullptr) == (value.kind == Kind::String));
    Check((value.AsArray() != nullptr) == (value.kind == Kind::Array));
    Check((value.AsDictionary() != nullptr) == (value.kind == Kind::Dictionary));
    for (platform::PropertyValue const& item : value.array) Visit(item);
    for (auto const& member : value.dictionary) {
        Check(value.Member(member.first) == &member.second);
        Visit(member.second);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(uint8_t const* data, std::size_t size) {
    std::string const bytes(reinterpret_cast<char const*>(data), size);
    if (std::optional<platform::PropertyValue> const value = platform::ParsePropertyList(bytes)) Visit(*value);
    return 0;
}
