#include "engine/foundation/wide_ctype.h"

#include <clocale>
#include <cwctype>

#include <locale.h>

namespace {

// Made on first use and kept for the life of the process.
locale_t Classes() {
    static locale_t const classes = [] {
        locale_t made = newlocale(LC_CTYPE_MASK, "C.UTF-8", locale_t{});
        if (made == locale_t{}) made = newlocale(LC_CTYPE_MASK, "C", locale_t{});
        return made;
    }();
    return classes;
}

}  // namespace

bool IsWideSpace(wchar_t c) { return iswspace_l(static_cast<wint_t>(c), Classes()) != 0; }
bool IsWideAlpha(wchar_t c) { return iswalpha_l(static_cast<wint_t>(c), Classes()) != 0; }
bool IsWideDigit(wchar_t c) { return c >= L'0' && c <= L'9'; }
bool IsWideAlnum(wchar_t c) { return iswalnum_l(static_cast<wint_t>(c), Classes()) != 0; }
bool IsWidePunct(wchar_t c) { return iswpunct_l(static_cast<wint_t>(c), Classes()) != 0; }
bool IsWideUpper(wchar_t c) { return iswupper_l(static_cast<wint_t>(c), Classes()) != 0; }
bool IsWideLower(wchar_t c) { return iswlower_l(static_cast<wint_t>(c), Classes()) != 0; }
wchar_t ToWideUpper(wchar_t c) { return static_cast<wchar_t>(towupper_l(static_cast<wint_t>(c), Classes())); }
wchar_t ToWideLower(wchar_t c) { return static_cast<wchar_t>(towlower_l(static_cast<wint_t>(c), Classes())); }
