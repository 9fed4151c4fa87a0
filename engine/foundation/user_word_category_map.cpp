#include "engine/foundation/user_word_category_map.h"

namespace {

constexpr UserWordCategoryRow Row(GrossPOS grossPOS, UserWordForm form, CookTableGrossPOS cook, char const* key,
                                  NounKind nounKind = eNounKindNone) {
    return {grossPOS,        form,    eVerbSubtypeNone, ePrepositionTypeNone, eAdjSubtypeNone, cook, key, 0,
            eParticipleNone, nounKind};
}

constexpr UserWordCategoryRow Adjective(AdjSubtype subtype, char const* key) {
    UserWordCategoryRow row = Row(eGrossPOSAdjective, eFormBase, eCookAdjective, key);
    row.adjSubtype = subtype;
    return row;
}

constexpr UserWordCategoryRow Preposition(PrepositionType type, CookTableGrossPOS cook, char const* key) {
    UserWordCategoryRow row = Row(eGrossPOSPreposition, eFormBase, cook, key);
    row.prepositionType = type;
    return row;
}

// The six forms of a verb, in the order the map lists them.
struct VerbForm {
    UserWordForm form;
    ParticipleCode participle;
};

constexpr VerbForm kInfinitive{eFormBase, eParticipleNone};
constexpr VerbForm kThirdPerson{eFormThirdPerson, eParticipleNone};
constexpr VerbForm kPast{eFormPluralOrPast, eParticiplePastOrOnly};
constexpr VerbForm kParticipleOnly{eFormParticipleOnly, eParticiplePastOrOnly};
constexpr VerbForm kGerund{eFormGerund, eParticipleNone};
constexpr VerbForm kPastAsParticiple{eFormPluralOrPast, eParticipleOfPast};

constexpr bool TakesObjectOrReport(VerbSubtype subtype) {
    return subtype == eVerbSubtypeTransitive || subtype == eVerbSubtypeTransitivePrep ||
           subtype == eVerbSubtypeTransitiveParticle || subtype == eVerbSubtypeTransitiveParticlePrep ||
           subtype == eVerbSubtypeReporting;
}

constexpr UserWordCategoryRow Verb(VerbSubtype subtype, VerbForm form, char const* key) {
    UserWordCategoryRow row = Row(eGrossPOSVerb, form.form, eCookVerb, key);
    row.verbSubtype = subtype;
    row.transitive = TakesObjectOrReport(subtype) ? 1 : 0;
    row.participle = form.participle;
    return row;
}

}  // namespace

