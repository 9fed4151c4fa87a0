#include "engine/pipeline/sgml_markup_tags.h"

#include <cwchar>

#include "engine/foundation/token_type_registry.h"

namespace {

// Keeps the token-type registry alive as long as the tag syntax may ask it.
Token_ModuleInit sTokenTypes;

bool IsTagBlank(wchar_t c) { return c == L' ' || c == L'\t' || c == L'\n'; }

// The text from its first character that is not a blank.
wchar_t const* SkipBlanks(wchar_t const* text) {
    while (*text != L'\0' && IsTagBlank(*text)) ++text;
    return text;
}

}  // namespace

bool SGMLMarkupTags::GetKey(wchar_t const* text, unsigned long length, std::wstring* key, TagType* type) const {
    if (text == nullptr) return false;
    unsigned long i = 0;
    while (i < length && IsTagBlank(text[i])) ++i;
    if (i == length) return false;
    TagType kind;
    std::wstring name;
    if (text[i] == L'&') {
        kind = kReference;
        i += (i + 1 < length && text[i + 1] == L'#') ? 2 : 1;
    } else if (text[i] == L'<') {
        ++i;
        kind = kStartTag;
        if (i < length && text[i] == L'/') {
            kind = kEndTag;
            ++i;
        } else if (i < length && (text[i] == L'!' || text[i] == L'?')) {
            name += text[i++];
        }
    } else {
        return false;
    }
    std::size_t const prefix = name.size();
    while (i < length && IsKeyChar(text[i])) name += text[i++];
    if (name.size() == prefix) return false;
    if (key != nullptr) *key = name;
    if (type != nullptr) *type = kind;
    return true;
}

std::wstring SGMLMarkupTags::GetMatchingEnd(wchar_t const* text) const {
    std::wstring key;
    TagType type;
    if (!GetKey(text, &key, &type) || type != kStartTag) return std::wstring();
    return L"</" + key + L">";
}

std::wstring SGMLMarkupTags::GetMatchingStart(wchar_t const* text) const {
    TagType type;
    if (!GetKey(text, nullptr, &type) || type != kEndTag) return std::wstring();
    std::wstring start = SkipBlanks(text);
    start.erase(1, 1);  // the "/" after "<"
    return start;
}

bool SGMLMarkupTags::TokenCanBeMarkup(Token token) const {
    TokenTypeID const type = TokenTypeOf(token);
    return type == kMarkupStartTagToken || type == kMarkupEndTagToken || type == kMarkupReferenceToken;
}

std::unique_ptr<MarkupTags> SGMLMarkupTags::Clone() const { return std::make_unique<SGMLMarkupTags>(*this); }

bool SGMLMarkupTags::IsMDOorPIO(wchar_t const* text, unsigned long length) const {
    std::wstring key;
    TagType type;
    return GetKey(text, length, &key, &type) && type == kStartTag && (key[0] == L'!' || key[0] == L'?');
}

bool SGMLMarkupTags::IsEmpty(wchar_t const* text, unsigned long length) const {
    return IsMDOorPIO(text, length) || MarkupTags::IsEmpty(text, length);
}
