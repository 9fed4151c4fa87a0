#include "engine/compiled/learning_stats_text.h"

#include <gtest/gtest.h>

#include <locale.h>

#include <string>

#include "cp932.h"

namespace {

using Key = Dict70CompiledLearningDataKey;

TEST(LearningStatsText, ReadsOnlyWellFormedLines) {
    struct Case {
        char const* what;
        std::string text;
        bool taken;
    };
    Case const cases[] = {
        {"a good line", std::string("a\tb\t1\t0.500000\n"), true},
        {"no decimals", std::string("a\tb\t1\t1\n"), true},
        {"negative", std::string("a\tb\t1\t-1.000000\n"), true},
        {"two TABs", std::string("a\tb\t0.500000\n"), false},
        {"no TAB", std::string("a b 1 0.5\n"), false},
        {"empty line", std::string("\n"), false},
        {"empty headword key", std::string("\tb\t1\t0.5\n"), false},
        {"empty features key", std::string("a\t\t1\t0.5\n"), false},
        {"empty paraphrase key", std::string("a\tb\t\t0.5\n"), false},
        {"empty value", std::string("a\tb\t1\t\n"), false},
        {"value not a number", std::string("a\tb\t1\tabc\n"), false},
        {"value with trailing text", std::string("a\tb\t1\t0.5x\n"), false},
        {"value with leading space", std::string("a\tb\t1\t 0.5\n"), false},
        {"a fifth field", std::string("a\tb\t1\t0.5\t2\n"), false},
        {"CR before LF", std::string("a\tb\t1\t0.5\r\n"), false},
        {"not a finite value", std::string("a\tb\t1\tnan\n"), false},
        {"infinite value", std::string("a\tb\t1\tinf\n"), false},
        {"key that is no Shift-JIS", std::string("a\x81\tb\t1\t0.5\n"), false},
        {"key holding NUL", std::string("a\0z\tb\t1\t0.5\n", 12), false},
        {"last line without LF", std::string("a\tb\t1\t0.5"), false},
    };
    for (Case const& c : cases) {
        std::vector<LearningStatsLine> const lines = ParseLearningStatsText(c.text);
        EXPECT_EQ(lines.size(), c.taken ? 1u : 0u) << c.what;
    }
}

TEST(LearningStatsText, KeepsTheGoodLinesAroundBadOnes) {
    std::string const text = CP932("走る") + "\tb\t1\t0.500000\n" + "junk\n" + "c\td\t2\t-1.000000\n" + "e\tf\t3\t0.25";
    std::vector<LearningStatsLine> const lines = ParseLearningStatsText(text);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].key.headwordKey, L"\u8d70\u308b");
    EXPECT_EQ(lines[0].key.featuresKey, L"b");
    EXPECT_EQ(lines[0].key.paraphraseKey, L"1");
    EXPECT_EQ(lines[0].value, 0.5f);
    EXPECT_EQ(lines[1].key.headwordKey, L"c");
    EXPECT_EQ(lines[1].value, -1.0f);
}

TEST(LearningStatsText, WritesOnlyKeysThatReadBackTheSame) {
    struct Case {
        char const* what;
        Key key;
        std::string line;
    };
    Case const cases[] = {
        {"plain", Key{L"a", L"b", L"1"}, "a\tb\t1\t0.002500\n"},
        {"Japanese", Key{L"\u8d70\u308b", L"b", L"12"}, CP932("走る") + "\tb\t12\t0.002500\n"},
        {"empty key", Key{L"a", L"", L"1"}, ""},
        {"TAB in a key", Key{L"a\tb", L"b", L"1"}, ""},
        {"LF in a key", Key{L"a", L"b\n", L"1"}, ""},
        {"features key raised past ASCII ('x' raised by 13)", Key{L"a", L"[<\u0085", L"1"},
         "a\t[<%0085\t1\t0.002500\n"},
        {"headword key with no Shift-JIS form", Key{L"\u0085", L"b", L"1"}, ""},
        {"a written percent sign that would read as an escape", Key{L"a", L"%0085", L"1"}, ""},
        {"a percent sign that reads as itself", Key{L"a", L"%0041", L"1"}, "a\t%0041\t1\t0.002500\n"},
        {"Shift-JIS form reads back as another character (yen)", Key{L"\u00a5", L"b", L"1"}, ""},
    };
    for (Case const& c : cases) EXPECT_EQ(FormatLearningStatsLine(c.key, 0.0025f), c.line) << c.what;
}

TEST(LearningStatsText, ValuesAreWrittenAndReadWithAPointWhateverTheLocale) {
    char const* const commaLocales[] = {"de_DE.UTF-8", "fr_FR.UTF-8", "de_DE", "fr_FR", "ru_RU.UTF-8"};
    locale_t comma = nullptr;
    for (char const* name : commaLocales) {
        if ((comma = newlocale(LC_ALL_MASK, name, nullptr)) != nullptr) break;
    }
    if (comma == nullptr) GTEST_SKIP() << "no locale with a decimal comma is installed";
    locale_t const previous = uselocale(comma);
    std::string const written = FormatLearningValue(0.5f);
    float value = 0.0f;
    bool const readPoint = ParseLearningValue("0.250000", &value);
    float const pointValue = value;
    bool const readComma = ParseLearningValue("0,250000", &value);
    uselocale(previous);
    freelocale(comma);
    EXPECT_EQ(written, "0.500000");
    EXPECT_TRUE(readPoint);
    EXPECT_EQ(pointValue, 0.25f);
    EXPECT_FALSE(readComma);
}

TEST(LearningStatsText, AWrittenLineReadsBackToItsKeyAndValue) {
    Key const key{L"runvt/past", L"[<n", L"-3"};
    for (float value : {0.0025f, -1.0f, 1.0f, 0.123456f}) {
        std::vector<LearningStatsLine> const lines = ParseLearningStatsText(FormatLearningStatsLine(key, value));
        ASSERT_EQ(lines.size(), 1u) << value;
        EXPECT_EQ(lines[0].key.GetKeyString(), key.GetKeyString());
        EXPECT_EQ(lines[0].value, value);
    }
}

// Every printable ASCII character of a part-of-speech name or first feature
// set, raised by 13, is written and read back; those still in ASCII keep
// their bytes.
TEST(LearningStatsText, EveryRaisedAsciiCharacterReadsBack) {
    for (wchar_t c = L' '; c <= L'~'; ++c) {
        Key const key{L"run", std::wstring{L'[', L'<', wchar_t(c + 13), L'%'}, L"1"};
        std::string const line = FormatLearningStatsLine(key, 0.5f);
        std::vector<LearningStatsLine> const lines = ParseLearningStatsText(line);
        ASSERT_EQ(lines.size(), 1u) << char(c);
        EXPECT_EQ(lines[0].key.featuresKey, key.featuresKey) << char(c);
        if (c + 13 < 0x7F) {
            EXPECT_EQ(line, "run\t[<" + std::string(1, char(c + 13)) + "%\t1\t0.500000\n") << char(c);
        }
    }
}

}  // namespace
