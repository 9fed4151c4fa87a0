#include "engine/foundation/out_string.h"

#include <cstring>

namespace {

// Placeholder text that the generator must never show.
constexpr char kDummyMarker[] = "K-dummy";
constexpr char kDummyReplacement[] = "==";

// Puts buffer in *out and frees the old string only then, so that whatever
// was copied into buffer may have come from it.
char* Replace(char** out, char* buffer) {
    delete[] * out;
    *out = buffer;
    return buffer;
}

}  // namespace

char* MakeOutString(char** out, std::size_t len) {
    char* buffer = new char[len + 1];
    buffer[0] = '\0';
    buffer[len] = '\0';
    return Replace(out, buffer);
}

char* FillOutString(char** out, char const* text) {
    if (std::strstr(text, kDummyMarker) != nullptr) text = kDummyReplacement;
    std::size_t len = std::strlen(text);
    char* buffer = new char[len + 1];
    std::memcpy(buffer, text, len + 1);
    return Replace(out, buffer);
}

char* MemAppend(char* dst, char const* src, std::size_t n) {
    if (n == 0) n = std::strlen(src) + 1;
    std::memcpy(dst, src, n);
    return dst + n;
}
