#include "engine/parse/sjis_offsets.h"

#include <string>

#include "engine/foundation/sjis_wide_text.h"

uint32_t MapWideToSJISCharOffsets(wchar_t const* text, std::size_t n) {
    if (text == nullptr) return 0;
    return static_cast<uint32_t>(EncodeSJISLenient(text, n).size());
}

uint32_t MapSJISToWideCharOffsets(char const* text, std::size_t n) {
    if (text == nullptr) return 0;
    return static_cast<uint32_t>(DecodeSJISLenient(text, n).size());
}
