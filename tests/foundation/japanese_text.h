#pragma once
// Japanese test text written as UTF-8 literals and turned into the engine's
// Shift-JIS by its own wide-text encoder, so that tests read as Japanese.
#include <iconv.h>

#include <cstring>
#include <stdexcept>
#include <string>

#include "engine/foundation/sjis_convert.h"

// The Shift-JIS form of UTF-8 text; throws when a character has none (a
// mistake in the test, not in the engine).
inline std::string SJIS(char const* utf8) {
    iconv_t const cd = iconv_open("WCHAR_T", "UTF-8");
    if (cd == reinterpret_cast<iconv_t>(-1)) throw std::runtime_error("no UTF-8 decoder");
    std::size_t inLeft = std::strlen(utf8);
    std::wstring wide(inLeft + 1, L'\0');
    char* in = const_cast<char*>(utf8);
    char* out = reinterpret_cast<char*>(wide.data());
    std::size_t outLeft = wide.size() * sizeof(wchar_t);
    std::size_t const done = iconv(cd, &in, &inLeft, &out, &outLeft);
    iconv_close(cd);
    if (done == static_cast<std::size_t>(-1)) throw std::runtime_error(std::string("not UTF-8: ") + utf8);
    wide.resize(wide.size() - outLeft / sizeof(wchar_t));
    std::string sjis = MapWstringToSJIS(wide);
    if (MapSJISTowstring(sjis.c_str()) != wide) throw std::runtime_error(std::string("no Shift-JIS form: ") + utf8);
    return sjis;
}
