// e2j translate over the verb forms: modals, the perfect, the passive and
// imperatives, in plain and in polite style.
#include <gtest/gtest.h>

#include "e2j_translations.h"

namespace {

// Each modal asks the verb for its form by class and spells its own ending
// in the clause's style and negation.
TEST(E2jVerbForms, ModalsReadAsJapanese) {
    StyledTranslation const cases[] = {
        // "will": the verb in the clause's own tense.
        {"He will come.", "彼は来る。", "彼は来ます。"},
        {"He will not come.", "彼は来ない。", "彼は来ません。"},
        // "must": the a-form and なければならない; "must not": the て form and はいけない.
        {"You must study English.", "あなたは英語を勉強しなければならない。", "あなたは英語を勉強しなければなりません。"},
        {"You must meet Mary.", "あなたはメアリーに会わなければならない。", "あなたはメアリーに会わなければなりません。"},
        {"You must not run.", "あなたは走ってはいけない。", "あなたは走ってはいけません。"},
        // "can" negated, written out or joined: ことができない.
        {"I can't swim.", "私は泳ぐことができない。", "私は泳ぐことができません。"},
        {"John could not meet Mary.", "ジョンはメアリーに会うことができなかった。",
         "ジョンはメアリーに会うことができませんでした。"},
        // "should": the dictionary form and べきだ, negated as the copula is.
        {"You should eat fish.", "あなたは魚を食べるべきだ。", "あなたは魚を食べるべきです。"},
        {"You should not eat fish.", "あなたは魚を食べるべきではない。", "あなたは魚を食べるべきではありません。"},
        // "may": かもしれない after a verb, an adjective, a noun, or their negatives.
        {"He may come.", "彼は来るかもしれない。", "彼は来るかもしれません。"},
        {"She may not eat fish.", "彼女は魚を食べないかもしれない。", "彼女は魚を食べないかもしれません。"},
        {"He may be busy.", "彼は忙しいかもしれない。", "彼は忙しいかもしれません。"},
        {"He may not be a student.", "彼は学生ではないかもしれない。", "彼は学生ではないかもしれません。"},
    };
    ExpectPlainAndPolite(cases);
}

// The present perfect reads as the past; the past perfect and the negated
// perfect as the て form and いる.
TEST(E2jVerbForms, ThePerfectReadsAsJapanese) {
    StyledTranslation const cases[] = {
        {"I have finished the work.", "私は仕事を終えた。", "私は仕事を終えました。"},
        {"He has eaten the apple.", "彼はりんごを食べた。", "彼はりんごを食べました。"},
        {"Have you read this book?", "あなたはこの本を読んだか？", "あなたはこの本を読みましたか？"},
        {"He had finished the work.", "彼は仕事を終えていた。", "彼は仕事を終えていました。"},
        {"I have not finished the work.", "私は仕事を終えていない。", "私は仕事を終えていません。"},
    };
    ExpectPlainAndPolite(cases);
}

// The passive stem by class (られる for ichidan verbs, the a-form and れる for
// godan ones), the agent with に.
TEST(E2jVerbForms, ThePassiveReadsAsJapanese) {
    StyledTranslation const cases[] = {
        {"The window was broken by the boy.", "窓は少年に壊された。", "窓は少年に壊されました。"},
        {"The fish was eaten by the cat.", "魚は猫に食べられた。", "魚は猫に食べられました。"},
        {"The boy was called by the teacher.", "少年は先生に呼ばれた。", "少年は先生に呼ばれました。"},
        {"The window was not broken.", "窓は壊されなかった。", "窓は壊されませんでした。"},
    };
    ExpectPlainAndPolite(cases);
}

// The plain style orders, the polite one asks with ください; a negated
// imperative, "don't" included, forbids.
TEST(E2jVerbForms, ImperativesReadAsJapanese) {
    StyledTranslation const cases[] = {
        {"Open the door.", "ドアを開けろ。", "ドアを開けてください。"},
        {"Write a letter.", "手紙を書け。", "手紙を書いてください。"},
        {"Come here.", "ここに来い。", "ここに来てください。"},
        {"Study English.", "英語を勉強しろ。", "英語を勉強してください。"},
        {"Meet Mary.", "メアリーに会え。", "メアリーに会ってください。"},
        {"Don't run.", "走るな。", "走らないでください。"},
        {"Do not eat the fish.", "魚を食べるな。", "魚を食べないでください。"},
    };
    ExpectPlainAndPolite(cases);
}

}  // namespace
