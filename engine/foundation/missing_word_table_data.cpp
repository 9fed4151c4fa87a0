// The rows of the missing-word table.  Rows are built by small constexpr
// helpers, one per word class, so that each row states only what sets it
// apart; the checks at the end make a malformed table fail to compile.
//
// Feature strings follow the feature sets of their category, as the grammar
// defines them (tools/grammar/features.gram):
//   noun, 15 letters: number, agreement number, determiner number (S, P,
//         M both), countable (C, U), six digits (takes a determiner, may be
//         a subject, title, 1 common or 2 proper, may modify, may head),
//         measure, origin (M guessed, U user proper noun, N user noun) and
//         three spare digits; then the noun's uses (15 digits: temporal,
//         proper, locative, adjectival, adverbial ...) and classes (24);
//   verb, 24 letters: form (B base, P present, S third person, D past,
//         N participle, G -ing), tense (0 none, 1 present, 2 past),
//         transitive (T, I), passive, subject number and person (set on
//         third-person forms only), progressive, perfect, negated, modal,
//         that-clause, to-infinitive, -ing complement, particle (left
//         open), phrasal, and flags the grammar sets;
//   adjective "PB_": degree (P, C, S), attributive/predicative/both (A, R,
//         B), gradable (Y, N) or unset;
//   adverb, 24 digits: what it may modify and where it may stand.
// Categories without feature sets (prepositions, conjunctions) carry the
// same strings as the fixed rows of their class.
//
// A few rows are fixed by the callers that read them ("sb.", "intr.",
// "adv.", "PN_SING", "UD_N", "PP") and are written out literally.
#include <cstddef>

#include "engine/foundation/missing_word_table.h"
#include "engine/foundation/pos_codes.h"

