// Arbitrary bytes through kana-to-romaji, romaji-to-kana and the cooked-text
// tests: every walk must stay inside its text (exactly sized heap copies let
// the sanitizers see any step past the end), the buffer rules must hold, and
// any text built from rows of the Kana table must read back to itself.
#include <algorithm>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "engine/foundation/cooked_text.h"
#include "engine/foundation/kana_romaji.h"
#include "engine/foundation/kana_tables.h"

namespace {

void Check(bool condition) {
    if (!condition) __builtin_trap();
}

// A heap copy of exactly the given bytes, with a NUL after them when asked.
std::unique_ptr<char[]> ExactCopy(char const* bytes, std::size_t size, bool terminated) {
    std::unique_ptr<char[]> copy(new char[size + (terminated ? 1 : 0)]);
    if (size != 0) std::memcpy(copy.get(), bytes, size);
    if (terminated) copy[size] = '\0';
    return copy;
}

void KanaToRomajiKeepsItsPromises(char const* text) {
    std::size_t const length = std::strlen(text);
    for (bool syllableAware : {false, true}) {
        char* romaji = nullptr;
        unsigned short* offsets = nullptr;
        AmbiKanaToRomaji(text, &romaji, &offsets, syllableAware);
        std::unique_ptr<char[]> ownedRomaji(romaji);
        std::unique_ptr<unsigned short[]> ownedOffsets(offsets);
        std::size_t const romajiLength = std::strlen(romaji);
        Check(romajiLength <= 2 * length);
        Check(offsets[romajiLength] == std::min<std::size_t>(length, 65535));
        for (std::size_t i = 0; i < romajiLength; ++i) Check(offsets[i] < std::max<std::size_t>(length, 1));
        if (!syllableAware) {
            std::vector<unsigned long> wide;
            Check(KanaToRomaji(std::string(text), &wide) == romaji);
            Check(wide.size() == romajiLength);
        }
    }
    std::unique_ptr<char[]> hiraganaRomaji(HiraganaToRomaji(text));
    Check(std::strlen(hiraganaRomaji.get()) <= 2 * length);
}

void RomajiToKanaKeepsItsPromises(char const* text, std::size_t split) {
    std::string const plain = RomajiToKana(std::string(text), false);
    std::string const kept = RomajiToKana(std::string(text), true);
    Check(kept.compare(0, plain.size(), plain) == 0 && kept.size() <= plain.size() + 1);
    char* out = nullptr;
    RomajiToKana(&out, text, false);
    std::unique_ptr<char[]> owned(out);
    Check(plain == out);

    // The converter fed in pieces: letters pending across calls.
    KanaConverter converter(true);
    std::unique_ptr<char[]> head = ExactCopy(text, split, true);
    converter.ConvertToKana(head.get());
    converter.AddKanaString(text + split);
    converter.AddKanaN(text, static_cast<unsigned short>(split));
    converter.GetKanaLeftovers();
}

void CookedTextTestsStayInside(char const* bytes, std::size_t size, char const* text) {
    IsZXJMarker(text);
    IsCharOnCloseParenList(text);
    Check(RomajiSyllableLen(text) <= 4);
    StartsWithSingleByteRomaji(text);
    EndsWithSingleByteRomaji(text);
    std::string const jnum = MakeJNum(text);
    std::size_t const length = std::strlen(text);
    Check(length >= 100 ? jnum.size() <= 100 : jnum.size() <= 3 * length);

    // Only the bytes before n may be read: an unterminated copy of n bytes.
    std::size_t const limit = std::min<std::size_t>(size, 256);
    for (std::size_t n = 0; n <= limit; ++n) {
        std::unique_ptr<char[]> range = ExactCopy(bytes, n, false);
        char const* start = PrevCharStart(range.get(), n);
        Check(start >= range.get() && (n == 0 ? start == range.get() : start < range.get() + n));
    }
}

// Rows of Kana picked by the input bytes: their syllable-aware romaji must
// read back to the same kana.
void KanaRowsReadBack(uint8_t const* data, std::size_t size) {
    std::string kana;
    for (std::size_t i = 0; i < size; ++i) kana += Kana[data[i] % kKanaCount].kana;
    std::unique_ptr<char[]> source = ExactCopy(kana.data(), kana.size(), true);
    char* romaji = nullptr;
    SyllableAwareKanaToRomaji(source.get(), &romaji, nullptr);
    std::unique_ptr<char[]> owned(romaji);
    Check(RomajiToKana(std::string(romaji), false) == kana);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    char const* bytes = reinterpret_cast<char const*>(data);
    if (bytes == nullptr) bytes = "";
    std::unique_ptr<char[]> text = ExactCopy(bytes, size, true);
    std::size_t const length = std::strlen(text.get());

    KanaToRomajiKeepsItsPromises(text.get());
    RomajiToKanaKeepsItsPromises(text.get(), length == 0 ? 0 : data[0] % (length + 1));
    CookedTextTestsStayInside(bytes, size, text.get());
    KanaRowsReadBack(data, std::min<std::size_t>(size, 512));
    return 0;
}
