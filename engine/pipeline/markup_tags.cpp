#include "engine/pipeline/markup_tags.h"

#include <cwchar>

#include "engine/foundation/string_utils.h"
#include "engine/foundation/token_string_database.h"
#include "engine/foundation/token_type_registry.h"

namespace {

// Keeps the token-type registry alive as long as tag tables may ask it.
Token_ModuleInit sTokenTypes;

std::wstring UpperKey(std::wstring key) {
    ToUpper(&key, 0);
    return key;
}

std::set<std::wstring> UpperKeys(std::set<std::wstring> const& keys) {
    std::set<std::wstring> upper;
    for (std::wstring const& key : keys) upper.insert(UpperKey(key));
    return upper;
}

unsigned long LengthOf(wchar_t const* text) { return text != nullptr ? std::wcslen(text) : 0; }

}  // namespace

unsigned MarkupTokens::sCount = 0;

MarkupTokens::MarkupTokens() {
    if (sCount++ != 0) return;
    TokenTypeRegistry& registry = *TokenTypeRegistry::Get();
    registry.Register("MarkupStartTag", kMarkupStartTagToken);
    registry.Register("MarkupEndTag", kMarkupEndTagToken);
    registry.Register("MarkupReference", kMarkupReferenceToken);
}

MarkupTokens::~MarkupTokens() { --sCount; }

bool IsKeyChar(wchar_t c) {
    return (c >= L'a' && c <= L'z') || (c >= L'A' && c <= L'Z') || (c >= L'0' && c <= L'9') || c == L'.' || c == L'-';
}

int CaseInsensitiveStrCmp(std::wstring const& a, std::wstring const& b) {
    std::wstring lowerA = a;
    std::wstring lowerB = b;
    ToLower(&lowerA, 0);
    ToLower(&lowerB, 0);
    return std::wcscmp(lowerA.c_str(), lowerB.c_str());
}

MarkupTags::MarkupTags(TokenStringDatabase const* strings) : fStrings(strings) {}

MarkupTags::MarkupTags(MarkupTags const& other)
    : fStrings(nullptr),
      fTags(other.fTags),
      fNumberedTexts(other.fNumberedTexts),
      fTextSets{other.fTextSets[0], other.fTextSets[1]} {}

MarkupTags& MarkupTags::operator=(MarkupTags const& other) {
    fTags = other.fTags;
    fNumberedTexts = other.fNumberedTexts;
    fTextSets[0] = other.fTextSets[0];
    fTextSets[1] = other.fTextSets[1];
    return *this;
}

MarkupTags::~MarkupTags() = default;

bool MarkupTags::GetKey(wchar_t const* text, std::wstring* key, TagType* type) const {
    return text != nullptr && GetKey(text, LengthOf(text), key, type);
}

std::wstring MarkupTags::GetMatchingEnd(Token token) const {
    std::wstring text;
    TagType type;
    if (!MarkupText(token, &text) || !GetKey(text.c_str(), text.size(), nullptr, &type) || type != kStartTag)
        return std::wstring();
    return GetMatchingEnd(text.c_str());
}

std::wstring MarkupTags::GetMatchingStart(Token token) const {
    std::wstring text;
    TagType type;
    if (!MarkupText(token, &text) || !GetKey(text.c_str(), text.size(), nullptr, &type) || type != kEndTag)
        return std::wstring();
    return GetMatchingStart(text.c_str());
}

bool MarkupTags::IsMDOorPIO(Token token) const {
    std::wstring text;
    return MarkupText(token, &text) && IsMDOorPIO(text.c_str(), text.size());
}

bool MarkupTags::IsMDOorPIO(wchar_t const* text) const { return text != nullptr && IsMDOorPIO(text, LengthOf(text)); }

bool MarkupTags::IsEmpty(wchar_t const* text) const { return text != nullptr && IsEmpty(text, LengthOf(text)); }

bool MarkupTags::IsEmpty(wchar_t const* text, unsigned long length) const {
    std::wstring key;
    TagType type;
    if (!GetKey(text, length, &key, &type)) return false;
    if (type == kReference) return true;
    if (type == kEndTag) return false;
    auto const found = fTags.find(UpperKey(key));
    return found != fTags.end() && found->second.IsEmptyTag();
}

