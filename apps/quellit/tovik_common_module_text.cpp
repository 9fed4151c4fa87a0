// Shift-JIS bytes and strings, cleaning text bytes, and the English or
// Japanese guess.
#include <cstring>

#include "apps/quellit/qwc_functions.h"
#include "apps/quellit/qwc_text_encoding.h"
#include "apps/quellit/tovik_common_module.h"
#include "engine/foundation/sjis_chars.h"

namespace quellit {

namespace {

bool IsBlankOrControl(unsigned char byte) { return byte <= 0x20; }

void TrimTail(std::string* bytes) {
    std::string::size_type end = bytes->size();
    while (end > 0 && IsBlankOrControl(static_cast<unsigned char>((*bytes)[end - 1]))) --end;
    bytes->erase(end);
}

void TrimHead(std::string* bytes) {
    std::string::size_type begin = 0;
    while (begin < bytes->size() && IsBlankOrControl(static_cast<unsigned char>((*bytes)[begin]))) ++begin;
    bytes->erase(0, begin);
}

// The ASCII stand-in of a double-byte dash, single or double quotation
// mark; 0 for every other double-byte character.
char AsciiForDoubleByte(unsigned char lead, unsigned char trail) {
    if (lead != 0x81) return 0;
    switch (trail) {
        case 0x5C:
        case 0x5D:
            return '-';
        case 0x65:
        case 0x66:
            return '\'';
        case 0x67:
        case 0x68:
            return '"';
        default:
            return 0;
    }
}

// The replacement of one single byte: the byte itself, a stand-in, or
// nothing (0) for a control byte that is dropped.
char CleanSingleByte(unsigned char byte) {
    switch (byte) {
        case '\n':
        case '\t':
        case '\r':
        case 0xCA:
            return ' ';
        case 0xD0:
        case 0xD1:
            return '-';
        case 0xD2:
        case 0xD3:
            return '"';
        case 0xD4:
        case 0xD5:
            return '\'';
        default:
            return byte < 0x20 ? 0 : static_cast<char>(byte);
    }
}

}  // namespace

std::optional<std::string> TovikCommonModule::SjisToNSString(char const* sjis) {
    if (sjis == nullptr) return std::nullopt;
    return DecodeText(std::string(sjis, std::strlen(sjis)), TextEncoding::ShiftJIS);
}

std::optional<std::string> TovikCommonModule::SjisDataToNSString(std::string const& sjisBytes) {
    return DecodeText(sjisBytes, TextEncoding::ShiftJIS);
}

bool TovikCommonModule::GetSjisFromNSString(std::string const& text, char* sjisBuf, int maxLength) {
    std::string const sjis = EncodeTextLossy(text, TextEncoding::ShiftJIS);
    bool const full = static_cast<long long>(sjis.size()) >= static_cast<long long>(maxLength) - 1;
    if (maxLength < 1 || sjisBuf == nullptr) return full;
    std::size_t const room = static_cast<std::size_t>(maxLength) - 1;
    // Whole characters only: a double-byte character that does not fit is
    // left out entirely.
    std::size_t copied = 0;
    while (copied < sjis.size()) {
        std::size_t const size = SJISCharSize(sjis.data() + copied, sjis.data() + sjis.size());
        if (copied + size > room) break;
        copied += size;
    }
    std::memcpy(sjisBuf, sjis.data(), copied);
    sjisBuf[copied] = '\0';
    return full;
}

void TovikCommonModule::TrimInsideCheck(std::string* bytes) {
    for (char& byte : *bytes) {
        if (static_cast<unsigned char>(byte) < 0x20) byte = ' ';
    }
}

void TovikCommonModule::TrimHeadTail(std::string* bytes) {
    TrimHead(bytes);
    TrimTail(bytes);
}

void TovikCommonModule::TrimHeadTailCheckMiddleForEnglish(std::string* bytes) {
    TrimHead(bytes);
    std::string const& in = *bytes;
    std::string cleaned;
    cleaned.reserve(in.size());
    for (std::size_t i = 0; i < in.size(); ++i) {
        unsigned char const byte = static_cast<unsigned char>(in[i]);
        // A lead byte in the last position stands alone: there is no trail
        // byte to read.
        if (IsSJISLeadByte(byte) && i + 1 < in.size()) {
            unsigned char const trail = static_cast<unsigned char>(in[i + 1]);
            char const ascii = AsciiForDoubleByte(byte, trail);
            if (ascii != 0) {
                cleaned += ascii;
            } else {
                cleaned.append(in, i, 2);
            }
            ++i;
            continue;
        }
        if (byte == '\r' && i + 1 < in.size() && in[i + 1] == '\n') continue;  // the LF becomes the space
        char const replacement = CleanSingleByte(byte);
        if (replacement != 0) cleaned += replacement;
    }
    *bytes = std::move(cleaned);
    TrimTail(bytes);
}

int TovikCommonModule::JudgeTextDataEorJ(std::string const& sjisBytes) {
    long doubleByte = 0;
    long singleByte = 0;
    SJISByteClass previous = kSJISSingle;
    for (char const c : sjisBytes) {
        unsigned char const byte = static_cast<unsigned char>(c);
        SJISByteClass const current = NextSJISByteClass(previous, byte);
        if (current == kSJISLead) {
            ++doubleByte;
        } else if (current == kSJISSingle && !IsASCIIWhite(byte)) {
            ++singleByte;
        }
        previous = current;
    }
    if (singleByte == 0) return doubleByte > 0 ? kJapanese : kEnglish;
    return doubleByte * 100.0 / singleByte > 10.0 ? kJapanese : kEnglish;
}

int TovikCommonModule::JudgeTextStringEorJ(std::string const& text) {
    return JudgeTextDataEorJ(EncodeTextLossy(text, TextEncoding::ShiftJIS));
}

int TovikCommonModule::JudgeTextStringEorJOfFile(std::string const& path) {
    std::optional<std::string> const text = ReadTextOfFile(path);
    return text ? JudgeTextStringEorJ(*text) : kUnreadable;
}

}  // namespace quellit
