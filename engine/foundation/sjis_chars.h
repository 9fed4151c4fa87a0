#pragma once
// Character-aware operations on NUL-terminated Shift-JIS text, the form of all
// Japanese text and of all text at the engine's edges.
//
// A character is two bytes when its first byte is a lead byte and the next
// byte is not NUL, one byte otherwise: a lead byte standing alone at the end of
// a string or range is one character, so no walk ever steps past the end.
#include <cstddef>

// ---- Byte classes --------------------------------------------------------

inline bool IsSJISLeadByte(unsigned char b) { return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC); }

inline bool IsSJISTrailByte(unsigned char b) { return b >= 0x40 && b <= 0xFC && b != 0x7F; }

// ---- ASCII classes of any code unit (char, unsigned char, wchar_t) ------
// Locale-independent on purpose: only the ASCII white-space characters and
// letters count, whatever the locale says and whatever the sign of char.

template <typename Unit>
bool IsASCIIWhite(Unit c) {
    return c == Unit(' ') || (c >= Unit('\t') && c <= Unit('\r'));
}

template <typename Unit>
Unit ASCIIToLower(Unit c) {
    return (c >= Unit('A') && c <= Unit('Z')) ? static_cast<Unit>(c + ('a' - 'A')) : c;
}

template <typename Unit>
Unit ASCIIToUpper(Unit c) {
    return (c >= Unit('a') && c <= Unit('z')) ? static_cast<Unit>(c - ('a' - 'A')) : c;
}

// ---- Character stepping --------------------------------------------------

// Bytes taken by the character at p in NUL-terminated text (0 at the end).
inline std::size_t SJISCharSize(char const* p) {
    if (*p == '\0') return 0;
    return (IsSJISLeadByte(p[0]) && p[1] != '\0') ? 2 : 1;
}

// Bytes taken by the character at p in [p, end), p < end: a lead byte in the
// last position of the range is one byte.
inline std::size_t SJISCharSize(char const* p, char const* end) {
    return (IsSJISLeadByte(p[0]) && p + 1 < end) ? 2 : 1;
}

// ---- Searching -----------------------------------------------------------

// First byte position of needle in s (every byte position, trail bytes
// included); an empty needle gives the terminating NUL; null when absent.
char* DBCSstrchr(char* s, char const* needle);
char* DBCSstrchr(char* s, char c);

// Last occurrence of needle, found by searching again just after each match
// (one character on); an empty needle gives the end of s; null when absent.
char* DBCSstrrchr(char* s, char const* needle);
char* DBCSstrrchr(char* s, char c);

// First character of s equal to the first character of ch, walking s by
// characters so that a trail byte never matches; null when ch is empty or
// nothing matches.
char const* MyDBCSstrchr(char const* s, char const* ch);

// ---- Classification ------------------------------------------------------

// s begins with a full-width digit (0x82 0x4F to 0x82 0x58).
bool IsDBCSDigit(char const* s);

// 2 when p begins with the full-width space 0x81 0x40, 1 when p[0] is ASCII
// white space, else 0.
int ISJorESpace(char const* p);

// s begins with the full-width space.
bool IsDBCSSpace(char const* s);

// Every character of s is ASCII white space or a full-width space; true for "".
bool AllWhite(char const* s);

// ---- Validity and repair -------------------------------------------------

bool IsValidDBCSStr(char const* s);

// First position in [p, end) holding a NUL byte, or a lead byte whose trail
// byte is missing or invalid; end when there is none.
char const* FindNextInvalidChar(char const* p, char const* end);

// Repairs the character at p (p < end) and returns the position after it: a
// NUL becomes "#"; a lead byte with an invalid trail byte becomes the pair
// 0x81 0xA1 in place; a lead byte in the last position of the range, whose
// replacement pair would not fit, becomes "#"; anything else is left alone.
char* FixInvalidChar(char* p, char* end);

// Repairs every invalid character of [p, end).
void FixAllInvalidChars(char* p, char* end);

// ---- Counting ------------------------------------------------------------

// *bytes = bytes taken by the first n characters of s (fewer at its end).
void CharsToBytes(unsigned long* bytes, char const* s, unsigned long n);

// Walks the characters of the first nBytes bytes of s, a lead byte taking two
// bytes whatever trail byte follows, counting each into *nChars (when given).
// True when exactly nBytes bytes are taken; false when a NUL is met or the
// last character runs past nBytes (that character is counted).
bool BytesToChars(char const* s, unsigned long nBytes, unsigned long* nChars);

// ---- Editing -------------------------------------------------------------

// Copies src to dst without its leading and trailing ASCII and full-width
// spaces; dst may be src itself.
void NormalizeJapanese(char* dst, char const* src);

// Turns every CR LF in buf[0, n) into a space and LF, keeping the length.
void HomegeniseLineEnds(char* buf, unsigned long n);

// Appends as much of src as fits in a buffer of cap bytes holding the
// NUL-terminated dst, always leaving dst[cap - 1] NUL; returns dst.
char* AppendString(char* dst, char const* src, unsigned long cap);

// Copies into a new array that the caller frees with delete[]; null for null.
char* STRDUP(char const* s);
wchar_t* STRDUP(wchar_t const* s);
