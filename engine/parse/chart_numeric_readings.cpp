// Readings of single words that are numbers or written like them: numbers
// joined by a hyphen, clock hours and minutes, ordinals, years, decimal
// numbers, telephone numbers, internet names and identifiers.  Each goes
// into the word's one-word cell.  The texts are Shift-JIS: a double-byte
// character is stepped over whole, so its trail byte is never read as an
// ASCII letter or mark.
#include <cstdint>
#include <string>

#include "engine/compiled/missing_word_entries.h"
#include "engine/foundation/cooked_text.h"
#include "engine/foundation/sjis_chars.h"
#include "engine/foundation/token_types.h"
#include "engine/parse/parse_chart_creator.h"
#include "engine/parse/sentence.h"

namespace {

constexpr char kUseSurfaceForm[] = "zxqUSE_SURFACE_FORM";

// Years a number of four digits is read as.
constexpr long kFirstYear = 1001;
constexpr long kLastYear = 2200;
// A year has four digits; reading five tells a longer number from one.
constexpr int kYearDigitsRead = 5;

bool IsASCIIDigit(char c) { return c >= '0' && c <= '9'; }

bool HasASCIIDigit(std::string const& text) {
    char const* const end = text.data() + text.size();
    for (char const* p = text.data(); p < end; p += SJISCharSize(p, end))
        if (IsASCIIDigit(*p)) return true;
    return false;
}

// Digits with exactly one hyphen between them: "12-34".
bool IsDigitsHyphenDigits(std::string const& text) {
    std::size_t hyphens = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '-') {
            if (i == 0 || i + 1 == text.size()) return false;
            ++hyphens;
        } else if (!IsASCIIDigit(text[i])) {
            return false;
        }
    }
    return hyphens == 1;
}

// The digits of an ordinal ("21" of "21st", "1,000" of "1,000th"), or ""
// when the text is none: digits and commas, with at least one digit, then
// "th", or "st", "nd", "rd" after a 1, 2, 3; the suffix in either case.
std::string OrdinalNumber(std::string const& text) {
    if (text.size() < 3) return "";
    std::string const number = text.substr(0, text.size() - 2);
    char const last = number.back();
    bool const suffixFits = EndsWithCI(text.c_str(), "th") || (last == '1' && EndsWithCI(text.c_str(), "st")) ||
                            (last == '2' && EndsWithCI(text.c_str(), "nd")) ||
                            (last == '3' && EndsWithCI(text.c_str(), "rd"));
    if (!suffixFits) return "";
    bool digit = false;
    for (char const c : number) {
        if (IsASCIIDigit(c))
            digit = true;
        else if (c != ',')
            return "";
    }
    return digit ? number : "";
}

// Whether the text is written as a number: ASCII digits (at least one),
// white space, a full-width space that ends the text, and "-" or "/" between
// other characters; with `decimalMarks`, also "," and ".".
bool IsNumberText(std::string const& text, bool decimalMarks) {
    bool digit = false;
    char const* const begin = text.data();
    char const* const end = begin + text.size();
    for (char const* p = begin; p < end;) {
        std::size_t const size = SJISCharSize(p, end);
        unsigned char const c = static_cast<unsigned char>(*p);
        if (size == 2) {
            bool const endingFullWidthSpace = c == 0x81 && static_cast<unsigned char>(p[1]) == 0x40 && p + 2 == end;
            if (!endingFullWidthSpace) return false;
        } else if (IsASCIIDigit(*p)) {
            digit = true;
        } else if (*p == '-' || *p == '/') {
            if (p == begin || p + 1 == end) return false;
        } else if (!(IsASCIIWhite(*p) || (decimalMarks && (*p == ',' || *p == '.')))) {
            return false;
        }
        p += size;
    }
    return digit;
}

// The number the text begins with, after white space; at most
// kYearDigitsRead digits are read, so no text can overflow it.
long LeadingNumber(std::string const& text) {
    std::size_t i = 0;
    while (i < text.size() && IsASCIIWhite(text[i])) ++i;
    long value = 0;
    for (int read = 0; i < text.size() && IsASCIIDigit(text[i]) && read < kYearDigitsRead; ++i, ++read)
        value = value * 10 + (text[i] - '0');
    return value;
}

bool IsYearText(std::string const& text) {
    if (!IsNumberText(text, false)) return false;
    long const number = LeadingNumber(text);
    return number >= kFirstYear && number <= kLastYear;
}

}  // namespace

bool ParseChartCreator::CreateNumericEntries(PreparsedWord const& word, int index, Dictionary_EX special) {
    std::string const& text = word.fText;
    auto const make = [&](std::string const& japanese, char const* posName) {
        FillChartEntry(CreateParaphraseInTempDict(special, text, japanese, posName).GetFinePOS(), index, 0, false);
    };
    if (word.Type() == EnglishTokens::kNumberSequence && IsDigitsHyphenDigits(text)) {
        make(MakeJNum(text.c_str()), "DECIHYPHENDECI");
        return true;
    }
    // The preparser split "am" or "pm" off the number: a clock time.
    if (word.Has2(PreparsedWord::kHourNumber)) {
        make(MakeJNum(text.c_str()), "N_HOURNUM");
        if (word.Has2(PreparsedWord::kClockSuffixSplit)) make(MakeJNum(text.c_str()), "N_MINNUM");
        return true;
    }
    if (word.Has2(PreparsedWord::kClockSuffixSplit)) {
        make(MakeJNum(text.c_str()), "N_MINNUM");
        return true;
    }
    std::string const ordinal = OrdinalNumber(text);
    if (!ordinal.empty()) {
        make(MakeJNum(ordinal.c_str()), "N_ORDNUM");
        return true;
    }
    bool const year = IsYearText(text);
    if (year) make(MakeJNum(text.c_str()), "N_YEAR");
    if (IsNumberText(text, true)) {
        make(MakeJNum(text.c_str()), "N_DECINUM");
        return true;
    }
    return year;
}

bool ParseChartCreator::CreateInternetName(PreparsedWord const& word, int index, Dictionary_EX special) {
    if (word.Type() != EnglishTokens::kInternetName) return false;
    FillChartEntry(CreateParaphraseInTempDict(special, word.fText, kUseSurfaceForm, "N_INTERNET_ADDRESS").GetFinePOS(),
                   index, 0, false);
    return true;
}

bool ParseChartCreator::CreatePhoneNumber(PreparsedWord const& word, int index, Dictionary_EX special) {
    if (word.Type() != EnglishTokens::kPhoneNumber) return false;
    FillChartEntry(
        CreateParaphraseInTempDict(special, word.fText, MakeJNum(word.fText.c_str()), "N_PHONENUM").GetFinePOS(), index,
        0, false);
    return true;
}

bool ParseChartCreator::CreateIdentifier(PreparsedWord const& word, int index, Dictionary_EX dictionary) {
    if (!HasASCIIDigit(word.fText)) return false;
    FillChartEntry(CreateParaphraseInTempDict(dictionary, word.fText, kUseSurfaceForm, "N_IDENTIFIER").GetFinePOS(),
                   index, 0, false);
    return true;
}