namespace {

// English categories the coded-value header does not name.
constexpr POS_E_Source kCatADJ01{58};     // "ADJ01": adjective taking a preposition
constexpr POS_E_Source kCatCONJ{99};      // "CONJ"
constexpr POS_E_Source kCatPREP{201};     // "PREP"
constexpr POS_E_Source kCatVP{293};       // "VP"
constexpr POS_E_Source kCatADVP{404};     // "ADVP"
constexpr POS_E_Source kCatPREPADV{405};  // "PREPADV"

// Each user-dictionary verb subtype has a category of its own: the
// translator tells the subtype of a reading from its category alone (the
// first category-map row whose reading has that category).  The grammar
// names no class for these subtypes, so each takes a distinct verb class of
// the English name table.
constexpr POS_E_Source kCatIntransitivePrepVerb{264};          // "VI03"
constexpr POS_E_Source kCatIntransitiveParticleVerb{268};      // "VI04"
constexpr POS_E_Source kCatIntransitiveParticlePrepVerb{272};  // "VI05"
constexpr POS_E_Source kCatReportingVerb{273};                 // "VI06"
constexpr POS_E_Source kCatTransitivePrepVerb{302};            // "VT03"
constexpr POS_E_Source kCatTransitiveParticleVerb{311};        // "VT05"
constexpr POS_E_Source kCatTransitiveParticlePrepVerb{316};    // "VT06"

constexpr POS_J_Target kJPOS_CONJ{51};
constexpr POS_J_Target kJPOS_OTHER{140};

// p-values (log10 of the probability times 2048): user-dictionary words are
// preferred, guesses from a word's ending are weighted by how well the
// ending fits the class.
constexpr short kUserWordP = -455;
constexpr short kProperNounP = -815;
constexpr short kCapitalSequenceP = -1024;
constexpr short kPhraseP = -1071;
constexpr short kLikelyGuessP = -1536;
constexpr short kStandardP = -2304;
constexpr short kUnlikelyGuessP = -3072;

// ---- Row builders ------------------------------------------------------------

// Copies the text into the field; a text too long for it stops compilation
// (a throw cannot be part of a constant expression).
template <std::size_t N>
constexpr void CopyText(char (&field)[N], char const* text) {
    std::size_t i = 0;
    for (; text[i] != '\0'; ++i) {
        if (i + 1 >= N) throw "text too long for its field";
        field[i] = text[i];
    }
    field[i] = '\0';
}

constexpr MW_POS Row(char const* key, POS_E_Source pos, char const* set0, char const* set1, char const* set2,
                     POS_J_Target target, char const* ending, short pValue) {
    MW_POS row{};
    CopyText(row.key, key);
    row.sourcePOS = pos;
    row.primed = 0;
    CopyText(row.featureSets.sets[0], set0);
    CopyText(row.featureSets.sets[1], set1);
    CopyText(row.featureSets.sets[2], set2);
    row.targetPOS = target;
    CopyText(row.japaneseEnding, ending);
    row.pValue = pValue;
    return row;
}

// The second and third sets of the fixed common- and proper-noun rows.
constexpr char kCommonNounSet1[] = "000000000000000";
constexpr char kCommonNounSet2[] = "________________________";
constexpr char kProperNounSet1[] = "010000000000000";
constexpr char kProperNounSet2[] = "_____________0__1_______";

// First noun sets: guessed or user-dictionary common nouns, proper nouns.
constexpr char kSingularNoun[] = "SSSC1101110M00_";
constexpr char kPluralNoun[] = "PPPC1101110M00_";
constexpr char kUncountableNoun[] = "SSSU1101110M00_";
constexpr char kSingularOrPluralNoun[] = "MMMC1101110M00_";
constexpr char kUserSingularNoun[] = "SSSC1101110N00_";
constexpr char kUserPluralNoun[] = "PPPC1101110N00_";
constexpr char kProperSingularNoun[] = "SSSC1112110M00_";
constexpr char kUserProperSingularNoun[] = "SSSC1112110U00_";
constexpr char kUserProperPluralNoun[] = "PPPC1112110U00_";

constexpr MW_POS Noun(char const* key, char const* nounFeatures, short pValue) {
    return Row(key, kCatN, nounFeatures, kCommonNounSet1, kCommonNounSet2, kJPOS_N, "", pValue);
}

// A number read with a Japanese counter ("1999" as "１９９９年").  The
// counter is Shift-JIS kanji: written in romaji, the kana conversion would
// turn it into hiragana.
constexpr MW_POS CounterNoun(char const* key, char const* nounFeatures, char const* counter, short pValue) {
    return Row(key, kCatN, nounFeatures, kCommonNounSet1, kCommonNounSet2, kJPOS_N, counter, pValue);
}

constexpr MW_POS ProperNoun(char const* key, char const* nounFeatures, short pValue) {
    return Row(key, kCatN, nounFeatures, kProperNounSet1, kProperNounSet2, kJPOS_N, "", pValue);
}

// An English adjective left as it is reads as a na-adjective.
constexpr MW_POS Adjective(char const* key, POS_E_Source pos, char const* adjectiveFeatures, short pValue) {
    return Row(key, pos, adjectiveFeatures, "", "", kJPOS_NAna, "", pValue);
}

// An English adverb left as it is is followed by "ni".
constexpr MW_POS Adverb(char const* key, POS_E_Source pos, short pValue) {
    return Row(key, pos, "111100100000____________", "", "", kJPOS_ADV, "ni ", pValue);
}

// The second set tells adjectival ("00010...") from adverbial ("00001...")
// use; a first set "#" stands for the word itself.
constexpr char kAdjectivalUse[] = "00010__________";
constexpr char kAdverbialUse[] = "00001__________";

constexpr MW_POS Prepositional(char const* key, POS_E_Source pos, char const* use, POS_J_Target target, short pValue) {
    return Row(key, pos, "#", use, "", target, "", pValue);
}

struct VerbKind {
    POS_E_Source category;
    bool transitive;
    bool phrasal;     // takes a particle
    bool thatClause;  // reports speech or thought
};

constexpr VerbKind kIntransitive{kCatVI01, false, false, false};
constexpr VerbKind kTransitive{kCatVT01, true, false, false};
constexpr VerbKind kIntransitivePrep{kCatIntransitivePrepVerb, false, false, false};
constexpr VerbKind kTransitivePrep{kCatTransitivePrepVerb, true, false, false};
constexpr VerbKind kIntransitiveParticle{kCatIntransitiveParticleVerb, false, true, false};
constexpr VerbKind kTransitiveParticle{kCatTransitiveParticleVerb, true, true, false};
constexpr VerbKind kIntransitiveParticlePrep{kCatIntransitiveParticlePrepVerb, false, true, false};
constexpr VerbKind kTransitiveParticlePrep{kCatTransitiveParticlePrepVerb, true, true, false};
constexpr VerbKind kReporting{kCatReportingVerb, false, false, true};
constexpr VerbKind kVerbPhrase{kCatVP, false, false, false};

enum class VerbForm {
    kBase,
    kThirdPerson,
    kPast,
    kParticipleOnly,     // a participle that is not also the past
    kPastAndParticiple,  // a past form that is also the participle
    kGerund,
    kProgressive,  // the -ing form as a present participle
};

struct VerbFeatureText {
    char text[25];
};

constexpr char Digit(bool value) { return value ? '1' : '0'; }

constexpr VerbFeatureText VerbFeatures(VerbKind kind, VerbForm form) {
    bool const participle = form == VerbForm::kParticipleOnly || form == VerbForm::kPastAndParticiple;
    bool const thirdPerson = form == VerbForm::kThirdPerson;
    char formLetter = 'B';
    char tense = '0';
    switch (form) {
        case VerbForm::kBase:
            formLetter = 'B';
            tense = '1';
            break;
        case VerbForm::kThirdPerson:
            formLetter = 'S';
            tense = '1';
            break;
        case VerbForm::kPast:
            formLetter = 'D';
            tense = '2';
            break;
        case VerbForm::kPastAndParticiple:
            formLetter = 'D';
            tense = '2';
            break;
        case VerbForm::kParticipleOnly:
            formLetter = 'N';
            break;
        case VerbForm::kGerund:
        case VerbForm::kProgressive:
            formLetter = 'G';
            break;
    }
    return VerbFeatureText{{
        formLetter,
        tense,
        kind.transitive ? 'T' : 'I',
        Digit(participle && kind.transitive),   // passive
        thirdPerson ? 'S' : '_',                // subject number
        thirdPerson ? '3' : '_',                // subject person
        Digit(form == VerbForm::kProgressive),  // progressive
        Digit(participle),                      // perfect
        '0',                                    // negated
        '0',                                    // modal
        Digit(kind.thatClause),
        '0',  // to-infinitive
        '0',  // -ing complement
        '_',  // particle: the headword's own
        Digit(kind.phrasal),
        '_',
        '_',
        '_',
        '_',
        '_',
        '_',
        '_',
        '_',
        '_',  // set by the grammar
        '\0',
    }};
}

// An English verb left as it is is followed by "su-".
constexpr MW_POS Verb(char const* key, VerbKind kind, VerbForm form, short pValue) {
    VerbFeatureText const features = VerbFeatures(kind, form);
    return Row(key, kind.category, features.text, "", "", kJPOS_Vsu, "su- ", pValue);
}

using F = VerbForm;

}  // namespace

