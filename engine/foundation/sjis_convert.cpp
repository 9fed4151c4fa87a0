#include "engine/foundation/sjis_convert.h"

#include <cerrno>
#include <cstring>

#include "engine/foundation/iconv_converter.h"

namespace {

// Code page 932 rather than "SHIFT_JIS": the latter maps 0x5C and 0x7E away
// from ASCII and refuses the vendor rows that real text uses.
constexpr char kShiftJIS[] = "CP932";
constexpr char kWide[] = "WCHAR_T";

IconvConverter& Decoder() {
    thread_local IconvConverter decoder(kWide, kShiftJIS);
    return decoder.Reset();
}

IconvConverter& Encoder() {
    thread_local IconvConverter encoder(kShiftJIS, kWide);
    return encoder.Reset();
}

// Whether the rest of the input decodes once the caller's buffer is full:
// decoding is all or nothing even when the result is cut short.
bool RestDecodes(IconvConverter& decoder, char const* in, std::size_t inLeft) {
    wchar_t scratch[256];
    int error = E2BIG;
    while (error == E2BIG) {
        char* out = reinterpret_cast<char*>(scratch);
        std::size_t outLeft = sizeof scratch;
        error = decoder.Convert(&in, &inLeft, &out, &outLeft);
    }
    return error == 0;
}

std::string CopyOf(char const* s) { return s != nullptr ? std::string(s) : std::string(); }

}  // namespace

void mapSJISToUnicode(char const* s, unsigned long /*len*/, wchar_t* out, unsigned long* outBytes) {
    std::size_t const capacity = *outBytes;
    *outBytes = 0;
    if (s == nullptr || out == nullptr) return;

    IconvConverter& decoder = Decoder();
    std::size_t inLeft = std::strlen(s);
    char* cursor = reinterpret_cast<char*>(out);
    std::size_t outLeft = capacity;
    int error = decoder.Convert(&s, &inLeft, &cursor, &outLeft);
    if (error == E2BIG && RestDecodes(decoder, s, inLeft)) error = 0;
    if (error == 0) *outBytes = capacity - outLeft;
}

unsigned long MapSJISToWideChars(wchar_t* out, unsigned long outBytes, char const* s, unsigned long len) {
    if (out == nullptr || outBytes < sizeof(wchar_t)) return 0;
    // Keep the last whole character of the buffer for the terminator.
    unsigned long written = (outBytes / sizeof(wchar_t) - 1) * sizeof(wchar_t);
    mapSJISToUnicode(s, len, out, &written);
    unsigned long const count = written / sizeof(wchar_t);
    out[count] = L'\0';
    return count;
}

std::wstring MapSJISTowstring(char const* s) {
    if (s == nullptr) return std::wstring();
    // A byte never decodes to more than one character.
    unsigned long const length = std::strlen(s);
    std::wstring wide(length + 1, L'\0');
    wide.resize(MapSJISToWideChars(wide.data(), wide.size() * sizeof(wchar_t), s, length));
    return wide;
}

void mapUnicodeToSJIS(wchar_t const* w, unsigned long nBytes, char* out, unsigned long* outBytes) {
    std::size_t const capacity = *outBytes;
    *outBytes = 0;
    if (w == nullptr || out == nullptr) return;

    char const* in = reinterpret_cast<char const*>(w);
    std::size_t inLeft = nBytes;
    char* cursor = out;
    std::size_t outLeft = capacity;
    // Whatever stops it (a character with no Shift-JIS form, a full buffer),
    // what was converted before stays.
    Encoder().Convert(&in, &inLeft, &cursor, &outLeft);
    *outBytes = capacity - outLeft;
}

std::string MapWstringToSJIS(std::wstring const& w) {
    // No character takes more than two bytes in Shift-JIS.
    std::string narrow(2 * w.size(), '\0');
    unsigned long written = narrow.size();
    mapUnicodeToSJIS(w.data(), w.size() * sizeof(wchar_t), narrow.data(), &written);
    narrow.resize(written);
    return narrow;
}

std::string FunkyCharSetIndependentMapWideToNarrowChars(wchar_t const* w, unsigned long n) {
    std::string narrow;
    if (w == nullptr) return narrow;
    narrow.resize(n);
    for (unsigned long i = 0; i < n; ++i) narrow[i] = static_cast<char>(w[i] & 0xFF);
    return narrow;
}

std::wstring FunkyCharSetIndependentMapNarrowToWideChars(char const* s, unsigned long n) {
    std::wstring wide;
    if (s == nullptr) return wide;
    wide.resize(n);
    for (unsigned long i = 0; i < n; ++i) {
        unsigned char const b = s[i];
        wide[i] = static_cast<wchar_t>(b < 0x80 ? b : 0xFF00 + b);
    }
    return wide;
}

bool ConvertToHalfWidthChars(std::wstring* /*s*/) { return false; }

bool ConvertToFullWidthChars(std::wstring* /*s*/) { return false; }

// ---- Pass-through set ----------------------------------------------------

unsigned long MapSJISToWideChars2(char* dst, unsigned long n, char const* src, unsigned long /*unused*/) {
    if (n != 0) std::memcpy(dst, src, n);
    return n;
}

unsigned long MapWideToSJISChars2(char const* src, unsigned long n, char* dst, unsigned long /*unused*/) {
    if (n != 0) std::memcpy(dst, src, n);
    return n;
}

unsigned long MapSJISToWideCharOffsets2(char const* /*s*/, unsigned long n) { return n; }

unsigned long MapWideToSJISCharOffsets2(char const* s, unsigned long n) { return s != nullptr ? n : 0; }

std::string MapSJISToWideChars2(char const* s) { return CopyOf(s); }

std::string MapSJISTowstring2(char const* s) { return CopyOf(s); }

std::string MapWideToSJISChars2(char const* s) { return CopyOf(s); }

void MapUnicodeRange2(char const* /*s*/, long& /*start*/, long& /*end*/) {}

// ---- Full-width digits ---------------------------------------------------

JDigits::JDigits() : fDigits{} {
    for (int digit = 0; digit < kDigitCount; ++digit) {
        char const sjis[3] = {static_cast<char>(0x82), static_cast<char>(0x4F + digit), '\0'};
        MapSJISToWideChars(fDigits[digit], sizeof fDigits[digit], sjis, 2);
    }
}

JDigits const& JDigits::Get() {
    static JDigits const table;
    return table;
}

bool IsDBCSDigit(wchar_t const* s) {
    if (s == nullptr || s[0] == L'\0') return false;
    JDigits const& digits = JDigits::Get();
    for (int digit = 0; digit < JDigits::kDigitCount; ++digit) {
        wchar_t const* candidate = digits[static_cast<JDigits::Digit>(digit)];
        if (s[0] == candidate[0] && s[1] == candidate[1]) return true;
    }
    return false;
}

bool IsDBCSSpace(wchar_t const* s) { return s != nullptr && s[0] == L'\x3000'; }
