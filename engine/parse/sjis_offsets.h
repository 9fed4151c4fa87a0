#pragma once
// The maps between the two measures of a position in a sentence: wide
// characters (the pipeline's token texts, and hosts that count characters)
// and Shift-JIS bytes (the preparsed words and the part-of-speech settings).
#include <cstddef>
#include <cstdint>

// The Shift-JIS byte length of the first n wide characters (0 for null); a
// character without a Shift-JIS form counts as the one byte of "?".
uint32_t MapWideToSJISCharOffsets(wchar_t const* text, std::size_t n);
// The number of wide characters the first n Shift-JIS bytes decode to (0 for
// null); a byte that starts no valid character counts as one.
uint32_t MapSJISToWideCharOffsets(char const* text, std::size_t n);
