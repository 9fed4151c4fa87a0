// e2j translate on existence, comparison, numbers and time: each English
// sentence with the exact Japanese it gives in plain and in polite style.
#include <gtest/gtest.h>

#include "e2j_translations.h"

namespace {

// "there is": the place with に first, what there is with が, then ある for
// things and いる for people and animals, in the clause's tense, negation
// and question.  The phrase after what there is says where it is, and a
// time or an adverb comes first.
TEST(E2jPhrases, ThereIsSaysWhatIsWhere) {
    StyledTranslation const cases[] = {
        {"There is a book on the table.", "テーブルの上に本がある。", "テーブルの上に本があります。"},
        {"There are two cats in the garden.", "庭に猫が二匹いる。", "庭に猫が二匹います。"},
        {"There's a cat in the box.", "箱の中に猫がいる。", "箱の中に猫がいます。"},
        {"There was a big dog in the park yesterday.", "昨日公園に大きい犬がいた。", "昨日公園に大きい犬がいました。"},
        {"There is not a book on the table.", "テーブルの上に本がない。", "テーブルの上に本がありません。"},
        {"There will not be a party on Friday.", "金曜日にパーティーがない。", "金曜日にパーティーがありません。"},
        {"Is there a bank near here?", "この近くに銀行があるか？", "この近くに銀行がありますか？"},
        {"How many students are there in the room?", "部屋に学生が何人いるか？", "部屋に学生が何人いますか？"},
    };
    ExpectPlainAndPolite(cases);
}

// How much there is: "many" and "a lot of" before a noun are 多くの and
// たくさんの; "some" before a mass noun and "any" have no Japanese; "no"
// before a noun makes the clause negative and alone answers いいえ.
TEST(E2jPhrases, QuantityWordsReadAsJapanese) {
    StyledTranslation const cases[] = {
        {"There are many students in the room.", "部屋に多くの学生がいる。", "部屋に多くの学生がいます。"},
        {"There were many people at the station.", "駅に多くの人がいた。", "駅に多くの人がいました。"},
        {"There are a lot of books in the library.", "図書館にたくさんの本がある。", "図書館にたくさんの本があります。"},
        {"There is some water in the bottle.", "瓶の中に水がある。", "瓶の中に水があります。"},
        {"There were not any dogs in the park.", "公園に犬がいなかった。", "公園に犬がいませんでした。"},
        {"There were no students in the room.", "部屋に学生がいなかった。", "部屋に学生がいませんでした。"},
        {"I have no money.", "私はお金を持っていない。", "私はお金を持っていません。"},
        {"No.", "いいえ。", "いいえ。"},
    };
    ExpectPlainAndPolite(cases);
}

// Comparatives: what is compared with takes より and comes first; "more"
// says nothing of its own; "as ... as" is と同じくらい, negated ほど.
// Superlatives: 一番 before the adjective, the place they hold in with で,
// the group with の中で.  A tall person is 背が高い, an older one 年上.
TEST(E2jPhrases, ComparisonsTakeYoriAndIchiban) {
    StyledTranslation const cases[] = {
        {"John is taller than Mary.", "ジョンはメアリーより背が高い。", "ジョンはメアリーより背が高いです。"},
        {"This car was cheaper than that car.", "この車はあの車より安かった。", "この車はあの車より安かったです。"},
        {"This question is more difficult than that one.", "この質問はあれより難しい。", "この質問はあれより難しいです。"},
        {"He is not older than me.", "彼は私より年上ではない。", "彼は私より年上ではありません。"},
        {"This book is as interesting as that one.", "この本はあれと同じくらい面白い。", "この本はあれと同じくらい面白いです。"},
        {"John is not as tall as Mary.", "ジョンはメアリーほど背が高くない。", "ジョンはメアリーほど背が高くありません。"},
        {"He is the tallest.", "彼は一番背が高い。", "彼は一番背が高いです。"},
        {"This is the most interesting book.", "これは一番面白い本だ。", "これは一番面白い本です。"},
        {"This is the biggest city in the world.", "これは世界で一番大きい都市だ。", "これは世界で一番大きい都市です。"},
        {"He is the tallest of the three boys.", "彼は三人の少年の中で一番背が高い。", "彼は三人の少年の中で一番背が高いです。"},
        {"She is the happiest girl.", "彼女は一番幸せな少女だ。", "彼女は一番幸せな少女です。"},
        // "most" before a noun is no superlative of an adjective.
        {"Most students study English.", "ほとんどの学生が英語を勉強する。", "ほとんどの学生が英語を勉強します。"},
    };
    ExpectPlainAndPolite(cases);
}

// A number takes the counter of its noun's kind: people 人, animals 匹,
// vehicles and machines 台, books 冊, long things 本, flat things 枚,
// anything else つ after one to nine and 個 after ten.  An object's number
// and counter follow its particle (犬を三匹); elsewhere they come before
// the noun with の.  Number words come out in kanji, digits in full-width
// digits.
TEST(E2jPhrases, NumbersTakeTheCounterOfTheirNoun) {
    StyledTranslation const cases[] = {
        {"I have three dogs.", "私は犬を三匹持っている。", "私は犬を三匹持っています。"},
        {"My two sisters came.", "私の二人の姉妹は来た。", "私の二人の姉妹は来ました。"},
        {"He read 3 books.", "彼は本を３冊読んだ。", "彼は本を３冊読みました。"},
        {"We had two cars.", "私達は車を二台持っていた。", "私達は車を二台持っていました。"},
        {"She bought five pens and two tickets.", "彼女は五本のペンと二枚の切符を買った。",
         "彼女は五本のペンと二枚の切符を買いました。"},
        {"I ate four big apples.", "私は大きいりんごを四つ食べた。", "私は大きいりんごを四つ食べました。"},
        {"I bought 10 eggs.", "私は卵を１０個買った。", "私は卵を１０個買いました。"},
        {"I have twenty books.", "私は本を二十冊持っている。", "私は本を二十冊持っています。"},
        // "how many" asks with 何 and the counter, else いくつ.
        {"How many dogs do you have?", "あなたは犬を何匹持っているか？", "あなたは犬を何匹持っていますか？"},
        {"How many apples did he eat?", "彼はりんごをいくつ食べたか？", "彼はりんごをいくつ食べましたか？"},
        // A unit is its own counter, and a length of time needs no "for".
        {"I have 1000 yen.", "私は１０００円を持っている。", "私は１０００円を持っています。"},
        {"My sister is 3 years old.", "私の姉妹は３歳だ。", "私の姉妹は３歳です。"},
        {"How old are you?", "あなたは何歳か？", "あなたは何歳ですか？"},
        {"She lived in London for two years.", "彼女は二年ロンドンに住んでいた。", "彼女は二年ロンドンに住んでいました。"},
    };
    ExpectPlainAndPolite(cases);
}

// Times and dates take に and go with the verb: an hour 三時, ７時, 午後７時;
// a day of the week; a month and a day of the month in digits as dates are
// written (５月５日); a part of the day.  Times that say when by themselves
// (tomorrow 明日, last week 先週) take no particle, and "it" of the time no
// word.
TEST(E2jPhrases, TimesAndDatesSayWhen) {
    StyledTranslation const cases[] = {
        {"It is three o'clock.", "三時だ。", "三時です。"},
        {"What time is it?", "何時か？", "何時ですか？"},
        {"I met John at three o'clock.", "私は三時にジョンに会った。", "私は三時にジョンに会いました。"},
        {"She arrived at 9am.", "彼女は午前９時に着いた。", "彼女は午前９時に着きました。"},
        {"We went to the park on Sunday.", "私達は日曜日に公園に行った。", "私達は日曜日に公園に行きました。"},
        {"He came to Japan in May.", "彼は５月に日本に来た。", "彼は５月に日本に来ました。"},
        {"He came on May 5.", "彼は５月５日に来た。", "彼は５月５日に来ました。"},
        {"She came in the afternoon.", "彼女は午後に来た。", "彼女は午後に来ました。"},
        {"He came yesterday morning.", "彼は昨日の朝来た。", "彼は昨日の朝来ました。"},
        {"Tomorrow I will study English.", "明日私は英語を勉強する。", "明日私は英語を勉強します。"},
        {"I went to Tokyo last week.", "私は先週東京に行った。", "私は先週東京に行きました。"},
    };
    ExpectPlainAndPolite(cases);
}

}  // namespace
