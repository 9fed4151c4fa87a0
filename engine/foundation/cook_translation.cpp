#include "engine/foundation/cook_translation.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "engine/foundation/char_suffix.h"
#include "engine/foundation/kana_romaji.h"
#include "engine/foundation/sjis_chars.h"

namespace {

char const* OrEmpty(char const* s) { return s != nullptr ? s : ""; }

// A record's romaji ending fits the end of the translation's romaji.
bool EndingFits(CookArrayEntry const& entry, std::string const& romaji, std::vector<unsigned long> const& offsets) {
    if (*entry.romajiEnding == '\0') return true;
    std::size_t const start = CharSuffixStart(romaji, entry.romajiEnding);
    if (start == std::string::npos) return false;
    // Offsets are 0 inside a kana's romaji (and for the first kana).
    return entry.boundaryFlag == 0 || start == 0 || offsets[start] != 0;
}

bool EndsWithIfGiven(char const* jtrans, char const* ending) {
    return ending == nullptr || PEndsWith(jtrans, ending) != nullptr;
}

// Every answer must fit the Shift-JIS text itself: the romaji cannot tell
// "走る" from "はしる".
bool AnswersFit(CookArrayEntry const& entry, char const* jtrans) {
    return std::all_of(entry.answers, entry.answers + entry.answerCount, [jtrans](cook_alt_t const& alt) {
        return EndsWithIfGiven(jtrans, alt.menuCut) && EndsWithIfGiven(jtrans, alt.dictEnding);
    });
}

CookArrayEntry const* FindCookEntry(CookTableGrossPOS gross, char const* jtrans) {
    CookTable const* const table = CookTableOf(gross);
    if (table == nullptr || !IsValidDBCSStr(jtrans)) return nullptr;
    std::vector<unsigned long> offsets;
    std::string const romaji = KanaToRomaji(std::string(jtrans), &offsets);
    for (int i = 0; i < table->count; ++i) {
        CookArrayEntry const& entry = table->entries[i];
        if (EndingFits(entry, romaji, offsets) && AnswersFit(entry, jtrans)) return &entry;
    }
    return nullptr;
}

// The translation without `ending` (which ends it) and with `addition`.
std::string SwapEnding(char const* jtrans, char const* ending, char const* addition) {
    char const* const cut = ending != nullptr ? PEndsWith(jtrans, ending) : nullptr;
    std::string text(jtrans, cut != nullptr ? cut : jtrans + std::strlen(jtrans));
    return text + OrEmpty(addition);
}

JPOSMenuQueryType QueryTypeOf(CookTableGrossPOS gross) {
    switch (gross) {
        case eCookAdjective:
            return eAdjectiveJPOSQuery;
        case eCookVerb:
            return eVerbJPOSQuery;
        default:
            return eNoJPOSQuery;
    }
}

// Everything GetAnswerMenu finds, for the callers that work on strings.
struct AnswerMenu {
    unsigned short code = kCookNoEntry;
    JPOSMenuQueryType query = eNoJPOSQuery;
    cook_alt_t const* alts = nullptr;
    int count = 0;
    std::string texts[kMaxCookAnswers];  // empty unless several answers

    bool HasMenu() const { return count > 1; }
    bool AsksQuestion() const { return code == kCookOK && query != eNoJPOSQuery; }
};

AnswerMenu FindAnswerMenu(CookTableGrossPOS gross, char const* jtrans) {
    AnswerMenu menu;
    jtrans = OrEmpty(jtrans);
    if (std::strlen(jtrans) > kMaxJTransBytes) {
        menu.code = kCookTranslationTooLong;
        return menu;
    }
    CookArrayEntry const* const entry = sCookArrayEntryGetter().Get(gross, jtrans);
    if (entry == nullptr) return menu;
    menu.code = kCookOK;
    menu.alts = entry->answers;
    menu.count = std::min(entry->answerCount, kMaxCookAnswers);
    if (menu.HasMenu()) {
        menu.query = QueryTypeOf(gross);
        for (int i = 0; i < menu.count; ++i) {
            menu.texts[i] = SwapEnding(jtrans, menu.alts[i].menuCut, menu.alts[i].menuAddition);
        }
    }
    return menu;
}

void CopyToSlot(std::string const& text, JPOSMenuSlot& slot) {
    std::size_t const n = std::min(text.size(), kJPOSMenuSlotSize - 1);
    std::memcpy(slot, text.data(), n);
    slot[n] = '\0';
}

// The answer the user chose: the one whose menu text is `answer`, else the
// first.
int ChosenAnswer(AnswerMenu const& menu, char const* answer) {
    if (!menu.HasMenu() || answer == nullptr) return 0;
    for (int i = 0; i < menu.count; ++i) {
        if (menu.texts[i] == answer) return i;
    }
    return 0;
}

}  // namespace

