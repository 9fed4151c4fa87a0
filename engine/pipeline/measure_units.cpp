#include "engine/pipeline/measure_units.h"

#include "engine/foundation/sjis_convert.h"

namespace measure_units {

// A split hands the unit on as it was written, so that the tokens' texts
// are still the source text (sentence offsets are counted from them).  The
// rows of "am", "in" and "ins" once held garbled texts ("q@", "m@", "mz@")
// that put words into sentences which the source never had; they write the
// unit as every other row does.
SeparableUnit const kSeparableUnits[27] = {
    {"am", "am", "am"},    {"bn", "bn", "bn"},    {"cm", "cm", "cm"}, {"ft", "ft", "ft"},    {"Gb", "Gb", "Gb"},
    {"GB", "GB", "GB"},    {"grm", "grm", "grm"}, {"in", "in", "in"}, {"ins", "ins", "ins"}, {"ish", "ish", "ish"},
    {"Kb", "Kb", "Kb"},    {"KB", "KB", "KB"},    {"kg", "kg", "kg"}, {"km", "km", "km"},    {"lb", "lb", "lb"},
    {"lbs", "lbs", "lbs"}, {"Mb", "Mb", "Mb"},    {"MB", "MB", "MB"}, {"mm", "mm", "mm"},    {"mph", "mph", "mph"},
    {"oz", "oz", "oz"},    {"pc", "pc", "pc"},    {"pm", "pm", "pm"}, {"pw", "pw", "pw"},    {"rpm", "rpm", "rpm"},
    {"Tb", "Tb", "Tb"},    {"TB", "TB", "TB"},
};

char const* const kPrefixUnit[6] = {"eur", "Eur", "EUR", "euro", "Euro", "EURO"};

wchar_t const wDigitOrPeriodChars[] = L"0123456789.";
// "k" twice, as the table has always had it; a set, so harmless.
wchar_t const wAlphaChars[] = L"abcdefghijklkmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ";

namespace {

wchar_t const kDigits[] = L"0123456789";

std::size_t LeadingSpan(std::wstring const& text, wchar_t const* chars) {
    std::size_t const end = text.find_first_not_of(chars);
    return end == std::wstring::npos ? text.size() : end;
}

}  // namespace

bool IsDigitPresentAndNoNonDigits(std::wstring const& text) {
    return text.find_first_of(kDigits) != std::wstring::npos &&
           text.find_first_not_of(wDigitOrPeriodChars) == std::wstring::npos;
}

std::string MapWideStringToACP(std::wstring const& text) {
    std::string narrow = MapWstringToSJIS(text);
    // The encoder stops at the first character it cannot encode: a cut text
    // must not pass for the whole one.
    if (MapSJISTowstring(narrow.c_str()) != text) return std::string();
    return narrow;
}

std::wstring MapACPStringToWide(std::string const& text) { return MapSJISTowstring(text.c_str()); }

Split SplitWord(std::wstring const& word, Conversions const& conversions) {
    Split split;
    std::size_t const numberLength = LeadingSpan(word, wDigitOrPeriodChars);
    if (numberLength > 0) {
        std::wstring const number = word.substr(0, numberLength);
        if (IsDigitPresentAndNoNonDigits(number)) {
            std::string const unit = conversions.toNarrow(word.substr(numberLength));
            for (SeparableUnit const& row : kSeparableUnits) {
                if (unit.empty() || unit != row.written) continue;
                split.kind = Split::kNumberThenUnit;
                split.number = number;
                split.word = conversions.toWide(number == L"1" ? row.afterOne : row.afterOthers);
                return split;
            }
        }
    }

    std::size_t const prefixLength = LeadingSpan(word, wAlphaChars);
    if (prefixLength > 0 && IsDigitPresentAndNoNonDigits(word.substr(prefixLength))) {
        std::string const prefix = conversions.toNarrow(word.substr(0, prefixLength));
        for (char const* candidate : kPrefixUnit) {
            if (prefix.empty() || prefix != candidate) continue;
            split.kind = Split::kPrefixThenNumber;
            split.word = word.substr(0, prefixLength);
            split.number = word.substr(prefixLength);
            return split;
        }
    }
    return split;
}

}  // namespace measure_units
