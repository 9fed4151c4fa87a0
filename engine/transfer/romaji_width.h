#pragma once
// The width in which romaji is shown in Japanese output, as the numeral
// option of a translation asks.
#include <cstdint>
#include <string>

// 1 half width, 2 full width, anything else as it is.
using RomajiConversionMode = uint32_t;

// A copy of the Shift-JIS text with its romaji in the mode's width.
std::string ConvertRomajiWidth(std::string const& text, RomajiConversionMode mode);