constexpr MW_POS kMissingWordAssignments[] = {
    // Generic readings and their inflected forms.
    Row("sb.", kCatN, "SSSC1101110M00_", "000000000000000", "________________________", kJPOS_N, "", -2304),
    Row("intr.", kCatVI01, "P1I0__0000______________", "", "", kJPOS_Vsu, "su- ", -2304),
    Verb("trans.", kTransitive, F::kBase, kStandardP),
    Adjective("adj.", kCatADJ, "PBY", kStandardP),
    Row("adv.", kCatADV, "111100100000____________", "", "", kJPOS_ADV, "ni ", -2304),
    Verb("TRANS_GERUND", kTransitive, F::kGerund, kStandardP),
    Verb("INTR_GERUND", kIntransitive, F::kGerund, kStandardP),
    Verb("TRANS_PPL", kTransitive, F::kPastAndParticiple, kStandardP),
    Verb("INTR_PPL", kIntransitive, F::kPastAndParticiple, kStandardP),
    Verb("TRANS_3RD", kTransitive, F::kThirdPerson, kStandardP),
    Verb("INTR_3RD", kIntransitive, F::kThirdPerson, kStandardP),
    Verb("TRANS_PAST", kTransitive, F::kPast, kStandardP),
    Verb("INTR_PAST", kIntransitive, F::kPast, kStandardP),
    Verb("TRANS_PPL_ONLY", kTransitive, F::kParticipleOnly, kStandardP),
    Verb("INTR_PPL_ONLY", kIntransitive, F::kParticipleOnly, kStandardP),
    Noun("PL_N", kPluralNoun, kStandardP),
    Noun("SSSN", kUncountableNoun, kStandardP),  // uncountable
    Row("PN_SING", kCatN, "SSSC1112110U00_", "010000000000000", "_____________0__1_______", kJPOS_N, "", -815),
    ProperNoun("PN_PL", kUserProperPluralNoun, kProperNounP),
    Noun("TBE_S", kUserSingularNoun, kUserWordP),

    // User-dictionary words.
    Row("UD_N", kCatN, "SSSC1101110N00_", "000000000000000", "________________________", kJPOS_N, "", -455),
    Noun("UD_PL_N", kUserPluralNoun, kUserWordP),
    ProperNoun("UD_PN_SING", kUserProperSingularNoun, kUserWordP),
    ProperNoun("UD_PN_PL", kUserProperPluralNoun, kUserWordP),
    Adjective("UD_ADJ", kCatADJ, "PBY", kUserWordP),
    Adverb("UD_ADV", kCatADV, kUserWordP),
    Verb("UD_INTR", kIntransitive, F::kBase, kUserWordP),
    Verb("UD_INTR_3RD", kIntransitive, F::kThirdPerson, kUserWordP),
    Verb("UD_INTR_PAST", kIntransitive, F::kPast, kUserWordP),
    Verb("UD_INTR_PPL", kIntransitive, F::kPastAndParticiple, kUserWordP),
    Verb("UD_INTR_PPL_ONLY", kIntransitive, F::kParticipleOnly, kUserWordP),
    Verb("UD_INTR_GERUND", kIntransitive, F::kGerund, kUserWordP),
    Verb("UD_TRANS", kTransitive, F::kBase, kUserWordP),
    Verb("UD_TRANS_3RD", kTransitive, F::kThirdPerson, kUserWordP),
    Verb("UD_TRANS_PAST", kTransitive, F::kPast, kUserWordP),
    Verb("UD_TRANS_PPL", kTransitive, F::kPastAndParticiple, kUserWordP),
    Verb("UD_TRANS_PPL_ONLY", kTransitive, F::kParticipleOnly, kUserWordP),
    Verb("UD_TRANS_GERUND", kTransitive, F::kGerund, kUserWordP),

    // User-dictionary verbs with prepositions, particles or reported speech.
    Verb("INTR_PREP_INF", kIntransitivePrep, F::kBase, kUserWordP),
    Verb("INTR_PREP_3RD", kIntransitivePrep, F::kThirdPerson, kUserWordP),
    Verb("INTR_PREP_PAST", kIntransitivePrep, F::kPast, kUserWordP),
    Verb("INTR_PREP_PPL_ONLY", kIntransitivePrep, F::kParticipleOnly, kUserWordP),
    Verb("INTR_PREP_GERUND", kIntransitivePrep, F::kGerund, kUserWordP),
    Verb("INTR_PREP_PPL", kIntransitivePrep, F::kPastAndParticiple, kUserWordP),
    Verb("TRANS_PREP_INF", kTransitivePrep, F::kBase, kUserWordP),
    Verb("TRANS_PREP_3RD", kTransitivePrep, F::kThirdPerson, kUserWordP),
    Verb("TRANS_PREP_PAST", kTransitivePrep, F::kPast, kUserWordP),
    Verb("TRANS_PREP_PPL_ONLY", kTransitivePrep, F::kParticipleOnly, kUserWordP),
    Verb("TRANS_PREP_GERUND", kTransitivePrep, F::kGerund, kUserWordP),
    Verb("TRANS_PREP_PPL", kTransitivePrep, F::kPastAndParticiple, kUserWordP),
    Verb("INTR_PART_INF", kIntransitiveParticle, F::kBase, kUserWordP),
    Verb("INTR_PART_3RD", kIntransitiveParticle, F::kThirdPerson, kUserWordP),
    Verb("INTR_PART_PAST", kIntransitiveParticle, F::kPast, kUserWordP),
    Verb("INTR_PART_PPL_ONLY", kIntransitiveParticle, F::kParticipleOnly, kUserWordP),
    Verb("INTR_PART_GERUND", kIntransitiveParticle, F::kGerund, kUserWordP),
    Verb("INTR_PART_PPL", kIntransitiveParticle, F::kPastAndParticiple, kUserWordP),
    Verb("TRANS_PART_INF", kTransitiveParticle, F::kBase, kUserWordP),
    Verb("TRANS_PART_3RD", kTransitiveParticle, F::kThirdPerson, kUserWordP),
    Verb("TRANS_PART_PAST", kTransitiveParticle, F::kPast, kUserWordP),
    Verb("TRANS_PART_PPL_ONLY", kTransitiveParticle, F::kParticipleOnly, kUserWordP),
    Verb("TRANS_PART_GERUND", kTransitiveParticle, F::kGerund, kUserWordP),
    Verb("TRANS_PART_PPL", kTransitiveParticle, F::kPastAndParticiple, kUserWordP),
    Verb("INTR_PART_PREP_INF", kIntransitiveParticlePrep, F::kBase, kUserWordP),
    Verb("INTR_PART_PREP_3RD", kIntransitiveParticlePrep, F::kThirdPerson, kUserWordP),
    Verb("INTR_PART_PREP_PAST", kIntransitiveParticlePrep, F::kPast, kUserWordP),
    Verb("INTR_PART_PREP_PPL_ONLY", kIntransitiveParticlePrep, F::kParticipleOnly, kUserWordP),
    Verb("INTR_PART_PREP_GERUND", kIntransitiveParticlePrep, F::kGerund, kUserWordP),
    Verb("INTR_PART_PREP_PPL", kIntransitiveParticlePrep, F::kPastAndParticiple, kUserWordP),
    Verb("TRANS_PART_PREP_INF", kTransitiveParticlePrep, F::kBase, kUserWordP),
    Verb("TRANS_PART_PREP_3RD", kTransitiveParticlePrep, F::kThirdPerson, kUserWordP),
    Verb("TRANS_PART_PREP_PAST", kTransitiveParticlePrep, F::kPast, kUserWordP),
    Verb("TRANS_PART_PREP_PPL_ONLY", kTransitiveParticlePrep, F::kParticipleOnly, kUserWordP),
    Verb("TRANS_PART_PREP_GERUND", kTransitiveParticlePrep, F::kGerund, kUserWordP),
    Verb("TRANS_PART_PREP_PPL", kTransitiveParticlePrep, F::kPastAndParticiple, kUserWordP),
    Verb("INTR_REPORTING_INF", kReporting, F::kBase, kUserWordP),
    Verb("INTR_REPORTING_3RD", kReporting, F::kThirdPerson, kUserWordP),
    Verb("INTR_REPORTING_PAST", kReporting, F::kPast, kUserWordP),
    Verb("INTR_REPORTING_PPL_ONLY", kReporting, F::kParticipleOnly, kUserWordP),
    Verb("INTR_REPORTING_GERUND", kReporting, F::kGerund, kUserWordP),
    Verb("INTR_REPORTING_PPL", kReporting, F::kPastAndParticiple, kUserWordP),

    // User-dictionary adjectives with prepositions, prepositions, conjunctions
    // and prepositional phrases.
    Adjective("ADJ_PREP", kCatADJ01, "PR_", kUserWordP),
    Prepositional("PREP_Adjectival", kCatPREP, kAdjectivalUse, kJPOS_NAno, kPhraseP),
    Prepositional("PREP_Adverbial", kCatPREP, kAdverbialUse, kJPOS_ADV, kPhraseP),
    Row("CONJ", kCatCONJ, "", "", "", kJPOS_CONJ, "", kUserWordP),
    Row("PP", kCatPP, "#", "00010__________", "", kJPOS_NAno, "", -1071),
    Prepositional("PREPADJ", kCatPREPADJ, kAdjectivalUse, kJPOS_NAno, kPhraseP),
    Prepositional("PREPADV", kCatPREPADV, kAdverbialUse, kJPOS_ADV, kPhraseP),

    // Guesses for an unknown word by its ending.
    Noun("N_S", kPluralNoun, kLikelyGuessP),
    Verb("VI01_S", kIntransitive, F::kThirdPerson, kStandardP),
    Verb("VT01_S", kTransitive, F::kThirdPerson, kStandardP),
    Adjective("ADJ_S", kCatADJ, "PB_", kUnlikelyGuessP),
    Adverb("ADV_S", kCatADV, kUnlikelyGuessP),
    Noun("N_ED", kSingularNoun, kUnlikelyGuessP),
    Verb("VI01_ED_1", kIntransitive, F::kPast, kStandardP),
    Verb("VT01_ED_1", kTransitive, F::kPast, kLikelyGuessP),
    Verb("VI01_ED_2", kIntransitive, F::kParticipleOnly, kStandardP),
    Verb("VT01_ED_2", kTransitive, F::kParticipleOnly, kLikelyGuessP),
    Adjective("ADJ_ED", kCatADJ, "PB_", kStandardP),
    Adverb("ADV_ED", kCatADV, kUnlikelyGuessP),
    Noun("N_IC", kSingularNoun, kStandardP),
    Verb("VI01_IC", kIntransitive, F::kBase, kUnlikelyGuessP),
    Verb("VT01_IC", kTransitive, F::kBase, kUnlikelyGuessP),
    Adjective("ADJ_IC", kCatADJ, "PB_", kLikelyGuessP),
    Noun("N_ING", kUncountableNoun, kStandardP),
    Verb("VI01_ING_1", kIntransitive, F::kGerund, kLikelyGuessP),
    Verb("VT01_ING_1", kTransitive, F::kGerund, kLikelyGuessP),
    Verb("VI01_ING_2", kIntransitive, F::kProgressive, kStandardP),
    Verb("VT01_ING_2", kTransitive, F::kProgressive, kStandardP),
    Adjective("ADJ_ING", kCatADJ, "PB_", kStandardP),
    Adverb("ADV_ING", kCatADV, kUnlikelyGuessP),
    Noun("N_LY", kSingularNoun, kUnlikelyGuessP),
    Verb("VI01_LY", kIntransitive, F::kBase, kUnlikelyGuessP),
    Verb("VT01_LY", kTransitive, F::kBase, kUnlikelyGuessP),
    Adjective("ADJ_LY", kCatADJ, "PB_", kStandardP),
    Adverb("ADV_LY", kCatADV, kLikelyGuessP),
    Noun("N_GENERIC", kSingularNoun, kLikelyGuessP),
    Verb("VI01_GENERIC", kIntransitive, F::kBase, kStandardP),
    Verb("VT01_GENERIC", kTransitive, F::kBase, kStandardP),
    Adjective("ADJ_GENERIC", kCatADJ, "PB_", kStandardP),
    Adverb("ADV_GENERIC", kCatADV, kUnlikelyGuessP),

    // Defaults of a part of speech the user set on a stretch of text.
    Noun("N_SETPOS", kSingularNoun, kUserWordP),
    Verb("VI01_SETPOS", kIntransitive, F::kBase, kUserWordP),
    Verb("VT01_SETPOS", kTransitive, F::kBase, kUserWordP),
    Adjective("ADJ_SETPOS", kCatADJ, "PB_", kUserWordP),
    Adverb("ADV_SETPOS", kCatADV, kUserWordP),
    Row("NP_SETPOS", kCatNP, kUserSingularNoun, "", "", kJPOS_N, "", kUserWordP),
    Adjective("ADJP_SETPOS", kCatADJP, "PB_", kUserWordP),
    Adverb("ADVP_SETPOS", kCatADVP, kUserWordP),
    Verb("VP_SETPOS", kVerbPhrase, F::kBase, kUserWordP),
    Prepositional("PP_SETPOS", kCatPP, kAdjectivalUse, kJPOS_NAno, kUserWordP),
    Row("AUX_SETPOS", kCatAUX, "B1I0__0000______________", "", "", kJPOS_OTHER, "", kUserWordP),
    Row("CONJ_SETPOS", kCatCONJ, "", "", "", kJPOS_CONJ, "", kUserWordP),

    // Hyphenated sequences.
    Noun("N_HYPHEN", kSingularNoun, kLikelyGuessP),
    Verb("VI01_HYPHEN", kIntransitive, F::kBase, kUnlikelyGuessP),
    Verb("VT01_HYPHEN", kTransitive, F::kBase, kUnlikelyGuessP),
    Adjective("ADJ_HYPHEN", kCatADJ, "PA_", kLikelyGuessP),
    Adverb("ADV_HYPHEN", kCatADV, kUnlikelyGuessP),

    // Numbers, identifiers and capitalised sequences.  "M": singular or plural.
    CounterNoun("N_MINNUM", kSingularOrPluralNoun, "\x95\xAA", kUserWordP),  // fun
    CounterNoun("N_HOURNUM", kSingularOrPluralNoun, "\x8E\x9E", kUserWordP),  // ji
    CounterNoun("N_ORDNUM", kSingularNoun, "\x94\xD4\x96\xDA", kUserWordP),  // banme
    CounterNoun("N_YEAR", kSingularNoun, "\x94\x4E", kUserWordP),  // nen
    Noun("N_NUMBER", kSingularOrPluralNoun, kUserWordP),
    Noun("N_DECINUM", kSingularOrPluralNoun, kUserWordP),
    Noun("DECIHYPHENDECI", kSingularOrPluralNoun, kUserWordP),
    Noun("N_IDENTIFIER", kSingularNoun, kUserWordP),
    Noun("N_PHONENUM", kSingularNoun, kUserWordP),
    Noun("N_INTERNET_ADDRESS", kSingularNoun, kUserWordP),
    ProperNoun("N_ALLCAPWORD", kProperSingularNoun, kLikelyGuessP),
    ProperNoun("N_CAPSEQ", kProperSingularNoun, kCapitalSequenceP),
    ProperNoun("INITIALSEQUENCE", kProperSingularNoun, kProperNounP),
};

// ---- Checks ------------------------------------------------------------------

namespace {

constexpr bool SameText(char const* a, char const* b) {
    for (; *a != '\0' || *b != '\0'; ++a, ++b) {
        if (*a != *b) return false;
    }
    return true;
}

// The search stops at the first match, so a repeated key would hide a row.
constexpr bool KeysAreNamedAndDistinct() {
    for (std::size_t i = 0; i < kMissingWordAssignmentCount; ++i) {
        if (kMissingWordAssignments[i].key[0] == '\0') return false;
        for (std::size_t j = 0; j < i; ++j) {
            if (SameText(kMissingWordAssignments[i].key, kMissingWordAssignments[j].key)) return false;
        }
    }
    return true;
}

static_assert(sizeof(kMissingWordAssignments) / sizeof(kMissingWordAssignments[0]) == kMissingWordAssignmentCount,
              "the missing-word table has a fixed number of rows");
static_assert(KeysAreNamedAndDistinct(), "a missing-word key is empty or repeated");

}  // namespace
