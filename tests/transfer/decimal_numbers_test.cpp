// Decimal numbers before a thousand, million, billion or trillion word are
// rewritten in Japanese units; the unit word's own Japanese goes.
#include <gtest/gtest.h>

#include <string>

#include "engine/foundation/temporary_dictionary.h"
#include "engine/transfer/decimal_numbers.h"
#include "cp932.h"
#include "support/tree_text.h"

namespace {

std::string Utf8(std::string const& sjis) {
    std::string out;
    return Recode("UTF-8", "CP932", sjis, &out) ? out : sjis;
}

TEST(DecimalNumbers, DecimalsBeforeAUnitWordAreScaledAndGrouped) {
    struct Case {
        char const* english;  // of the decimal
        char const* japanese;
        char const* unit;  // category of the unit word
        char const* after;  // the tree after, UTF-8
    } const cases[] = {
        {"1.5", "１.５", "NUMBER_MILLION", "NP(DECINUMBER:１５０万 NUMBER_MILLION)"},
        {"0.5", "０.５", "#NUMBER_MILLION", "NP(DECINUMBER:５０万 #NUMBER_MILLION)"},
        {"1.5", "１.５", "NUMBER_BILLION", "NP(DECINUMBER:１５億 NUMBER_BILLION)"},
        {"2", "２", "NUMBER1000", "NP(DECINUMBER:２千 NUMBER1000)"},
        {"12", "１２", "NUMBER1000", "NP(DECINUMBER:１万２千 NUMBER1000)"},
        {"1,234,567,890", "１,２３４、５６７,８９０", "NUMBER1000",
         "NP(DECINUMBER:１兆２３４５億６７８９万 NUMBER1000)"},
        {"1,000,000", "１,０００,０００", "NUMBER1000", "NP(DECINUMBER:１０億 NUMBER1000)"},
        {"3.5", "３.５", "NUMBER_TRILLION", "NP(DECINUMBER:３.５ NUMBER_TRILLION:兆)"},
        {"3,5", "３,５", "NUMBER_TRILLION", "NP(DECINUMBER:３５ NUMBER_TRILLION:兆)"},
        // Left as they are: a long English text, a fraction, half-width digits.
        {"123456789012345678901", "１", "NUMBER1000", nullptr},
        {"1/2", "１２", "NUMBER_MILLION", nullptr},
        {"12", "12", "NUMBER1000", nullptr},
    };
    for (Case const& c : cases) {
        SCOPED_TRACE(c.english);
        Dictionary_EX_Temporary dictionary;
        std::string const text = std::string("NP(DECINUMBER\"") + c.english + "\":" + c.japanese + " " + c.unit + "\"" +
                                 "x" + "\":" + (std::string(c.unit).find("TRILLION") != std::string::npos ? "兆" : "千") +
                                 ")";
        PARSED_NODE* tree = BuildTree(text, &dictionary);
        std::string const before = TreeText(tree);
        EXPECT_EQ(AdjustDecimalNums(tree), c.after != nullptr);
        EXPECT_EQ(TreeText(tree), c.after != nullptr ? c.after : before);
        FreeSubtree(tree);
    }
}

TEST(DecimalNumbers, UnitsGoAfterTheirGroupsAndZeroGroupsVanish) {
    struct Case {
        char const* digits;
        unsigned position;
        char const* after;
    } const cases[] = {
        {"１２３４５", 4, "１千２３４５"}, {"１２３４５", 5, "１２３４５"}, {"００１０", 0, "１０千"},
        {"１００００", 4, "１千００００"}, {"０", 0, "０"},                {"１.５０", 0, "１.５０千"},
        {"１万００００", 0, "１万"},
    };
    for (Case const& c : cases) {
        std::string japanese = CP932(c.digits);
        InsertJNumberUnit(&japanese, c.position, "\x90\xE7");  // 千
        EXPECT_EQ(Utf8(japanese), c.after) << c.digits << " at " << c.position;
    }
    std::string shifted;
    EXPECT_TRUE(ShiftNumber(&shifted, "12.345", -1));
    EXPECT_EQ(Utf8(shifted), "１.２３４５");
    EXPECT_FALSE(ShiftNumber(&shifted, "12", -2));
    std::string zeros = CP932("１千０００");
    EXPECT_FALSE(RemoveLeadingZeroesAtEnd(&zeros));
    EXPECT_EQ(Utf8(zeros), "１千");
    std::string leading = CP932("１千０２０");
    EXPECT_TRUE(RemoveLeadingZeroesAtEnd(&leading));
    EXPECT_EQ(Utf8(leading), "１千２０");
}

}  // namespace
