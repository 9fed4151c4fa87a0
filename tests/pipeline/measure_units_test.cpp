#include "engine/pipeline/measure_units.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using measure_units::Split;

std::string Describe(Split const& split) {
    auto narrow = [](std::wstring const& text) { return std::string(text.begin(), text.end()); };
    switch (split.kind) {
        case Split::kNone:
            return "none";
        case Split::kNumberThenUnit:
            return "Number[" + narrow(split.number) + "] Word[" + narrow(split.word) + "]";
        case Split::kPrefixThenNumber:
            return "Word[" + narrow(split.word) + "] Number[" + narrow(split.number) + "]";
    }
    return "?";
}

TEST(MeasureUnits, WordsSplitIntoNumberAndUnitOrPrefixAndNumber) {
    struct Case {
        std::wstring word;
        char const* split;
    };
    Case const cases[] = {
        {L"5km", "Number[5] Word[km]"},
        {L"1in", "Number[1] Word[in]"},
        {L"2ins", "Number[2] Word[ins]"},
        {L"7am", "Number[7] Word[am]"},
        {L"10mph", "Number[10] Word[mph]"},
        {L"5.5.km", "Number[5.5.] Word[km]"},
        {L"5Km", "none"},  // units are case-sensitive
        {L"5kms", "none"},
        {L".km", "none"},  // a leading part without a digit
        {L"5", "none"},
        {L"km5", "none"},
        {L"EUR5", "Word[EUR] Number[5]"},
        {L"euro12.50", "Word[euro] Number[12.50]"},
        {L"EUR5a", "none"},
        {L"USD5", "none"},
        {L"EUR", "none"},
        {L"\uFF15km", "none"},  // full-width digits are no number here
        {L"5k\u00E9", "none"},
    };
    for (Case const& c : cases)
        EXPECT_EQ(Describe(measure_units::SplitWord(c.word)), c.split) << std::string(c.word.begin(), c.word.end());
}

TEST(MeasureUnits, ConversionsThatGiveNothingSplitNothing) {
    measure_units::Conversions empty;
    empty.toNarrow = [](std::wstring const&) { return std::string(); };
    empty.toWide = [](std::string const&) { return std::wstring(); };
    EXPECT_EQ(Describe(measure_units::SplitWord(L"5km", empty)), "none");
    EXPECT_EQ(Describe(measure_units::SplitWord(L"EUR5", empty)), "none");
}

TEST(MeasureUnits, HelpersByTable) {
    EXPECT_TRUE(measure_units::IsDigitPresentAndNoNonDigits(L"5"));
    EXPECT_TRUE(measure_units::IsDigitPresentAndNoNonDigits(L"5.5."));
    EXPECT_FALSE(measure_units::IsDigitPresentAndNoNonDigits(L"..."));
    EXPECT_FALSE(measure_units::IsDigitPresentAndNoNonDigits(L""));
    EXPECT_FALSE(measure_units::IsDigitPresentAndNoNonDigits(L"5a"));

    EXPECT_EQ(measure_units::MapWideStringToACP(L"km"), "km");
    EXPECT_EQ(measure_units::MapWideStringToACP(L"k\U0001F600m"), "");  // no Shift-JIS form: nothing, not "k"
    EXPECT_EQ(measure_units::MapACPStringToWide("mph"), L"mph");
}

}  // namespace
