#pragma once
// The value syntax of the dictionary text format, shared by its printer and
// its parser: escaped texts, coded values by name, domain sets, domain
// weights and semantics.  Every Parse function is the exact inverse of its
// Format function and throws DictionaryTextError on anything else.
#include <stdexcept>
#include <string>
#include <vector>

#include "engine/foundation/semantics.h"
#include "engine/foundation/value_types.h"

// A line of dictionary text that cannot be read.
class DictionaryTextError : public std::runtime_error {
public:
    explicit DictionaryTextError(std::string const& message) : std::runtime_error(message) {}
};

// Bytes as they may stand in a field: "\\", "\t", "\n", "\r" and "\xHH" for
// the backslash, control bytes, the extra characters and a Shift-JIS lead
// byte without its trail; a lead byte with its trail stays as it is, so that
// Japanese text stays readable.
std::string EscapeText(std::string const& text, char const* extra = "");
std::string UnescapeText(std::string const& field);

// "0" or "1".
std::string FormatFlag(bool value);
bool ParseFlag(std::string const& field);

// Decimal numbers within [low, high].
long ParseNumber(std::string const& field, long low, long high);

// Parts of speech by name; a code without a name as "#" and its number.
std::string FormatEnglishPOS(POS_E_Source pos);
POS_E_Source ParseEnglishPOS(std::string const& field);
std::string FormatJapanesePOS(POS_J_Target pos);
POS_J_Target ParseJapanesePOS(std::string const& field);

// Member domains by name, joined by ",".
std::string FormatDomainSet(DomainIDSet const& set);
DomainIDSet ParseDomainSet(std::string const& field);

// "domain:weight" joined by ",".
std::string FormatDomainWeights(std::vector<DomainWeightInfoRecord> const& weights);
std::vector<DomainWeightInfoRecord> ParseDomainWeights(std::string const& field);

// Empty when blank; else the records that count joined by "|", each
// "flags:atoms:name0:name1" with the three flag bits as a number and the
// atoms by name ("-" for negated ones) joined by ",".
std::string FormatSemantics(Dict_Semantics_E_Source const& semantics);
Dict_Semantics_E_Source ParseSemantics(std::string const& field);

// Splits at every separator.
std::vector<std::string> SplitText(std::string const& text, char separator);
