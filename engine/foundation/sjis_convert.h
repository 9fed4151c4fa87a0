#pragma once
// Conversion between Shift-JIS (code page 932, with 0x5C a backslash and 0x7E
// a tilde) and the 32-bit wide text of the translation pipeline.
//
// Decoding is all or nothing: text holding any byte that cannot be decoded
// gives no characters.  Encoding stops before the first character that has no
// Shift-JIS form.  Neither allocates unless it returns a string.
#include <string>

static_assert(sizeof(wchar_t) == 4, "wide text is UTF-32: one wchar_t per character");

// Decodes the whole NUL-terminated s (len is not used) into out, writing at
// most *outBytes bytes; *outBytes receives the bytes written.  No terminator.
void mapSJISToUnicode(char const* s, unsigned long len, wchar_t* out, unsigned long* outBytes);

// Decodes s into out, a buffer of outBytes bytes, and terminates it with 0
// inside that buffer; returns the characters written, terminator not counted.
unsigned long MapSJISToWideChars(wchar_t* out, unsigned long outBytes, char const* s, unsigned long len);

// The wide text of s; empty when s does not decode (or is null).
std::wstring MapSJISTowstring(char const* s);

// Encodes nBytes bytes of wide text into out, writing at most *outBytes bytes
// and stopping before the first character that cannot be encoded or would not
// fit; *outBytes receives the bytes written.  The caller terminates the text.
void mapUnicodeToSJIS(wchar_t const* w, unsigned long nBytes, char* out, unsigned long* outBytes);

// The Shift-JIS text of w, up to its first character that cannot be encoded.
std::string MapWstringToSJIS(std::wstring const& w);

// Character-set-blind mappings that keep every code unit: wide to narrow keeps
// the low 8 bits; narrow to wide keeps bytes below 0x80 and turns the others
// into 0xFF00 + byte.
std::string FunkyCharSetIndependentMapWideToNarrowChars(wchar_t const* w, unsigned long n);
std::wstring FunkyCharSetIndependentMapNarrowToWideChars(char const* s, unsigned long n);

// Width conversion is deliberately not done: both leave s as it is and return
// false, which callers treat as "nothing changed".
bool ConvertToHalfWidthChars(std::wstring* s);
bool ConvertToFullWidthChars(std::wstring* s);

// ---- Pass-through set ----------------------------------------------------
// For wide interfaces whose text is in fact Shift-JIS bytes: everything is
// copied unchanged and every offset maps to itself.

unsigned long MapSJISToWideChars2(char* dst, unsigned long n, char const* src, unsigned long unused);
unsigned long MapWideToSJISChars2(char const* src, unsigned long n, char* dst, unsigned long unused);
unsigned long MapSJISToWideCharOffsets2(char const* s, unsigned long n);
unsigned long MapWideToSJISCharOffsets2(char const* s, unsigned long n);  // 0 for a null s
// Copies of s; empty for a null s.
std::string MapSJISToWideChars2(char const* s);
std::string MapSJISTowstring2(char const* s);
std::string MapWideToSJISChars2(char const* s);
void MapUnicodeRange2(char const* s, long& start, long& end);

// ---- Full-width digits ---------------------------------------------------

// The ten full-width digits U+FF10 to U+FF19, each a one-character wide
// string, decoded from their Shift-JIS forms 0x82 0x4F to 0x82 0x58.  The
// table is built on the first call of Get(), from any thread, so no start-up
// order can see it unbuilt.
class JDigits {
public:
    enum Digit { J_ZERO, J_1, J_2, J_3, J_4, J_5, J_6, J_7, J_8, J_9, kDigitCount };

    static JDigits const& Get();

    wchar_t const* operator[](Digit digit) const { return fDigits[digit]; }

private:
    JDigits();

    wchar_t fDigits[kDigitCount][2];
};

// s is exactly one full-width digit.
bool IsDBCSDigit(wchar_t const* s);

// s begins with the full-width space U+3000.
bool IsDBCSSpace(wchar_t const* s);
