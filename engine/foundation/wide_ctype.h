#pragma once
// Character classes and case of wide (UTF-32) text that do not depend on the
// host's locale: the pipeline must split and scan a text the same way under
// any LANG.  Classes are those of the C.UTF-8 locale, made once per process;
// where it is missing, only ASCII is classified.
#include <cwchar>

bool IsWideSpace(wchar_t c);
bool IsWideAlpha(wchar_t c);
bool IsWideDigit(wchar_t c);  // 0 to 9 only, as iswdigit
bool IsWideAlnum(wchar_t c);
bool IsWidePunct(wchar_t c);
bool IsWideUpper(wchar_t c);
bool IsWideLower(wchar_t c);
wchar_t ToWideUpper(wchar_t c);
wchar_t ToWideLower(wchar_t c);
