// Arbitrary bytes as a Japanese translation, and as cooked text, through the
// cook tables for every class from -1 to 7: menus, cooking, the dictionary,
// inflected and raw forms, stripping and the copula rewrites.  Besides
// staying inside their texts, the answers must agree with one another.
#include <cstdint>
#include <cstring>
#include <string>

#include "engine/foundation/aw_set_table.h"
#include "engine/foundation/cook_translation.h"
#include "engine/foundation/cooked_japanese.h"
#include "engine/foundation/copula_rewrites.h"
#include "engine/foundation/jpos_ids.h"

namespace {

void Check(bool condition) {
    if (!condition) __builtin_trap();
}

// Every named form of both inflection sets.
void InflectAllForms(std::string const& cooked, POS_J_Target target, CookTableGrossPOS gross) {
    CreateInflectedTranslation(cooked, target, gross, nullptr);
    for (AltWordInflectionSet const& set : kAWSet) {
        for (char const* form : set.formNames) {
            if (form != nullptr) CreateInflectedTranslation(cooked, target, gross, form);
        }
    }
}

void CookAsClass(char const* jtrans, CookTableGrossPOS gross) {
    JPOSMenuQueryType query = eNoJPOSQuery;
    JPOSMenuSlot menu[kMaxCookAnswers] = {};
    cook_alt_t const* alts = nullptr;
    int count = 0;
    unsigned short const code = GetAnswerMenu(&query, menu, &alts, &count, gross, jtrans);
    Check(code == kCookOK || code == kCookNoEntry || code == kCookTranslationTooLong);
    Check(IsValidJTransForEPOS(jtrans, gross) == (code == kCookOK) || code == kCookTranslationTooLong);
    if (code != kCookOK) {
        Check(!IsValidJPOSAnswer(gross, jtrans, nullptr));
        return;
    }
    Check(count >= 1 && count <= kMaxCookAnswers);
    for (int i = 0; i < count; ++i) {
        Check(CanCreateUDEntry(jtrans, gross, alts[i].jpos) == kCookOK);
        if (count > 1) Check(std::strlen(menu[i]) < kJPOSMenuSlotSize);
    }

    std::string answer;
    DefaultJPOSAnswer(answer, gross, jtrans);
    Check(IsValidJPOSAnswer(gross, jtrans, answer.c_str()) == (query != eNoJPOSQuery || answer.empty()));
    std::string cooked;
    JPOSID jpos = 0;
    Check(CookTranslation(&cooked, &jpos, gross, jtrans, answer.c_str()) == kCookOK);
    Check(jpos == alts[0].jpos);
    POS_J_Target const target = POS_J_TargetFromJPOSID(jpos);
    std::string dictionaryForm;
    Check(CreateJDictForm(cooked, gross, target, &dictionaryForm) == kCookOK);
    InflectAllForms(cooked, target, gross);
    std::string queryAnswer;
    GetQueryAnswerFromJPOS(queryAnswer, gross, jtrans, jpos);
}

void CopulaBothWays(std::string text) {
    MaybeVCrFromSurface(text, kCopulaJPOSN);
    MaybeVCrToSurface(text, kCopulaJPOSN);
    MaybeVCrToSurface(text, kCopulaJPOSN);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string const bytes(reinterpret_cast<char const*>(data), size);  // may hold NULs
    std::string const text(bytes.c_str());
    for (int gross = -1; gross <= 7; ++gross) CookAsClass(text.c_str(), static_cast<CookTableGrossPOS>(gross));

    // The same bytes as cooked text, with the part of speech picked by the
    // first byte.
    std::string const stripped = StripInternalStuffFromJapanese(bytes);
    Check(stripped.empty() || stripped.size() <= bytes.size());
    JPOSID const jpos = size != 0 ? static_cast<JPOSID>(data[0] % (kJPOSIDCount + 2)) : 0;
    POS_J_Target const target = POS_J_TargetFromJPOSID(jpos);
    for (int gross = -1; gross <= 7; ++gross) {
        std::string form;
        CreateJDictForm(bytes, static_cast<CookTableGrossPOS>(gross), target, &form);
        InflectAllForms(bytes, target, static_cast<CookTableGrossPOS>(gross));
    }
    CreateRawJapaneseFromCooked(bytes, target, static_cast<POS_E_Source>(size != 0 ? data[size - 1] * 11 : 0));
    CopulaBothWays(bytes);
    return 0;
}