bool MarkupTags::CanContain(wchar_t const* outer, wchar_t const* inner) const {
    TagType outerType;
    std::wstring innerKey;
    MarkupTagInfo const* outerInfo;
    MarkupTagInfo const* innerInfo;
    if (GetKey(outer, nullptr, &outerType) && outerType == kEndTag) return true;
    if (!KnownTag(outer, nullptr, nullptr, &outerInfo) || !KnownTag(inner, &innerKey, nullptr, &innerInfo)) return true;
    return outerInfo->contains.count(UpperKey(innerKey)) != 0;
}

bool MarkupTags::CanContain(Token outer, Token inner) const {
    if (!TokenCanBeMarkup(outer) || !TokenCanBeMarkup(inner)) return true;
    std::wstring outerText;
    std::wstring innerText;
    if (!MarkupText(outer, &outerText) || !MarkupText(inner, &innerText)) return false;
    return CanContain(outerText.c_str(), innerText.c_str());
}

bool MarkupTags::CanContain(Token outer, wchar_t const* inner) const {
    if (!TokenCanBeMarkup(outer)) return true;
    std::wstring outerText;
    return MarkupText(outer, &outerText) && CanContain(outerText.c_str(), inner);
}

bool MarkupTags::CanContain(wchar_t const* outer, Token inner) const {
    if (!TokenCanBeMarkup(inner)) return true;
    std::wstring innerText;
    return MarkupText(inner, &innerText) && CanContain(outer, innerText.c_str());
}

MarkupTagInfo const* MarkupTags::FindTagInMap(wchar_t const* text) const {
    MarkupTagInfo const* info;
    return KnownTag(text, nullptr, nullptr, &info) ? info : nullptr;
}

bool MarkupTags::IsRequiredContainer(wchar_t const* container, wchar_t const* tag) const {
    std::wstring containerKey;
    TagType containerType;
    MarkupTagInfo const* info;
    if (!GetKey(container, &containerKey, &containerType) || containerType == kEndTag) return false;
    if (!KnownTag(tag, nullptr, nullptr, &info)) return false;
    return info->requiredContainers.count(UpperKey(containerKey)) != 0;
}

bool MarkupTags::SameKey(wchar_t const* a, wchar_t const* b) const {
    std::wstring keyA;
    std::wstring keyB;
    TagType typeA;
    TagType typeB;
    return GetKey(a, &keyA, &typeA) && GetKey(b, &keyB, &typeB) && typeA == typeB &&
           CaseInsensitiveStrCmp(keyA, keyB) == 0;
}

bool MarkupTags::Match(wchar_t const* start, wchar_t const* end) const {
    return end != nullptr && Match(start, end, LengthOf(end));
}

bool MarkupTags::Match(wchar_t const* start, wchar_t const* end, unsigned long endLength) const {
    std::wstring startKey;
    std::wstring endKey;
    TagType startType;
    TagType endType;
    return GetKey(start, &startKey, &startType) && startType == kStartTag &&
           GetKey(end, endLength, &endKey, &endType) && endType == kEndTag &&
           CaseInsensitiveStrCmp(startKey, endKey) == 0;
}

bool MarkupTags::IsThisTag(wchar_t const* text, wchar_t const* name) const {
    std::wstring key;
    return name != nullptr && GetKey(text, &key, nullptr) && CaseInsensitiveStrCmp(key, name) == 0;
}

bool MarkupTags::IsThisTag(Token token, wchar_t const* name) const {
    std::wstring text;
    return MarkupText(token, &text) && IsThisTag(text.c_str(), name);
}

bool MarkupTags::IsMarkup(Token token) const {
    std::wstring text;
    return MarkupText(token, &text) && GetKey(text.c_str(), text.size(), nullptr, nullptr);
}

void MarkupTags::AddTag(std::wstring const& key, MarkupTagInfo const& info) {
    MarkupTagInfo& stored = fTags[UpperKey(key)];
    stored = info;
    stored.contains = UpperKeys(info.contains);
    stored.requiredContainers = UpperKeys(info.requiredContainers);
}

bool MarkupTags::MarkupText(Token token, std::wstring* text) const {
    return TokenCanBeMarkup(token) && fStrings != nullptr && fStrings->Find(token, text);
}

bool MarkupTags::KnownTag(wchar_t const* text, std::wstring* key, TagType* type, MarkupTagInfo const** info) const {
    std::wstring tagKey;
    TagType tagType;
    if (!GetKey(text, &tagKey, &tagType) || tagType == kReference) return false;
    auto const found = fTags.find(UpperKey(tagKey));
    if (found == fTags.end()) return false;
    if (key != nullptr) *key = tagKey;
    if (type != nullptr) *type = tagType;
    *info = &found->second;
    return true;
}
