#include "engine/foundation/token_string_database.h"

#include <cwchar>
#include <stdexcept>

void TokenStringDatabase::Insert(Token token, wchar_t const* text, unsigned long n) {
    if (n > kMaxTextLength) throw std::length_error("token text too long");
    if (text == nullptr && n > 0) throw std::invalid_argument("null token text");
    wchar_t* const copy = fBlocks.GetPointer(n + 1);
    if (n > 0) std::wmemcpy(copy, text, n);
    copy[n] = 0;
    Slot(TokenSerialOf(token)) = Text{copy, n};
    ++fInserts;
}

TokenStringDatabase::Text& TokenStringDatabase::Slot(uint32_t serial) {
    std::size_t const chunk = serial >> kChunkBits;
    uint32_t const index = serial & (kChunkSize - 1);
    if (chunk < fChunks.size() && fChunks[chunk]) return fChunks[chunk][index];
    if (serial >= 2 * fInserts + kDenseSlack) return fSparse[serial];
    if (chunk >= fChunks.size()) fChunks.resize(chunk + 1);
    fChunks[chunk].reset(new Text[kChunkSize]());
    // Texts kept aside before the chunk existed move into it.
    uint32_t const first = static_cast<uint32_t>(chunk << kChunkBits);
    for (auto kept = fSparse.lower_bound(first); kept != fSparse.end() && kept->first - first < kChunkSize;
         kept = fSparse.erase(kept))
        fChunks[chunk][kept->first - first] = kept->second;
    return fChunks[chunk][index];
}

void TokenStringDatabase::Insert(Token token, wchar_t const* text) {
    Insert(token, text, text == nullptr ? 0 : std::wcslen(text));
}

void TokenStringDatabase::Insert(Token token, std::wstring const& text) { Insert(token, text.data(), text.size()); }

TokenStringDatabase::Text const* TokenStringDatabase::Lookup(Token token) const {
    uint32_t const serial = TokenSerialOf(token);
    std::size_t const chunk = serial >> kChunkBits;
    if (chunk < fChunks.size() && fChunks[chunk]) {
        Text const& entry = fChunks[chunk][serial & (kChunkSize - 1)];
        return entry.characters == nullptr ? nullptr : &entry;
    }
    if (fSparse.empty()) return nullptr;
    auto const found = fSparse.find(serial);
    return found == fSparse.end() ? nullptr : &found->second;
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

void TokenStringDatabase::Erase(unsigned int serial) {
    std::size_t const chunk = serial >> kChunkBits;
    if (chunk < fChunks.size() && fChunks[chunk])
        fChunks[chunk][serial & (kChunkSize - 1)] = Text{nullptr, 0};
    else
        fSparse.erase(serial);
}
