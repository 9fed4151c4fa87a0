#include "engine/foundation/char_suffix.h"

#include <cstring>

#include "engine/foundation/sjis_chars.h"

std::size_t CharSuffixStart(std::string_view text, std::string_view suffix) {
    if (suffix.size() > text.size()) return std::string_view::npos;
    std::size_t const start = text.size() - suffix.size();
    if (text.substr(start) != suffix) return std::string_view::npos;
    char const* const begin = text.data();
    char const* const end = begin + text.size();
    char const* p = begin;
    while (p < begin + start) p += SJISCharSize(p, end);
    return p == begin + start ? start : std::string_view::npos;
}

char const* PEndsWith(char const* s, char const* suffix) {
    if (s == nullptr) return nullptr;
    std::string_view const text(s);
    std::size_t const start = CharSuffixStart(text, suffix != nullptr ? suffix : "");
    return start == std::string_view::npos ? nullptr : s + start;
}

char* PEndsWith(char* s, char const* suffix) {
    return const_cast<char*>(PEndsWith(static_cast<char const*>(s), suffix));
}
