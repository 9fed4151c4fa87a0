#pragma once
// Re-encoding of whole texts with glibc's iconv (UTF-8 for people, Shift-JIS
// inside the engine), strict or with a mark for what has no form.  Header
// only, so that the tools and tests that link no platform code can use it.
#include <iconv.h>

#include <cerrno>
#include <cstddef>
#include <cstring>
#include <string>

// All of `in` re-encoded; false when any of it does not convert.
inline bool Recode(char const* to, char const* from, std::string const& in, std::string* out) {
    iconv_t const cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1)) return false;
    std::string result(4 * in.size() + 4, '\0');
    char* inPtr = const_cast<char*>(in.data());  // iconv's prototype lacks the const
    std::size_t inLeft = in.size();
    char* outPtr = result.data();
    std::size_t outLeft = result.size();
    std::size_t const done = iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft);
    iconv_close(cd);
    if (done == static_cast<std::size_t>(-1) || inLeft != 0) return false;
    result.resize(result.size() - outLeft);
    *out = std::move(result);
    return true;
}

// Bytes of the UTF-8 sequence a lead byte announces (1 for a stray byte).
inline std::size_t UTF8SequenceLength(unsigned char lead) {
    if (lead >= 0xF0 && lead <= 0xF4) return 4;
    if (lead >= 0xE0) return lead <= 0xEF ? 3 : 1;
    if (lead >= 0xC2) return 2;
    return 1;
}

// `in` re-encoded; each character that does not convert (a whole UTF-8
// sequence, or one byte of any other input) becomes `replacement`.  Empty
// when the conversion itself is unknown.
inline std::string RecodeLossy(char const* to, char const* from, std::string const& in, char const* replacement) {
    iconv_t const cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1)) return std::string();
    bool const fromUTF8 = std::strcmp(from, "UTF-8") == 0;
    std::string out;
    char buffer[256];
    char* inPtr = const_cast<char*>(in.data());
    std::size_t inLeft = in.size();
    while (inLeft > 0) {
        char* outPtr = buffer;
        std::size_t outLeft = sizeof buffer;
        std::size_t const result = iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft);
        out.append(buffer, outPtr);
        if (result != static_cast<std::size_t>(-1) || errno == E2BIG) continue;
        // EILSEQ, or EINVAL for a character cut off at the end.
        std::size_t skip = 1;
        if (fromUTF8) {
            std::size_t const announced = UTF8SequenceLength(static_cast<unsigned char>(*inPtr));
            while (skip < announced && skip < inLeft && (static_cast<unsigned char>(inPtr[skip]) & 0xC0) == 0x80)
                ++skip;
        }
        out += replacement;
        inPtr += skip;
        inLeft -= skip;
        iconv(cd, nullptr, nullptr, nullptr, nullptr);
    }
    iconv_close(cd);
    return out;
}