CookArrayEntry const* CookArrayEntryGetterWithCache::Get(CookTableGrossPOS gross, char const* jtrans) {
    jtrans = OrEmpty(jtrans);
    AutoCriticalSection lock(fLock);
    if (fValid && fGross == gross && fTranslation == jtrans) return fEntry;
    fEntry = FindCookEntry(gross, jtrans);
    fGross = gross;
    fTranslation = jtrans;
    fValid = true;
    return fEntry;
}

CookArrayEntryGetterWithCache& sCookArrayEntryGetter() {
    // Built on first use, so no static initialiser elsewhere can find it
    // unbuilt.
    static CookArrayEntryGetterWithCache getter;
    return getter;
}

unsigned short GetAnswerMenu(JPOSMenuQueryType* qt, JPOSMenuSlot* menu, cook_alt_t const** alts, int* count,
                             CookTableGrossPOS gross, char const* jtrans) {
    AnswerMenu const found = FindAnswerMenu(gross, jtrans);
    if (found.code != kCookOK) return found.code;
    if (alts != nullptr) *alts = found.alts;
    if (count != nullptr) *count = found.count;
    if (qt != nullptr) *qt = found.query;
    if (menu != nullptr && found.HasMenu()) {
        for (int i = 0; i < kMaxCookAnswers; ++i) CopyToSlot(found.texts[i], menu[i]);
    }
    return kCookOK;
}

unsigned short GetJPOSMenu(JPOSMenuQueryType* qt, JPOSMenuSlot* menu, CookTableGrossPOS gross, char const* jtrans) {
    return GetAnswerMenu(qt, menu, nullptr, nullptr, gross, jtrans);
}

bool GetQueryType(JPOSMenuQueryType* qt, CookTableGrossPOS gross, char const* jtrans) {
    return GetAnswerMenu(qt, nullptr, nullptr, nullptr, gross, jtrans) == kCookOK;
}

bool IsValidJTransForEPOS(char const* jtrans, CookTableGrossPOS gross) {
    return sCookArrayEntryGetter().Get(gross, jtrans) != nullptr;
}

unsigned short CanCreateUDEntry(char const* jtrans, CookTableGrossPOS gross, JPOSID jpos) {
    AnswerMenu const menu = FindAnswerMenu(gross, jtrans);
    if (menu.code != kCookOK) return menu.code;
    bool const listed =
        std::any_of(menu.alts, menu.alts + menu.count, [jpos](cook_alt_t const& alt) { return alt.jpos == jpos; });
    return listed ? kCookOK : kCookNotAnAnswer;
}

unsigned short GetQueryAnswerFromJPOS(std::string& out, CookTableGrossPOS gross, char const* jtrans, JPOSID jpos) {
    out.clear();
    AnswerMenu const menu = FindAnswerMenu(gross, jtrans);
    if (menu.code != kCookOK) return menu.code;
    if (!menu.AsksQuestion()) return kCookOK;
    for (int i = 0; i < menu.count; ++i) {
        if (menu.alts[i].jpos == jpos) {
            out = menu.texts[i];
            return kCookOK;
        }
    }
    return kCookNotAnAnswer;
}

void DefaultJPOSAnswer(std::string& out, CookTableGrossPOS gross, char const* jtrans) {
    AnswerMenu const menu = FindAnswerMenu(gross, jtrans);
    out = menu.code == kCookOK ? menu.texts[0] : std::string();
}

bool SetDefaultValidJPOSAnswer(CookTableGrossPOS gross, char const* jtrans, char const* answer, std::string& out) {
    AnswerMenu const menu = FindAnswerMenu(gross, jtrans);
    if (menu.code != kCookOK) return false;
    bool const answered = answer != nullptr && *answer != '\0';
    if (!menu.AsksQuestion()) return !answered;
    if (answered) return true;
    out = menu.texts[0];
    return false;
}

bool IsValidJPOSAnswer(CookTableGrossPOS gross, char const* jtrans, char const* answer) {
    AnswerMenu const menu = FindAnswerMenu(gross, jtrans);
    if (menu.code != kCookOK) return false;
    if (!menu.AsksQuestion()) return answer == nullptr || *answer == '\0';
    if (answer == nullptr || *answer == '\0') return false;
    return std::find(menu.texts, menu.texts + menu.count, answer) != menu.texts + menu.count;
}

unsigned short CookTranslation(std::string* out, JPOSID* jpos, CookTableGrossPOS gross, char const* jtrans,
                               char const* answer) {
    AnswerMenu const menu = FindAnswerMenu(gross, jtrans);
    if (menu.code != kCookOK) return menu.code;
    cook_alt_t const& chosen = menu.alts[ChosenAnswer(menu, answer)];
    if (jpos != nullptr) *jpos = chosen.jpos;
    if (out != nullptr) {
        *out += '{';
        *out += SwapEnding(OrEmpty(jtrans), chosen.dictEnding, nullptr);
        *out += '}';
        *out += chosen.cookedTail;
    }
    return kCookOK;
}
