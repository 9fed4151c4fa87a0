// The user-word records: whole-block copies, setters that never overflow a
// field, the particle enumeration and the candidate forms of translations.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "cp932.h"
#include "engine/userdict/corvan_user_words.h"

namespace {

// Every candidate the record offers, until it answers false.
template <class Record>
std::vector<std::string> Candidates(Record& record) {
    std::vector<std::string> candidates;
    char buffer[kUserWordFieldSize];
    while (record.AnalyseYakugo(buffer, sizeof buffer)) candidates.emplace_back(buffer);
    return candidates;
}

std::vector<std::string> CP932List(std::vector<char const*> const& utf8) {
    std::vector<std::string> list;
    for (char const* text : utf8) list.push_back(CP932(text));
    return list;
}

// GetData gives the block; SetData of it into a fresh record gives the same
// block; a size one byte short changes nothing.
template <class Record>
void CheckWholeBlockCopies(Record const& filled) {
    void* data = nullptr;
    std::size_t size = 0;
    filled.GetData(&data, &size);
    ASSERT_NE(data, nullptr);
    ASSERT_EQ(size, Record::kBlockSize);

    Record copy;
    copy.SetData(data, size - 1);
    void* untouched = nullptr;
    std::size_t untouchedSize = 0;
    copy.GetData(&untouched, &untouchedSize);
    void* empty = nullptr;
    std::size_t emptySize = 0;
    Record().GetData(&empty, &emptySize);
    ASSERT_EQ(untouchedSize, emptySize);
    EXPECT_EQ(std::memcmp(untouched, empty, emptySize), 0) << "a short block changes nothing";
    std::free(empty);

    copy.SetData(data, size);
    void* again = nullptr;
    std::size_t againSize = 0;
    copy.GetData(&again, &againSize);
    ASSERT_EQ(againSize, size);
    EXPECT_EQ(std::memcmp(again, data, size), 0);
    std::free(untouched);
    std::free(again);
    std::free(data);
}

}  // namespace

TEST(CorvanUserWordsTest, MarkerTextsAreTheCP932FormsOfTheirWords) {
    EXPECT_EQ(theJidouSuitei, CP932("自動推定"));
    EXPECT_EQ(theFuseiGobi, CP932("不正語尾"));
    EXPECT_EQ(theAnalyseError, CP932("エラー"));
    EXPECT_EQ(YouhouFukushi, CP932("副詞的用法"));
    EXPECT_EQ(YouhouKeiyoushi, CP932("形容詞的用法"));
}

TEST(CorvanUserWordsTest, BlocksAreCopiedWholeAndOnlyAtTheirExactSize) {
    CorvanUserNoun noun;
    noun.SetGenkei("book");
    noun.SetFukusuukei("books");
    noun.SetYakugo(CP932("本").c_str());
    CheckWholeBlockCopies(noun);

    CorvanUserVerb verb;
    verb.SetGenkei("take");
    verb.SetKakokei("took");
    verb.SetJiTadoushi(eJitaIntransitive);
    verb.SetJoshi(CP932("に").c_str());
    verb.SetYakugo(CP932("取る").c_str());
    CheckWholeBlockCopies(verb);

    CorvanUserAdj adjective;
    adjective.SetGenkei("red");
    adjective.SetYakugo(CP932("赤い").c_str());
    adjective.SetMotoninaruDoushi("x");
    CheckWholeBlockCopies(adjective);

    CorvanUserAdv adverb;
    adverb.SetGenkei("fast");
    adverb.SetYakugo(CP932("速く").c_str());
    CheckWholeBlockCopies(adverb);

    CorvanUserPrepos preposition;
    preposition.SetGenkei("on");
    preposition.SetYakugo(CP932("上").c_str());
    preposition.SetYouhou(YouhouFukushi);
    CheckWholeBlockCopies(preposition);
}

TEST(CorvanUserWordsTest, SetDataTerminatesEveryFieldOfAForeignBlock) {
    std::vector<unsigned char> block(CorvanUserVerb::kBlockSize, 'x');
    CorvanUserVerb verb;
    verb.SetData(block.data(), block.size());
    EXPECT_EQ(std::strlen(verb.GetGenkei()), kUserWordFieldSize - 1);
    EXPECT_EQ(std::strlen(verb.GetYakugoKakokei()), kUserWordFieldSize - 1);
    EXPECT_EQ(std::strlen(verb.GetJoshi()), kUserJoshiFieldSize - 1);
}

