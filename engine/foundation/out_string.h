#pragma once
// Growing output strings of the Japanese generator: a char* owned by its
// holder and allocated with new[].
#include <cstddef>

// Replaces *out (freed when not null) by a new buffer of len + 1 bytes, empty
// and NUL-terminated; returns it.
char* MakeOutString(char** out, std::size_t len);

// Replaces *out by a copy of text; text may point into the old *out.  A text
// that contains "K-dummy" anywhere is stored as "==" instead.  Returns *out.
char* FillOutString(char** out, char const* text);

// n > 0: copies n bytes of src to dst and returns dst + n.  n == 0: copies the
// NUL-terminated src with its NUL and returns the position after that NUL.
char* MemAppend(char* dst, char const* src, std::size_t n);
