// The stages after the tokenizer: the measure-unit splitter and the
// part-of-speech retriever.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/foundation/token_string_database.h"
#include "engine/foundation/token_type_registry.h"
#include "engine/foundation/token_types.h"
#include "engine/pipeline/compound_token_database.h"
#include "engine/pipeline/digit_converter.h"
#include "engine/pipeline/lex_tokenizer.h"
#include "engine/pipeline/measure_unit_splitter.h"
#include "engine/pipeline/pos_retriever.h"
#include "engine/pipeline/text_stages.h"
#include "support/list_producer.h"

namespace {

using T = EnglishTokens;
using P = POSTokens;
EnglishTokens sEnglishTokens;
POSTokens sPOSTokens;

std::string Name(TokenStringDatabase const& strings, Token token) {
    std::string name;
    TokenTypeRegistry::Get()->GetName(TokenTypeOf(token), &name);
    std::wstring text;
    if (strings.Find(token, &text)) name += "[" + std::string(text.begin(), text.end()) + "]";
    return name;
}

// The text through the tokenizer and the splitter, as "Type[text] ..." up
// to EOF, with each token's serial order checked.
std::string Split(std::string const& text, measure_units::Conversions const& conversions = {}) {
    TokenCreator creator = 0;
    TokenStringDatabase strings;
    CharacterTokenProducer source(text);
    source.SetTokenCreator(&creator);
    source.SetTokenStringDatabase(&strings);
    LexTokenizer tokenizer(&source, &creator, &strings, nullptr);
    MeasureUnitSplitter splitter(&tokenizer, &strings, &creator);
    splitter.SetConversions(conversions);
    std::string out;
    for (;;) {
        Token const token = splitter.Produce();
        out += (out.empty() ? "" : " ") + Name(strings, token);
        if (TokenTypeOf(token) == kEOFTokenType) return out;
    }
}

TEST(MeasureUnitSplitter, WordsOfANumberAndAUnitOrAPrefixSplitInTwo) {
    struct {
        char const* text;
        char const* tokens;
    } const cases[] = {
        {"5km", "Number[5] Word[km] EOF"},
        {"EUR5.", "Word[EUR] Number[5] Period[.] EOF"},
        {"1in 2ins 7am", "Number[1] Word[in] Space[ ] Number[2] Word[ins] Space[ ] Number[7] Word[am] EOF"},
        {"km5 EUR5a 5", "Word[km5] Space[ ] Word[EUR5a] Space[ ] Number[5] EOF"},
        {"10\nmph", "Number[10] Newline[\n] Word[mph] EOF"},
    };
    for (auto const& c : cases) EXPECT_EQ(Split(c.text), c.tokens) << c.text;

    // Conversions that give nothing (a code page without the tables) split nothing.
    measure_units::Conversions none;
    none.toNarrow = [](std::wstring const&) { return std::string(); };
    EXPECT_EQ(Split("5km EUR5", none), "Word[5km] Space[ ] Word[EUR5] EOF");
}

TEST(MeasureUnitSplitter, TheSplitsTokensTakeConsecutiveSerialsInTheirOrder) {
    TokenCreator creator = 0;
    TokenStringDatabase strings;
    CharacterTokenProducer source("5km EUR5");
    source.SetTokenCreator(&creator);
    source.SetTokenStringDatabase(&strings);
    LexTokenizer tokenizer(&source, &creator, &strings, nullptr);
    MeasureUnitSplitter splitter(&tokenizer, &strings, &creator);
    std::vector<Token> tokens;
    for (Token token = 0; TokenTypeOf(token) != kEOFTokenType;) tokens.push_back(token = splitter.Produce());
    ASSERT_EQ(tokens.size(), 6u);  // Number Word Space Word Number EOF
    EXPECT_EQ(TokenSerialOf(tokens[1]), TokenSerialOf(tokens[0]) + 1);
    EXPECT_EQ(TokenSerialOf(tokens[4]), TokenSerialOf(tokens[3]) + 1);
}

// The engine's width conversions change nothing, so in every mode each token
// passes as it came and its stored text is never stored again.
TEST(DigitConverter, TokensPassAndTextsStayWhenTheConversionsChangeNothing) {
    for (RomajiConversionUserOption mode : {0u, 1u, 2u, 3u}) {
        for (TokenTypeID type : {T::kWord, T::kNumber, T::kNumberSequence, T::kPhoneNumber, T::kPeriod}) {
            TokenStringDatabase strings;
            Token const token = MakeToken(1, type);
            strings.Insert(token, L"\uFF11 2");
            wchar_t const* before = nullptr;
            wchar_t const* after = nullptr;
            strings.Find(token, &before);
            ListProducer source({token});
            DigitConverter converter(&source, nullptr, mode, &strings);
            EXPECT_EQ(converter.Produce(), token);
            strings.Find(token, &after);
            EXPECT_EQ(before, after) << "mode " << mode << " type " << int{type};
        }
    }
}

TEST(POSRetriever, MarkupGivesSettingsInnermostFirst) {
    Token const w1 = MakeToken(10, T::kWord), w2 = MakeToken(11, T::kWord);
    auto const start = [](TokenTypeID type, uint32_t serial) { return MakeToken(serial, type); };
    struct Setting {
        uint16_t pos;
        std::vector<Token> tokens;
    };
    struct {
        char const* name;
        std::vector<Token> tokens;
        std::vector<Setting> settings;
    } const cases[] = {
        {"nested",
         {start(P::kPOSNoun, 1), start(P::kPOSVerb, 2), w1, start(P::kEndPOSVerb, 3), w2, start(P::kEndPOSNoun, 4)},
         {{2, {w1}}, {1, {w1, w2}}}},
        {"a literal flag over the same words merges",
         {start(P::kPOSNoun, 1), start(P::kPOSLiteral, 2), w1, start(P::kEndPOSLiteral, 3), start(P::kEndPOSNoun, 4)},
         {{32768 | 1, {w1}}}},
        {"same words without the flag stay apart",
         {start(P::kPOSNoun, 1), start(P::kPOSVerb, 2), w1, start(P::kEndPOSVerb, 3), start(P::kEndPOSNoun, 4)},
         {{2, {w1}}, {1, {w1}}}},
        {"an end of another type closes the latest start",
         {start(P::kPOSAdverb, 1), w1, start(P::kEndPOSNoun, 2)},
         {{4, {w1}}}},
        {"an end without a start, a start without an end",
         {start(P::kEndPOSNoun, 1), w1, start(P::kPOSNoun, 2), w2},
         {}},
    };
    for (auto const& c : cases) {
        std::vector<TokenPOS> out;
        EXPECT_EQ(POSRetriever::TokensToPOSs(&out, c.tokens), !c.settings.empty()) << c.name;
        ASSERT_EQ(out.size(), c.settings.size()) << c.name;
        for (std::size_t i = 0; i < out.size(); ++i) {
            EXPECT_EQ(out[i].pos, c.settings[i].pos) << c.name;
            EXPECT_EQ(out[i].tokens, c.settings[i].tokens) << c.name;
        }
    }
}

TEST(POSRetriever, EachSentenceEndFilesItsSettings) {
    Token const w1 = MakeToken(10, T::kWord);
    Token const marked = MakeToken(20, T::kEndOfSentence), plain = MakeToken(21, T::kEndOfSentence);
    SentenceTokensDatabase sentences;
    sentences.Add(marked, {MakeToken(1, P::kPOSVerb), w1, MakeToken(2, P::kEndPOSVerb), marked});
    sentences.Add(plain, {w1, plain});
    POSDatabase settings;
    ListProducer source({w1, marked, plain, MakeToken(22, T::kEndOfSentence)});
    POSRetriever retriever(&source, nullptr, &sentences, &settings);
    EXPECT_EQ(retriever.Produce(), w1);
    EXPECT_EQ(retriever.Produce(), marked);
    EXPECT_EQ(retriever.Produce(), plain);
    EXPECT_EQ(TokenTypeOf(retriever.Produce()), T::kEndOfSentence);  // no sentence filed: nothing happens
    std::vector<TokenPOS> found;
    ASSERT_TRUE(settings.Find(TokenSerialOf(marked), &found));
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(found[0].pos, 2);
    EXPECT_FALSE(settings.Find(TokenSerialOf(plain), &found));
}

}  // namespace
