#include "engine/foundation/english_pos_classes.h"

#include <algorithm>
#include <cstring>
#include <iterator>

#include "engine/foundation/atom_databases.h"
#include "engine/foundation/cat_lists.h"
#include "engine/foundation/name_tables.h"

namespace {

bool IsASCIIDigit(char c) { return c >= '0' && c <= '9'; }

bool BeginsWith(char const* name, char const* prefix) { return std::strncmp(name, prefix, std::strlen(prefix)) == 0; }

// The name a class is looked up by: some families of names share a class.
char const* ClassNameOf(char const* name) {
    for (char const* prefix : {"CHAPT", "N_", "SIZE", "TITLE"}) {
        if (BeginsWith(name, prefix)) return "N";
    }
    if (BeginsWith(name, "ADJUNCT")) return "ADV";
    if (BeginsWith(name, "CONJ")) return "CONJ";
    return name;
}

template <std::size_t N>
char const* NameOfNumber(POSClassName const (&map)[N], unsigned long number) {
    auto const found = std::find_if(std::begin(map), std::end(map),
                                    [number](POSClassName const& pair) { return pair.number == number; });
    return found != std::end(map) ? found->name : nullptr;
}

}  // namespace

bool MatchPlus2Digits(char const* s, char const* prefix) {
    if (s == nullptr) return false;
    std::size_t const length = std::strlen(prefix);
    return std::strncmp(s, prefix, length) == 0 && IsASCIIDigit(s[length]) && IsASCIIDigit(s[length + 1]);
}

bool IsNumberedVerbName(char const* name) { return MatchPlus2Digits(name, "VI") || MatchPlus2Digits(name, "VT"); }

bool IsNumberedAdjectiveName(char const* name) {
    return MatchPlus2Digits(name, "ADJ") || MatchPlus2Digits(name, "HOWADJ") || MatchPlus2Digits(name, "HOW2ADJ");
}

char const* EnglishPOSName(POS_E_Source pos) { return pos < kE_Source_POSNameCount ? kE_Source_POSNames()[pos] : ""; }

short FindGrossEPOS(POS_E_Source pos) {
    char const* const name = EnglishPOSName(pos);
    for (GrossPOSRow const& row : fGPOSMatcher) {
        if (row.prefix != nullptr && BeginsWith(name, row.prefix)) return row.grossClass;
        if (row.grossClass != -1 && CatMatch(row.grossClass, pos, false, false)) return row.grossClass;
    }
    if (IsNumberedVerbName(name)) return 28;
    if (IsNumberedAdjectiveName(name)) return 29;
    return -1;
}

EPOSN POS_E_SourceToEPOSN(POS_E_Source pos) {
    char const* const name = ClassNameOf(EnglishPOSName(pos));
    auto const found = std::lower_bound(
        std::begin(fEPOSMap), std::end(fEPOSMap), name,
        [](POSClassName const& pair, char const* wanted) { return std::strcmp(pair.name, wanted) < 0; });
    if (found == std::end(fEPOSMap) || std::strcmp(found->name, name) != 0) return kUnknownEPOSN;
    return found->number;
}

POS_E_Source EPOSNToPOS_E_Source(EPOSN number) {
    POS_E_Source pos{};
    gSourcePOSDatabase().Lookup(NameOfNumber(fEPOSMap, number), &pos);
    return pos;
}

JPOSN JPOSNameToN(char const* name) {
    if (name == nullptr) return 0;
    if (std::strstr(name, "DUMMY") != nullptr) name = "SUPPRESS";
    auto const found = std::find_if(std::begin(fJPOSMap), std::end(fJPOSMap),
                                    [name](POSClassName const& pair) { return std::strcmp(pair.name, name) == 0; });
    return found != std::end(fJPOSMap) ? found->number : 0;
}

JPOSN JPOSStrToN(POS_J_Target pos) { return pos < kJ_Target_POSNameCount ? JPOSNameToN(kJ_Target_POSNames()[pos]) : 0; }

POS_J_Target JPOSNToStr(JPOSN number) {
    POS_J_Target pos{};
    gTargetPOSDatabase().Lookup(NameOfNumber(fJPOSMap, number), &pos);
    return pos;
}
