// The preparser over sentences from the real front of the chain: what the
// dictionary's lower-case words change, periods and hyphens the translator
// protects, the made-up line end's fresh token, and sentences too long for
// 16-bit offsets.  The word-by-word behaviour is pinned by e2j words' table.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "engine/compiled/rewriting_composite_dictionary.h"
#include "engine/foundation/temporary_dictionary.h"
#include "engine/foundation/token_string_database.h"
#include "engine/foundation/token_types.h"
#include "engine/parse/etoj_preparser.h"
#include "engine/parse/hit_limit_exception.h"
#include "engine/parse/sjis_offsets.h"
#include "engine/pipeline/sentence_chain.h"

namespace {

EnglishTokens const sEnglishTokens;

struct Preparsed {
    std::vector<PreparsedWord> words;
    std::vector<PreparseSense> senses;
    std::vector<ExtraChartWord> extra;
    std::vector<Token> tokens;
    TokenCreator creatorAfter = 0;

    std::string Texts() const {
        std::string texts;
        for (PreparsedWord const& word : words) texts += (texts.empty() ? "" : " ") + word.fText;
        return texts;
    }
    std::string SenseTexts() const {
        std::string texts;
        for (PreparseSense const& sense : senses) {
            texts += "[";
            for (std::size_t i = sense.fFirstWord; i <= sense.fLastWord; ++i)
                texts += (i == sense.fFirstWord ? "" : " ") + words[i].fText;
            texts += "]";
        }
        return texts;
    }
};

// The first sentence of the Shift-JIS text, preparsed.
Preparsed Preparse(std::string const& text, Dictionary_EX const* dictionary = nullptr,
                   std::set<uint32_t> const* protectedSerials = nullptr, bool protectPeriods = false) {
    SentenceChain chain(text);
    Preparsed result;
    chain.NextSentence(&result.tokens);
    std::set<uint32_t> periods;
    if (protectPeriods) {
        for (Token token : result.tokens) {
            if (TokenTypeOf(token) == EnglishTokens::kPeriod) periods.insert(TokenSerialOf(token));
        }
        protectedSerials = &periods;
    }
    EtoJPreparser preparser(&chain.Creator());
    preparser.SetTokenStringDatabase(&chain.Strings());
    if (dictionary != nullptr) preparser.SetDictionary(*dictionary);
    preparser.SetPreparserTokenSet(protectedSerials);
    preparser.CreatePreparsedWords(&result.words, &result.senses, &result.extra, result.tokens);
    result.creatorAfter = chain.Creator();
    return result;
}

TEST(EtoJPreparser, ALowerCaseFormInTheDictionaryKeepsALeadingCapitalOutOfANameSequence) {
    Dictionary_EX_Temporary words;
    words.CreateNewEntry("bank");
    CompositeDictionary_EX const dictionary = mkRewritingCompositeDictionary({words});

    std::string const leading = "Bank of New York is open on Monday.";
    EXPECT_EQ(Preparse(leading).SenseTexts(), "[Bank of New York]");
    EXPECT_EQ(Preparse(leading, &dictionary).SenseTexts(), "[New York]");
    // Inside running text the capital is a true one: the sequence keeps it,
    // and the weekday after a connector is no part of it.
    std::string const running = "He works at the Bank of New York on Monday.";
    Preparsed const inside = Preparse(running, &dictionary);
    EXPECT_EQ(inside.SenseTexts(), "[Bank of New York]");
    EXPECT_TRUE(inside.words[4].Has(PreparsedWord::kTrulyCapitalised));
    EXPECT_FALSE(inside.words[0].Has(PreparsedWord::kTrulyCapitalised));
    // A dictionary without the word lists answers like none.
    Dictionary_EX_Temporary bare;
    bare.CreateNewEntry("bank");
    EXPECT_EQ(Preparse(leading, &bare).SenseTexts(), "[Bank of New York]");
}

TEST(EtoJPreparser, ProtectedPeriodsAreNeverAbsorbed) {
    EXPECT_EQ(Preparse("See e.g. this.").Texts(), "See e.g. this .");
    EXPECT_EQ(Preparse("See e.g. this.", nullptr, nullptr, true).Texts(), "See e.g . this .");
}

// The chain ends its last sentence with a line end of its own; a sentence
// cut without one (by the end finder's length limit) gets a made-up one, and
// tabs before it go.
TEST(EtoJPreparser, ASentenceCutShortGetsALineEndWithAFreshTokenAndNoTrailingTabs) {
    EXPECT_EQ(Preparse("It costs 5 dollars").Texts(), "It costs 5 dollars zxjCR");
    EXPECT_EQ(Preparse("It costs 5 dollars.").Texts(), "It costs 5 dollars .");

    TokenStringDatabase strings;
    TokenCreator creator = 0;
    std::vector<Token> tokens;
    auto const add = [&](EnglishTokens::Type type, wchar_t const* text) {
        tokens.push_back(NewToken(&creator, type));
        if (text != nullptr) strings.Insert(tokens.back(), text);
    };
    add(EnglishTokens::kWord, L"It");
    add(EnglishTokens::kSpace, L" ");
    add(EnglishTokens::kWord, L"costs");
    add(EnglishTokens::kTab, L"\t");
    add(EnglishTokens::kSpace, L" ");
    add(EnglishTokens::kEndOfSentence, nullptr);
    EtoJPreparser preparser(&creator);
    preparser.SetTokenStringDatabase(&strings);
    std::vector<PreparsedWord> words;
    std::vector<PreparseSense> senses;
    std::vector<ExtraChartWord> extra;
    preparser.CreatePreparsedWords(&words, &senses, &extra, tokens);
    ASSERT_EQ(words.size(), 3u);
    EXPECT_EQ(words[1].fText, "costs");
    EXPECT_EQ(words[2].fText, "zxjCR");
    EXPECT_EQ(words[2].fToken, MakeToken(7, EnglishTokens::kNewline));
    EXPECT_EQ(creator, 7u);
    // The line end is made before the tab goes: it stands after the tab.
    EXPECT_EQ(words[2].fStart, 9);
    EXPECT_EQ(words[2].fEnd, 9);
}

TEST(EtoJPreparser, ASentenceBeyondSixteenBitOffsetsIsGivenUp) {
    for (std::size_t length : {std::size_t{65000}, std::size_t{70000}}) {
        TokenStringDatabase strings;
        TokenCreator creator = 0;
        std::vector<Token> tokens;
        for (std::size_t written = 0; written < length; written += 1000) {
            tokens.push_back(NewToken(&creator, EnglishTokens::kWord));
            strings.Insert(tokens.back(), std::wstring(999, L'x'));
            tokens.push_back(NewToken(&creator, EnglishTokens::kSpace));
            strings.Insert(tokens.back(), L" ");
        }
        tokens.push_back(NewToken(&creator, EnglishTokens::kEndOfSentence));
        EtoJPreparser preparser(&creator);
        preparser.SetTokenStringDatabase(&strings);
        std::vector<PreparsedWord> words;
        std::vector<PreparseSense> senses;
        std::vector<ExtraChartWord> extra;
        if (length > EtoJPreparser::kMaxSentenceBytes) {
            EXPECT_THROW(preparser.CreatePreparsedWords(&words, &senses, &extra, tokens), HitLimitException);
            EXPECT_TRUE(words.empty());
        } else {
            preparser.CreatePreparsedWords(&words, &senses, &extra, tokens);
            EXPECT_EQ(words.back().fEnd, length - 1);
        }
    }
}

TEST(EtoJPreparser, OffsetMapsCountShiftJISBytesAndWideCharacters) {
    std::wstring const wide = L"a\u65E5b\U0001F600";  // a two-byte kanji, and a character Shift-JIS lacks
    EXPECT_EQ(MapWideToSJISCharOffsets(wide.c_str(), 0), 0u);
    EXPECT_EQ(MapWideToSJISCharOffsets(wide.c_str(), 2), 3u);
    EXPECT_EQ(MapWideToSJISCharOffsets(wide.c_str(), 4), 5u);  // "?" for the last
    EXPECT_EQ(MapWideToSJISCharOffsets(nullptr, 4), 0u);
    std::string const sjis =
        "a\x93\xFA"
        "b";
    EXPECT_EQ(MapSJISToWideCharOffsets(sjis.c_str(), 3), 2u);
    EXPECT_EQ(MapSJISToWideCharOffsets(sjis.c_str(), 4), 3u);
    EXPECT_EQ(MapSJISToWideCharOffsets(nullptr, 4), 0u);
}

}  // namespace
