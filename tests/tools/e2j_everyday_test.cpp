// e2j translate on everyday sentences that once came out wrong: possessive
// pronouns, verbs used without their object, phrasal verbs and clock times,
// each English sentence with the exact Japanese in plain and polite style.
#include <gtest/gtest.h>

#include <cctype>
#include <string>

#include "e2j_translations.h"

namespace {

// "mine", "yours", "his", ... standing alone are the owner's thing (私のもの),
// never a noun of the same spelling (a mine is 機雷); before a noun "his"
// stays the determiner 彼の.
TEST(E2jEveryday, PossessivePronounsNameTheOwnersThing) {
    StyledTranslation const cases[] = {
        {"The book is mine.", "本は私のものだ。", "本は私のものです。"},
        {"This pen is yours.", "このペンはあなたのものだ。", "このペンはあなたのものです。"},
        {"The bag is his.", "かばんは彼のものだ。", "かばんは彼のものです。"},
        {"Those books are theirs.", "あれらの本は彼らのものだ。", "あれらの本は彼らのものです。"},
        {"His bag is red.", "彼のかばんは赤い。", "彼のかばんは赤いです。"},
    };
    ExpectPlainAndPolite(cases);
}

// A transitive verb without its object still makes a sentence, and "a lot"
// after it is how much (たくさん), while "a lot of" before a noun stays
// たくさんの.
TEST(E2jEveryday, VerbsWithoutTheirObjectAndALot) {
    StyledTranslation const cases[] = {
        {"I ate a lot.", "私はたくさん食べた。", "私はたくさん食べました。"},
        {"She studied a lot.", "彼女はたくさん勉強した。", "彼女はたくさん勉強しました。"},
        {"I ate quickly.", "私は速く食べた。", "私は速く食べました。"},
        {"He has a lot of books.", "彼はたくさんの本を持っている。", "彼はたくさんの本を持っています。"},
    };
    ExpectPlainAndPolite(cases);
}

// A phrasal verb is one Japanese verb, its object taking を; a clock time
// reads 午後７時 whether "pm" is written against the number or apart.
TEST(E2jEveryday, PhrasalVerbsAndClockTimes) {
    StyledTranslation const cases[] = {
        {"I get up at 7 pm.", "私は午後７時に起きる。", "私は午後７時に起きます。"},
        {"I wake up at 6 a.m.", "私は午前６時に目を覚ます。", "私は午前６時に目を覚まします。"},
        {"He gets up early every day.", "彼は毎日早く起きる。", "彼は毎日早く起きます。"},
        {"I look at the picture.", "私は絵を見る。", "私は絵を見ます。"},
        {"I am looking for my key.", "私は私の鍵を探している。", "私は私の鍵を探しています。"},
        {"He took off his shoes.", "彼は彼の靴を脱いだ。", "彼は彼の靴を脱ぎました。"},
        {"Turn on the light.", "電気をつけろ。", "電気をつけてください。"},
        {"We went out last night.", "私達は昨夜出かけた。", "私達は昨夜出かけました。"},
        {"I will come back tomorrow.", "私は明日戻る。", "私は明日戻ります。"},
        {"She is listening to the radio.", "彼女はラジオを聞いている。", "彼女はラジオを聞いています。"},
        {"We waited for him.", "私達は彼を待った。", "私達は彼を待ちました。"},
        {"She sat down.", "彼女は座った。", "彼女は座りました。"},
        {"Don't give up.", "諦めるな。", "諦めないでください。"},
        {"I came home late.", "私は遅く帰った。", "私は遅く帰りました。"},
        {"I will do it later.", "私は後でそれをする。", "私は後でそれをします。"},
        {"I go to bed at 10 pm.", "私は午後１０時に寝る。", "私は午後１０時に寝ます。"},
        {"He picked up the pen.", "彼はペンを拾った。", "彼はペンを拾いました。"},
        {"I get on the bus.", "私はバスに乗る。", "私はバスに乗ります。"},
        {"Turn left.", "左に曲がれ。", "左に曲がってください。"},
        {"I take a bath every day.", "私は毎日風呂に入る。", "私は毎日風呂に入ります。"},
        {"I had breakfast at 7 am.", "私は午前７時に朝ご飯を食べた。", "私は午前７時に朝ご飯を食べました。"},
    };
    ExpectPlainAndPolite(cases);
}

// Be with "here" or "there" says where someone is (いる) or something is
// (ある), a personal pronoun counting as someone, as be with a place does.
TEST(E2jEveryday, BeHereAndThereSaysWhereSomeoneIs) {
    StyledTranslation const cases[] = {
        {"Is John there?", "ジョンはそこにいるか？", "ジョンはそこにいますか？"},
        {"He is here.", "彼はここにいる。", "彼はここにいます。"},
        {"The book is here.", "本はここにある。", "本はここにあります。"},
        {"Is the bank there?", "銀行はそこにあるか？", "銀行はそこにありますか？"},
        {"He is in the room.", "彼は部屋の中にいる。", "彼は部屋の中にいます。"},
    };
    ExpectPlainAndPolite(cases);
}

// Whatever the parse makes of an odd sentence, every stem is spelt out: no
// romaji consonant and no half-spelt copula (であ) reaches the Japanese.
TEST(E2jEveryday, OddSentencesLeaveNoRomajiBehind) {
    char const* const sentences[] = {"There is there is a book.", "The lights are on.", "He is is a student."};
    for (char const* english : sentences) {
        for (char const* style : {"--style 0 ", ""}) {
            std::string const japanese = E2jStdout(std::string("translate ") + style + ShellQuoted(english)).output;
            EXPECT_FALSE(japanese.empty()) << english;
            for (char const c : japanese)
                EXPECT_FALSE(std::isalpha(static_cast<unsigned char>(c))) << english << ": " << japanese;
            EXPECT_EQ(japanese.find("であ"), japanese.find("である")) << english << ": " << japanese;
        }
    }
    EXPECT_EQ(E2jStdout("translate 'There is there is a book.'").output, "ある本があります。");
}

// "old" of a person is 高齢, of a thing 古い.
TEST(E2jEveryday, AnOldPersonIsKoureiAnOldThingFurui) {
    StyledTranslation const cases[] = {
        {"He is old.", "彼は高齢だ。", "彼は高齢です。"},
        {"My grandfather is old.", "私の祖父は高齢だ。", "私の祖父は高齢です。"},
        {"She is not old.", "彼女は高齢ではない。", "彼女は高齢ではありません。"},
        {"The house is old.", "家は古い。", "家は古いです。"},
    };
    ExpectPlainAndPolite(cases);
}

// A greeting or a thanks is a sentence of its own; polite style adds
// ございます (なさい) where Japanese does.
TEST(E2jEveryday, GreetingsAndThanks) {
    StyledTranslation const cases[] = {
        {"Thank you very much.", "どうもありがとう。", "どうもありがとうございます。"},
        {"Thanks!", "ありがとう！", "ありがとうございます！"},
        {"Good morning.", "おはよう。", "おはようございます。"},
        {"Good night.", "おやすみ。", "おやすみなさい。"},
        {"Hello.", "こんにちは。", "こんにちは。"},
        {"Excuse me.", "すみません。", "すみません。"},
        {"How are you?", "元気？", "お元気ですか？"},
        {"Nice to meet you.", "はじめまして。", "はじめまして。"},
        {"See you later.", "また後で。", "また後で。"},
        {"Thank you for your help.", "あなたの助けをありがとう。", "あなたの助けをありがとうございます。"},
        {"Thank you for the present!", "プレゼントをありがとう！", "プレゼントをありがとうございます！"},
    };
    ExpectPlainAndPolite(cases);
}

// "here" and "there" take で where something is done, に where someone is,
// lives, stays, comes or goes.
TEST(E2jEveryday, HereAndThereTakeTheParticleOfTheirVerb) {
    StyledTranslation const cases[] = {
        {"I study here.", "私はここで勉強する。", "私はここで勉強します。"},
        {"I played there.", "私はそこで遊んだ。", "私はそこで遊びました。"},
        {"I met him there.", "私はそこで彼に会った。", "私はそこで彼に会いました。"},
        {"I live here.", "私はここに住んでいる。", "私はここに住んでいます。"},
        {"He arrived there yesterday.", "彼は昨日そこに着いた。", "彼は昨日そこに着きました。"},
        {"Come here.", "ここに来い。", "ここに来てください。"},
    };
    ExpectPlainAndPolite(cases);
}

}  // namespace
