#pragma once
// Whether Shift-JIS text ends with a given suffix as whole characters: the
// text is walked by characters, so a suffix that would begin on the trail
// byte of a double-byte character (ASCII letters, "{" and "}" are trail
// bytes too) does not count.
#include <cstddef>
#include <string_view>

// Where the suffix begins when s ends with it at a character boundary; the
// end of s for an empty suffix; null when it does not (or s is null).
char* PEndsWith(char* s, char const* suffix);
char const* PEndsWith(char const* s, char const* suffix);

// The same on a text that may hold NUL bytes (each one a character): the
// offset where the suffix begins, or std::string_view::npos.
std::size_t CharSuffixStart(std::string_view text, std::string_view suffix);
