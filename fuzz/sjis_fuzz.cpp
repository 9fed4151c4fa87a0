// Arbitrary bytes through the Shift-JIS and string utilities: every walk must
// stay inside its text (exactly sized heap copies let the sanitizers see any
// step past the end), and repair, comparison and conversion must keep their
// promises.
#include <cstdint>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "engine/foundation/sjis_chars.h"
#include "engine/foundation/sjis_convert.h"
#include "engine/foundation/sjis_wide_text.h"
#include "engine/foundation/string_compare.h"

namespace {

void Check(bool condition) {
    if (!condition) __builtin_trap();
}

int Sign(int value) { return (value > 0) - (value < 0); }

// A heap copy of exactly the given bytes, with a NUL after them when asked.
std::unique_ptr<char[]> ExactCopy(char const* bytes, std::size_t size, bool terminated) {
    std::unique_ptr<char[]> copy(new char[size + (terminated ? 1 : 0)]);
    if (size != 0) std::memcpy(copy.get(), bytes, size);
    if (terminated) copy[size] = '\0';
    return copy;
}

void ValidityAndRepair(char const* bytes, std::size_t size) {
    std::unique_ptr<char[]> range = ExactCopy(bytes, size, false);
    char* end = range.get() + size;
    FindNextInvalidChar(range.get(), end);
    FixAllInvalidChars(range.get(), end);
    Check(FindNextInvalidChar(range.get(), end) == end);

    std::unique_ptr<char[]> repaired = ExactCopy(range.get(), size, true);
    Check(IsValidDBCSStr(repaired.get()));
    Check(std::strlen(repaired.get()) == size);  // every NUL was replaced

    HomegeniseLineEnds(range.get(), size);
}

void CountingAndEditing(char* text, std::size_t size) {
    std::size_t const length = std::strlen(text);
    unsigned long bytes = 0;
    CharsToBytes(&bytes, text, size);
    Check(bytes == length);
    unsigned long chars = 0;
    BytesToChars(text, size, &chars);
    Check(chars <= length);

    IsValidDBCSStr(text);
    ISJorESpace(text);
    IsDBCSSpace(text);
    IsDBCSDigit(text);
    AllWhite(text);

    std::unique_ptr<char[]> normalized(new char[length + 1]);
    NormalizeJapanese(normalized.get(), text);
    Check(std::strlen(normalized.get()) <= length);

    unsigned long const cap = size == 0 ? 0 : static_cast<unsigned char>(text[0]) % (size + 1);
    std::unique_ptr<char[]> appended(new char[cap + 1]);
    appended[0] = '\0';
    AppendString(appended.get(), text, cap);
}

void Searching(char* text, std::size_t size) {
    // The tail of the text is the needle, so it is found at least there.
    char* needle = text + (size == 0 ? 0 : static_cast<unsigned char>(text[0]) % size);
    DBCSstrchr(text, needle);
    DBCSstrchr(text, *needle);
    DBCSstrrchr(text, needle);
    DBCSstrrchr(text, *needle);
    MyDBCSstrchr(text, needle);
    EndsWith(text, needle);
    CaseInsensitiveEndsWith(text, needle);
}

void Comparing(char const* bytes, std::size_t size) {
    std::size_t const half = size / 2;
    std::unique_ptr<char[]> a = ExactCopy(bytes, half, true), b = ExactCopy(bytes + half, size - half, true);
    std::unique_ptr<char[]> aRange = ExactCopy(bytes, half, false);
    std::unique_ptr<char[]> bRange = ExactCopy(bytes + half, size - half, false);
    auto const* ua = reinterpret_cast<unsigned char const*>(a.get());
    auto const* ub = reinterpret_cast<unsigned char const*>(b.get());

    int const order = StringCompare_E_Source(ua, ub);
    Check(Sign(order) == -Sign(StringCompare_E_Source(ub, ua)));
    Check(Sign(StringCompare_E_Source(a.get(), b.get(), size)) == Sign(order));
    StringCompare_E_Source(a.get(), b.get(), size % 7);

    char const* aEnd = aRange.get() + half;
    char const* bEnd = bRange.get() + (size - half);
    Check(Sign(StringCompare_E_Source(aRange.get(), aEnd, bRange.get(), bEnd)) ==
          -Sign(StringCompare_E_Source(bRange.get(), bEnd, aRange.get(), aEnd)));

    Check(CaseInsensitiveEqual(a.get(), b.get()) == (order == 0));
    Check(StrUpMatch(a.get(), b.get()) == (order == 0 ? 1 : 0));
}

void Converting(char const* bytes, std::size_t size, char const* text) {
    std::wstring const wide = MapSJISTowstring(text);
    if (!wide.empty()) {
        // Decoding what was encoded gives the same characters back.
        std::string const encoded = MapWstringToSJIS(wide);
        Check(MapSJISTowstring(encoded.c_str()) == wide);
    }

    // Lenient decoding keeps every byte: one offset per character, the last
    // at the end; what decodes fully reads back the same after encoding.
    std::vector<uint32_t> offsets;
    std::wstring const lenient = DecodeSJISLenient(bytes, size, &offsets);
    Check(offsets.size() == lenient.size() + 1 && offsets.back() == size);
    if (IsValidSJIS(bytes, size)) {
        std::string const encoded = EncodeSJISLenient(lenient.data(), lenient.size());
        Check(DecodeSJISLenient(encoded) == lenient);
    }

    // The bytes taken as wide characters, any value at all.
    std::vector<wchar_t> units(size / sizeof(wchar_t));
    if (!units.empty()) std::memcpy(units.data(), bytes, units.size() * sizeof(wchar_t));
    unsigned long const cap = size == 0 ? 0 : static_cast<unsigned char>(bytes[0]);
    std::unique_ptr<char[]> out(new char[cap + 1]);
    unsigned long written = cap;
    mapUnicodeToSJIS(units.data(), units.size() * sizeof(wchar_t), out.get(), &written);
    Check(written <= cap);
    MapWstringToSJIS(std::wstring(units.begin(), units.end()));
    IsDBCSDigit(std::wstring(units.begin(), units.end()).c_str());

    std::wstring const funky = FunkyCharSetIndependentMapNarrowToWideChars(bytes, size);
    Check(FunkyCharSetIndependentMapWideToNarrowChars(funky.data(), funky.size()) == std::string(bytes, size));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    char const* bytes = reinterpret_cast<char const*>(data);
    if (bytes == nullptr) bytes = "";
    std::unique_ptr<char[]> text = ExactCopy(bytes, size, true);

    ValidityAndRepair(bytes, size);
    CountingAndEditing(text.get(), size);
    Searching(text.get(), size);
    Comparing(bytes, size);
    Converting(bytes, size, text.get());
    return 0;
}
