#include "apps/quellit/qwc_functions.h"

#include "engine/foundation/sjis_chars.h"

namespace quellit {

SJISByteClass NextSJISByteClass(SJISByteClass previous, unsigned char byte) {
    if (previous == kSJISLead && byte >= 0x40 && byte <= 0xFC) return kSJISTrail;
    return IsSJISLeadByte(byte) ? kSJISLead : kSJISSingle;
}

int qwcSJISCode(char const* bytes, std::size_t n) {
    if (bytes == nullptr) return kSJISEmpty;
    SJISByteClass current = kSJISEmpty;
    SJISByteClass previous = kSJISSingle;
    for (std::size_t i = 0; i <= n && bytes[i] != '\0'; ++i) {
        current = NextSJISByteClass(previous, static_cast<unsigned char>(bytes[i]));
        previous = current;
    }
    return current;
}

int qwcIsJapanese(char const* bytes) {
    if (bytes == nullptr) return 0;
    for (; *bytes != '\0'; ++bytes) {
        if (IsSJISLeadByte(static_cast<unsigned char>(*bytes))) return 1;
    }
    return 0;
}

std::string CreateUTF8CStringFromCFString(std::string const& text) { return text; }

}  // namespace quellit
