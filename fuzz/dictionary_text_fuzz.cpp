// Arbitrary bytes through the dictionary text parser.  Text it accepts must
// print, and the printed form must read back to the same print.
#include <cstdint>
#include <string>

#include "engine/compiled/dictionary_text.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string const text(reinterpret_cast<char const*>(data), size);
    std::string printed;
    try {
        printed = DictionaryToText(DictionaryFromText(text));
    } catch (DictionaryTextError const&) {
        return 0;
    }
    if (DictionaryToText(DictionaryFromText(printed)) != printed) __builtin_trap();
    return 0;
}
