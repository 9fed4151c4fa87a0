#include "engine/pipeline/lex_tokenizer.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <utility>
#include <vector>

#include "engine/foundation/token_string_database.h"
#include "engine/foundation/token_type_registry.h"
#include "engine/foundation/token_types.h"
#include "engine/pipeline/compound_token_database.h"

namespace {

using T = EnglishTokens;
EnglishTokens sEnglishTokens;

// Hands out the tokens of its script (a type and a text; "" for none), then
// EOF for ever, counting the pulls after the first EOF.
class ScriptedProducer : public Producer {
public:
    ScriptedProducer(TokenCreator* creator, TokenStringDatabase* strings,
                     std::vector<std::pair<TokenTypeID, std::wstring>> script)
        : fScript(std::move(script)) {
        fTokenCreator = creator;
        fTokenStringDatabase = strings;
    }
    Token Produce() override {
        if (fNext >= fScript.size()) {
            fPullsAtEnd++;
            return NewToken(fTokenCreator, kEOFTokenType);
        }
        auto const& [type, text] = fScript[fNext++];
        Token const token = NewToken(fTokenCreator, type);
        if (!text.empty()) fTokenStringDatabase->Insert(token, text);
        fMade.push_back(token);
        return token;
    }
    std::vector<Token> fMade;
    int fPullsAtEnd = 0;

private:
    std::vector<std::pair<TokenTypeID, std::wstring>> fScript;
    std::size_t fNext = 0;
};

struct Chain {
    TokenCreator creator = 0;
    TokenStringDatabase strings;
    CompoundTokenDatabase compounds;
    ScriptedProducer source;
    LexTokenizer tokenizer;
    explicit Chain(std::vector<std::pair<TokenTypeID, std::wstring>> script, bool withCompounds = false)
        : source(&creator, &strings, std::move(script)),
          tokenizer(&source, &creator, &strings, withCompounds ? &compounds : nullptr) {}

