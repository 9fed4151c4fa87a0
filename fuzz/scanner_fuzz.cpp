// Arbitrary text through the English scanner: every token keeps at least one
// character, the kept texts are the text again, and scanning in pieces (as
// the tokenizer stage reads its input) finds the same tokens as scanning the
// text whole.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "engine/pipeline/scanner.h"

namespace {

void Check(bool condition) {
    if (!condition) __builtin_trap();
}

// Bytes below 0x80 are ASCII characters, so the English rules get exercised;
// 0xFF and the next byte a character beyond U+FFFF; any other high byte and
// the next two bytes one character of the Basic Multilingual Plane.
std::wstring Decode(uint8_t const* data, std::size_t size) {
    std::wstring text;
    for (std::size_t i = 0; i < size; ++i) {
        uint8_t const b = data[i];
        if (b < 0x80) {
            text += static_cast<wchar_t>(b);
        } else if (b == 0xFF && i + 1 < size) {
            text += static_cast<wchar_t>(0x20000 + data[++i]);
        } else if (i + 2 < size) {
            text += static_cast<wchar_t>(data[i + 1] << 8 | data[i + 2]);
            i += 2;
        }
    }
    return text;
}

struct Scanned {
    lex::Match match;
    std::size_t position;
};

std::vector<Scanned> ScanInPieces(std::wstring const& text, std::size_t piece) {
    std::vector<Scanned> tokens;
    std::size_t position = 0, visible = std::min(text.size(), piece);
    for (;;) {
        lex::Match match;
        lex::ScanStatus const status =
            lex::ScanToken(text.data() + position, visible - position, visible == text.size(), &match);
        if (status == lex::ScanStatus::kEnd) return tokens;
        if (status == lex::ScanStatus::kNeedMore) {
            Check(visible < text.size());
            visible = std::min(text.size(), visible + piece);
            continue;
        }
        Check(match.length >= 1 && match.length <= match.matched && position + match.length <= text.size());
        tokens.push_back({match, position});
        position += match.length;
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) return 0;
    std::size_t const piece = 1 + data[0] % 16;
    std::wstring const text = Decode(data + 1, size - 1);

    std::vector<Scanned> const whole = ScanInPieces(text, text.size() + 1);
    std::size_t covered = 0;
    for (Scanned const& token : whole) {
        Check(token.position == covered);
        covered += token.match.length;
    }
    Check(covered == text.size());

    std::vector<Scanned> const pieces = ScanInPieces(text, piece);
    Check(pieces.size() == whole.size());
    for (std::size_t i = 0; i < whole.size(); ++i)
        Check(pieces[i].match.rule == whole[i].match.rule && pieces[i].match.length == whole[i].match.length &&
              pieces[i].match.type == whole[i].match.type);
    return 0;
}
