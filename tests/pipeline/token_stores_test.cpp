#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

#include "engine/foundation/token_string_database.h"
#include "engine/pipeline/compound_token_database.h"
#include "engine/pipeline/pos_database.h"
#include "engine/pipeline/token_dict_source.h"
#include "engine/pipeline/token_vectors_match.h"

namespace {

using Tokens = std::vector<Token>;

constexpr TokenTypeID kEndOfSentence = 2;
constexpr TokenTypeID kNewline = 4;
constexpr TokenTypeID kWord = 23;
constexpr TokenTypeID kIgnoredEndOfSentence = 31;

TEST(TokenStores, TokenListsKeepTheFirstListAndFindThroughARetypedToken) {
    SentenceTokensDatabase sentences;
    Token const sentence = MakeToken(7, kEndOfSentence);
    sentences.Add(sentence, {MakeToken(1, kWord), sentence});
    sentences.Add(MakeToken(7, kWord), {MakeToken(99, kWord)});  // same serial: dropped
    sentences.AppendToSent(sentence, MakeToken(8, kWord));

    Tokens found;
    ASSERT_TRUE(sentences.Find(MakeToken(7, kIgnoredEndOfSentence), &found));
    EXPECT_EQ(found, (Tokens{MakeToken(1, kWord), sentence, MakeToken(8, kWord)}));

    Tokens untouched{MakeToken(5, kWord)};
    EXPECT_FALSE(sentences.Find(MakeToken(8, kEndOfSentence), &untouched));
    EXPECT_EQ(untouched, Tokens{MakeToken(5, kWord)});

    // Appending to a list never added is refused and creates nothing.
    EXPECT_THROW(sentences.AppendToTokenList(MakeToken(9, kWord), MakeToken(10, kWord)), std::logic_error);
    EXPECT_FALSE(sentences.Find(MakeToken(9, kWord), &found));

    sentences.Erase(sentence);
    sentences.Erase(sentence);
    EXPECT_FALSE(sentences.Find(sentence, &found));
}

TEST(TokenStores, DictionarySourcesReplaceOnInsertAndAppendInOrder) {
    TokenDictSource fresh;
    EXPECT_EQ(fresh.fDictionaryID, kDefaultDictionaryID);
    EXPECT_EQ(fresh.fJapanesePOS | fresh.fTranslationLength | fresh.fEnglishPOS | fresh.fKindFlags, 0u);

    auto source = [](uint16_t id) {
        TokenDictSource s;
        s.fDictionaryID = id;
        return s;
    };
    auto ids = [](std::vector<TokenDictSource> const& list) {
        std::vector<uint16_t> out;
        for (auto const& s : list) out.push_back(s.fDictionaryID);
        return out;
    };

    DictSourceDatabase store;
    std::vector<TokenDictSource> found;
    store.Append(3, {source(1)});  // absent: inserts
    store.Append(3, {source(2), source(3)});
    ASSERT_TRUE(store.Find(3, &found));
    EXPECT_EQ(ids(found), (std::vector<uint16_t>{1, 2, 3}));

    store.Insert(3, {source(9)});
    ASSERT_TRUE(store.Find(3, &found));
    EXPECT_EQ(ids(found), std::vector<uint16_t>{9});

    store.Erase(3);
    EXPECT_FALSE(store.Find(3, &found));
    EXPECT_EQ(ids(found), std::vector<uint16_t>{9});

    POSDatabase settings;
    settings.Insert(4, {TokenPOS{130, {MakeToken(1, kWord)}}});
    settings.Insert(4, {TokenPOS{32768 | 22, {}}});
    std::vector<TokenPOS> pos;
    ASSERT_TRUE(settings.Find(4, &pos));
    ASSERT_EQ(pos.size(), 1u);
    EXPECT_EQ(pos[0].pos, 32768 | 22);
    settings.Erase(4);
    EXPECT_FALSE(settings.Find(4, &pos));
}

TEST(TokenStores, TokenListsMatchByTypeAndTextNotBySerial) {
    TokenStringDatabase strings;
    Token const apple = MakeToken(1, kWord);
    Token const appleLower = MakeToken(2, kWord);
    Token const appleAgain = MakeToken(3, kWord);
    Token const bare = MakeToken(4, kWord);
    strings.Insert(apple, L"Apple");
    strings.Insert(appleLower, L"apple");
    strings.Insert(appleAgain, L"Apple");

    struct {
        char const* what;
        Tokens a, b;
        bool match;
    } const cases[] = {
        {"two empty lists", {}, {}, true},
        {"case counts", {apple}, {appleLower}, false},
        {"two newlines without text", {MakeToken(5, kNewline)}, {MakeToken(6, kNewline)}, true},
        {"text against no text", {apple}, {bare}, false},
        {"equal texts, other serials", {apple}, {appleAgain}, true},
        {"other type, same serial", {apple}, {MakeToken(1, kNewline)}, false},
        {"other length", {apple}, {apple, apple}, false},
    };
    for (auto const& c : cases) {
        EXPECT_EQ(TokenVectorsMatch(&strings, c.a, c.b), c.match) << c.what;
        EXPECT_EQ(TokenVectorsMatch(&strings, c.b, c.a), c.match) << c.what;
    }
    // Without a store no token has text.
    EXPECT_TRUE(TokenVectorsMatch(nullptr, {apple}, {bare}));

    TokenDictSource left;
    left.fSourceTokens = {apple};
    left.fOutputTokens = {appleAgain};
    TokenDictSource right = left;
    EXPECT_TRUE(TokenDictSourceVectorsMatch(&strings, {left}, {right}));
    right.fOutputTokens = {appleLower};
    EXPECT_FALSE(TokenDictSourceVectorsMatch(&strings, {left}, {right}));
    right = left;
    right.fKindFlags = 1;
    EXPECT_FALSE(TokenDictSourceVectorsMatch(&strings, {left}, {right}));
}

TEST(TokenStores, SerialsStopAtTheirLimitInsteadOfWrapping) {
    TokenCreator creator = kMaxTokenSerial - 1;
    EXPECT_EQ(TokenSerialOf(NewToken(&creator, kWord)), kMaxTokenSerial);
    EXPECT_THROW(NewToken(&creator, kWord), std::overflow_error);
    EXPECT_EQ(creator, kMaxTokenSerial);

    // A store keeps the first list under a serial, never a later one.
    CompoundTokenDatabase compounds;
    compounds.Add(MakeToken(kMaxTokenSerial, kWord), {MakeToken(1, kWord)});
    compounds.Add(MakeToken(kMaxTokenSerial, kWord), {MakeToken(2, kWord)});
    Tokens found;
    ASSERT_TRUE(compounds.Find(MakeToken(kMaxTokenSerial, kWord), &found));
    EXPECT_EQ(found, Tokens{MakeToken(1, kWord)});
}

}  // namespace
