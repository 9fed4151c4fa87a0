#pragma once
// The texts of one pipeline's tokens, keyed by the token's serial.  Texts are
// wide and NUL-terminated, copied into pooled storage that is released only
// with the database: a pointer from Find stays valid until then, also after
// the token's text is replaced or erased.
#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "engine/foundation/token.h"
#include "engine/foundation/token_string_blocks.h"

class TokenStringDatabase {
public:
    // The longest text Insert takes, in characters.
    static constexpr unsigned long kMaxTextLength = 1ul << 30;

    TokenStringDatabase() = default;
    TokenStringDatabase(TokenStringDatabase const&) = delete;
    TokenStringDatabase& operator=(TokenStringDatabase const&) = delete;

    // Stores the n characters at text (and a terminating 0) as the text of
    // the token's serial, replacing any text it had; the old text's storage
    // is not reused.  A text longer than kMaxTextLength throws
    // std::length_error, a null text with n > 0 std::invalid_argument; the
    // store is unchanged then.
    void Insert(Token token, wchar_t const* text, unsigned long n);
    // The same for a NUL-terminated text.
    void Insert(Token token, wchar_t const* text);
    void Insert(Token token, std::wstring const& text);

    // False, and *text null, when the token has no text.
    bool Find(Token token, wchar_t const** text) const;
    // False, and *text unchanged, when the token has no text.
    bool Find(Token token, std::wstring* text) const;
    // False when the token has no text; otherwise true, and *equal (when
    // equal is not null) tells whether the stored text is exactly `text`.
    bool FindMatching(Token token, wchar_t const* text, bool* equal) const;
    // The stored text's length in characters.
    bool FindLength(Token token, unsigned long* n) const;

    // Forgets the text of the serial (its storage stays).
    void Erase(unsigned int serial);

private:
    struct Text {
        wchar_t const* characters;
        unsigned long length;
    };

    // Serials are handed out densely, so most texts sit in chunks of a
    // table indexed by serial (chunks, unlike one growing array, are never
    // moved and come from the ordinary heap); an entry with null characters
    // is absent.  A chunk is made only for a serial within kDenseSlack of
    // twice the number of inserts so far; a serial further out goes to
    // fSparse, so stray large serials cannot make the table huge.
    static constexpr unsigned kChunkBits = 12;
    static constexpr uint32_t kChunkSize = uint32_t{1} << kChunkBits;
    static constexpr unsigned long kDenseSlack = 4096;

    Text const* Lookup(Token token) const;
    // The entry of the serial, made (absent) if needed.
    Text& Slot(uint32_t serial);

    std::vector<std::unique_ptr<Text[]>> fChunks;
    std::map<uint32_t, Text> fSparse;
    unsigned long fInserts = 0;
    TSDBBlockList fBlocks;
};
