#include "engine/transfer/pin_tail.h"

#include <cstdio>
#include <cstring>
#include <vector>

#include "engine/foundation/feature_bits.h"
#include "engine/foundation/sjis_chars.h"

namespace {

// Byte offsets of the character starts of s, then its length.
std::vector<std::size_t> CharStarts(char const* s) {
    std::vector<std::size_t> starts;
    std::size_t at = 0;
    while (s[at] != '\0') {
        starts.push_back(at);
        at += SJISCharSize(s + at);
    }
    starts.push_back(at);
    return starts;
}

}  // namespace

bool KEndsWith(char const* a, char const* b) {
    if (a == nullptr) a = "";
    if (b == nullptr) b = "";
    std::size_t const aLength = std::strlen(a);
    std::size_t const bLength = std::strlen(b);
    if (bLength > aLength) return false;
    std::size_t const from = aLength - bLength;
    if (std::memcmp(a + from, b, bLength) != 0) return false;
    // The match must begin a character of a, not sit on a trail byte.
    std::size_t at = 0;
    while (at < from) at += SJISCharSize(a + at);
    return at == from;
}

char* WherePinTail(char* word, char const* tail, uint16_t* count, PARSED_NODE const* /*node*/) {
    std::vector<std::size_t> const wordStarts = CharStarts(word);
    std::vector<std::size_t> const tailStarts = CharStarts(tail);
    std::size_t const wordChars = wordStarts.size() - 1;
    std::size_t const tailChars = tailStarts.size() - 1;
    char* const wordEnd = word + wordStarts.back();
    if (wordChars < tailChars) {
        *count = static_cast<uint16_t>(tailChars);
        return wordEnd;
    }
    bool const tailSingleBytes = tailStarts.back() == tailChars;
    std::size_t lastHigh = wordChars;  // none
    for (std::size_t i = 0; i < wordChars; ++i)
        if (static_cast<unsigned char>(word[wordStarts[i]]) > 127) lastHigh = i;
    if (tailSingleBytes && lastHigh < wordChars) {
        std::size_t const run = wordChars - lastHigh - 1;  // single bytes after the last high character
        if (run + 1 < tailChars) {
            // Only the tail's last `run` characters can be in the word: they
            // begin just after the two-byte character.
            *count = static_cast<uint16_t>(tailChars - run);
            return word + wordStarts[lastHigh + 1];
        }
    }
    char* const start = word + wordStarts[wordChars - tailChars];
    *count = 0;
    if (std::strcmp(start, tail) != 0) {
        std::snprintf(gErrBuf, kErrBufSize, "In synthesis, word %s should end with %s but ends with %s", word, tail,
                      start);
        std::snprintf(gErrDataBuf, kErrBufSize, "%s, %s, %s", word, tail, start);
        *count = static_cast<uint16_t>(tailChars);
        return wordEnd;
    }
    return start;
}
