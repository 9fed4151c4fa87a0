// Where an ending sits at the end of a Japanese word, in whole Shift-JIS
// characters, and what is reported when the word does not end with it.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "engine/foundation/feature_bits.h"
#include "engine/transfer/pin_tail.h"

namespace {

// Shift-JIS: 食 0x90 0x48, べ 0x82 0xD7, る 0x82 0xE9.
#define TABE "\x90\x48\x82\xD7"
#define RU "\x82\xE9"

TEST(PinTail, EndsWithCountsWholeCharacters) {
    struct Case {
        char const* a;
        char const* b;
        bool ends;
    } const cases[] = {
        {"taberu", "ru", true}, {"taberu", "ta", false}, {"ru", "taberu", false},
        {"abc", "", true},      {TABE RU, RU, true},     {TABE RU, "\xE9", false},  // a trail byte is no character
        {TABE, "\xD7", false},  {"\x90", "\x90", true},  // a lone lead byte at the end is one character
        {nullptr, "", true},    {"", nullptr, true},
    };
    for (Case const& c : cases) EXPECT_EQ(KEndsWith(c.a, c.b), c.ends) << (c.a ? c.a : "null") << " / " << c.b;
}

TEST(PinTail, FindsWhereTheEndingBegins) {
    struct Case {
        char const* word;
        char const* tail;
        std::size_t position;  // bytes into the word
        uint16_t count;
        bool reported;
    } const cases[] = {
        {"taberu", "ru", 4, 0, false},  {"taberu", "", 6, 0, false},
        {"ru", "taberu", 2, 6, false},  // shorter than the tail: its end, all of the tail missing
        {TABE RU, RU, 4, 0, false},     {TABE "r", "ru", 5, 2, true},  // ends with "\x82\xD7r": reported, the end
        {TABE "k", "iku", 4, 2, false},                                // only "k" of the tail is there, after the kanji
        {TABE, "ru", 4, 2, false},                                     // none of it
        {"tabe", "ku", 4, 2, true},
    };
    for (Case const& c : cases) {
        std::string word = c.word;
        uint16_t count = 99;
        gErrBuf[0] = '\0';
        char* const at = WherePinTail(&word[0], c.tail, &count, nullptr);
        EXPECT_EQ(static_cast<std::size_t>(at - word.data()), c.position) << c.word << " / " << c.tail;
        EXPECT_EQ(count, c.count) << c.word << " / " << c.tail;
        EXPECT_EQ(gErrBuf[0] != '\0', c.reported) << c.word << " / " << c.tail;
    }
}

TEST(PinTail, ReportsTheWordTheEndingAndWhatItEndsWith) {
    std::string word = "tabe";
    uint16_t count = 0;
    WherePinTail(&word[0], "ku", &count, nullptr);
    EXPECT_STREQ(gErrBuf, "In synthesis, word tabe should end with ku but ends with be");
    EXPECT_STREQ(gErrDataBuf, "tabe, ku, be");
}

}  // namespace
