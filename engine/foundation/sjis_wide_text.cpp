#include "engine/foundation/sjis_wide_text.h"

#include <cerrno>
#include <cstring>

#include "engine/foundation/iconv_converter.h"

namespace {

// Converts exactly inLength bytes into out (outCapacity bytes); the bytes
// written, or 0 when the input is not one whole convertible unit.
std::size_t ConvertWhole(IconvConverter& converter, char const* in, std::size_t inLength, char* out,
                         std::size_t outCapacity) {
    std::size_t inLeft = inLength;
    std::size_t outLeft = outCapacity;
    if (converter.Reset().Convert(&in, &inLeft, &out, &outLeft) != 0 || inLeft != 0) return 0;
    return outCapacity - outLeft;
}

IconvConverter& Decoder() {
    thread_local IconvConverter decoder("WCHAR_T", "CP932");
    return decoder;
}

IconvConverter& Encoder() {
    thread_local IconvConverter encoder("CP932", "WCHAR_T");
    return encoder;
}

bool IsLeadByte(unsigned char b) { return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC); }

// Decodes the character at bytes[0..available); its byte count, or 0 when
// the first byte starts no valid character.
std::size_t DecodeOne(char const* bytes, std::size_t available, wchar_t* out) {
    unsigned char const first = static_cast<unsigned char>(bytes[0]);
    if (first < 0x80) {
        *out = first;
        return 1;
    }
    std::size_t const length = IsLeadByte(first) ? 2 : 1;
    if (length > available) return 0;
    wchar_t decoded[2];
    std::size_t const written =
        ConvertWhole(Decoder(), bytes, length, reinterpret_cast<char*>(decoded), sizeof decoded);
    if (written != sizeof(wchar_t)) return 0;
    *out = decoded[0];
    return length;
}

}  // namespace

std::wstring DecodeSJISLenient(char const* bytes, std::size_t n, std::vector<uint32_t>* byteOffsets) {
    std::wstring text;
    if (byteOffsets != nullptr) byteOffsets->clear();
    if (bytes == nullptr) n = 0;
    text.reserve(n);
    std::size_t at = 0;
    while (at < n) {
        wchar_t c = 0;
        std::size_t length = DecodeOne(bytes + at, n - at, &c);
        if (length == 0) {
            c = kReplacementCharacter;
            length = 1;
        }
        text += c;
        if (byteOffsets != nullptr) byteOffsets->push_back(static_cast<uint32_t>(at));
        at += length;
    }
    if (byteOffsets != nullptr) byteOffsets->push_back(static_cast<uint32_t>(n));
    return text;
}

std::wstring DecodeSJISLenient(std::string const& bytes, std::vector<uint32_t>* byteOffsets) {
    return DecodeSJISLenient(bytes.data(), bytes.size(), byteOffsets);
}

std::string EncodeSJISLenient(wchar_t const* text, std::size_t n, std::vector<uint32_t>* byteOffsets) {
    std::string bytes;
    if (byteOffsets != nullptr) byteOffsets->clear();
    if (text == nullptr) n = 0;
    bytes.reserve(n);
    for (std::size_t i = 0; i < n; ++i) {
        if (byteOffsets != nullptr) byteOffsets->push_back(static_cast<uint32_t>(bytes.size()));
        wchar_t const c = text[i];
        if (c >= 0 && c < 0x80) {
            bytes += static_cast<char>(c);
            continue;
        }
        char encoded[4];
        std::size_t const written =
            ConvertWhole(Encoder(), reinterpret_cast<char const*>(&c), sizeof c, encoded, sizeof encoded);
        if (written == 0) {
            bytes += '?';
        } else {
            bytes.append(encoded, written);
        }
    }
    if (byteOffsets != nullptr) byteOffsets->push_back(static_cast<uint32_t>(bytes.size()));
    return bytes;
}

std::string MapWideToSJISChars(wchar_t const* text) {
    if (text == nullptr) return std::string();
    return EncodeSJISLenient(text, std::wcslen(text));
}

bool IsValidSJIS(char const* bytes, std::size_t n) {
    if (bytes == nullptr) return n == 0;
    for (std::size_t at = 0; at < n;) {
        wchar_t c = 0;
        std::size_t const length = DecodeOne(bytes + at, n - at, &c);
        if (length == 0) return false;
        at += length;
    }
    return true;
}
