// The per-sentence state: options copied in, words taken from the
// preparser, the time limit by speed, and the source texts it gives back.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/foundation/token_string_database.h"
#include "engine/foundation/token_types.h"
#include "engine/parse/sentence.h"

namespace {

EnglishTokens const sEnglishTokens;

uint32_t sFakeTicks = 0;
uint32_t FakeTicks() { return sFakeTicks; }

TEST(Sentence, CopiesTheOptionsAndNumbersItsTemporaryDictionaries) {
    SentenceUserOptions options;
    options.fSpeed = 40;
    options.fMaxSavedParses = 3;
    options.fFlag = 0;
    options.fProperNounMode = 14;
    options.fThey.SetCPVAL_THEY_TRANS(TheyTransUserOption::kTheyHumanOnly);
    options.fAuxiliaryVerbs.fFlags[13] = 1;
    Sentence sentence(options);
    EXPECT_EQ(sentence.Speed(), 40);
    EXPECT_EQ(sentence.GetMaxSavedParses(), 3);
    EXPECT_FALSE(sentence.GlueSwitch());
    EXPECT_EQ(sentence.ProperNounMode(), 14u);
    EXPECT_EQ(sentence.TheyTrans().GetCPVAL_THEY_TRANS(), TheyTransUserOption::kTheyHumanOnly);
    EXPECT_TRUE(sentence.OptionSwitch(Sentence::kSwitchSuppressKReadings));
    EXPECT_TRUE(sentence.OptionSwitch(11));  // on by default
    EXPECT_FALSE(sentence.OptionSwitch(Sentence::kSwitchWordSenseExpertOff));
    EXPECT_FALSE(sentence.OptionSwitch(0));
    EXPECT_FALSE(sentence.OptionSwitch(21));
    EXPECT_EQ(sentence.SpecialDictionary().GetID(), kSpecialDictionaryID);
    EXPECT_EQ(sentence.MissingWordDictionary().GetID(), kMissingWordDictionaryID);
    EXPECT_EQ(sentence.SetMaxSavedParses(1), 3);
    EXPECT_EQ(sentence.GetMaxSavedParses(), 1);
}

TEST(Sentence, SetPreparsedWordsMarksQuickSentencesAndActivatesDomains) {
    std::vector<PreparsedWord> words(3);
    std::vector<PreparseSense> senses(1);
    senses[0].fKind = PreparseSense::kCapitalSequence;
    senses[0].fLastWord = 2;
    for (bool quick : {false, true}) {
        SentenceUserOptions options;
        options.fAuxiliaryVerbs.fFlags[Sentence::kSwitchActivateDomain1 - 1] = quick;
        Sentence sentence(options);
        sentence.SetPreparsedWords(words, senses, {ExtraChartWord("zxjCOLON_NOSPACE", 1, 1)}, quick);
        EXPECT_EQ(PGetNumPWords(sentence), 3);
        EXPECT_EQ(sentence.Type(), quick ? Sentence::kQuickSentence : Sentence::kNormalSentence);
        EXPECT_EQ((sentence.Flags() & Sentence::kSkipParsing) != 0, quick);
        EXPECT_EQ(sentence.Domains().GetActiveDomains().Contains(DomainID{1}), quick);
        EXPECT_FALSE(sentence.Domains().IsGeneralMode());
        PreparseSense sense;
        ASSERT_TRUE(sentence.PGetPSense(0, &sense));
        EXPECT_EQ(sense.fLastWord, 2);
        EXPECT_FALSE(sentence.PGetPSense(1, &sense));
        EXPECT_EQ(sentence.GetExtraChartWord(0).fText, "zxjCOLON_NOSPACE");
        EXPECT_EQ(sentence.GetExtraChartWord(5).fText, "");
        sentence.FreePreparseWords();
        EXPECT_TRUE(sentence.Words().empty());
        EXPECT_TRUE(sentence.Senses().empty());
    }
}

TEST(Sentence, TheTimeLimitFollowsTheSpeed) {
    struct {
        uint16_t speed;
        unsigned limit;
    } const cases[] = {{0, 300}, {10, 300}, {20, 120}, {30, 120}, {40, 30}, {50, 30}, {60, 20},
                       {70, 20}, {80, 20},  {90, 10},  {100, 10}, {15, 0},  {110, 0}, {65535, 0}};
    for (auto const& c : cases) {
        SentenceUserOptions options;
        options.fSpeed = c.speed;
        Sentence sentence(options);
        sentence.SetTickSource(&FakeTicks);
        sFakeTicks = 0xFFFFFF00u;  // the clock wraps during the sentence
        sentence.ResetClock();
        EXPECT_FALSE(sentence.TimeLimitExceeded()) << c.speed;
        sFakeTicks += c.limit * 60 - 1;
        EXPECT_FALSE(sentence.TimeLimitExceeded()) << c.speed;
        sFakeTicks += 1;
        EXPECT_EQ(sentence.TimeLimitExceeded(), c.limit != 0) << c.speed;
        sFakeTicks += 1000000;
        EXPECT_EQ(sentence.TimeLimitExceeded(), c.limit != 0) << c.speed;
    }
}

TEST(Sentence, SourceTextsOfWordsShowLineEndsAsBlanks) {
    TokenStringDatabase strings;
    std::vector<Token> tokens;
    auto add = [&](uint32_t serial, EnglishTokens::Type type, wchar_t const* text) {
        Token const token = MakeToken(serial, type);
        if (text != nullptr) strings.Insert(token, text);
        tokens.push_back(token);
        return token;
    };
    Token const first = add(1, EnglishTokens::kWord, L"New");
    add(2, EnglishTokens::kNewline, L"\n");
    add(3, EnglishTokens::kWord, L"York");
    add(4, EnglishTokens::kTokenBreak, L"?");  // not translatable: left out
    add(5, EnglishTokens::kSpace, L" ");
    Token const last = add(6, EnglishTokens::kWord, L"City");
    add(7, EnglishTokens::kEndOfSentence, nullptr);

    Sentence sentence{SentenceUserOptions()};
    sentence.SetSourceTokens(tokens, &strings);
    std::vector<PreparsedWord> words(2);
    words[0].fToken = first;
    words[0].fText = "New";
    words[1].fToken = last;
    words[1].fText = "City";
    sentence.SetPreparsedWords(words, {}, {}, false);
    EXPECT_EQ(sentence.MakeETrans(0, 1), L"{New York City}");
    EXPECT_EQ(sentence.MakeETrans(1, 1), L"{City}");
    EXPECT_EQ(sentence.MakeETrans(0, 5), L"{}");
    EXPECT_EQ(sentence.GetPureE(), L"NewCity");
}

}  // namespace
