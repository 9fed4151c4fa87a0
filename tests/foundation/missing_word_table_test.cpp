#include "engine/foundation/missing_word_table.h"

#include <gtest/gtest.h>

#include <cstring>
#include <iterator>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "engine/foundation/english_pos_classes.h"
#include "engine/foundation/feature_bits.h"
#include "engine/foundation/feature_tables.h"
#include "engine/foundation/name_tables.h"
#include "engine/foundation/pos_codes.h"
#include "engine/foundation/user_word_category_map.h"

namespace {

// The order the table's users and its row numbers rely on.
char const* const kExpectedKeys[] = {
    "sb.",
    "intr.",
    "trans.",
    "adj.",
    "adv.",
    "TRANS_GERUND",
    "INTR_GERUND",
    "TRANS_PPL",
    "INTR_PPL",
    "TRANS_3RD",
    "INTR_3RD",
    "TRANS_PAST",
    "INTR_PAST",
    "TRANS_PPL_ONLY",
    "INTR_PPL_ONLY",
    "PL_N",
    "SSSN",
    "PN_SING",
    "PN_PL",
    "TBE_S",
    "UD_N",
    "UD_PL_N",
    "UD_PN_SING",
    "UD_PN_PL",
    "UD_ADJ",
    "UD_ADV",
    "UD_INTR",
    "UD_INTR_3RD",
    "UD_INTR_PAST",
    "UD_INTR_PPL",
    "UD_INTR_PPL_ONLY",
    "UD_INTR_GERUND",
    "UD_TRANS",
    "UD_TRANS_3RD",
    "UD_TRANS_PAST",
    "UD_TRANS_PPL",
    "UD_TRANS_PPL_ONLY",
    "UD_TRANS_GERUND",
    "INTR_PREP_INF",
    "INTR_PREP_3RD",
    "INTR_PREP_PAST",
    "INTR_PREP_PPL_ONLY",
    "INTR_PREP_GERUND",
    "INTR_PREP_PPL",
    "TRANS_PREP_INF",
    "TRANS_PREP_3RD",
    "TRANS_PREP_PAST",
    "TRANS_PREP_PPL_ONLY",
    "TRANS_PREP_GERUND",
    "TRANS_PREP_PPL",
    "INTR_PART_INF",
    "INTR_PART_3RD",
    "INTR_PART_PAST",
    "INTR_PART_PPL_ONLY",
    "INTR_PART_GERUND",
    "INTR_PART_PPL",
    "TRANS_PART_INF",
    "TRANS_PART_3RD",
    "TRANS_PART_PAST",
    "TRANS_PART_PPL_ONLY",
    "TRANS_PART_GERUND",
    "TRANS_PART_PPL",
    "INTR_PART_PREP_INF",
    "INTR_PART_PREP_3RD",
    "INTR_PART_PREP_PAST",
    "INTR_PART_PREP_PPL_ONLY",
    "INTR_PART_PREP_GERUND",
    "INTR_PART_PREP_PPL",
    "TRANS_PART_PREP_INF",
    "TRANS_PART_PREP_3RD",
    "TRANS_PART_PREP_PAST",
    "TRANS_PART_PREP_PPL_ONLY",
    "TRANS_PART_PREP_GERUND",
    "TRANS_PART_PREP_PPL",
    "INTR_REPORTING_INF",
    "INTR_REPORTING_3RD",
    "INTR_REPORTING_PAST",
    "INTR_REPORTING_PPL_ONLY",
    "INTR_REPORTING_GERUND",
    "INTR_REPORTING_PPL",
    "ADJ_PREP",
    "PREP_Adjectival",
    "PREP_Adverbial",
    "CONJ",
    "PP",
    "PREPADJ",
    "PREPADV",
    "N_S",
    "VI01_S",
    "VT01_S",
    "ADJ_S",
    "ADV_S",
    "N_ED",
    "VI01_ED_1",
    "VT01_ED_1",
    "VI01_ED_2",
    "VT01_ED_2",
    "ADJ_ED",
    "ADV_ED",
    "N_IC",
    "VI01_IC",
    "VT01_IC",
    "ADJ_IC",
    "N_ING",
    "VI01_ING_1",
    "VT01_ING_1",
    "VI01_ING_2",
    "VT01_ING_2",
    "ADJ_ING",
    "ADV_ING",
    "N_LY",
    "VI01_LY",
    "VT01_LY",
    "ADJ_LY",
    "ADV_LY",
    "N_GENERIC",
    "VI01_GENERIC",
    "VT01_GENERIC",
    "ADJ_GENERIC",
    "ADV_GENERIC",
    "N_SETPOS",
    "VI01_SETPOS",
    "VT01_SETPOS",
    "ADJ_SETPOS",
    "ADV_SETPOS",
    "NP_SETPOS",
    "ADJP_SETPOS",
    "ADVP_SETPOS",
    "VP_SETPOS",
    "PP_SETPOS",
    "AUX_SETPOS",
    "CONJ_SETPOS",
    "N_HYPHEN",
    "VI01_HYPHEN",
    "VT01_HYPHEN",
    "ADJ_HYPHEN",
    "ADV_HYPHEN",
    "N_MINNUM",
    "N_HOURNUM",
    "N_ORDNUM",
    "N_YEAR",
    "N_NUMBER",
    "N_DECINUM",
    "DECIHYPHENDECI",
    "N_IDENTIFIER",
    "N_PHONENUM",
    "N_INTERNET_ADDRESS",
    "N_ALLCAPWORD",
    "N_CAPSEQ",
    "INITIALSEQUENCE",
};

struct FixedReading {
    char const* key;
    POS_E_Source pos;
    char const* sets[3];
    POS_J_Target target;
    char const* ending;
    short pValue;
};

// Readings other components depend on, exactly as agreed with them.
FixedReading const kFixedReadings[] = {
    {"sb.", kCatN, {"SSSC1101110M00_", "000000000000000", "________________________"}, kJPOS_N, "", -2304},
    {"intr.", kCatVI01, {"P1I0__0000______________", "", ""}, kJPOS_Vsu, "su- ", -2304},
    {"adv.", kCatADV, {"111100100000____________", "", ""}, kJPOS_ADV, "ni ", -2304},
    {"PN_SING", kCatN, {"SSSC1112110U00_", "010000000000000", "_____________0__1_______"}, kJPOS_N, "", -815},
    {"UD_N", kCatN, {"SSSC1101110N00_", "000000000000000", "________________________"}, kJPOS_N, "", -455},
    {"PP", kCatPP, {"#", "00010__________", ""}, kJPOS_NAno, "", -1071},
};

bool IsPlaceholderName(char const* name, char const* prefix, unsigned code) {
    return std::string(name) == prefix + std::to_string(code);
}

std::string FeatureText(FeatureSets_E_Source const& sets) {
    std::string text;
    for (unsigned i = 0; i < FeatureSets_E_Source::kSetCount; ++i) {
        text += sets.GetSet(i);
        text += '\0';
    }
    return text + '\0';
}

POS_E_Source CategoryOf(char const* key) {
    POS_E_Source pos{};
    EXPECT_TRUE(ReadFromMWTable(&pos, nullptr, nullptr, nullptr, key)) << key;
    return pos;
}

// ---- The table ---------------------------------------------------------------

TEST(MissingWordTable, RowsAreInKeyOrder) {
    ASSERT_EQ(std::size(kExpectedKeys), kMissingWordAssignmentCount);
    for (std::size_t i = 0; i < kMissingWordAssignmentCount; ++i) {
        EXPECT_STREQ(kMissingWordAssignments[i].key, kExpectedKeys[i]) << "row " << i;
        EXPECT_EQ(FindMWAssignment(kExpectedKeys[i]), &kMissingWordAssignments[i]) << kExpectedKeys[i];
    }
}

TEST(MissingWordTable, FixedReadingsAreExact) {
    for (FixedReading const& fixed : kFixedReadings) {
        SCOPED_TRACE(fixed.key);
        MW_POS const* row = FindMWAssignment(fixed.key);
        ASSERT_NE(row, nullptr);
        EXPECT_EQ(row->sourcePOS, fixed.pos);
        for (unsigned i = 0; i < 3; ++i) EXPECT_STREQ(row->featureSets.GetSet(i), fixed.sets[i]) << "set " << i;
        EXPECT_EQ(row->targetPOS, fixed.target);
        EXPECT_STREQ(row->japaneseEnding, fixed.ending);
        EXPECT_EQ(row->pValue, fixed.pValue);
    }
}

TEST(MissingWordTable, EveryRowUsesNamedPartsOfSpeech) {
    for (MW_POS const& row : kMissingWordAssignments) {
        SCOPED_TRACE(row.key);
        ASSERT_LT(row.sourcePOS, kE_Source_POSNameCount);
        ASSERT_LT(row.targetPOS, kJ_Target_POSNameCount);
        EXPECT_NE(row.sourcePOS, kCatBad);
        EXPECT_NE(row.targetPOS, kJPOS_Bad);
        EXPECT_NE(row.targetPOS, kJPOS_Unknown);
        EXPECT_FALSE(IsPlaceholderName(kE_Source_POSNames()[row.sourcePOS], "pos", row.sourcePOS))
            << kE_Source_POSNames()[row.sourcePOS];
        EXPECT_FALSE(IsPlaceholderName(kJ_Target_POSNames()[row.targetPOS], "jpos", row.targetPOS))
            << kJ_Target_POSNames()[row.targetPOS];
    }
}

TEST(MissingWordTable, FeatureStringsConvertWithoutError) {
    for (MW_POS const& row : kMissingWordAssignments) {
        SCOPED_TRACE(row.key);
        // A category with feature sets must get a first string, or the
        // conversion below would prove nothing.
        if (kCatFeatI[row.sourcePOS][0] != kNoFeatureSet) {
            EXPECT_STRNE(row.featureSets.GetSet(0), "");
        }
        gErrBuf[0] = '\0';
        unsigned short bits[kMaxFeatureVectorWords] = {};
        std::string const text = FeatureText(row.featureSets);
        FeatureSetsToBits(bits, row.sourcePOS, text.c_str());
        EXPECT_STREQ(gErrBuf, "");
    }
}

// An unknown word gets one reading per key of its ending class, but a key
// whose reading repeats an earlier one's is dropped.
TEST(MissingWordTable, ReadingsOfOneEndingClassAreDistinct) {
    std::vector<std::vector<char const*>> const endingClasses = {
        {"N_S", "VI01_S", "VT01_S", "ADJ_S", "ADV_S"},
        {"N_ED", "VI01_ED_1", "VT01_ED_1", "VI01_ED_2", "VT01_ED_2", "ADJ_ED", "ADV_ED"},
        {"N_ING", "VI01_ING_1", "VT01_ING_1", "VI01_ING_2", "VT01_ING_2", "ADJ_ING", "ADV_ING"},
        {"N_LY", "VI01_LY", "VT01_LY", "ADJ_LY", "ADV_LY"},
        {"N_GENERIC", "VI01_GENERIC", "VT01_GENERIC", "ADJ_GENERIC", "ADV_GENERIC"},
        {"N_HYPHEN", "VI01_HYPHEN", "VT01_HYPHEN", "ADJ_HYPHEN", "ADV_HYPHEN"},
    };
    for (std::vector<char const*> const& keys : endingClasses) {
        for (std::size_t i = 0; i < keys.size(); ++i) {
            MW_POS const* a = FindMWAssignment(keys[i]);
            ASSERT_NE(a, nullptr) << keys[i];
            for (std::size_t j = 0; j < i; ++j) {
                MW_POS const* b = FindMWAssignment(keys[j]);
                bool const same =
                    a->sourcePOS == b->sourcePOS && a->targetPOS == b->targetPOS && a->featureSets == b->featureSets;
                EXPECT_FALSE(same) << keys[i] << " repeats " << keys[j];
            }
        }
    }
}

// ---- ReadFromMWTable ---------------------------------------------------------

TEST(ReadFromMWTable, FindsOnlyTheExactKey) {
    struct Case {
        char const* key;
        bool found;
        POS_E_Source pos;
    };
    Case const cases[] = {
        {"N_S", true, kCatN},    {"VT01_S", true, kCatVT01}, {"PREPADJ", true, kCatPREPADJ},
        {"n_s", false, kCatBad}, {"N_S ", false, kCatBad},   {"N_", false, kCatBad},
        {"sb", false, kCatBad},  {"", false, kCatBad},       {"NO_SUCH_KEY", false, kCatBad},
    };
    for (Case const& c : cases) {
        SCOPED_TRACE(std::string("key '") + c.key + "'");
        POS_E_Source pos{7777};
        EXPECT_EQ(ReadFromMWTable(&pos, nullptr, nullptr, nullptr, c.key), c.found);
        EXPECT_EQ(pos, c.found ? c.pos : POS_E_Source{7777});
    }
}

TEST(ReadFromMWTable, AbsentKeyWritesNothing) {
    for (char const* key : {"n_s", "", static_cast<char const*>(nullptr)}) {
        POS_E_Source pos{7777};
        FeatureSets_E_Source features;
        features.SetSet(0, "untouched");
        POS_J_Target jpos{7777};
        short pvalue = 7777;
        EXPECT_FALSE(ReadFromMWTable(&pos, &features, &jpos, &pvalue, key));
        EXPECT_EQ(pos, POS_E_Source{7777});
        EXPECT_STREQ(features.GetSet(0), "untouched");
        EXPECT_EQ(jpos, POS_J_Target{7777});
        EXPECT_EQ(pvalue, 7777);
    }
}

TEST(ReadFromMWTable, WritesEveryOutputOfTheRow) {
    POS_E_Source pos{};
    FeatureSets_E_Source features;
    features.SetSet(2, "stale text that must be overwritten");
    POS_J_Target jpos{};
    short pvalue = 0;
    ASSERT_TRUE(ReadFromMWTable(&pos, &features, &jpos, &pvalue, "PN_SING"));
    EXPECT_EQ(pos, kCatN);
    EXPECT_STREQ(features.GetSet(0), "SSSC1112110U00_");
    EXPECT_STREQ(features.GetSet(1), "010000000000000");
    EXPECT_STREQ(features.GetSet(2), "_____________0__1_______");
    EXPECT_EQ(jpos, kJPOS_N);
    EXPECT_EQ(pvalue, -815);
}

TEST(ReadFromMWTable, NullOutputsOnlyTestPresence) {
    EXPECT_TRUE(ReadFromMWTable(nullptr, nullptr, nullptr, nullptr, "PP"));
    EXPECT_FALSE(ReadFromMWTable(nullptr, nullptr, nullptr, nullptr, "pp"));

    short pvalue = 0;
    EXPECT_TRUE(ReadFromMWTable(nullptr, nullptr, nullptr, &pvalue, "UD_N"));
    EXPECT_EQ(pvalue, -455);
}

// ---- The user-word category map ----------------------------------------------

char const* const kExpectedCategoryKeys[] = {
    "UD_ADJ",
    "ADJ_PREP",
    "UD_ADV",
    "UD_N",
    "UD_PL_N",
    "UD_PN_SING",
    "UD_PN_PL",
    "UD_INTR",
    "UD_INTR_3RD",
    "INTR_PAST",
    "INTR_PPL_ONLY",
    "UD_INTR_GERUND",
    "UD_INTR_PPL",
    "UD_TRANS",
    "TRANS_3RD",
    "TRANS_PAST",
    "TRANS_PPL_ONLY",
    "UD_TRANS_GERUND",
    "UD_TRANS_PPL",
    "INTR_PREP_INF",
    "INTR_PREP_3RD",
    "INTR_PREP_PAST",
    "INTR_PREP_PPL_ONLY",
    "INTR_PREP_GERUND",
    "INTR_PREP_PPL",
    "TRANS_PREP_INF",
    "TRANS_PREP_3RD",
    "TRANS_PREP_PAST",
    "TRANS_PREP_PPL_ONLY",
    "TRANS_PREP_GERUND",
    "TRANS_PREP_PPL",
    "INTR_PART_INF",
    "INTR_PART_3RD",
    "INTR_PART_PAST",
    "INTR_PART_PPL_ONLY",
    "INTR_PART_GERUND",
    "INTR_PART_PPL",
    "TRANS_PART_INF",
    "TRANS_PART_3RD",
    "TRANS_PART_PAST",
    "TRANS_PART_PPL_ONLY",
    "TRANS_PART_GERUND",
    "TRANS_PART_PPL",
    "INTR_PART_PREP_INF",
    "INTR_PART_PREP_3RD",
    "INTR_PART_PREP_PAST",
    "INTR_PART_PREP_PPL_ONLY",
    "INTR_PART_PREP_GERUND",
    "INTR_PART_PREP_PPL",
    "TRANS_PART_PREP_INF",
    "TRANS_PART_PREP_3RD",
    "TRANS_PART_PREP_PAST",
    "TRANS_PART_PREP_PPL_ONLY",
    "TRANS_PART_PREP_GERUND",
    "TRANS_PART_PREP_PPL",
    "INTR_REPORTING_INF",
    "INTR_REPORTING_3RD",
    "INTR_REPORTING_PAST",
    "INTR_REPORTING_PPL_ONLY",
    "INTR_REPORTING_GERUND",
    "INTR_REPORTING_PPL",
    "CONJ",
    "PREPADJ",
    "PREPADV",
    "PP",
};

TEST(UserWordCategoryMap, RowsAreInOrderAndNameExistingReadings) {
    ASSERT_EQ(std::size(kExpectedCategoryKeys), NUM_UMWMAPS);
    for (std::size_t i = 0; i < NUM_UMWMAPS; ++i) {
        EXPECT_STREQ(fUMWMap[i].assignmentKey, kExpectedCategoryKeys[i]) << "row " << i;
        EXPECT_TRUE(ReadFromMWTable(nullptr, nullptr, nullptr, nullptr, fUMWMap[i].assignmentKey))
            << fUMWMap[i].assignmentKey;
    }
}

TEST(UserWordCategoryMap, FixedRowsAreExact) {
    struct FixedRow {
        unsigned grossPOS, form, verbSubtype, prepositionType, adjSubtype;
        int cook;
        char const* key;
        unsigned transitive, participle, nounKind;
    };
    FixedRow const fixedRows[] = {
        {1, 0, 0, 0, 1, 0, "UD_ADJ", 0, 0, 0},      {3, 1, 0, 0, 0, 2, "UD_PL_N", 0, 0, 2},
        {3, 0, 0, 0, 0, 2, "UD_PN_SING", 0, 0, 1},  {4, 1, 5, 0, 0, 3, "INTR_PAST", 0, 1, 0},
        {4, 1, 5, 0, 0, 3, "UD_INTR_PPL", 0, 2, 0}, {4, 0, 1, 0, 0, 3, "UD_TRANS", 1, 0, 0},
        {6, 0, 0, 1, 0, 5, "PREPADJ", 0, 0, 0},     {7, 0, 0, 0, 0, 0, "PP", 0, 0, 0},
    };
    for (FixedRow const& fixed : fixedRows) {
        SCOPED_TRACE(fixed.key);
        UserWordCategoryRow const* row = nullptr;
        for (UserWordCategoryRow const& candidate : fUMWMap) {
            if (std::strcmp(candidate.assignmentKey, fixed.key) == 0) row = &candidate;
        }
        ASSERT_NE(row, nullptr);
        EXPECT_EQ(row->grossPOS, fixed.grossPOS);
        EXPECT_EQ(row->form, fixed.form);
        EXPECT_EQ(row->verbSubtype, fixed.verbSubtype);
        EXPECT_EQ(row->prepositionType, fixed.prepositionType);
        EXPECT_EQ(row->adjSubtype, fixed.adjSubtype);
        EXPECT_EQ(row->cookGrossPOS, fixed.cook);
        EXPECT_EQ(row->transitive, fixed.transitive);
        EXPECT_EQ(row->participle, fixed.participle);
        EXPECT_EQ(row->nounKind, fixed.nounKind);
    }
}

bool EndsWith(std::string const& text, std::string const& ending) {
    return text.size() >= ending.size() && text.compare(text.size() - ending.size(), ending.size(), ending) == 0;
}

// The form and participle code of a verb row follow from its reading's name.
TEST(UserWordCategoryMap, VerbFormsMatchTheirReadings) {
    struct Suffix {
        char const* ending;
        UserWordForm form;
        ParticipleCode participle;
    };
    Suffix const suffixes[] = {
        {"_PPL_ONLY", eFormParticipleOnly, eParticiplePastOrOnly},
        {"_PPL", eFormPluralOrPast, eParticipleOfPast},
        {"_PAST", eFormPluralOrPast, eParticiplePastOrOnly},
        {"_3RD", eFormThirdPerson, eParticipleNone},
        {"_GERUND", eFormGerund, eParticipleNone},
    };
    for (UserWordCategoryRow const& row : fUMWMap) {
        if (row.grossPOS != eGrossPOSVerb) continue;
        SCOPED_TRACE(row.assignmentKey);
        UserWordForm form = eFormBase;
        ParticipleCode participle = eParticipleNone;
        for (Suffix const& suffix : suffixes) {
            if (EndsWith(row.assignmentKey, suffix.ending)) {
                form = suffix.form;
                participle = suffix.participle;
                break;
            }
        }
        EXPECT_EQ(row.form, form);
        EXPECT_EQ(row.participle, participle);
        EXPECT_EQ(row.cookGrossPOS, eCookVerb);
        bool const takesObjectOrReport =
            row.verbSubtype <= eVerbSubtypeTransitiveParticlePrep || row.verbSubtype == eVerbSubtypeReporting;
        EXPECT_EQ(row.transitive, takesObjectOrReport ? 1 : 0);
    }
}

// The translator tells a verb reading's subtype from the first map row whose
// reading has the same category, so each subtype needs a category of its own.
TEST(UserWordCategoryMap, FirstRowWithAVerbCategoryGivesItsSubtype) {
    auto subtypeByFirstMatch = [](POS_E_Source category) {
        for (UserWordCategoryRow const& row : fUMWMap) {
            if (CategoryOf(row.assignmentKey) == category) return row.verbSubtype;
        }
        return eVerbSubtypeNone;
    };
    std::map<VerbSubtype, std::set<POS_E_Source>> categoriesBySubtype;
    for (UserWordCategoryRow const& row : fUMWMap) {
        if (row.grossPOS != eGrossPOSVerb) continue;
        SCOPED_TRACE(row.assignmentKey);
        POS_E_Source const category = CategoryOf(row.assignmentKey);
        EXPECT_TRUE(IsNumberedVerbName(kE_Source_POSNames()[category])) << kE_Source_POSNames()[category];
        EXPECT_EQ(subtypeByFirstMatch(category), row.verbSubtype);
        categoriesBySubtype[row.verbSubtype].insert(category);
    }
    EXPECT_EQ(categoriesBySubtype.size(), 9u);
    for (auto const& [subtype, categories] : categoriesBySubtype)
        EXPECT_EQ(categories.size(), 1u) << "subtype " << subtype;

    // Readings that user-dictionary entries get by their form alone.
    struct Case {
        char const* key;
        VerbSubtype subtype;
    };
    Case const formReadings[] = {
        {"intr.", eVerbSubtypeIntransitive},         {"trans.", eVerbSubtypeTransitive},
        {"INTR_3RD", eVerbSubtypeIntransitive},      {"TRANS_PPL", eVerbSubtypeTransitive},
        {"INTR_PPL_ONLY", eVerbSubtypeIntransitive}, {"TRANS_GERUND", eVerbSubtypeTransitive},
    };
    for (Case const& c : formReadings) EXPECT_EQ(subtypeByFirstMatch(CategoryOf(c.key)), c.subtype) << c.key;
}

TEST(UserWordCategoryLookup, TakesTheFirstBaseFormRowThatFits) {
    struct Case {
        GrossPOS grossPOS;
        VerbSubtype verb;
        PrepositionType preposition;
        AdjSubtype adjective;
        char const* key;  // null: no row fits
        CookTableGrossPOS cook;
    };
    Case const cases[] = {
        // "UD_PN_SING" has the same four values and is never reached.
        {eGrossPOSNoun, eVerbSubtypeNone, ePrepositionTypeNone, eAdjSubtypeNone, "UD_N", eCookNoun},
        {eGrossPOSAdjective, eVerbSubtypeNone, ePrepositionTypeNone, eAdjSubtypePlain, "UD_ADJ", eCookAdjective},
        {eGrossPOSAdjective, eVerbSubtypeNone, ePrepositionTypeNone, eAdjSubtypeWithPrep, "ADJ_PREP", eCookAdjective},
        {eGrossPOSAdverb, eVerbSubtypeNone, ePrepositionTypeNone, eAdjSubtypeNone, "UD_ADV", eCookAdverb},
        {eGrossPOSVerb, eVerbSubtypeIntransitive, ePrepositionTypeNone, eAdjSubtypeNone, "UD_INTR", eCookVerb},
        {eGrossPOSVerb, eVerbSubtypeTransitive, ePrepositionTypeNone, eAdjSubtypeNone, "UD_TRANS", eCookVerb},
        {eGrossPOSVerb, eVerbSubtypeTransitiveParticlePrep, ePrepositionTypeNone, eAdjSubtypeNone,
         "TRANS_PART_PREP_INF", eCookVerb},
        {eGrossPOSVerb, eVerbSubtypeReporting, ePrepositionTypeNone, eAdjSubtypeNone, "INTR_REPORTING_INF", eCookVerb},
        {eGrossPOSConjunction, eVerbSubtypeNone, ePrepositionTypeNone, eAdjSubtypeNone, "CONJ", eCookConjunction},
        {eGrossPOSPreposition, eVerbSubtypeNone, ePrepositionTypeAdjectival, eAdjSubtypeNone, "PREPADJ",
         eCookPreposition},
        {eGrossPOSPreposition, eVerbSubtypeNone, ePrepositionTypeAdverbial, eAdjSubtypeNone, "PREPADV", eCookAdverb2},
        {eGrossPOSPrepPhrase, eVerbSubtypeNone, ePrepositionTypeNone, eAdjSubtypeNone, "PP", eCookAdjective},
        // No row holds these combinations.
        {eGrossPOSAdjective, eVerbSubtypeNone, ePrepositionTypeNone, eAdjSubtypeNone, nullptr, eCookNone},
        {eGrossPOSVerb, eVerbSubtypeNone, ePrepositionTypeNone, eAdjSubtypeNone, nullptr, eCookNone},
        {eGrossPOSNoun, eVerbSubtypeTransitive, ePrepositionTypeNone, eAdjSubtypeNone, nullptr, eCookNone},
        {eGrossPOSPreposition, eVerbSubtypeNone, ePrepositionTypeNone, eAdjSubtypeNone, nullptr, eCookNone},
        {GrossPOS{0}, eVerbSubtypeNone, ePrepositionTypeNone, eAdjSubtypeNone, nullptr, eCookNone},
        {GrossPOS{8}, eVerbSubtypeNone, ePrepositionTypeNone, eAdjSubtypeNone, nullptr, eCookNone},
        {eGrossPOSVerb, VerbSubtype{10}, ePrepositionTypeNone, eAdjSubtypeNone, nullptr, eCookNone},
    };
    for (Case const& c : cases) {
        SCOPED_TRACE(c.key != nullptr ? c.key : "no row");
        UserWordCategoryRow const* row = FindUserWordCategory(c.grossPOS, c.verb, c.preposition, c.adjective);
        if (c.key == nullptr) {
            EXPECT_EQ(row, nullptr);
        } else {
            ASSERT_NE(row, nullptr);
            EXPECT_STREQ(row->assignmentKey, c.key);
            EXPECT_EQ(row->form, eFormBase);
        }
        EXPECT_EQ(FindCookTableGrossPOS(c.grossPOS, c.verb, c.preposition, c.adjective), c.cook);
    }
}

}  // namespace
