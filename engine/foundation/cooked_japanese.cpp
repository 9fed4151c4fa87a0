#include "engine/foundation/cooked_japanese.h"

#include <cstring>

#include "engine/foundation/aw_set_table.h"
#include "engine/foundation/char_suffix.h"
#include "engine/foundation/copula_rewrites.h"
#include "engine/foundation/english_pos_classes.h"
#include "engine/foundation/jpos_ids.h"
#include "engine/foundation/kana_romaji.h"
#include "engine/foundation/name_tables.h"
#include "engine/foundation/pos_class_tests.h"
#include "engine/foundation/sjis_chars.h"

namespace {

char const* OrEmpty(char const* s) { return s != nullptr ? s : ""; }

char const* TargetName(POS_J_Target target) {
    return target < kJ_Target_POSNameCount ? kJ_Target_POSNames()[target] : "";
}

// The tail follows a "}" that is a character of its own, not the trail byte
// of a katakana.
bool TailFollowsBrace(std::string const& cooked, char const* tail) {
    return CharSuffixStart(cooked, std::string("}") + tail) != std::string::npos;
}

// Where the romaji tail begins: after the last "}" (walking by characters).
std::size_t RomajiTailStart(std::string const& text) {
    char const* const begin = text.data();
    char const* const end = begin + text.size();
    std::size_t start = 0;
    for (char const* p = begin; p < end; p += SJISCharSize(p, end)) {
        if (*p == '}') start = static_cast<std::size_t>(p - begin) + 1;
    }
    return start;
}

// Writes the stem ending over as many bytes just before the last "-".  Only
// romaji letters of the tail are overwritten: a stem in the braces ("{来}-")
// stays as it is.
void OverwriteStemEnding(std::string& text, char const* stemEnding) {
    std::size_t const n = std::strlen(OrEmpty(stemEnding));
    if (n == 0) return;
    std::size_t const joint = text.rfind('-');  // "-" is never a trail byte
    if (joint == std::string::npos || joint < RomajiTailStart(text) + n) return;
    for (std::size_t i = joint - n; i < joint; ++i) {
        if (static_cast<unsigned char>(text[i]) >= 0x80) return;
    }
    text.replace(joint - n, n, stemEnding);
}

std::string DictionaryFormOrKana(std::string const& cooked, CookTableGrossPOS gross, POS_J_Target target) {
    std::string form;
    if (CreateJDictForm(cooked, gross, target, &form) == 0) return form;
    return RomajiToKana(cooked, false);
}

// Prepositions too: without their table a preposition's "{上}-" (上の)
// would come out as 上, its の lost.
CookTableGrossPOS RawFormClass(POS_E_Source english) {
    if (IsNounLike(english)) return eCookNoun;
    if (IsVerbLike(english)) return eCookVerb;
    if (IsAdjLike(english)) return eCookAdjective;
    if (IsAdvLike(english)) return eCookAdverb;
    if (IsPrepLike(english)) return eCookPreposition;
    return eCookNone;
}

void EraseFirst(std::string& text, char const* marker) {
    std::size_t const at = text.find(marker);  // ASCII markers opening with "-" start a character
    if (at != std::string::npos) text.erase(at, std::strlen(marker));
}

bool IsASCIIUpper(char c) { return c >= 'A' && c <= 'Z'; }

// Capitals that romaji uses: small kana, ん and っ.
bool IsRomajiCapital(char c) { return std::strchr("AIEONQ", c) != nullptr; }

}  // namespace

unsigned short CreateJDictForm(std::string const& cooked, CookTableGrossPOS gross, POS_J_Target target,
                               std::string* out) {
    if (out != nullptr) out->clear();
    CookTable const* const table = CookTableOf(gross);
    char const* const targetName = TargetName(target);
    if (table == nullptr || *targetName == '\0') return 202;
    for (int i = 0; i < table->count; ++i) {
        CookArrayEntry const& entry = table->entries[i];
        for (int k = 0; k < entry.answerCount; ++k) {
            cook_alt_t const& alt = entry.answers[k];
            if (std::strcmp(JPOSStrFromID(alt.jpos), targetName) != 0 || !TailFollowsBrace(cooked, alt.cookedTail)) {
                continue;
            }
            std::string const text =
                cooked.substr(0, cooked.size() - std::strlen(alt.cookedTail)) + OrEmpty(alt.dictEnding);
            if (out != nullptr) *out = RomajiToKana(text, false);
            return 0;
        }
    }
    return 202;
}

std::string InflectCookedByRecord(std::string text, ALTWORD_INFLECT_ATOM const& record, JPOSN jposn,
                                  std::string const& tail) {
    OverwriteStemEnding(text, record.stemEnding);
    text += OrEmpty(record.ending);
    text += tail;
    // After the ending: the copula's irregular forms are whole inflected
    // forms ("dear-anai" is ではない).
    if (jposn == kCopulaJPOSN) MaybeVCrToSurface(text, kCopulaJPOSN);
    return RomajiToKana(text, false);
}

std::string CreateInflectedTranslation(std::string const& cooked, POS_J_Target target, CookTableGrossPOS gross,
                                       char const* form) {
    JPOSN const jposn = JPOSStrToN(target);
    AltWordInflectionSet const* const set = GetAWSetOfGrossJPOS(FindGrossJPOS(target));
    int const row = set != nullptr ? FindAWSetRow(*set, jposn) : -1;
    if (row >= 0) {
        int const named = FindAWFormSlot(*set, form);
        ALTWORD_INFLECT_ATOM const& record = set->primary[row][named >= 0 ? named : 0];
        if (record.ending != nullptr) return InflectCookedByRecord(cooked, record, jposn, std::string());
    }
    return DictionaryFormOrKana(cooked, gross, target);
}

std::string CreateRawJapaneseFromCooked(std::string const& cooked, POS_J_Target target, POS_E_Source english) {
    std::string stripped = StripInternalStuffFromJapanese(cooked);
    if (stripped.empty()) return stripped;
    return CreateInflectedTranslation(stripped, target, RawFormClass(english), nullptr);
}

std::string StripInternalStuffFromJapanese(std::string text) {
    EraseFirst(text, "-MO2");
    EraseFirst(text, "-MO");
    if (text.compare(0, 2, "xx") == 0) return std::string();
    char const* const begin = text.data();
    char const* const end = begin + text.size();
    for (char const* p = begin; p < end && *p != '{'; p += SJISCharSize(p, end)) {
        if (!IsASCIIUpper(*p) || text.compare(static_cast<std::size_t>(p - begin), 3, "Qta") == 0) continue;
        bool const opensSyllable = p == begin || p[-1] == '-';
        if (opensSyllable || !IsRomajiCapital(*p)) return std::string();
    }
    return text;
}
