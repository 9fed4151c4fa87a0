#include <gtest/gtest.h>

#include "apps/quellit/display_text.h"
#include "apps/quellit/terminal_window.h"

namespace quellit {
namespace {

TEST(CountLine, OnlyASingleIntegerFormatIsFilled) {
    struct Case {
        char const* format;
        char const* expected;
    };
    Case const cases[] = {
        {"Entry item %d.", "Entry item 42."},
        {"%i entries (100%%)", "42 entries (100%)"},
        {"Entry item %s.", "Entry item 42."},  // would read a string from an int
        {"%d of %d", "Entry item 42."},        // two conversions, one argument
        {"Entries", "Entry item 42."},         // none
        {"Entry %", "Entry item 42."},         // a lone percent at the end
        {"\xE7\x99\xBB\xE9\x8C\xB2 %d \xE4\xBB\xB6", "\xE7\x99\xBB\xE9\x8C\xB2 42 \xE4\xBB\xB6"},
    };
    for (Case const& c : cases) EXPECT_EQ(FormatCountLine(c.format, 42), c.expected) << c.format;
}

TEST(DisplayText, DecodesShiftJISAndMarksWhatDoesNotDecode) {
    EXPECT_EQ(DecodeForDisplay("abc"), "abc");
    EXPECT_EQ(DecodeForDisplay("\x82\xA0"), "\xE3\x81\x82");  // a hiragana
    EXPECT_EQ(DecodeForDisplay("a\x82"), "a\xEF\xBF\xBD");    // a lead byte at the end
    EXPECT_EQ(DecodeForDisplay("\xA0z"), "\xEF\xBF\xBDz");    // no such character
}

TEST(DisplayText, EveryLineBreakConventionBreaksOnce) {
    EXPECT_EQ(NormalizeLineBreaks("a\rb\nc\r\nd\n\re"), "a\nb\nc\nd\n\ne");
}

}  // namespace
}  // namespace quellit