TEST(CorvanUserWordsTest, SettersKeepAtMostTheFieldLessOneByteCutBetweenCharacters) {
    std::string const kanji = CP932("本");  // two bytes
    struct Case {
        char const* name;
        std::string text;
        std::string stored;
    };
    Case const cases[] = {
        {"255 bytes fit", std::string(255, 'a'), std::string(255, 'a')},
        {"256 bytes lose the last", std::string(256, 'a'), std::string(255, 'a')},
        {"a double-byte character ending at byte 255 fits", std::string(253, 'a') + kanji,
         std::string(253, 'a') + kanji},
        {"a double-byte character across the limit goes whole", std::string(254, 'a') + kanji, std::string(254, 'a')},
        {"a 1,023-byte translation",
         std::string(1, 'a') +
             [&] {
                 std::string text;
                 for (int i = 0; i < 511; ++i) text += kanji;
                 return text;
             }(),
         std::string(1, 'a') +
             [&] {
                 std::string text;
                 for (int i = 0; i < 127; ++i) text += kanji;
                 return text;
             }()},
    };
    for (Case const& c : cases) {
        SCOPED_TRACE(c.name);
        CorvanUserNoun noun;
        noun.SetYakugo(c.text.c_str());
        EXPECT_EQ(noun.GetYakugo(), c.stored);
        CorvanUserVerb verb;
        verb.SetYakugoKakokei(c.text.c_str());
        EXPECT_EQ(verb.GetYakugoKakokei(), c.stored);
    }

    // The narrow fields: 31 bytes at most.
    std::string sixteenKana;
    for (int i = 0; i < 16; ++i) sixteenKana += CP932("を");
    CorvanUserVerb verb;
    verb.SetJoshi(sixteenKana.c_str());
    EXPECT_EQ(verb.GetJoshi(), sixteenKana.substr(0, 30));
    CorvanUserPrepos preposition;
    preposition.SetYouhou(std::string(40, 'u').c_str());
    EXPECT_EQ(preposition.GetYouhou(), std::string(31, 'u'));
    preposition.SetYouhou(nullptr);
    EXPECT_STREQ(preposition.GetYouhou(), "");
}

TEST(CorvanUserWordsTest, CopyUserWordTextTellsWhetherTheTextWasCut) {
    char field[4];
    EXPECT_TRUE(CopyUserWordText(field, sizeof field, "abc"));
    EXPECT_FALSE(CopyUserWordText(field, sizeof field, "abcd"));
    EXPECT_STREQ(field, "abc");
    // A lead byte with no trail byte at the end counts as one character.
    EXPECT_TRUE(CopyUserWordText(field, sizeof field, "ab\x88"));
    EXPECT_STREQ(field, "ab\x88");
}

TEST(CorvanUserWordsTest, VerbParticlesComeInTheDictionaryOrderThenRestart) {
    std::vector<std::string> const expected =
        CP932List({"を", "に", "から", "と", "で", "へ", "まで", "より", "の", "が"});
    CorvanUserVerb verb;
    char buffer[kUserJoshiFieldSize];
    std::vector<std::string> got;
    for (int call = 1; call <= 10; ++call) {
        ASSERT_TRUE(verb.GetVerbJoshi(buffer, sizeof buffer)) << "call " << call;
        got.emplace_back(buffer);
    }
    EXPECT_EQ(got, expected);
    EXPECT_FALSE(verb.GetVerbJoshi(buffer, sizeof buffer)) << "the eleventh call";
    ASSERT_TRUE(verb.GetVerbJoshi(buffer, sizeof buffer)) << "the twelfth call starts again";
    EXPECT_EQ(buffer, expected[0]);

    // Clearing the record starts the particles again.
    ASSERT_TRUE(verb.GetVerbJoshi(buffer, sizeof buffer));
    verb.ClearUserData();
    ASSERT_TRUE(verb.GetVerbJoshi(buffer, sizeof buffer));
    EXPECT_EQ(buffer, expected[0]);
}

