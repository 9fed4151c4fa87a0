#include "engine/foundation/pos_class_tests.h"

#include <gtest/gtest.h>

#include "engine/foundation/atom_databases.h"

namespace {

POS_E_Source English(char const* name) {
    POS_E_Source pos{};
    EXPECT_TRUE(gSourcePOSDatabase().Lookup(name, &pos)) << name;
    return pos;
}

TEST(POSClassTestsTest, EnglishClassesByName) {
    struct Case {
        char const* name;
        bool nounLike, noun1, verbLike, verb1, adjLike, adj1Like, advLike, prepLike;
        CookTableGrossPOS cookTable;
    } const cases[] = {
        {"N", true, true, false, false, false, false, false, false, eCookNoun},
        {"NP", true, true, false, false, false, false, false, false, eCookNoun},
        {"N1", true, true, false, false, false, false, false, false, eCookNoun},
        {"NUMBER", true, false, false, false, false, false, false, false, eCookNone},
        {"VT01", false, false, true, true, false, false, false, false, eCookVerb},
        {"VI01", false, false, true, true, false, false, false, false, eCookVerb},
        {"VP", false, false, true, false, false, false, false, false, eCookNone},
        {"ADJ", false, false, false, false, true, true, false, false, eCookAdjective},
        {"ADJUNCT", false, false, false, false, true, false, false, false, eCookNone},
        {"ADV", false, false, false, false, false, false, true, false, eCookAdverb},
        {"PREP", false, false, false, false, false, false, false, true, eCookPreposition},
        {"PREPADJ", false, false, false, false, false, false, false, true, eCookPreposition},
        {"CONJ", false, false, false, false, false, false, false, false, eCookNone},
    };
    for (Case const& c : cases) {
        SCOPED_TRACE(c.name);
        POS_E_Source const pos = English(c.name);
        EXPECT_EQ(IsNounLike(pos), c.nounLike);
        EXPECT_EQ(IsNoun1(pos), c.noun1);
        EXPECT_EQ(IsVerbLike(pos), c.verbLike);
        EXPECT_EQ(IsVerb1(pos), c.verb1);
        EXPECT_EQ(IsAdjLike(pos), c.adjLike);
        EXPECT_EQ(IsAdj1Like(pos), c.adj1Like);
        EXPECT_EQ(IsAdvLike(pos), c.advLike);
        EXPECT_EQ(IsPrepLike(pos), c.prepLike);
        EXPECT_EQ(mkCookTableGrossPOS(pos), c.cookTable);
    }
    for (unsigned value : {15000u, 65535u}) {
        auto const pos = static_cast<POS_E_Source>(value);
        EXPECT_FALSE(IsNounLike(pos) || IsNoun1(pos) || IsVerbLike(pos) || IsVerb1(pos) || IsAdjLike(pos) ||
                     IsAdj1Like(pos) || IsAdvLike(pos) || IsPrepLike(pos));
        EXPECT_EQ(mkCookTableGrossPOS(pos), eCookNone);
    }
}

TEST(POSClassTestsTest, GrossJapaneseClassByName) {
    struct Case {
        char const* name;
        short gross;
    } const cases[] = {
        {"VADJcr", 3},    {"VCr", 2}, {"Vsu", 2}, {"NAno", 3}, {"NAzero", 3}, {"ADJ", 3},
        {"ADJTAtecr", 3}, {"ADV", 4}, {"N", 1},   {"DET", 6},  {"CONJ", 6},   {"OTHER", 6},
    };
    for (Case const& c : cases) {
        POS_J_Target pos{};
        ASSERT_TRUE(gTargetPOSDatabase().Lookup(c.name, &pos)) << c.name;
        EXPECT_EQ(FindGrossJPOS(pos), c.gross) << c.name;
    }
    EXPECT_EQ(FindGrossJPOS(static_cast<POS_J_Target>(100000)), 6);
}

}  // namespace
