// kanaconv [--utf8] romaji     kana to romaji, one character at a time
// kanaconv [--utf8] syllables  kana to romaji, contracted syllables whole
// kanaconv [--utf8] kana       romaji (cooked text) to kana
//
// Converts standard input line by line, one line out for each line in, so the
// engine's tables can be compared with other converters by hand.  Text is
// Shift-JIS; with --utf8 it is UTF-8, converted through the engine's
// Shift-JIS conversion.  Exit 1 when a line could not be converted between
// UTF-8 and Shift-JIS (its output line is left empty), 2 for a usage error.

#include <cstdio>
#include <cstring>
#include <iostream>
#include <memory>
#include <string>
#include <utility>

#include "engine/foundation/kana_romaji.h"
#include "engine/foundation/sjis_convert.h"
#include "platform/text_recode.h"

namespace {

constexpr int kExitConverted = 0;
constexpr int kExitUnconvertible = 1;
constexpr int kExitUsage = 2;

enum class Mode { kRomaji, kSyllables, kKana };

int Usage() {
    std::fprintf(stderr, "usage: kanaconv [--utf8] romaji|syllables|kana < input\n");
    return kExitUsage;
}

bool ParseMode(char const* word, Mode* mode) {
    if (std::strcmp(word, "romaji") == 0) {
        *mode = Mode::kRomaji;
    } else if (std::strcmp(word, "syllables") == 0) {
        *mode = Mode::kSyllables;
    } else if (std::strcmp(word, "kana") == 0) {
        *mode = Mode::kKana;
    } else {
        return false;
    }
    return true;
}

std::string Convert(Mode mode, std::string const& line) {
    if (mode == Mode::kKana) return RomajiToKana(line, false);
    char* romaji = nullptr;
    AmbiKanaToRomaji(line.c_str(), &romaji, nullptr, mode == Mode::kSyllables);
    std::unique_ptr<char[]> owned(romaji);
    return romaji;
}

bool Utf8ToSJIS(std::string const& utf8, std::string* sjis) {
    std::string wideBytes;
    if (!Recode("WCHAR_T", "UTF-8", utf8, &wideBytes)) return false;
    std::wstring const wide(reinterpret_cast<wchar_t const*>(wideBytes.data()), wideBytes.size() / sizeof(wchar_t));
    *sjis = MapWstringToSJIS(wide);
    return MapSJISTowstring(sjis->c_str()) == wide;  // nothing was left out
}

bool SJISToUtf8(std::string const& sjis, std::string* utf8) {
    std::wstring const wide = MapSJISTowstring(sjis.c_str());
    if (wide.empty() && !sjis.empty()) return false;
    std::string const wideBytes(reinterpret_cast<char const*>(wide.data()), wide.size() * sizeof(wchar_t));
    return Recode("UTF-8", "WCHAR_T", wideBytes, utf8);
}

}  // namespace

int main(int argc, char** argv) {
    bool utf8 = false;
    int arg = 1;
    if (arg < argc && std::strcmp(argv[arg], "--utf8") == 0) {
        utf8 = true;
        ++arg;
    }
    Mode mode;
    if (arg + 1 != argc || !ParseMode(argv[arg], &mode)) return Usage();

    int status = kExitConverted;
    std::string line;
    while (std::getline(std::cin, line)) {
        std::string text = line;
        bool ok = !utf8 || Utf8ToSJIS(line, &text);
        std::string out = ok ? Convert(mode, text) : std::string();
        if (ok && utf8) ok = SJISToUtf8(out, &out);
        if (!ok) {
            std::fprintf(stderr, "kanaconv: line not convertible between UTF-8 and Shift-JIS: %s\n", line.c_str());
            out.clear();
            status = kExitUnconvertible;
        }
        std::cout << out << '\n';
    }
    return status;
}
