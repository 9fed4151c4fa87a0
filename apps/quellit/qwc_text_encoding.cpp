#include "apps/quellit/qwc_text_encoding.h"

#include "platform/text_recode.h"

namespace quellit {

namespace {

// Code page 932 as the engine uses it: 0x5C and 0x7E stay ASCII.
char const* IconvName(TextEncoding encoding) {
    switch (encoding) {
        case TextEncoding::ISOLatin1:
            return "ISO-8859-1";
        case TextEncoding::UTF8:
            return "UTF-8";
        case TextEncoding::ShiftJIS:
            return "CP932";
        case TextEncoding::Unicode:
            return "UTF-16";
    }
    return "UTF-8";
}

}  // namespace

std::optional<std::string> DecodeText(std::string const& bytes, TextEncoding encoding) {
    std::string utf8;
    if (!Recode("UTF-8", IconvName(encoding), bytes, &utf8)) return std::nullopt;
    return utf8;
}

std::string EncodeTextLossy(std::string const& utf8, TextEncoding encoding) {
    return RecodeLossy(IconvName(encoding), "UTF-8", utf8, "?");
}

}  // namespace quellit
