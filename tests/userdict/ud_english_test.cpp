#include "engine/userdict/ud_english.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "engine/userdict/ud_format.h"

namespace {

TEST(NormalizeEnglish, CollapsesAsciiWhiteSpaceOnly) {
    struct Case {
        std::string in;
        std::string out;
    };
    Case const cases[] = {
        {"apple", "apple"},
        {"  apple   pie  ", "apple pie"},
        {"\tapple\r\npie\v\f", "apple pie"},
        {"", ""},
        {" \t ", ""},
        // Bytes of 0x80 and above are never white space (0xA0 included).
        {"caf\xe9 \xa0 au", "caf\xe9 \xa0 au"},
        {"\x81\x40x", "\x81\x40x"},
    };
    for (Case const& c : cases) {
        auto normalized = NormalizeEnglish(c.in.c_str(), kUDEnglishLimit);
        ASSERT_TRUE(normalized.has_value()) << c.in;
        EXPECT_EQ(*normalized, c.out) << c.in;
    }
}

TEST(NormalizeEnglish, RefusesResultsOverTheLimit) {
    std::string const a255(255, 'a');
    EXPECT_EQ(NormalizeEnglish(a255.c_str(), 255), a255);
    // White space that normalisation removes does not count.
    EXPECT_EQ(NormalizeEnglish(("   " + a255 + "\t\t").c_str(), 255), a255);
    EXPECT_EQ(NormalizeEnglish((std::string(256, 'a')).c_str(), 255), std::nullopt);
    // 128 + the one space kept + 127 = 256.
    EXPECT_EQ(NormalizeEnglish((std::string(128, 'a') + "    " + std::string(127, 'b')).c_str(), 255), std::nullopt);
    EXPECT_EQ(NormalizeEnglish((std::string(127, 'a') + "    " + std::string(127, 'b')).c_str(), 255)->size(), 255u);
}

TEST(DExtractAllWords, SplitsAtPunctuationAndDropsAFirstWordPeriod) {
    struct Case {
        std::string in;
        std::string words;
        bool droppedPeriod;
    };
    Case const cases[] = {
        {"U.S. Army", "U.S Army", true},
        {"don't", "don 't", false},
        {"'tis", "'tis", false},
        {"etc.", "etc", true},
        {".", ".", false},                  // a lone period stays
        {"Dr. Smith.", "Dr Smith.", true},  // only the first word's period goes
        {"3,000 yen", "3,000 yen", false},
        {"a,b", "a , b", false},
        {"snake_case", "snake_case", false},
        {"_x", "_ x", false},
        {"(a)", "( a )", false},
        {"Hello!", "Hello !", false},
        {"x - y", "x - y", false},  // no space added next to white space
        {"rock 'n' roll", "rock  'n ' roll", false},
        // A tab is white space but not the blank that ends the first word, so
        // the period is only dropped at the end, as for a single word.
        {"a\tb.", "a\tb", true},
        {"caf\xe9", "caf \xe9", false},  // bytes of 0x80 and above are punctuation here
        {"", "", false},
    };
    for (Case const& c : cases) {
        UDWordSplit const split = DExtractAllWords(c.in.c_str());
        EXPECT_EQ(split.words, c.words) << c.in;
        EXPECT_EQ(split.droppedPeriod, c.droppedPeriod) << c.in;
    }
}

TEST(DExtractAllWords, GivesBackTextWhoseSplitCouldPass1999Bytes) {
    // Each '!' may grow by two bytes: 666 x 3 + 1 = 1,999 still fits.
    std::string const fits(666, '!');
    EXPECT_NE(DExtractAllWords(fits.c_str()).words, fits);
    std::string const tooLong(667, '!');
    EXPECT_EQ(DExtractAllWords(tooLong.c_str()).words, tooLong);
    // An apostrophe counts three: one as an apostrophe, two as punctuation.
    std::string const apostrophes(667, '\'');
    EXPECT_EQ(DExtractAllWords(apostrophes.c_str()).words, apostrophes);
    // A too-long text keeps even the period a split would drop.
    std::string const longWord = std::string(1999, 'a') + ".";
    UDWordSplit const split = DExtractAllWords(longWord.c_str());
    EXPECT_EQ(split.words, longWord);
    EXPECT_FALSE(split.droppedPeriod);
}

TEST(UDFwStrncpy, TakesTheUpperCasedFirstWordOfTheEnglish) {
    struct Case {
        std::string english;
        std::string firstWord;
    };
    Case const cases[] = {
        {"U.S. Army", "U.S"},
        {"don't", "DON"},
        {"apple pie", "APPLE"},
        {"etc.", "ETC"},
        {"Mr. Smith", "MR"},
        {"3,000 yen", "3,000"},
        {"e-mail address", "E"},
        {"(a)", "("},
        {"x", "X"},
        {std::string(79, 'a'), std::string(79, 'A')},
        {std::string(80, 'a') + " b", std::string(80, 'A')},
        {std::string(81, 'a'), std::string(81, 'A')},
        {std::string(200, 'a'), std::string(81, 'A')},  // cut at 81 bytes, still terminated
    };
    for (Case const& c : cases) {
        char dest[kUDFirstwordBufferSize];
        std::memset(dest, '#', sizeof dest);
        UDFwStrncpy(dest, c.english.c_str(), kUDFirstwordLength);
        EXPECT_EQ(std::string(dest), c.firstWord) << c.english;
        for (std::size_t i = c.firstWord.size(); i < sizeof dest; ++i) {
            EXPECT_EQ(dest[i], '\0') << c.english << " byte " << i;
        }
        EXPECT_EQ(DGetFirstwordEnd(c.english.c_str(), kUDFirstwordLength), c.firstWord.size()) << c.english;
    }
}

TEST(DHashFunc, SumsUpperCasedBytesShiftedByTheirPosition) {
    struct Case {
        std::string word;
        uint32_t bucketCount;
        uint32_t bucket;
    };
    Case const cases[] = {
        // 'U' 85 << 0 + '.' 46 << 1 + 'S' 83 << 2 = 85 + 92 + 332 = 509
        {"U.S", 4001, 509},
        // 'D' 68 + 'O' 79 << 1 + 'N' 78 << 2 = 68 + 158 + 312 = 538; case is folded
        {"DON", 4001, 538},
        {"don", 4001, 538},
        // 'A' 65 + 'B' 66 << 1 = 197; 197 mod 7 = 1
        {"AB", 7, 1},
        // 'z' folds to 'Z': 90 << 0 = 90
        {"z", 4001, 90},
        // Thirty-three 'A's: positions 0..31 give 65 x (2^32 - 1), which wraps
        // to 2^32 - 65; position 32 shifts by 0 again and adds 65: 2^32 = 0.
        {std::string(33, 'A'), 4001, 0},
        // 0xE9 is not a letter and stays: 0xE9 << 1 = 466, plus 'A' 65 = 531
        {"A\xe9", 4001, 531},
        {"", 4001, 0},
        {"ABC", 0, 0},  // no buckets: no division by zero
    };
    for (Case const& c : cases) {
        EXPECT_EQ(DHashFunc(c.word.c_str(), c.bucketCount), c.bucket) << c.word;
    }
}

}  // namespace
