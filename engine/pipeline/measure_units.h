#pragma once
// Words made of a number and a measure unit ("5km") or of a currency prefix
// and a number ("EUR5"), and how they split into two tokens.  The unit tables
// are narrow text in the engine's narrow code page (Shift-JIS); the split
// converts between it and the pipeline's wide text.
#include <string>

namespace measure_units {

// A unit as written after a number, and its text after the number 1 and
// after any other number.
struct SeparableUnit {
    char const* written;
    char const* afterOne;
    char const* afterOthers;
};
extern SeparableUnit const kSeparableUnits[27];
extern char const* const kPrefixUnit[6];

// The characters of a number's leading part, and of a currency prefix.
extern wchar_t const wDigitOrPeriodChars[];
extern wchar_t const wAlphaChars[];

// At least one of "0123456789" and nothing outside "0123456789.".
bool IsDigitPresentAndNoNonDigits(std::wstring const& text);

// Between wide text and the narrow code page: all or nothing, so "" for text
// with any character the other side cannot hold.
std::string MapWideStringToACP(std::wstring const& text);
std::wstring MapACPStringToWide(std::string const& text);

// The conversions a split uses; tests may give others.
struct Conversions {
    std::string (*toNarrow)(std::wstring const&) = MapWideStringToACP;
    std::wstring (*toWide)(std::string const&) = MapACPStringToWide;
};

struct Split {
    enum Kind { kNone, kNumberThenUnit, kPrefixThenNumber };
    Kind kind = kNone;
    std::wstring number;  // the Number token's text
    std::wstring word;    // the Word token's text; "" for a unit whose text converts to nothing
};

// How the word splits: a number then a unit of kSeparableUnits (the unit
// written as its row says after that number), or a prefix of kPrefixUnit then
// a number; kNone when it is neither.
Split SplitWord(std::wstring const& word, Conversions const& conversions = Conversions());

}  // namespace measure_units
