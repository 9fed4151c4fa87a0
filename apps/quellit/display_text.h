#pragma once
// Text for the window: Shift-JIS bytes decoded for display, and the count
// line made from a localized format that may not be trusted blindly.
#include <cstdint>
#include <string>

namespace quellit {

// Shift-JIS to UTF-8; bytes that do not decode show as U+FFFD.
std::string DecodeForDisplay(std::string const& shiftJIS);

// True when format holds exactly one integer conversion ("%d" or "%i") and
// no other conversion but "%%", so it is safe to fill with one int.
bool IsSingleIntegerFormat(std::string const& format);

// format filled with count when it is a single-integer format, else the
// built-in English format filled with it.
std::string FormatCountLine(std::string const& format, int32_t count);

}  // namespace quellit
