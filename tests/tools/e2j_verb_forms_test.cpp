// e2j translate over the verb forms: modals, in plain and in polite style.
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

}  // namespace