    std::string Name(Token token) const {
        std::string name;
        TokenTypeRegistry::Get()->GetName(TokenTypeOf(token), &name);
        std::wstring text;
        if (strings.Find(token, &text)) name += "[" + std::string(text.begin(), text.end()) + "]";
        return name;
    }
    // Every token up to and including EOF, as "Type[text] ...".
    std::string Run() {
        std::string out;
        for (;;) {
            Token const token = tokenizer.Produce();
            out += (out.empty() ? "" : " ") + Name(token);
            if (TokenTypeOf(token) == kEOFTokenType) return out;
        }
    }
};

// The text as one Word token of one character each, as the chain's source
// hands it out.
std::vector<std::pair<TokenTypeID, std::wstring>> Characters(std::wstring const& text) {
    std::vector<std::pair<TokenTypeID, std::wstring>> script;
    for (wchar_t c : text) script.emplace_back(T::kWord, std::wstring(1, c));
    return script;
}

TEST(LexTokenizer, TextsFromCharacterTokensGiveTheScannersTokens) {
    struct {
        std::wstring text;
        char const* tokens;
    } const cases[] = {
        {L"Mr. Green paid $5 at 12:30.",
         "Word[Mr] Period[.] Space[ ] Word[Green] Space[ ] Word[paid] Space[ ] Word[$] Number[5] Space[ ] Word[at] "
         "Space[ ] Number[12] Colon[:] Number[30] Period[.] EOF"},
        {L"(555)123-4567,", "PhoneNumber[(555)123-4567] Word[,] EOF"},
        {L"don't", "Word[don] SingleOpenQuote['] Word[t] EOF"},
        {L"see ftp://x/y.", "Word[see] Space[ ] InternetName[ftp://x/y] Period[.] EOF"},
        {L"mail a.b@c.org", "Word[mail] Space[ ] InternetName[a.b@c.org] EOF"},
        {L"x\u0001y", "Word[x] Space[ ] Word[y] EOF"},  // a U+0001 inside text is a blank, not a break
        {L"", "EOF"},
    };
    for (auto const& c : cases) {
        Chain chain(Characters(c.text));
        EXPECT_EQ(chain.Run(), c.tokens) << std::string(c.text.begin(), c.text.end());
    }
}

TEST(LexTokenizer, MarksLeaveWhereTheyStoodAndBreaksSplitWords) {
    TokenTypeID const kMark = T::kStartSelectionRegion;
    struct {
        std::vector<std::pair<TokenTypeID, std::wstring>> script;
        char const* tokens;
    } const cases[] = {
        {{{T::kWord, L"ab"}, {kMark, L""}, {T::kWord, L"cd"}}, "Word[abcd] StartSelectionRegion EOF"},
        {{{T::kWord, L"ab"}, {kMark, L""}, {T::kSpace, L" "}, {T::kWord, L"cd"}},
         "Word[ab] StartSelectionRegion Space[ ] Word[cd] EOF"},
        {{{kMark, L""}, {T::kWord, L"ab"}}, "StartSelectionRegion Word[ab] EOF"},
        {{{T::kWord, L"ab"}, {kMark, L""}}, "Word[ab] StartSelectionRegion EOF"},
        {{{T::kWord, L"ab"}, {T::kTokenBreak, L""}, {T::kWord, L"cd"}}, "Word[ab] Word[cd] EOF"},
        {{{T::kWord, L"a"}, {T::kWord, L""}, {T::kWord, L"b"}}, "Word[ab] EOF"},  // a token without text is skipped
        {{{T::kEndOfSentence, L"%END%"}, {T::kNumberSequence, L"1-2"}}, "EndOfSentence[%END%] NumberSequence[1-2] EOF"},
    };
    for (auto const& c : cases) {
        Chain chain(c.script);
        EXPECT_EQ(chain.Run(), c.tokens);
    }
}

TEST(LexTokenizer, AfterTheEndOnlyFreshEOFsAndUpstreamIsNotPulledAgain) {
    Chain chain({{T::kWord, L"hi"}});
    EXPECT_EQ(chain.Run(), "Word[hi] EOF");
    Token const first = chain.tokenizer.Produce(), second = chain.tokenizer.Produce();
    EXPECT_EQ(TokenTypeOf(first), kEOFTokenType);
    EXPECT_EQ(TokenTypeOf(second), kEOFTokenType);
    EXPECT_NE(TokenSerialOf(first), TokenSerialOf(second));
    EXPECT_EQ(chain.source.fPullsAtEnd, 1);
}

// Reads the tokenizer's input as the scanner would.
class InputProbe : public LexTokenizer {
public:
    using LexTokenizer::LexerInput;
    using LexTokenizer::LexTokenizer;
};

TEST(LexTokenizer, LongTextsReachTheScannerInPiecesEveryCharacterOnce) {
    std::wstring text(10000, L'x');
    for (std::size_t i = 0; i < text.size(); i += 7) text[i] = static_cast<wchar_t>(L'a' + i % 26);
    TokenCreator creator = 0;
    TokenStringDatabase strings;
    ScriptedProducer source(&creator, &strings, {{T::kWord, text}});
    InputProbe probe(&source, &creator, &strings, nullptr);
    std::vector<wchar_t> buffer(LexTokenizer::kMaxRead);
    EXPECT_EQ(probe.LexerInput(buffer.data(), LexTokenizer::kMaxRead), 8192);
    std::wstring seen(buffer.data(), 8192);
    EXPECT_EQ(probe.LexerInput(buffer.data(), LexTokenizer::kMaxRead), 1808);
    seen.append(buffer.data(), 1808);
    EXPECT_EQ(probe.LexerInput(buffer.data(), LexTokenizer::kMaxRead), 0);
    EXPECT_EQ(seen, text);

    // Through the stage, a word longer than any read is still one token.
    std::wstring const word(200000, L'q');
    Chain chain({{T::kWord, word.substr(0, 100000)}, {T::kWord, word.substr(100000)}});
    Token const token = chain.tokenizer.Produce();
    std::wstring scanned;
    ASSERT_TRUE(chain.strings.Find(token, &scanned));
    EXPECT_EQ(scanned, word);
}

TEST(LexTokenizer, ATokenCoveringCompoundsIsRecordedOverTheirParts) {
    // Upstream: "x", then a compound "ab" standing for two parts, then "y".
    Chain chain({{T::kWord, L"x"}, {T::kWord, L"ab"}, {T::kWord, L"y"}}, true);
    // The parts are made now, so the compound's serial is the source's next one.
    Token const partA = MakeToken(100, T::kWord), partB = MakeToken(101, T::kWord);
    chain.compounds.Add(MakeToken(2, T::kWord), {partA, partB});
    Token const scanned = chain.tokenizer.Produce();
    EXPECT_EQ(chain.Name(scanned), "Word[xaby]");
    std::vector<Token> pieces;
    ASSERT_TRUE(chain.compounds.Find(scanned, &pieces));
    ASSERT_EQ(pieces.size(), 4u);
    EXPECT_EQ(chain.Name(pieces[0]), "Word[x]");
    EXPECT_EQ(pieces[1], partA);
    EXPECT_EQ(pieces[2], partB);
    EXPECT_EQ(chain.Name(pieces[3]), "Word[y]");

    Chain without({{T::kWord, L"x"}, {T::kWord, L"ab"}});
    without.compounds.Add(MakeToken(2, T::kWord), {partA});
    Token const alone = without.tokenizer.Produce();
    EXPECT_FALSE(without.compounds.Find(alone, &pieces));
}

TEST(LexTokenizer, RandomTextsComeBackWholeWhateverTheirPieces) {
    std::mt19937 random(29);
    wchar_t const alphabet[] = L"aZ09 .,-'\"$%@:/()*#=_\t\n\u00E9\u3042\uFF11\u2019";
    for (int round = 0; round < 300; ++round) {
        std::wstring text;
        std::vector<std::pair<TokenTypeID, std::wstring>> script;
        int const pieces = static_cast<int>(random() % 8);
        for (int p = 0; p < pieces; ++p) {
            std::wstring piece;
            for (unsigned n = random() % 12; n > 0; --n) piece += alphabet[random() % (std::size(alphabet) - 1)];
            script.emplace_back(T::kWord, piece);
            text += piece;
        }
        Chain chain(script);
        std::wstring joined;
        for (;;) {
            Token const token = chain.tokenizer.Produce();
            if (TokenTypeOf(token) == kEOFTokenType) break;
            std::wstring part;
            ASSERT_TRUE(chain.strings.Find(token, &part));
            joined += part;
        }
        EXPECT_EQ(joined, text);
    }
}

}  // namespace
