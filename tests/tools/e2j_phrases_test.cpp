// e2j translate on existence, comparison, numbers and time: each English
// sentence with the exact Japanese it gives in plain and in polite style.
#include <gtest/gtest.h>

#include "e2j_translations.h"

namespace {

// "there is": the place with に first, what there is with が, then ある for
// things and いる for people and animals, in the clause's tense, negation
// and question.
TEST(E2jPhrases, ThereIsSaysWhatIsWhere) {
    StyledTranslation const cases[] = {
        {"There is a book on the table.", "テーブルの上に本がある。", "テーブルの上に本があります。"},
        {"There are students in the classroom.", "教室に学生がいる。", "教室に学生がいます。"},
        {"There was a cat in the box.", "箱の中に猫がいた。", "箱の中に猫がいました。"},
        {"There is not a book on the table.", "テーブルの上に本がない。", "テーブルの上に本がありません。"},
        {"There were not any dogs in the park.", "公園に犬がいなかった。", "公園に犬がいませんでした。"},
        {"Is there a bank near the station?", "駅の近くに銀行があるか？", "駅の近くに銀行がありますか？"},
    };
    ExpectPlainAndPolite(cases);
}

// Comparatives: what is compared with takes より and comes first; "more"
// says nothing of its own.  Superlatives: 一番 before the adjective.  A tall
// person is 背が高い.
TEST(E2jPhrases, ComparisonsTakeYoriAndIchiban) {
    StyledTranslation const cases[] = {
        {"John is taller than Mary.", "ジョンはメアリーより背が高い。", "ジョンはメアリーより背が高いです。"},
        {"This car was cheaper than that car.", "この車はあの車より安かった。", "この車はあの車より安かったです。"},
        {"This question is more difficult than that one.", "この質問はあれより難しい。", "この質問はあれより難しいです。"},
        {"John is not taller than Mary.", "ジョンはメアリーより背が高くない。", "ジョンはメアリーより背が高くありません。"},
        {"He is the tallest.", "彼は一番背が高い。", "彼は一番背が高いです。"},
        {"This is the most interesting book.", "これは一番面白い本だ。", "これは一番面白い本です。"},
        {"She is the happiest girl.", "彼女は一番幸せな少女だ。", "彼女は一番幸せな少女です。"},
        // "most" before a noun is no superlative of an adjective.
        {"Most students study English.", "ほとんどの学生が英語を勉強する。", "ほとんどの学生が英語を勉強します。"},
    };
    ExpectPlainAndPolite(cases);
}

}  // namespace
