#pragma once
// Re-encoding of whole texts for the command-line tools (UTF-8 on the
// terminal, Shift-JIS inside the engine).
#include <iconv.h>

#include <cstddef>
#include <string>

// All of `in` re-encoded with iconv; false when any of it does not convert.
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
