#include "engine/compiled/english_inflection.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

struct InflectionCase {
    char const* text;
    GrossPOS_E_Source form;
    char const* expected;
};

TEST(EnglishInflectionTest, RegularForms) {
    InflectionCase const cases[] = {
        {"box", kGrossPlural, "boxes"},
        {"city", kGrossPlural, "cities"},
        {"day", kGrossPlural, "days"},
        {"potato", kGrossPlural, "potatoes"},
        {"a", kGrossPlural, "as"},
        {"y", kGrossPlural, "ys"},
        {"bus", kGrossPlural, "buses"},
        {"dish", kGrossPlural, "dishes"},
        {"church", kGrossPlural, "churches"},
        {"buzz", kGrossPlural, "buzzes"},
        {"cat", kGrossPlural, "cats"},
        {"go", kGrossThirdSingular, "goes"},
        {"carry", kGrossThirdSingular, "carries"},
        {"hope", kGrossPast, "hoped"},
        {"try", kGrossPast, "tried"},
        {"play", kGrossPast, "played"},
        {"walk", kGrossPastParticiple, "walked"},
        {"e", kGrossPast, "eed"},
        {"make", kGrossPresentParticiple, "making"},
        {"see", kGrossPresentParticiple, "seeing"},
        {"e", kGrossPresentParticiple, "eing"},
        {"go", kGrossPresentParticiple, "going"},
        {"big", kGrossComparative, "more big"},
        {"big", kGrossSuperlative, "most big"},
        {"give up", kGrossPast, "gived up"},  // verb forms inflect the first word
        {"carry on  with", kGrossThirdSingular, "carries on  with"},
        {"  give up", kGrossPast, "ed  give up"},  // the first word is empty
        {"ice box", kGrossPlural, "ice boxes"},    // other forms inflect the end
        {"very big", kGrossComparative, "more very big"},
        {"box \t", kGrossPlural, "boxes"},  // trailing white space removed
        {"box ", static_cast<GrossPOS_E_Source>(1), "box"},
        {"  box", kGrossPlural, "  boxes"},  // leading blanks kept
        {"", kGrossPlural, "s"},             // at most one byte: the plain ending
        {"", kGrossPast, "ed"},
        {"", kGrossPresentParticiple, "ing"},
        {"   ", kGrossPast, "ed   "},
        {"  ", kGrossComparative, "more "},
    };
    for (InflectionCase const& c : cases) {
        EXPECT_EQ(CreateInflectionWithoutDictionary(c.text, c.form), c.expected)
            << "\"" << c.text << "\" form " << c.form;
    }
}

TEST(EnglishInflectionTest, LastWordInflectsTheEndOnly) {
    EXPECT_EQ(CreateInflectionWithoutDictionary_LAST_WORD("give up", kGrossPast), "give uped");
    EXPECT_EQ(CreateInflectionWithoutDictionary_LAST_WORD("  ", kGrossPlural), "s");
}

TEST(EnglishInflectionTest, PrependStringChecksTheBuffer) {
    char buffer[16] = "big";
    EXPECT_FALSE(PrependString(buffer, "more ", 8));  // "more big" and its NUL need 9
    EXPECT_STREQ(buffer, "big");
    EXPECT_TRUE(PrependString(buffer, "more ", 9));
    EXPECT_STREQ(buffer, "more big");
    EXPECT_TRUE(PrependString(buffer, "", 9));
    EXPECT_STREQ(buffer, "more big");
}

}  // namespace
