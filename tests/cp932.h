#pragma once
// CP932 bytes of UTF-8 test text, made by iconv directly: an encoder that is
// independent of the engine's own conversions.
#include <stdexcept>
#include <string>

#include "platform/text_recode.h"

inline std::string CP932(std::string const& utf8) {
    std::string out;
    if (!Recode("CP932", "UTF-8", utf8, &out)) throw std::runtime_error("not convertible to CP932: " + utf8);
    return out;
}
