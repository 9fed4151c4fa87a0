#include "engine/foundation/initial_case_compare.h"

#include "engine/foundation/sjis_chars.h"
#include "engine/foundation/string_compare.h"
#include "engine/foundation/string_utils.h"

bool InitialCaseStringCompare::operator()(std::string const& a, std::string const& b) const {
    int const folded = StringCompare_E_Source(a, b);
    if (folded != 0) return folded < 0;
    // Case variants: equal folded, so differing first bytes are one letter in
    // its two cases.
    return !a.empty() && a[0] != b[0] && BeginsWithLowerCaseLetter(a.c_str());
}

bool BeginsWithLowerCaseLetter(char const* text) { return text != nullptr && *text >= 'a' && *text <= 'z'; }

std::string LowerCasedAfterInitial(std::string word) {
    ToLower(&word, SJISCharSize(word.c_str()));
    return word;
}
