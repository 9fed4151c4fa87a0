// Arbitrary text through the semantic text parser, as dictionary files and
// defaults hand it over: the records it makes must stay within their fields
// and print without reading past them.
#include <cstdint>
#include <sstream>
#include <string>

#include "engine/foundation/semantics.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string text(reinterpret_cast<char const*>(data), size);  // stops at an embedded NUL when read
    Semantics_E_Source semantics(text.c_str());
    Dict_Semantics_E_Source dict = ConvertNounSemanticsFromText(text.c_str());

    for (auto const& record : semantics.records) {
        if (record.AtomCount() > SemanticRecord::kMaxAtoms) __builtin_trap();
        for (unsigned i = 0; i < SemanticRecord::kNameCount; ++i)
            if (record.NameLength(i) >= SemanticRecord::kNameSize) __builtin_trap();
    }
    Semantics_E_Source copy(dict);
    if (!(copy.records[0] == dict.records[0])) __builtin_trap();

    std::ostringstream out;
    out << semantics << dict;
    return 0;
}
