#include "engine/pipeline/token_vectors_match.h"

#include <cwchar>

#include "engine/foundation/token_string_database.h"

namespace {

wchar_t const* TextOf(TokenStringDatabase const* strings, Token token) {
    wchar_t const* text = nullptr;
    if (strings == nullptr || !strings->Find(token, &text)) return nullptr;
    return text;
}

}  // namespace

bool TokenVectorsMatch(TokenStringDatabase const* strings, std::vector<Token> const& a, std::vector<Token> const& b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (TokenTypeOf(a[i]) != TokenTypeOf(b[i])) return false;
        wchar_t const* x = TextOf(strings, a[i]);
        wchar_t const* y = TextOf(strings, b[i]);
        if ((x == nullptr) != (y == nullptr)) return false;
        if (x != nullptr && std::wcscmp(x, y) != 0) return false;
    }
    return true;
}
