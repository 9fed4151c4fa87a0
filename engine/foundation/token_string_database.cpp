#include "engine/foundation/token_string_database.h"

#include <cwchar>
#include <stdexcept>

void TokenStringDatabase::Insert(Token token, wchar_t const* text, unsigned long n) {
    if (n > kMaxTextLength) throw std::length_error("token text too long");
    if (text == nullptr && n > 0) throw std::invalid_argument("null token text");
    wchar_t* const copy = fBlocks.GetPointer(n + 1);
    if (n > 0) std::wmemcpy(copy, text, n);
    copy[n] = 0;
    fTexts[TokenSerialOf(token)] = Text{copy, n};
}

void TokenStringDatabase::Insert(Token token, wchar_t const* text) {
    Insert(token, text, text == nullptr ? 0 : std::wcslen(text));
}

void TokenStringDatabase::Insert(Token token, std::wstring const& text) { Insert(token, text.data(), text.size()); }

TokenStringDatabase::Text const* TokenStringDatabase::Lookup(Token token) const {
    auto const found = fTexts.find(TokenSerialOf(token));
    return found == fTexts.end() ? nullptr : &found->second;
}

bool TokenStringDatabase::Find(Token token, wchar_t const** text) const {
    Text const* const stored = Lookup(token);
    *text = stored == nullptr ? nullptr : stored->characters;
    return stored != nullptr;
}

bool TokenStringDatabase::Find(Token token, std::wstring* text) const {
    Text const* const stored = Lookup(token);
    if (stored == nullptr) return false;
    text->assign(stored->characters, stored->length);
    return true;
}

bool TokenStringDatabase::FindMatching(Token token, wchar_t const* text, bool* equal) const {
    Text const* const stored = Lookup(token);
    if (stored == nullptr) return false;
    if (equal != nullptr)
        *equal = text != nullptr && std::wcslen(text) == stored->length &&
                 std::wmemcmp(text, stored->characters, stored->length) == 0;
    return true;
}

bool TokenStringDatabase::FindLength(Token token, unsigned long* n) const {
    Text const* const stored = Lookup(token);
    if (stored == nullptr) return false;
    *n = stored->length;
    return true;
}

void TokenStringDatabase::Erase(unsigned int serial) { fTexts.erase(serial); }
