// The translator stage's own work around a sentence: which sentences reach
// the sentence work, what goes downstream on each road, the Japanese tokens
// made from pieces, the part-of-speech markup and the missing words.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/foundation/token_string_database.h"
#include "engine/foundation/token_type_registry.h"
#include "engine/foundation/token_types.h"
#include "engine/pipeline/etoj_translator.h"
#include "support/list_producer.h"

namespace {

using T = EnglishTokens;
using P = POSTokens;
EnglishTokens sEnglishTokens;
POSTokens sPOSTokens;

// Records the sentences it is given and answers with fixed Japanese pieces.
class FakeWork : public EtoJSentenceWork {
public:
    bool Translate(EtoJTranslator& stage, std::vector<Token>* out, std::vector<TokenDictSource>* sources, bool,
                   std::vector<Token> const& source) override {
        calls.push_back(source);
        stage.StaticMissingWord("zork", missingOffset, stage.MissingWordList());
        if (cancel) out->push_back(NewToken(stage.GetTokenCreator(), T::kUserCancel));
        if (!answer) return false;
        stage.TranslationToTokens(out, sources, japanese, pieces, source);
        return true;
    }
    std::vector<std::vector<Token>> calls;
    bool answer = true;
    bool cancel = false;
    unsigned short missingOffset = 0;
    std::wstring japanese = L"jon";
    std::vector<DICT_SOURCE> pieces;
};

// A stage over a token list, with the stores of a chain.
struct Stage {
    Stage() {
        stage.SetTokenCreator(&creator);
        stage.SetTokenStringDatabase(&strings);
        stage.SetDictSourceDatabase(&dictSources);
        stage.SetMissingWordSet(&missing);
        stage.SetSentenceWork(&work);
    }
    Token Make(TokenTypeID type, std::wstring const& text = std::wstring()) {
        Token const token = NewToken(&creator, type);
        if (!text.empty()) strings.Insert(token, text);
        return token;
    }
    Token End() { return Make(T::kEndOfSentence); }
    // Runs the tokens through the stage up to EOF: "Type[text] ...".
    std::string Run(std::vector<Token> const& tokens) {
        ListProducer upstream(tokens);
        stage.SetUpstreamProducer(&upstream);
        std::string out;
        for (;;) {
            Token const token = stage.Produce();
            if (TokenTypeOf(token) == kEOFTokenType) return out;
            std::string name;
            TokenTypeRegistry::Get()->GetName(TokenTypeOf(token), &name);
            std::wstring text;
            if (strings.Find(token, &text)) name += "[" + std::string(text.begin(), text.end()) + "]";
            out += (out.empty() ? "" : " ") + name;
        }
    }