constexpr UserWordCategoryRow fUMWMap[] = {
    Adjective(eAdjSubtypePlain, "UD_ADJ"),
    Adjective(eAdjSubtypeWithPrep, "ADJ_PREP"),
    Row(eGrossPOSAdverb, eFormBase, eCookAdverb, "UD_ADV"),
    // A noun's reading is told by its form and kind; the proper-noun rows
    // share the common nouns' cook table.
    Row(eGrossPOSNoun, eFormBase, eCookNoun, "UD_N", eNounKindCommon),
    Row(eGrossPOSNoun, eFormPluralOrPast, eCookNoun, "UD_PL_N", eNounKindCommon),
    Row(eGrossPOSNoun, eFormBase, eCookNoun, "UD_PN_SING", eNounKindProper),
    Row(eGrossPOSNoun, eFormPluralOrPast, eCookNoun, "UD_PN_PL", eNounKindProper),

    Verb(eVerbSubtypeIntransitive, kInfinitive, "UD_INTR"),
    Verb(eVerbSubtypeIntransitive, kThirdPerson, "UD_INTR_3RD"),
    Verb(eVerbSubtypeIntransitive, kPast, "INTR_PAST"),
    Verb(eVerbSubtypeIntransitive, kParticipleOnly, "INTR_PPL_ONLY"),
    Verb(eVerbSubtypeIntransitive, kGerund, "UD_INTR_GERUND"),
    Verb(eVerbSubtypeIntransitive, kPastAsParticiple, "UD_INTR_PPL"),
    Verb(eVerbSubtypeTransitive, kInfinitive, "UD_TRANS"),
    Verb(eVerbSubtypeTransitive, kThirdPerson, "TRANS_3RD"),
    Verb(eVerbSubtypeTransitive, kPast, "TRANS_PAST"),
    Verb(eVerbSubtypeTransitive, kParticipleOnly, "TRANS_PPL_ONLY"),
    Verb(eVerbSubtypeTransitive, kGerund, "UD_TRANS_GERUND"),
    Verb(eVerbSubtypeTransitive, kPastAsParticiple, "UD_TRANS_PPL"),

    Verb(eVerbSubtypeIntransitivePrep, kInfinitive, "INTR_PREP_INF"),
    Verb(eVerbSubtypeIntransitivePrep, kThirdPerson, "INTR_PREP_3RD"),
    Verb(eVerbSubtypeIntransitivePrep, kPast, "INTR_PREP_PAST"),
    Verb(eVerbSubtypeIntransitivePrep, kParticipleOnly, "INTR_PREP_PPL_ONLY"),
    Verb(eVerbSubtypeIntransitivePrep, kGerund, "INTR_PREP_GERUND"),
    Verb(eVerbSubtypeIntransitivePrep, kPastAsParticiple, "INTR_PREP_PPL"),
    Verb(eVerbSubtypeTransitivePrep, kInfinitive, "TRANS_PREP_INF"),
    Verb(eVerbSubtypeTransitivePrep, kThirdPerson, "TRANS_PREP_3RD"),
    Verb(eVerbSubtypeTransitivePrep, kPast, "TRANS_PREP_PAST"),
    Verb(eVerbSubtypeTransitivePrep, kParticipleOnly, "TRANS_PREP_PPL_ONLY"),
    Verb(eVerbSubtypeTransitivePrep, kGerund, "TRANS_PREP_GERUND"),
    Verb(eVerbSubtypeTransitivePrep, kPastAsParticiple, "TRANS_PREP_PPL"),
    Verb(eVerbSubtypeIntransitiveParticle, kInfinitive, "INTR_PART_INF"),
    Verb(eVerbSubtypeIntransitiveParticle, kThirdPerson, "INTR_PART_3RD"),
    Verb(eVerbSubtypeIntransitiveParticle, kPast, "INTR_PART_PAST"),
    Verb(eVerbSubtypeIntransitiveParticle, kParticipleOnly, "INTR_PART_PPL_ONLY"),
    Verb(eVerbSubtypeIntransitiveParticle, kGerund, "INTR_PART_GERUND"),
    Verb(eVerbSubtypeIntransitiveParticle, kPastAsParticiple, "INTR_PART_PPL"),
    Verb(eVerbSubtypeTransitiveParticle, kInfinitive, "TRANS_PART_INF"),
    Verb(eVerbSubtypeTransitiveParticle, kThirdPerson, "TRANS_PART_3RD"),
    Verb(eVerbSubtypeTransitiveParticle, kPast, "TRANS_PART_PAST"),
    Verb(eVerbSubtypeTransitiveParticle, kParticipleOnly, "TRANS_PART_PPL_ONLY"),
    Verb(eVerbSubtypeTransitiveParticle, kGerund, "TRANS_PART_GERUND"),
    Verb(eVerbSubtypeTransitiveParticle, kPastAsParticiple, "TRANS_PART_PPL"),
    Verb(eVerbSubtypeIntransitiveParticlePrep, kInfinitive, "INTR_PART_PREP_INF"),
    Verb(eVerbSubtypeIntransitiveParticlePrep, kThirdPerson, "INTR_PART_PREP_3RD"),
    Verb(eVerbSubtypeIntransitiveParticlePrep, kPast, "INTR_PART_PREP_PAST"),
    Verb(eVerbSubtypeIntransitiveParticlePrep, kParticipleOnly, "INTR_PART_PREP_PPL_ONLY"),
    Verb(eVerbSubtypeIntransitiveParticlePrep, kGerund, "INTR_PART_PREP_GERUND"),
    Verb(eVerbSubtypeIntransitiveParticlePrep, kPastAsParticiple, "INTR_PART_PREP_PPL"),
    Verb(eVerbSubtypeTransitiveParticlePrep, kInfinitive, "TRANS_PART_PREP_INF"),
    Verb(eVerbSubtypeTransitiveParticlePrep, kThirdPerson, "TRANS_PART_PREP_3RD"),
    Verb(eVerbSubtypeTransitiveParticlePrep, kPast, "TRANS_PART_PREP_PAST"),
    Verb(eVerbSubtypeTransitiveParticlePrep, kParticipleOnly, "TRANS_PART_PREP_PPL_ONLY"),
    Verb(eVerbSubtypeTransitiveParticlePrep, kGerund, "TRANS_PART_PREP_GERUND"),
    Verb(eVerbSubtypeTransitiveParticlePrep, kPastAsParticiple, "TRANS_PART_PREP_PPL"),
    Verb(eVerbSubtypeReporting, kInfinitive, "INTR_REPORTING_INF"),
    Verb(eVerbSubtypeReporting, kThirdPerson, "INTR_REPORTING_3RD"),
    Verb(eVerbSubtypeReporting, kPast, "INTR_REPORTING_PAST"),
    Verb(eVerbSubtypeReporting, kParticipleOnly, "INTR_REPORTING_PPL_ONLY"),
    Verb(eVerbSubtypeReporting, kGerund, "INTR_REPORTING_GERUND"),
    Verb(eVerbSubtypeReporting, kPastAsParticiple, "INTR_REPORTING_PPL"),

    Row(eGrossPOSConjunction, eFormBase, eCookConjunction, "CONJ"),
    Preposition(ePrepositionTypeAdjectival, eCookPreposition, "PREPADJ"),
    Preposition(ePrepositionTypeAdverbial, eCookAdverb2, "PREPADV"),
    // A prepositional phrase's Japanese is checked as an adjective's.
    Row(eGrossPOSPrepPhrase, eFormBase, eCookAdjective, "PP"),
};

namespace {

constexpr bool EveryRowNamesAReading() {
    for (UserWordCategoryRow const& row : fUMWMap) {
        if (row.assignmentKey == nullptr) return false;
    }
    return true;
}

static_assert(sizeof(fUMWMap) / sizeof(fUMWMap[0]) == NUM_UMWMAPS, "the category map has a fixed number of rows");
static_assert(EveryRowNamesAReading(), "a category-map row is missing");

}  // namespace

UserWordCategoryRow const* FindUserWordCategory(GrossPOS grossPOS, VerbSubtype verbSubtype,
                                                PrepositionType prepositionType, AdjSubtype adjSubtype) {
    for (UserWordCategoryRow const& row : fUMWMap) {
        if (row.form == eFormBase && row.grossPOS == grossPOS && row.verbSubtype == verbSubtype &&
            row.prepositionType == prepositionType && row.adjSubtype == adjSubtype)
            return &row;
    }
    return nullptr;
}

CookTableGrossPOS FindCookTableGrossPOS(GrossPOS grossPOS, VerbSubtype verbSubtype, PrepositionType prepositionType,
                                        AdjSubtype adjSubtype) {
    UserWordCategoryRow const* row = FindUserWordCategory(grossPOS, verbSubtype, prepositionType, adjSubtype);
    return row != nullptr ? row->cookGrossPOS : eCookNone;
}
