#include "apps/quellit/display_text.h"

#include <cstdio>

#include "platform/text_recode.h"

namespace quellit {

namespace {

constexpr char kReplacementCharacter[] = "\xEF\xBF\xBD";
constexpr char kBuiltInCountFormat[] = "Entry item %d.";

}  // namespace

std::string DecodeForDisplay(std::string const& shiftJIS) {
    return RecodeLossy("UTF-8", "CP932", shiftJIS, kReplacementCharacter);
}

bool IsSingleIntegerFormat(std::string const& format) {
    int conversions = 0;
    for (std::size_t i = 0; i < format.size(); ++i) {
        if (format[i] != '%') continue;
        if (i + 1 >= format.size()) return false;
        char const next = format[i + 1];
        if (next == '%') {
            ++i;
            continue;
        }
        if (next != 'd' && next != 'i') return false;
        ++conversions;
        ++i;
    }
    return conversions == 1;
}

std::string FormatCountLine(std::string const& format, int32_t count) {
    char const* const chosen = IsSingleIntegerFormat(format) ? format.c_str() : kBuiltInCountFormat;
    int const size = std::snprintf(nullptr, 0, chosen, static_cast<int>(count));
    if (size < 0) return {};
    std::string text(static_cast<std::size_t>(size) + 1, '\0');
    std::snprintf(text.data(), text.size(), chosen, static_cast<int>(count));
    text.resize(static_cast<std::size_t>(size));
    return text;
}

}  // namespace quellit
