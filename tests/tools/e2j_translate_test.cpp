// e2j translate over the core lexicon: English in, Japanese out, in Japanese
// word order, with particles and endings.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <string>
#include <vector>

#include "engine/compiled/core_lexicon.h"
#include "e2j_translations.h"

namespace {

TEST(E2jTranslate, SentencesComeOutInJapanese) {
    struct {
        char const* arguments;
        std::string output;
    } const cases[] = {
        {"translate --style 0 'John eats an apple.'", "ジョンはりんごを食べる。"},
        // Each Japanese word with the English it came from, in Shift-JIS
        // bytes; "an" has no Japanese of its own, the particles none of
        // their own English, and a verb takes in its ending.
        {"translate --style 0 --post-info 'John eats an apple.'",
         "ジョンはりんごを食べる。\n"
         "src 0+4 -> tgt 0+6 dict 1\n"
         "src 13+5 -> tgt 8+6 dict 1\n"
         "src 5+4 -> tgt 16+6 dict 1\n"
         "src 18+1 -> tgt 22+2 dict 1\n"},
        // The alternatives of a word: its own translation first, then the
        // others; a word with only its own has none.
        {"translate --post-info 'The bank is big.'",
         "銀行は大きいです。\n"
         "src 4+4 -> tgt 0+4 dict 1 alt 銀行/堤防/土手\n"
         "src 12+3 -> tgt 6+10 dict 1\n"
         "src 15+1 -> tgt 16+2 dict 1\n"},
        // A verb's alternatives are inflected like it.
        {"translate --style 0 --post-info 'The dog ran.'",
         "犬は走った。\n"
         "src 4+3 -> tgt 0+2 dict 1\n"
         "src 8+3 -> tgt 4+6 dict 1 alt 走った/経営した/流れた\n"
         "src 11+1 -> tgt 10+2 dict 1\n"},
        {"translate '.'", "\u3002"},
    };
    for (auto const& c : cases) {
        CommandOutcome const outcome = E2jStdout(c.arguments);
        EXPECT_EQ(outcome.exitCode, 0) << c.arguments;
        EXPECT_EQ(outcome.output, c.output) << c.arguments;
    }
}

// The subject comes first and the verb last, whatever particles and endings
// later join the words.
TEST(E2jTranslate, SentencesComeOutSubjectObjectVerb) {
    struct {
        char const* english;
        std::vector<std::string> words;  // in the order they must appear
    } const cases[] = {
        {"John eats an apple.", {"\u30B8\u30E7\u30F3", "\u308A\u3093\u3054", "\u98DF\u3079"}},
        {"The cat ate the fish.", {"\u732B", "\u9B5A", "\u98DF\u3079"}},
        {"She reads a book in the library.", {"\u5F7C\u5973", "\u56F3\u66F8\u9928", "\u672C", "\u8AAD"}},
        {"John gave the book to Mary.", {"\u30B8\u30E7\u30F3", "\u30E1\u30A2\u30EA\u30FC", "\u672C", "\u4E0E\u3048"}},
        {"Does John eat apples?", {"\u30B8\u30E7\u30F3", "\u308A\u3093\u3054", "\u98DF\u3079"}},
    };
    for (auto const& c : cases) {
        CommandOutcome const outcome = E2jStdout(std::string("translate --style 0 '") + c.english + "'");
        EXPECT_EQ(outcome.exitCode, 0) << c.english;
        std::size_t at = 0;
        for (std::string const& word : c.words) {
            std::size_t const found = outcome.output.find(word, at);
            ASSERT_NE(found, std::string::npos)
                << word << " in order in " << outcome.output << " (" << c.english << ")";
            at = found + word.size();
        }
    }
}

// The first sentences the engine writes whole: statements, questions and
// negations of the common verb classes, be with a place, the copula and
// adjectives, in plain and in polite style.
TEST(E2jTranslate, TheFirstSentencesReadAsJapaneseInEachStyle) {
    StyledTranslation const cases[] = {
        {"I eat an apple.", "私はりんごを食べる。", "私はりんごを食べます。"},
        {"I ate an apple.", "私はりんごを食べた。", "私はりんごを食べました。"},
        {"The cat ate the fish.", "猫は魚を食べた。", "猫は魚を食べました。"},
        {"A dog runs.", "犬が走る。", "犬が走ります。"},
        {"She reads a book in the library.", "彼女は図書館で本を読む。", "彼女は図書館で本を読みます。"},
        {"He went to the station.", "彼は駅に行った。", "彼は駅に行きました。"},
        {"John met Mary.", "ジョンはメアリーに会った。", "ジョンはメアリーに会いました。"},
        {"John gave the book to Mary.", "ジョンはメアリーに本を与えた。", "ジョンはメアリーに本を与えました。"},
        {"The cat is in the box.", "猫は箱の中にいる。", "猫は箱の中にいます。"},
        {"The book is on the table.", "本はテーブルの上にある。", "本はテーブルの上にあります。"},
        {"I did not eat the apple.", "私はりんごを食べなかった。", "私はりんごを食べませんでした。"},
        {"He does not eat fish.", "彼は魚を食べない。", "彼は魚を食べません。"},
        {"He does not run.", "彼は走らない。", "彼は走りません。"},
        {"He did not write a book.", "彼は本を書かなかった。", "彼は本を書きませんでした。"},
        // The progressive: the て form of each class, then いる.
        {"I am eating an apple.", "私はりんごを食べている。", "私はりんごを食べています。"},
        {"He is running.", "彼は走っている。", "彼は走っています。"},
        {"She was reading a book.", "彼女は本を読んでいた。", "彼女は本を読んでいました。"},
        {"John is not writing a book.", "ジョンは本を書いていない。", "ジョンは本を書いていません。"},
        {"They were swimming in the park.", "彼らは公園で泳いでいた。", "彼らは公園で泳いでいました。"},
        // "can": the dictionary form, then ことができる in the clause's tense.
        {"I can swim.", "私は泳ぐことができる。", "私は泳ぐことができます。"},
        {"John could meet Mary.", "ジョンはメアリーに会うことができた。", "ジョンはメアリーに会うことができました。"},
        {"He can eat fish.", "彼は魚を食べることができる。", "彼は魚を食べることができます。"},
        // Possessives.
        {"John's dog is big.", "ジョンの犬は大きい。", "ジョンの犬は大きいです。"},
        {"The teacher's car is red.", "先生の車は赤い。", "先生の車は赤いです。"},
        {"Do you eat apples?", "あなたはりんごを食べるか？", "あなたはりんごを食べますか？"},
        {"The dog is big.", "犬は大きい。", "犬は大きいです。"},
        {"The dog was not big.", "犬は大きくなかった。", "犬は大きくありませんでした。"},
        {"I am a student.", "私は学生だ。", "私は学生です。"},
        {"John is not a student.", "ジョンは学生ではない。", "ジョンは学生ではありません。"},
        {"The big dog ran in the park.", "大きい犬は公園で走った。", "大きい犬は公園で走りました。"},
        {"I came in 1999.", "私は１９９９年に来た。", "私は１９９９年に来ました。"},
    };
    ExpectPlainAndPolite(cases);
    EXPECT_EQ(E2jStdout("translate --style 2 'I am a student.'").output, "私は学生である。");
    EXPECT_EQ(E2jStdout("translate --style 0 'The book is not on the table.'").output, "本はテーブルの上にない。");
}

// Words the core lexicon lacks come from the dictionary the build makes from
// EDICT, when it could make one.
TEST(E2jTranslate, WordsTheCoreLexiconLacksComeFromEdict) {
    struct stat status {};
    if (stat(EdictLexiconPath().c_str(), &status) != 0) GTEST_SKIP() << "EDICT was not installed for the build";
    char const sentence[] = "translate --style 0 'The doctor bought a new bicycle.'";
    EXPECT_EQ(E2jStdout("--dict " + CoreLexiconPath() + " " + sentence).output, "doctor は新しい bicycle を買った。");
    EXPECT_EQ(E2jStdout(sentence).output, "医師は新しい自転車を買った。");
}

}  // namespace