TEST(CorvanUserWordsTest, TranslationsGiveTheirCandidateForms) {
    struct Case {
        bool verb;
        char const* translation;
        std::vector<char const*> candidates;
    };
    Case const cases[] = {
        {true, "書く", {"書いた", "書った"}},
        {true, "勉強する", {"勉強した", "勉強すった"}},
        {true, "取る", {"自動推定"}},
        {true, "本", {"不正語尾"}},
        {true, "", {}},
        {false, "格好いい", {"自動推定"}},
        {false, "いい", {"自動推定"}},
        {false, "走っている", {"走る", "走つ", "走く", "走う"}},
        {false, "赤い", {"自動推定"}},
        {false, "", {}},
    };
    for (Case const& c : cases) {
        SCOPED_TRACE(c.translation);
        std::string const translation = CP932(c.translation);
        std::vector<std::string> const expected = CP932List(c.candidates);
        if (c.verb) {
            CorvanUserVerb verb;
            verb.SetYakugo(translation.c_str());
            EXPECT_EQ(verb.GetYakugo(), translation);
            EXPECT_EQ(Candidates(verb), expected);
            EXPECT_EQ(Candidates(verb), expected) << "the list starts again after false";
        } else {
            CorvanUserAdj adjective;
            adjective.SetYakugo(translation.c_str());
            EXPECT_EQ(Candidates(adjective), expected);
            EXPECT_EQ(Candidates(adjective), expected) << "the list starts again after false";
        }
    }
}

TEST(CorvanUserWordsTest, ATranslationLongerThanTheFieldIsAnalysedAsStored) {
    // The stored translation is what the dictionary gets: its candidates must
    // be those of the stored text, not of the text given.
    std::string text(253, 'a');
    text += CP932("書く");  // cut after 書
    CorvanUserVerb verb;
    verb.SetYakugo(text.c_str());
    EXPECT_EQ(std::strlen(verb.GetYakugo()), 255u);
    CorvanUserVerb stored;
    stored.SetYakugo(verb.GetYakugo());
    EXPECT_EQ(Candidates(verb), Candidates(stored));
}

TEST(CorvanUserWordsTest, ClearingRewindsTheCandidatesAndKeepsThem) {
    CorvanUserAdj adjective;
    adjective.SetYakugo(CP932("走っている").c_str());
    char buffer[kUserWordFieldSize];
    ASSERT_TRUE(adjective.AnalyseYakugo(buffer, sizeof buffer));
    adjective.ClearUserData();
    EXPECT_STREQ(adjective.GetYakugo(), "");
    ASSERT_TRUE(adjective.AnalyseYakugo(buffer, sizeof buffer));
    EXPECT_EQ(buffer, CP932("走る"));
}

TEST(CorvanUserWordsTest, MarkersAreNotStoredAsForms) {
    struct Case {
        std::string text;
        bool pastAccepted;
        std::string pastStored;
        std::string sourceVerbStored;
    };
    std::string const past = CP932("書いた");
    Case const cases[] = {
        {theJidouSuitei, true, "", ""},
        {theAnalyseError, true, "", ""},
        {theFuseiGobi, false, "before", ""},
        {past, true, past, past},
    };
    for (Case const& c : cases) {
        SCOPED_TRACE(c.pastStored);
        CorvanUserVerb verb;
        verb.SetYakugoKakokei("before");
        EXPECT_EQ(verb.SetYakugoKakokei(c.text.c_str()), c.pastAccepted);
        EXPECT_EQ(verb.GetYakugoKakokei(), c.pastStored);
        CorvanUserAdj adjective;
        adjective.SetMotoninaruDoushi("before");
        adjective.SetMotoninaruDoushi(c.text.c_str());
        EXPECT_EQ(adjective.GetMotoninaruDoushi(), c.sourceVerbStored);
    }
}

TEST(CorvanUserWordsTest, CookTableOfAUserWordCategory) {
    EXPECT_EQ(GetCookTableGrossPOS(eGrossPOSNoun, eVerbSubtypeNone, ePrepositionTypeNone, eAdjSubtypeNone), eCookNoun);
    EXPECT_EQ(GetCookTableGrossPOS(eGrossPOSVerb, eVerbSubtypeTransitive, ePrepositionTypeNone, eAdjSubtypeNone),
              eCookVerb);
    EXPECT_EQ(GetCookTableGrossPOS(eGrossPOSAdjective, eVerbSubtypeNone, ePrepositionTypeNone, eAdjSubtypePlain),
              eCookAdjective);
    EXPECT_EQ(GetCookTableGrossPOS(eGrossPOSConjunction, eVerbSubtypeNone, ePrepositionTypeNone, eAdjSubtypeNone),
              eCookConjunction);
    EXPECT_EQ(GetCookTableGrossPOS(eGrossPOSNoun, eVerbSubtypeTransitive, ePrepositionTypeNone, eAdjSubtypeNone),
              eCookNone);
    EXPECT_EQ(GetCookTableGrossPOS(eGrossPOSVerb, eVerbSubtypeNone, ePrepositionTypeNone, eAdjSubtypeNone), eCookNone);
}
