#include "engine/foundation/kana_romaji.h"

#include <gtest/gtest.h>

#include "engine/foundation/cooked_text.h"
#include "engine/foundation/kana_tables.h"
#include "foundation/exact_text.h"

#include <cstring>
#include <memory>
#include <string>
#include <vector>

namespace {

// Kana to romaji through the char** interface, on an exactly sized copy.
struct Romaji {
    std::string text;
    std::vector<unsigned short> offsets;  // every entry of the returned array
};

Romaji ToRomaji(std::string const& kana, bool syllableAware) {
    ExactText source(kana);
    char* romaji = nullptr;
    unsigned short* offsets = nullptr;
    AmbiKanaToRomaji(source.begin(), &romaji, &offsets, syllableAware);
    std::unique_ptr<char[]> ownedRomaji(romaji);
    std::unique_ptr<unsigned short[]> ownedOffsets(offsets);
    return {romaji, std::vector<unsigned short>(offsets, offsets + 2 * kana.size() + 2)};
}

std::string ToKana(std::string const& romaji, bool keepLeftovers) {
    ExactText source(romaji);
    char* kana = nullptr;
    RomajiToKana(&kana, source.begin(), keepLeftovers);
    std::unique_ptr<char[]> owned(kana);
    return kana;
}

enum class Conversion { kKanaToRomaji, kRomajiToKana, kRomajiToKanaKeepingLeftovers, kMakeJNum };

std::string Convert(Conversion conversion, std::string const& input) {
    switch (conversion) {
        case Conversion::kKanaToRomaji:
            return ToRomaji(input, false).text;
        case Conversion::kRomajiToKana:
            return ToKana(input, false);
        case Conversion::kRomajiToKanaKeepingLeftovers:
            return ToKana(input, true);
        case Conversion::kMakeJNum:
            return MakeJNum(ExactText(input).begin());
    }
    return {};
}

TEST(KanaRomajiTest, DocumentedExamples) {
    struct Case {
        Conversion conversion;
        std::string input, expected;
    } const cases[] = {
        {Conversion::kKanaToRomaji, "\x82\xCD\x82\xB5\x82\xE9", "hasiru"},  // はしる
        {Conversion::kKanaToRomaji, "\x83\x4A\x81\x5B", "ka:"},             // カー
        // {勉強}su-ru -> 勉強する
        {Conversion::kRomajiToKana, "{\x95\xD7\x8B\xAD}su-ru", "\x95\xD7\x8B\xAD\x82\xB7\x82\xE9"},
        {Conversion::kRomajiToKana, "{\x89\xEF}w-ou", "\x89\xEF\x82\xA8\x82\xA4"},  // {会}w-ou -> 会おう
        {Conversion::kRomajiToKana, "{zxjX}ka", "\x82\xA9"},                        // か
        {Conversion::kRomajiToKana, "kak", "\x82\xA9"},
        {Conversion::kRomajiToKanaKeepingLeftovers, "kak", "\x82\xA9k"},
        {Conversion::kRomajiToKana, "\x81\x61\x81\x61\x81\x61", "\x81\x61"},  // ∥∥∥ -> ∥
        {Conversion::kMakeJNum, "12-3", "\x82\x50\x82\x51{-}\x82\x52"},       // １２{-}３
    };
    for (auto const& c : cases) {
        EXPECT_EQ(Convert(c.conversion, c.input), c.expected) << c.input;
    }
}

TEST(KanaRomajiTest, OffsetsMarkWhereEachCharactersRomajiBegins) {
    struct Case {
        std::string kana;
        bool syllableAware;
        std::string romaji;
        std::vector<unsigned short> offsets;  // one per romaji byte, then the end entry
    } const cases[] = {
        {"\x82\xCD\x82\xB5\x82\xE9", false, "hasiru", {0, 0, 2, 0, 4, 0, 6}},  // はしる
        {"\x83\x4A\x81\x5B", false, "ka:", {0, 0, 2, 4}},                      // カー
        {"\x82\xAB\x82\xE1\x82\xAD", false, "kiaku", {0, 0, 2, 4, 0, 6}},      // きゃく
        {"\x82\xAB\x82\xE1\x82\xAD", true, "kyaku", {0, 0, 0, 4, 0, 6}},
        {"\x8A\xBF"
         "a\x82\xF1",
         false,
         "\x8A\xBF"
         "aN",
         {0, 0, 2, 3, 5}},                           // 漢aん: kanji copied
        {"\x83\x96", false, "\x83\x96", {0, 0, 2}},  // ヶ has no romaji
        {"", true, "", {0}},
    };
    for (auto const& c : cases) {
        Romaji const result = ToRomaji(c.kana, c.syllableAware);
        EXPECT_EQ(result.text, c.romaji) << c.kana;
        std::vector<unsigned short> expected = c.offsets;
        expected.resize(2 * c.kana.size() + 2, 0);  // the rest of the array stays 0
        EXPECT_EQ(result.offsets, expected) << c.kana;

        if (!c.syllableAware) {
            std::vector<unsigned long> wide;
            EXPECT_EQ(KanaToRomaji(c.kana, &wide), c.romaji);
            EXPECT_EQ(wide, std::vector<unsigned long>(c.offsets.begin(), c.offsets.end() - 1)) << c.kana;
        }
    }
}

TEST(KanaRomajiTest, OffsetsBeyondSixteenBitsSaturateOnlyInTheShortForm) {
    std::string const text(70000, 'x');
    Romaji const result = ToRomaji(text, false);
    EXPECT_EQ(result.offsets[60000], 60000);
    EXPECT_EQ(result.offsets[66000], 65535);
    EXPECT_EQ(result.offsets[text.size()], 65535);

    std::vector<unsigned long> wide;
    KanaToRomaji(text, &wide);
    EXPECT_EQ(wide.at(66000), 66000u);
}

// Every row of Kana: all hiragana but the small ya, yu, yo, and every
// contracted syllable.  Their concatenation reads back too, since each row's
// romaji ends in a letter that completes a syllable.
TEST(KanaRomajiTest, KanaRowsRoundTripThroughRomaji) {
    std::string allKana, allRomaji;
    for (std::size_t i = 0; i < kKanaCount; ++i) {
        Romaji const romaji = ToRomaji(Kana[i].kana, true);
        EXPECT_EQ(romaji.text, Kana[i].romaji);
        EXPECT_EQ(ToKana(romaji.text, false), Kana[i].kana) << Kana[i].romaji;
        allKana += Kana[i].kana;
        allRomaji += romaji.text;
    }
    EXPECT_EQ(ToRomaji(allKana, true).text, allRomaji);
    EXPECT_EQ(ToKana(allRomaji, false), allKana);
}

TEST(KanaRomajiTest, RomajiIsNeverLongerThanTwiceItsKana) {
    struct Table {
        KanaPair const* rows;
        std::size_t count;
    } const tables[] = {{Kana, kKanaCount}, {Hiragana, kHiraganaCount}, {Katakana, kKatakanaCount}};
    std::vector<std::string> texts;
    for (auto const& table : tables) {
        std::string all;
        for (std::size_t i = 0; i < table.count; ++i) {
            texts.push_back(table.rows[i].kana);
            all += table.rows[i].kana;
        }
        texts.push_back(all);
    }
    for (auto const& kana : texts) {
        for (bool syllableAware : {false, true}) {
            EXPECT_LE(ToRomaji(kana, syllableAware).text.size(), 2 * kana.size()) << kana;
        }
    }
}

TEST(KanaRomajiTest, HiraganaToRomajiReplacesOnlyHiragana) {
    struct Case {
        std::string text, romaji;
    } const cases[] = {
        {"\x82\xCD\x82\xB5\x82\xE9", "hasiru"},  // はしる
        {"\x82\xAB\x82\xE1", "kia"},             // きゃ, one character at a time
        {"\x83\x4A\x81\x5B\x82\xA9",
         "\x83\x4A\x81\x5B"
         "ka"},                                      // カーか: katakana kept
        {"\x82\x50x\x8A\xBF", "\x82\x50x\x8A\xBF"},  // １x漢
        {"a\x82", "a\x82"},                          // lone lead byte
    };
    for (auto const& c : cases) {
        ExactText text(c.text);
        std::unique_ptr<char[]> romaji(HiraganaToRomaji(text.begin()));
        EXPECT_EQ(std::string(romaji.get()), c.romaji) << c.text;
    }
}

TEST(KanaRomajiTest, RomajiReaderRules) {
    struct Case {
        std::string romaji, kana, kanaWithLeftovers;
    } const cases[] = {
        {"tya", "\x82\xBF\x82\xE1", "\x82\xBF\x82\xE1"},  // ちゃ
        {"dya", "\x82\xC0\x82\xE1", "\x82\xC0\x82\xE1"},  // ぢゃ
        {"Qta", "\x82\xC1\x82\xBD", "\x82\xC1\x82\xBD"},  // った
        {"wA", "\x82\xEC", "\x82\xEC"},                   // ゎ
        {"wo", "\x82\xF0", "\x82\xF0"},                   // を
        {"w-o", "\x82\xA8", "\x82\xA8"},                  // お: the joint splits "wo"
        {"-wo", "\x82\xF0", "\x82\xF0"},                  // を: no letter was pending
        {"w o", "\x82\xF0", "\x82\xF0"},                  // a blank is no joint
        {"kan", "\x82\xA9", "\x82\xA9n"},                 // "n" alone is no syllable
        {"ky", "", ""},                                   // two pending letters are dropped
        {"sss", "sss", "sss"},                            // a third consonant ends the wait
        {"xa", "x\x82\xA0", "x\x82\xA0"},                 // not a syllable: the letters stay
        {"ka1",
         "\x82\xA9"
         "1",
         "\x82\xA9"
         "1"},
        {"k1a", "k1\x82\xA0", "k1\x82\xA0"},
        {"k\x8A\xBF"
         "a",
         "k\x8A\xBF\x82\xA0", "k\x8A\xBF\x82\xA0"},                // k漢a
        {"k{\x8A\xBF}a", "\x8A\xBF\x82\xA9", "\x8A\xBF\x82\xA9"},  // k{漢}a: the group waits
        {"{ a b}", "a b", "a b"},                                  // a blank in a group goes with the next character
        {"{ zxjDASH}a", "\x82\xA0", "\x82\xA0"},
        {"{abc",
         "{\x82\xA0"
         "bc",
         "{\x82\xA0"
         "bc"},                                     // no "}": the brace is a plain character
        {"a\x82", "\x82\xA0\x82", "\x82\xA0\x82"},  // lone lead byte at the end
        {"", "", ""},
    };
    for (auto const& c : cases) {
        EXPECT_EQ(ToKana(c.romaji, false), c.kana) << c.romaji;
        EXPECT_EQ(ToKana(c.romaji, true), c.kanaWithLeftovers) << c.romaji;
        EXPECT_EQ(RomajiToKana(c.romaji, true), c.kanaWithLeftovers) << c.romaji;
    }
}

// "{" and "}" are the trail bytes of "ボ" (0x83 0x7B) and "マ" (0x83 0x7D).
TEST(KanaRomajiTest, BraceGroupsAreFoundByCharacter) {
    struct Case {
        std::string romaji, kana;
    } const cases[] = {
        {"{\x83\x7D\x83\x45\x83\x58}", "\x83\x7D\x83\x45\x83\x58"},  // {マウス}
        {"{\x83\x7D}a", "\x83\x7D\x82\xA0"},                         // {マ}a
        {"{\x83\x7B}a", "\x83\x7B\x82\xA0"},                         // {ボ}a
        {"{\x83\x7D"
         "a",
         "{\x83\x7D\x82\xA0"},           // {マa: never closed
        {"{zxj\x83\x7D}a", "\x82\xA0"},  // the marker group ends at "}"
    };
    for (auto const& c : cases) {
        EXPECT_EQ(ToKana(c.romaji, false), c.kana) << c.romaji;
    }
}

TEST(KanaRomajiTest, ConverterSpacingRules) {
    struct Case {
        bool skipLeadingBlanks;
        std::vector<std::string> pieces;
        std::string output;
    } const cases[] = {
        {true, {"  a", " b"}, "a b"},
        {false, {"  a"}, "  a"},
        {true, {"a  ", ")"}, "a)"},                // a closing parenthesis drops blanks before it
        {true, {"a  ", "\x81\x6A"}, "a\x81\x6A"},  // ）
        {true, {"a", " )"}, "a )"},                // only when it opens the piece
        {true, {"a", "(", "  b"}, "a(b"},          // blanks after an opening one go
        {true,
         {"a", "\x81\x69", "  b"},
         "a\x81\x69"
         "b"},                                     // （
        {true, {"a", "(", "  )"}, "a(  )"},        // unless a closing one follows them
        {true, {"a", "(", "  b", " c"}, "a(b c"},  // only right after it
        {true, {"a", "zxjDASH", "b"}, "ab"},
        {true,
         {"\x81\x61", "\x81\x61", "a", "\x81\x61"},
         "\x81\x61"
         "a\x81\x61"},                                         // ∥∥a∥
        {true, {"\x81\x61", "zxjX", "\x81\x61"}, "\x81\x61"},  // a marker does not break the run
    };
    for (auto const& c : cases) {
        KanaConverter converter(c.skipLeadingBlanks);
        for (auto const& piece : c.pieces) converter.AddKanaString(ExactText(piece).begin());
        EXPECT_EQ(converter.Output(), c.output) << c.pieces.front();
    }
}

TEST(KanaRomajiTest, ConverterKeepsPendingLettersAcrossCalls) {
    KanaConverter converter(true);
    EXPECT_EQ(converter.ConvertToKana("k"), 0);
    EXPECT_EQ(converter.GetKanaLeftovers(), "k");
    EXPECT_EQ(converter.ConvertToKana("ya"), 4);
    EXPECT_EQ(converter.Output(), "\x82\xAB\x82\xE1");  // きゃ
    converter.ConvertToKana("ky");
    EXPECT_EQ(converter.GetKanaLeftovers(), "");
    converter.AddKanaN("\x82\xA0\x82\xA2", 2);  // あい, cut to あ
    EXPECT_EQ(converter.Output(), "\x82\xAB\x82\xE1\x82\xA0");
}

TEST(KanaRomajiTest, ConverterCountSaturatesButTheOutputIsWhole) {
    std::string const text(70000, 'x');
    KanaConverter converter(true);
    EXPECT_EQ(converter.AddKanaString(text.c_str()), 65535);
    EXPECT_EQ(converter.Output().size(), text.size());
    EXPECT_EQ(RomajiToKana(std::string(40000, 'a'), false).size(), 80000u);
}

// Exactly sized heap copies: AddressSanitizer reports any read past the NUL.
TEST(KanaRomajiTest, TruncatedLeadBytesStayInsideTheText) {
    struct Case {
        std::string text, romaji, kana;
    } const cases[] = {
        {"\x82", "\x82", "\x82"},          {"\x82\xAB\x82", "ki\x82", "\x82\xAB\x82"},  // き and a lone lead byte
        {"{\x82", "{\x82", "{\x82"},       {"{a\x83", "{a\x83", "{\x82\xA0\x83"},
        {"k{\x82}", "k{\x82}", "k{\x82}"},  // "}" is the lead byte's trail: no group
    };
    for (auto const& c : cases) {
        for (bool syllableAware : {false, true}) {
            EXPECT_EQ(ToRomaji(c.text, syllableAware).text, c.romaji) << c.text;
        }
        EXPECT_EQ(ToKana(c.text, false), c.kana) << c.text;
        ExactText text(c.text);
        std::unique_ptr<char[]> romaji(HiraganaToRomaji(text.begin()));
        EXPECT_EQ(std::strlen(romaji.get()), c.romaji.size()) << c.text;
    }
}

}  // namespace
