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
        {"Who did you meet?", "あなたは誰に会ったか？", "あなたは誰に会いましたか？"},
        {"What did you give to Mary?", "あなたはメアリーに何を与えたか？", "あなたはメアリーに何を与えましたか？"},
        {"Where does she live?", "彼女はどこに住んでいるか？", "彼女はどこに住んでいますか？"},
        {"Where did you read the book?", "あなたはどこで本を読んだか？", "あなたはどこで本を読みましたか？"},
        {"When did you come?", "あなたはいつ来たか？", "あなたはいつ来ましたか？"},
        {"Why did he go?", "彼はなぜ行ったか？", "彼はなぜ行きましたか？"},
        {"How does John go to school?", "ジョンはどうやって学校に行くか？", "ジョンはどうやって学校に行きますか？"},
    };
    ExpectPlainAndPolite(cases);
}

// With "be" the subject comes first and the question word or what "be"
// says of it before the copula, but an adverb asking about what "be" says
// goes first; a plain question drops だ before か.
TEST(E2jClauses, QuestionsWithBePutTheSubjectFirst) {
    StyledTranslation const cases[] = {
        {"What is this?", "これは何か？", "これは何ですか？"},
        {"Where is the station?", "駅はどこか？", "駅はどこですか？"},
        {"Who is your teacher?", "あなたの先生は誰か？", "あなたの先生は誰ですか？"},
        {"What was that?", "あれは何だったか？", "あれは何でしたか？"},
        {"How was the party?", "パーティーはどうだったか？", "パーティーはどうでしたか？"},
        {"Why is he busy?", "なぜ彼は忙しいか？", "なぜ彼は忙しいですか？"},
        {"When is he free?", "いつ彼は暇か？", "いつ彼は暇ですか？"},
        {"Is he a student?", "彼は学生か？", "彼は学生ですか？"},
        {"Is the book red?", "本は赤いか？", "本は赤いですか？"},
        {"Is the cat in the box?", "猫は箱の中にいるか？", "猫は箱の中にいますか？"},
    };
    ExpectPlainAndPolite(cases);
}

// A relative clause goes before its noun in plain form, even in a polite
// sentence; its pronoun has no Japanese, its own subject takes が.
TEST(E2jClauses, RelativeClausesComeBeforeTheirNounInPlainForm) {
    StyledTranslation const cases[] = {
        {"The man who lives here is a teacher.", "ここに住んでいる男は先生だ。", "ここに住んでいる男は先生です。"},
        {"The book that I bought is red.", "私が買った本は赤い。", "私が買った本は赤いです。"},
        {"I read the letter which she wrote.", "私は彼女が書いた手紙を読んだ。", "私は彼女が書いた手紙を読みました。"},
        {"The girl who is reading a book is my friend.", "本を読んでいる少女は私の友達だ。",
         "本を読んでいる少女は私の友達です。"},
        {"I met the man who was not a teacher.", "私は先生ではなかった男に会った。",
         "私は先生ではなかった男に会いました。"},
        {"The man who is a teacher is kind.", "先生である男は親切だ。", "先生である男は親切です。"},
        {"I like the room that is quiet.", "私は静かな部屋を好む。", "私は静かな部屋を好みます。"},
        {"The book that I did not buy is red.", "私が買わなかった本は赤い。", "私が買わなかった本は赤いです。"},
        {"The book that I read in the library was interesting.", "私が図書館で読んだ本は面白かった。",
         "私が図書館で読んだ本は面白かったです。"},
        {"Who wrote the book that you are reading?", "誰があなたが読んでいる本を書いたか？",
         "誰があなたが読んでいる本を書きましたか？"},
        {"The man whom John met is my father.", "ジョンが会った男は私の父だ。", "ジョンが会った男は私の父です。"},
        {"I have a friend who lives in Tokyo.", "私は東京に住んでいる友達を持っている。",
         "私は東京に住んでいる友達を持っています。"},
    };
    ExpectPlainAndPolite(cases);
}

