#pragma once
// Wildcard patterns over Shift-JIS text, one whole character at a time: a
// two-byte character is never matched or cut by half.
//
//   ?   exactly one character        *   any run of characters, also none
//   \   the next character literally  any other character matches itself
#include <string>
#include <vector>

// The text one wildcard of a successful match covered (end exclusive).
struct AsteriskMatchRegion {
    char const* wildcard;
    char const* start;
    char const* end;
};

// True when the characters at a and b are the same (two ends are the same).
bool DBCharsEqual(char const* a, char const* b);
// True when the whole text matches the whole pattern.
bool FancyWildcardMatch(char const* pattern, char const* text);
// The same test; on success regions holds, per wildcard in pattern order,
// the text it covered on the successful path.
bool WildcardMatchForReplacement(std::vector<AsteriskMatchRegion>* regions, char const* pattern, char const* text);
// The replacement with \1 to \9 standing for the text of the wildcards'
// regions, when the text matches the pattern; else the text unchanged.
std::string DoWildcardReplacement(char const* pattern, char const* replacement, char const* text);