    TokenCreator creator = 0;
    TokenStringDatabase strings;
    DictSourceDatabase dictSources;
    std::set<uint32_t> missing;
    FakeWork work;
    EtoJTranslator stage;
};

TEST(EtoJTranslatorStage, SentencesThatCannotBeTranslatedPassThroughWithoutReachingTheWork) {
    struct {
        char const* name;
        std::vector<std::pair<TokenTypeID, std::wstring>> tokens;
        bool reachesWork;
        char const* out;
    } const cases[] = {
        {"end token alone", {}, false, "EndOfSentence"},
        {"80 characters", {{T::kWord, std::wstring(80, L'a')}}, true, nullptr},
        {"81 characters", {{T::kWord, std::wstring(81, L'a')}}, false, nullptr},
        {"81 blanks are no word", {{T::kSpace, std::wstring(81, L' ')}, {T::kWord, L"Hi"}}, true, nullptr},
        {"separator", {{T::kWord, L"Hi"}, {T::kSeparator, L"|"}}, false, "Word[Hi] Separator[|] EndOfSentence"},
        {"punctuation only", {{T::kPeriod, L"."}}, true, nullptr},
    };
    for (auto const& c : cases) {
        Stage s;
        s.work.answer = false;
        std::vector<Token> tokens;
        for (auto const& [type, text] : c.tokens) tokens.push_back(s.Make(type, text));
        tokens.push_back(s.End());
        std::string const out = s.Run(tokens);
        EXPECT_EQ(s.work.calls.size(), c.reachesWork ? 1u : 0u) << c.name;
        if (c.out != nullptr) {
            EXPECT_EQ(out, c.out) << c.name;
        }
        // Untranslated: every source token goes on, and the sentence is
        // recorded with no dictionary source.
        std::vector<TokenDictSource> recorded{TokenDictSource()};
        EXPECT_TRUE(s.dictSources.Find(TokenSerialOf(tokens.back()), &recorded)) << c.name;
        EXPECT_TRUE(recorded.empty()) << c.name;
    }
}

TEST(EtoJTranslatorStage, ATranslatedSentenceSendsLeadingWhiteTheJapaneseAndItsEndToken) {
    Stage s;
    DICT_SOURCE piece;
    piece.japaneseStart = 0;
    piece.japaneseLength = 3;
    piece.englishStart = 1;
    piece.englishLength = 4;
    piece.dictionaryID = 10001;
    piece.japanesePOS = 7;
    s.work.pieces = {piece};
    Token const john = s.Make(T::kWord, L"John");
    Token const end = s.End();
    EXPECT_EQ(s.Run({s.Make(T::kSpace, L" "), john, s.Make(T::kPeriod, L"."), end}),
              "Space[ ] Word[jon] EndOfSentence");
    std::vector<TokenDictSource> sources;
    ASSERT_TRUE(s.dictSources.Find(TokenSerialOf(end), &sources));
    ASSERT_EQ(sources.size(), 1u);
    EXPECT_EQ(sources[0].fDictionaryID, 10001);
    EXPECT_EQ(sources[0].fJapanesePOS, 7);
    EXPECT_EQ(sources[0].fSourceTokens, std::vector<Token>{john});
    EXPECT_EQ(sources[0].fOutputTokens.size(), 1u);
}

TEST(EtoJTranslatorStage, AStoppedSentenceSendsOnlyItsCancelToken) {
    Stage s;
    s.work.answer = false;
    s.work.cancel = true;
    EXPECT_EQ(s.Run({s.Make(T::kWord, L"Hi"), s.End(), s.Make(T::kWord, L"Next"), s.End()}), "UserCancel UserCancel");
}

TEST(EtoJTranslatorStage, PiecesBecomeWordTokensForGapsPiecesAndRest) {
    struct Piece {
        uint16_t start, length;
    };
    struct {
        char const* name;
        std::vector<Piece> pieces;
        char const* out;
        std::size_t sources;
    } const cases[] = {
        {"no pieces", {}, "Word[abcdef]", 0},
        {"gap, piece, rest", {{2, 2}}, "Word[ab] Word[cd] Word[ef]", 1},
        {"unsorted pieces", {{3, 3}, {0, 2}}, "Word[ab] Word[c] Word[def]", 2},
        {"zero length records a source only", {{2, 0}}, "Word[abcdef]", 1},
        {"overlap is cut", {{0, 4}, {2, 3}}, "Word[abcd] Word[e] Word[f]", 2},
        {"past the end is cut", {{4, 9}}, "Word[abcd] Word[ef]", 1},
    };
    for (auto const& c : cases) {
        Stage s;
        s.work.japanese = L"abcdef";
        for (Piece const& p : c.pieces) {
            DICT_SOURCE piece;
            piece.japaneseStart = p.start;
            piece.japaneseLength = p.length;
            s.work.pieces.push_back(piece);
        }
        Token const end = s.End();
        EXPECT_EQ(s.Run({s.Make(T::kWord, L"x"), end}), std::string(c.out) + " EndOfSentence") << c.name;
        std::vector<TokenDictSource> sources;
        ASSERT_TRUE(s.dictSources.Find(TokenSerialOf(end), &sources));
        EXPECT_EQ(sources.size(), c.sources) << c.name;
    }
}

TEST(EtoJTranslatorStage, PiecesTakeTheSourceTokensTheirEnglishCovers) {
    Stage s;
    std::vector<Token> const source = {s.Make(T::kSpace, L" "), s.Make(T::kWord, L"big"), s.Make(T::kSpace, L" "),
                                       s.Make(T::kWord, L"dog"), s.End()};
    struct {
        uint32_t start, length;
        std::vector<Token> covered;
    } const cases[] = {
        {1, 3, {source[1]}}, {1, 7, {source[1], source[2], source[3]}},
        {5, 3, {source[3]}}, {2, 3, {source[2]}},  // a token starting before the span is not taken
        {8, 2, {}},
    };
    for (auto const& c : cases) {
        std::vector<Token> covered;
        s.stage.AddSourceTokens(&covered, source, c.start, c.length);
        EXPECT_EQ(covered, c.covered) << c.start << "+" << c.length;
    }
}

TEST(EtoJTranslatorStage, MissingWordsGoToTheSetByTheirByteOffset) {
    struct {
        unsigned short offset;
        std::size_t token;  // index into the source, or none
    } const cases[] = {{0, 0}, {4, 1}, {5, 2}, {2, 99}};
    for (auto const& c : cases) {
        Stage s;
        s.work.missingOffset = c.offset;
        std::vector<Token> const source = {s.Make(T::kWord, L"zork"), s.Make(T::kSpace, L" "),
                                           s.Make(T::kWord, L"\x72AC"), s.End()};
        s.Run(source);
        uint32_t const serial = c.token < source.size() ? TokenSerialOf(source[c.token]) : 0xFFFFFF;
        EXPECT_EQ(s.missing, std::set<uint32_t>{serial}) << c.offset;
    }
}

// Records the markup the stage hands its work.
class MarkupWork : public EtoJSentenceWork {
public:
    bool Translate(EtoJTranslator& stage, std::vector<Token>*, std::vector<TokenDictSource>*, bool,
                   std::vector<Token> const&) override {
        settings = stage.POSSettings();
        return false;
    }
    std::vector<POSMarkupRange> settings;
};

TEST(EtoJTranslatorStage, PartOfSpeechMarkupBecomesRangesInCharacters) {
    Stage s;
    MarkupWork work;
    s.stage.SetSentenceWork(&work);
    std::vector<Token> const tokens = {s.Make(T::kWord, L"the"),  s.Make(T::kSpace, L" "),
                                       s.Make(P::kPOSLiteral),    s.Make(P::kPOSNounPhrase),
                                       s.Make(T::kWord, L"big"),  s.Make(P::kEndPOSNounPhrase),
                                       s.Make(P::kEndPOSLiteral), s.Make(P::kEndPOSVerbPhrase),  // no start: ignored
                                       s.Make(T::kWord, L"dog"),  s.End()};
    s.Run(tokens);
    ASSERT_EQ(work.settings.size(), 1u);
    EXPECT_EQ(work.settings[0].start, 4);
    EXPECT_EQ(work.settings[0].end, 7);
    EXPECT_EQ(work.settings[0].value,
              P::POSTokenTypeToPOSValue(P::kPOSLiteral) | P::POSTokenTypeToPOSValue(P::kPOSNounPhrase));
}

TEST(EtoJTranslatorStage, WithoutWorkEverySentencePassesThrough) {
    Stage s;
    s.stage.SetSentenceWork(nullptr);
    EXPECT_EQ(s.Run({s.Make(T::kWord, L"Hi"), s.Make(T::kPeriod, L"."), s.End()}), "Word[Hi] Period[.] EndOfSentence");
}

}  // namespace
