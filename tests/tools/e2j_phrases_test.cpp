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

}  // namespace
