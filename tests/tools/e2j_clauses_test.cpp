// e2j translate on questions and joined clauses: each structure's sentences
// with the exact Japanese they give in plain and in polite style.  A plain
// question ends in か after the plain verb, a polite one in ますか.
#include <gtest/gtest.h>

#include "e2j_translations.h"

namespace {

// The question word takes the place of what it asks for: the object (and
// the auxiliary's tense is the clause's), the subject with が, or an
// adverbial after the subject.
TEST(E2jClauses, WhQuestionsAskInPlace) {
    StyledTranslation const cases[] = {
        {"What did John eat?", "ジョンは何を食べたか？", "ジョンは何を食べましたか？"},
        {"What does she read?", "彼女は何を読むか？", "彼女は何を読みますか？"},
        {"Who broke the window?", "誰が窓を壊したか？", "誰が窓を壊しましたか？"},
        {"Who eats fish?", "誰が魚を食べるか？", "誰が魚を食べますか？"},
        {"Where does she live?", "彼女はどこに住んでいるか？", "彼女はどこに住んでいますか？"},
        {"Where did you read the book?", "あなたはどこで本を読んだか？", "あなたはどこで本を読みましたか？"},
        {"When did you come?", "あなたはいつ来たか？", "あなたはいつ来ましたか？"},
        {"Why did he go?", "彼はなぜ行ったか？", "彼はなぜ行きましたか？"},
        {"How does John go to school?", "ジョンはどうやって学校に行くか？", "ジョンはどうやって学校に行きますか？"},
    };
    ExpectPlainAndPolite(cases);
}

}  // namespace
