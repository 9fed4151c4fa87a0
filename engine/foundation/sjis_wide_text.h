#pragma once
// Lenient conversion between Shift-JIS (code page 932) and the wide (UTF-32)
// text of the translation pipeline, with the maps between character indices
// and byte offsets that let a stage report a position in the caller's bytes.
//
// Unlike the all-or-nothing decoding of sjis_convert.h, nothing is lost here:
// each byte that does not start a valid character becomes one U+FFFD and
// decoding goes on with the next byte; each character without a Shift-JIS
// form is written as "?".  Text that is plain ASCII keeps every character.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

constexpr wchar_t kReplacementCharacter = 0xFFFD;

// The wide text of n bytes.  When byteOffsets is not null it receives, for
// each character, the offset of its first byte, and then n: one more element
// than the text has characters.
std::wstring DecodeSJISLenient(char const* bytes, std::size_t n, std::vector<uint32_t>* byteOffsets = nullptr);
std::wstring DecodeSJISLenient(std::string const& bytes, std::vector<uint32_t>* byteOffsets = nullptr);

// The Shift-JIS bytes of n wide characters.  When byteOffsets is not null it
// receives, for each character, the offset of its first byte, and then the
// length of the result.
std::string EncodeSJISLenient(wchar_t const* text, std::size_t n, std::vector<uint32_t>* byteOffsets = nullptr);

// The NUL-terminated wide text in Shift-JIS ("" for null): the form the
// stages use for sentence and token texts whose byte lengths they count.
std::string MapWideToSJISChars(wchar_t const* text);

// Whether every one of the n bytes belongs to a valid Shift-JIS character.
bool IsValidSJIS(char const* bytes, std::size_t n);
