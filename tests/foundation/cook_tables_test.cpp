// Sanity of the generated cook tables and inflection sets: the shapes the
// code relies on and the names other parts of the engine look up.
#include "engine/foundation/cook_tables.h"

#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <string>
#include <vector>

#include "engine/foundation/atom_databases.h"
#include "engine/foundation/aw_set_table.h"
#include "engine/foundation/cook_translation.h"
#include "engine/foundation/english_pos_classes.h"
#include "engine/foundation/jpos_ids.h"
#include "engine/foundation/name_tables.h"

namespace {

TEST(CookTablesTest, RecordCountsPerClass) {
    int const expected[kCookTableCount] = {56, 1, 1, 30, 1, 2, 1, 0};
    std::size_t total = 0;
    for (int gross = 0; gross < kCookTableCount; ++gross) {
        EXPECT_EQ(kCookTables[gross].count, expected[gross]) << "class " << gross;
        if (kCookTables[gross].count != 0) {
            EXPECT_EQ(kCookTables[gross].entries, kCookEndings + total);
        }
        total += static_cast<std::size_t>(kCookTables[gross].count);
    }
    EXPECT_EQ(total, 92u);
    EXPECT_EQ(kCookEndingCount, 92u);
}

TEST(CookTablesTest, EveryRecordIsWellFormed) {
    for (std::size_t i = 0; i < kCookEndingCount; ++i) {
        CookArrayEntry const& entry = kCookEndings[i];
        SCOPED_TRACE(entry.romajiEnding);
        ASSERT_NE(entry.romajiEnding, nullptr);
        EXPECT_LE(entry.boundaryFlag, 1);
        ASSERT_GE(entry.answerCount, 1);
        ASSERT_LE(entry.answerCount, kMaxCookAnswers);
        EXPECT_GE(entry.answers, kCookAlts);
        EXPECT_LE(entry.answers + entry.answerCount, kCookAlts + kCookAltCount);
        for (int k = 0; k < entry.answerCount; ++k) {
            cook_alt_t const& alt = entry.answers[k];
            EXPECT_GE(alt.jpos, 1);
            EXPECT_LE(alt.jpos, kJPOSIDCount);
            ASSERT_NE(alt.cookedTail, nullptr);
            // One answer needs no menu; several all need one.
            bool const hasMenu = alt.menuCut != nullptr && alt.menuAddition != nullptr;
            EXPECT_EQ(hasMenu, entry.answerCount > 1);
            if (hasMenu) {
                EXPECT_LT(kMaxJTransBytes + std::strlen(alt.menuAddition), kJPOSMenuSlotSize);
            }
        }
    }
}

// Each class ends with a record that fits only what nothing before it did,
// so the tables are searched from the most specific ending on: an empty
// ending can only stand last.
TEST(CookTablesTest, EmptyEndingOnlyLast) {
    for (int gross = 0; gross < kCookTableCount; ++gross) {
        for (int i = 0; i + 1 < kCookTables[gross].count; ++i) {
            EXPECT_STRNE(kCookTables[gross].entries[i].romajiEnding, "") << "class " << gross << " record " << i;
        }
    }
}

TEST(JPOSIDTest, EveryNameIsAJapaneseTargetPartOfSpeech) {
    std::set<std::string> names;
    for (JPOSID id = 1; id <= kJPOSIDCount; ++id) {
        char const* const name = JPOSStrFromID(id);
        EXPECT_EQ(kJPOSStrs[id - 1][0], ':');
        EXPECT_TRUE(names.insert(name).second) << name << " twice";
        POS_J_Target const target = POS_J_TargetFromJPOSID(id);
        EXPECT_NE(target, POS_J_Target{}) << name << " is missing from the target name table";
        EXPECT_STREQ(kJ_Target_POSNames()[target], name);
        EXPECT_EQ(JPOSIDFromStr(name), id);
        EXPECT_EQ(JPOSIDFromStr(kJPOSStrs[id - 1]), id);
    }
}

TEST(JPOSIDTest, OutsideTheRange) {
    for (JPOSID id : {0, 64, 65535}) {
        EXPECT_STREQ(JPOSStrFromID(static_cast<JPOSID>(id)), "");
        EXPECT_EQ(POS_J_TargetFromJPOSID(static_cast<JPOSID>(id)), POS_J_Target{});
    }
    EXPECT_EQ(JPOSIDFromStr("VCx"), 0);
    EXPECT_EQ(JPOSIDFromStr(""), 0);
    EXPECT_EQ(JPOSIDFromStr(":"), 0);
    EXPECT_EQ(JPOSIDFromStr(nullptr), 0);
    EXPECT_EQ(JPOSIDFromStr("ADJ"), 1);
    EXPECT_EQ(JPOSIDFromStr(":CONJ"), 63);
}

std::vector<std::string> FormNames(AltWordInflectionSet const& set) {
    std::vector<std::string> names;
    for (char const* name : set.formNames) {
        if (name != nullptr) names.emplace_back(name);
    }
    return names;
}

TEST(AWSetTest, FormNames) {
    std::vector<std::string> const verbForms = {
        "Present",  "Past",     "Cont",   "Gerund",      "Passive",    "Cause",          "Neg",
        "Cohort",   "Imper",    "Imper-IP", "Imper-Neg-IP", "Cohort-P", "Polite",      "Polite-Past",
        "Polite-Neg", "Polite-Neg-Past"};
    std::vector<std::string> const adjectivalForms = {
        "Attributive", "Present",    "Present-IP",   "Present-P",   "Past",          "Past-IP",      "Past-P",
        "Perfect",     "Perfect-P",  "Cont",         "Gerund",      "LookGerund",    "Gerund-Co",    "Cause",
        "LetCauseoi",  "LetCauseok", "Neg",          "Negha",       "Negha-P",       "Neg-IP",       "Neg-P",
        "Cohort",      "Cohortto",   "Cohort-P",     "Cohort-Neg",  "Cohort-Neg-IP", "Imper",        "Imper-IP",
        "Imper-P",     "Imper-Neg",  "Imper-Neg-IP", "Imper-Neg-P", "D-Present",     "D-Past",       "D-Cont",
        "D-Gerund",    "D-Neg",      "D-Cohort",     "D-Imper",     "D-Imper-IP",    "D-Imp-Neg-IP", "D-Polite"};
    EXPECT_EQ(FormNames(*GetAWSet(eAWSetVerb)), verbForms);
    EXPECT_EQ(FormNames(*GetAWSet(eAWSetAdjectival)), adjectivalForms);
    EXPECT_EQ(GetAWSet(eAWSetVerb)->patternsPerRow, verbForms.size());
    EXPECT_EQ(GetAWSet(eAWSetAdjectival)->patternsPerRow, adjectivalForms.size());
    EXPECT_EQ(GetAWSet(static_cast<ePOSForAWSet>(2)), nullptr);
    EXPECT_EQ(GetAWSet(static_cast<ePOSForAWSet>(-1)), nullptr);
    EXPECT_EQ(FindAWFormSlot(*GetAWSet(eAWSetVerb), "Polite"), 12);
    EXPECT_EQ(FindAWFormSlot(*GetAWSet(eAWSetVerb), nullptr), -1);
    EXPECT_EQ(FindAWFormSlot(*GetAWSet(eAWSetVerb), ""), -1);
}

TEST(AWSetTest, EveryVerbClassHasAFullRow) {
    AltWordInflectionSet const& verbs = *GetAWSet(eAWSetVerb);
    for (JPOSN jposn = 31; jposn <= 47; ++jposn) {
        int const row = FindAWSetRow(verbs, jposn);
        ASSERT_GE(row, 0) << "no row for verb class " << jposn;
        for (std::size_t slot = 0; slot < verbs.patternsPerRow; ++slot) {
            ALTWORD_INFLECT_ATOM const& record = verbs.primary[row][slot];
            ASSERT_NE(record.ending, nullptr) << jposn << " " << verbs.formNames[slot];
            EXPECT_EQ((record.flags & kAWStemRequired) != 0, *record.stemEnding != '\0');
        }
    }
}

TEST(AWSetTest, RowsNameKnownClassesOnce) {
    for (AltWordInflectionSet const& set : kAWSet) {
        ASSERT_LE(set.rowCount, kAWMaxRows);
        std::set<uint32_t> seen;
        for (std::size_t row = 0; row < set.rowCount; ++row) {
            uint32_t const jposn = set.rowJPOSNs[row];
            EXPECT_TRUE(seen.insert(jposn).second) << jposn;
            EXPECT_NE(JPOSNToStr(jposn), POS_J_Target{}) << jposn;
            EXPECT_EQ(FindAWSetRow(set, jposn), static_cast<int>(row));
            for (std::size_t slot = set.patternsPerRow; slot < kAWFormCount; ++slot) {
                EXPECT_EQ(set.primary[row][slot].ending, nullptr);
                EXPECT_EQ(set.secondary[row][slot].ending, nullptr);
            }
        }
    }
    EXPECT_EQ(FindAWSetRow(kAWSet[eAWSetVerb], 0), -1);
}

}  // namespace
