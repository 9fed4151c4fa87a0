#include "engine/foundation/pos_class_tests.h"

#include <cstring>

#include "engine/foundation/english_pos_classes.h"
#include "engine/foundation/name_tables.h"

namespace {

bool BeginsWith(char const* name, char const* prefix) { return std::strncmp(name, prefix, std::strlen(prefix)) == 0; }

// EnglishPOSName already gives "" past the name table, and so for every value
// above 14,999.
bool NameBeginsWith(POS_E_Source pos, char const* prefix) { return BeginsWith(EnglishPOSName(pos), prefix); }

char const* JapanesePOSName(POS_J_Target pos) { return pos < kJ_Target_POSNameCount ? kJ_Target_POSNames()[pos] : ""; }

}  // namespace

bool IsNounLike(POS_E_Source pos) { return NameBeginsWith(pos, "N"); }

bool IsNoun1(POS_E_Source pos) {
    char const* const name = EnglishPOSName(pos);
    return name[0] == 'N' && (name[1] == '\0' || name[2] == '\0');
}

bool IsVerbLike(POS_E_Source pos) { return NameBeginsWith(pos, "V"); }

bool IsVerb1(POS_E_Source pos) {
    char const* const name = EnglishPOSName(pos);
    return name[0] == 'V' && (name[1] == 'I' || name[1] == 'T') && name[2] >= '0' && name[2] <= '9';
}

bool IsAdjLike(POS_E_Source pos) { return NameBeginsWith(pos, "ADJ"); }

bool IsAdj1Like(POS_E_Source pos) { return IsAdjLike(pos) && !NameBeginsWith(pos, "ADJUNCT"); }

bool IsAdvLike(POS_E_Source pos) { return NameBeginsWith(pos, "ADV"); }

bool IsPrepLike(POS_E_Source pos) { return NameBeginsWith(pos, "PREP"); }
bool IsArtLike(POS_E_Source pos) { return NameBeginsWith(pos, "ART"); }
bool IsConjLike(POS_E_Source pos) { return NameBeginsWith(pos, "CONJ"); }

CookTableGrossPOS mkCookTableGrossPOS(POS_E_Source pos) {
    if (IsAdj1Like(pos)) return eCookAdjective;
    if (IsAdvLike(pos)) return eCookAdverb;
    if (IsNoun1(pos)) return eCookNoun;
    if (IsVerb1(pos)) return eCookVerb;
    if (IsPrepLike(pos)) return eCookPreposition;
    return eCookNone;
}

short FindGrossJPOS(POS_J_Target pos) {
    char const* const name = JapanesePOSName(pos);
    if (BeginsWith(name, "VADJ")) return kGrossJPOSAdjectival;
    if (BeginsWith(name, "V")) return kGrossJPOSVerb;
    if (BeginsWith(name, "NA") || BeginsWith(name, "ADJ")) return kGrossJPOSAdjectival;
    if (BeginsWith(name, "ADV")) return 4;
    if (std::strcmp(name, "N") == 0) return 1;
    if (BeginsWith(name, "PostP") || BeginsWith(name, "Acc") || BeginsWith(name, "Nom")) return 5;
    return 6;
}