// A subordinate clause comes first, in plain form with its subject taking
// が, its conjunction after it and then a comma: ので, とき, たら after the
// past form, 前に after the dictionary form and 後で after the past.
TEST(E2jClauses, SubordinateClausesComeFirstInPlainForm) {
    StyledTranslation const cases[] = {
        {"I stayed home because it rained.", "雨が降ったので、私は家にいた。", "雨が降ったので、私は家にいました。"},
        {"He did not come because he was busy.", "彼が忙しかったので、彼は来なかった。",
         "彼が忙しかったので、彼は来ませんでした。"},
        {"When I was young, I lived in Tokyo.", "私が若かったとき、私は東京に住んでいた。",
         "私が若かったとき、私は東京に住んでいました。"},
        {"She was reading a book when he came.", "彼が来たとき、彼女は本を読んでいた。",
         "彼が来たとき、彼女は本を読んでいました。"},
        {"If it rains, I will stay home.", "雨が降ったら、私は家にいる。", "雨が降ったら、私は家にいます。"},
        {"If you are busy I will come tomorrow.", "あなたが忙しかったら、私は明日来る。",
         "あなたが忙しかったら、私は明日来ます。"},
        {"If you do not run, Mary will not wait.", "あなたが走らなかったら、メアリーは待たない。",
         "あなたが走らなかったら、メアリーは待ちません。"},
        {"If not, call me.", "そうでなければ、私を呼べ。", "そうでなければ、私を呼んでください。"},
        {"If so, you will not run.", "そうなら、あなたは走らない。", "そうなら、あなたは走りません。"},
        {"I stayed home because the room is quiet.", "部屋が静かなので、私は家にいた。",
         "部屋が静かなので、私は家にいました。"},
        {"When I am free, I play the piano.", "私が暇なとき、私はピアノを弾く。", "私が暇なとき、私はピアノを弾きます。"},
        {"When he was a student, he lived in London.", "彼が学生だったとき、彼はロンドンに住んでいた。",
         "彼が学生だったとき、彼はロンドンに住んでいました。"},
        {"We stayed home because it was cold.", "寒かったので、私達は家にいた。", "寒かったので、私達は家にいました。"},
        {"Come here when you are free.", "あなたが暇なとき、ここに来い。", "あなたが暇なとき、ここに来てください。"},
        {"What did you eat when he came?", "彼が来たとき、あなたは何を食べたか？", "彼が来たとき、あなたは何を食べましたか？"},
        {"I studied English before I went to Japan.", "私が日本に行く前に、私は英語を勉強した。",
         "私が日本に行く前に、私は英語を勉強しました。"},
        {"After he came, we ate the fish.", "彼が来た後で、私達は魚を食べた。", "彼が来た後で、私達は魚を食べました。"},
    };
    ExpectPlainAndPolite(cases);
}

// Clauses joined by "and": the first ends in its i-form (ず when negated,
// ており in the progressive) and a comma, and verb phrases of one subject
// in the て form and a comma; the last carries the tense and style.  "but",
// "or" and "so": the first keeps its own form, in the sentence's style, and
// takes が, か or から.
TEST(E2jClauses, JoinedClausesShareTheLastOnesTenseOrEndInAParticle) {
    StyledTranslation const cases[] = {
        {"John eats fish and Mary eats meat.", "ジョンは魚を食べ、メアリーは肉を食べる。",
         "ジョンは魚を食べ、メアリーは肉を食べます。"},
        {"He wrote a letter and she read it.", "彼は手紙を書き、彼女はそれを読んだ。",
         "彼は手紙を書き、彼女はそれを読みました。"},
        {"John does not eat fish and Mary eats meat.", "ジョンは魚を食べず、メアリーは肉を食べる。",
         "ジョンは魚を食べず、メアリーは肉を食べます。"},
        {"She studied English, and he studied Japanese.", "彼女は英語を勉強し、彼は日本語を勉強した。",
         "彼女は英語を勉強し、彼は日本語を勉強しました。"},
        {"When he came, she was reading a book and I was writing a letter.",
         "彼が来たとき、彼女は本を読んでおり、私は手紙を書いていた。",
         "彼が来たとき、彼女は本を読んでおり、私は手紙を書いていました。"},
        {"John is a teacher and Mary is a student.", "ジョンは先生で、メアリーは学生だ。",
         "ジョンは先生で、メアリーは学生です。"},
        {"The dog is big and the cat is small.", "犬は大きく、猫は小さい。", "犬は大きく、猫は小さいです。"},
        {"Because it rained, we stayed home and read books.", "雨が降ったので、私達は家にいて、本を読んだ。",
         "雨が降ったので、私達は家にいて、本を読みました。"},
        {"He came and ate the fish.", "彼は来て、魚を食べた。", "彼は来て、魚を食べました。"},
        {"She is a teacher and lives here.", "彼女は先生で、ここに住んでいる。", "彼女は先生で、ここに住んでいます。"},
        {"John eats fish but Mary eats meat.", "ジョンは魚を食べるが、メアリーは肉を食べる。",
         "ジョンは魚を食べますが、メアリーは肉を食べます。"},
        {"The car is old but it runs.", "車は古いが、それは走る。", "車は古いですが、それは走ります。"},
        {"John eats fish or Mary eats meat.", "ジョンは魚を食べるか、メアリーは肉を食べる。",
         "ジョンは魚を食べますか、メアリーは肉を食べます。"},
        {"It rained, so I stayed home.", "雨が降ったから、私は家にいた。", "雨が降りましたから、私は家にいました。"},
        {"I am a student so I study English.", "私は学生だから、私は英語を勉強する。",
         "私は学生ですから、私は英語を勉強します。"},
    };
    ExpectPlainAndPolite(cases);
}

}  // namespace
