#pragma once
// The user-word category map: for each category of user-dictionary word (a
// verb with a particle in its past form, a proper noun in the plural ...)
// the standard reading of the missing-word table it takes and the cook table
// its Japanese is checked against.
#include <cstddef>
#include <cstdint>

#include "engine/foundation/cook_tables.h"

enum GrossPOS : uint32_t {
    eGrossPOSAdjective = 1,
    eGrossPOSAdverb = 2,
    eGrossPOSNoun = 3,
    eGrossPOSVerb = 4,
    eGrossPOSConjunction = 5,
    eGrossPOSPreposition = 6,
    eGrossPOSPrepPhrase = 7,
};

enum UserWordForm : uint32_t {
    eFormBase = 0,
    eFormPluralOrPast = 1,  // plural noun, past or past participle
    eFormParticipleOnly = 2,
    eFormThirdPerson = 3,
    eFormGerund = 4,
};

enum VerbSubtype : uint32_t {
    eVerbSubtypeNone = 0,
    eVerbSubtypeTransitive = 1,
    eVerbSubtypeTransitivePrep = 2,
    eVerbSubtypeTransitiveParticle = 3,
    eVerbSubtypeTransitiveParticlePrep = 4,
    eVerbSubtypeIntransitive = 5,
    eVerbSubtypeIntransitivePrep = 6,
    eVerbSubtypeIntransitiveParticle = 7,
    eVerbSubtypeIntransitiveParticlePrep = 8,
    eVerbSubtypeReporting = 9,
};

enum PrepositionType : uint32_t {
    ePrepositionTypeNone = 0,
    ePrepositionTypeAdjectival = 1,
    ePrepositionTypeAdverbial = 2,
};

enum AdjSubtype : uint32_t {
    eAdjSubtypeNone = 0,
    eAdjSubtypePlain = 1,
    eAdjSubtypeWithPrep = 2,
};

enum ParticipleCode : uint32_t {
    eParticipleNone = 0,
    eParticiplePastOrOnly = 1,  // a past form, or a participle that is not the past
    eParticipleOfPast = 2,      // the past form read as the participle
};

enum NounKind : uint32_t {
    eNounKindNone = 0,
    eNounKindProper = 1,
    eNounKindCommon = 2,
};

struct UserWordCategoryRow {
    GrossPOS grossPOS;
    UserWordForm form;
    VerbSubtype verbSubtype;
    PrepositionType prepositionType;
    AdjSubtype adjSubtype;
    CookTableGrossPOS cookGrossPOS;
    char const* assignmentKey;  // a key of kMissingWordAssignments
    uint8_t transitive;         // 1 on transitive and reporting verbs
    ParticipleCode participle;
    NounKind nounKind;
};

constexpr std::size_t NUM_UMWMAPS = 65;

// In this order; users take the first row that fits.  Constant data, so it is
// complete before any code runs.
extern UserWordCategoryRow const fUMWMap[NUM_UMWMAPS];

// The first base-form row with these four values, or null when none fits.
UserWordCategoryRow const* FindUserWordCategory(GrossPOS grossPOS, VerbSubtype verbSubtype,
                                                PrepositionType prepositionType, AdjSubtype adjSubtype);

// The cook table of that row; eCookNone when no row fits.
CookTableGrossPOS FindCookTableGrossPOS(GrossPOS grossPOS, VerbSubtype verbSubtype, PrepositionType prepositionType,
                                        AdjSubtype adjSubtype);
