// e2j translate over the verb forms: the future and the modals, the perfect,
// the passive, imperatives, infinitives and gerunds, in plain and in polite
// style.
#include <gtest/gtest.h>

#include "e2j_translations.h"

namespace {

// The future: "will" in the clause's own tense, "will be" guessing, "be
// going to" a plan.
TEST(E2jVerbForms, TheFutureReadsAsJapanese) {
    StyledTranslation const cases[] = {
        {"He will come.", "彼は来る。", "彼は来ます。"},
        {"He will not come.", "彼は来ない。", "彼は来ません。"},
        {"He will be busy.", "彼は忙しいだろう。", "彼は忙しいでしょう。"},
        {"I am going to study English.", "私は英語を勉強するつもりだ。", "私は英語を勉強するつもりです。"},
        {"I am not going to go.", "私は行くつもりはない。", "私は行くつもりはありません。"},
    };
    ExpectPlainAndPolite(cases);
}

// Obligation and advice: "must" and "have to" as the a-form and なければ
// ならない, "must not" as the て form and はいけない, "don't have to" as
// なくてもいい, "should" as べきだ, negated as the copula is, "had better"
// as たほうがいい.
TEST(E2jVerbForms, ObligationAndAdviceReadAsJapanese) {
    StyledTranslation const cases[] = {
        {"You must study English.", "あなたは英語を勉強しなければならない。", "あなたは英語を勉強しなければなりません。"},
        {"You must meet Mary.", "あなたはメアリーに会わなければならない。", "あなたはメアリーに会わなければなりません。"},
        {"You must not run.", "あなたは走ってはいけない。", "あなたは走ってはいけません。"},
        {"He had to study English.", "彼は英語を勉強しなければならなかった。",
         "彼は英語を勉強しなければなりませんでした。"},
        {"You don't have to go.", "あなたは行かなくてもいい。", "あなたは行かなくてもいいです。"},
        {"You should eat fish.", "あなたは魚を食べるべきだ。", "あなたは魚を食べるべきです。"},
        {"You should not eat fish.", "あなたは魚を食べるべきではない。", "あなたは魚を食べるべきではありません。"},
        // "had better" advises: たほうがいい, ないほうがいい.
        {"You had better study English.", "あなたは英語を勉強したほうがいい。", "あなたは英語を勉強したほうがいいです。"},
        {"You had better not eat the fish.", "あなたは魚を食べないほうがいい。", "あなたは魚を食べないほうがいいです。"},
    };
    ExpectPlainAndPolite(cases);
}

// Ability, possibility and leave: "can" negated as ことができない, "may" as
// かもしれない after a verb, an adjective, a noun, be as いる, or their
// negatives; "you may" as てもいい, "you may not" as てはいけない.
TEST(E2jVerbForms, AbilityPossibilityAndLeaveReadAsJapanese) {
    StyledTranslation const cases[] = {
        {"I can't swim.", "私は泳ぐことができない。", "私は泳ぐことができません。"},
        {"John could not meet Mary.", "ジョンはメアリーに会うことができなかった。",
         "ジョンはメアリーに会うことができませんでした。"},
        {"He may come.", "彼は来るかもしれない。", "彼は来るかもしれません。"},
        {"She may not eat fish.", "彼女は魚を食べないかもしれない。", "彼女は魚を食べないかもしれません。"},
        {"He may be busy.", "彼は忙しいかもしれない。", "彼は忙しいかもしれません。"},
        {"He may not be a student.", "彼は学生ではないかもしれない。", "彼は学生ではないかもしれません。"},
        {"The cat may be in the box.", "猫は箱の中にいるかもしれない。", "猫は箱の中にいるかもしれません。"},
        // "You may" gives leave, and forbids when negated.
        {"You may go.", "あなたは行ってもいい。", "あなたは行ってもいいです。"},
        {"You may not run.", "あなたは走ってはいけない。", "あなたは走ってはいけません。"},
    };
    ExpectPlainAndPolite(cases);
}

// A question's modal follows the verb phrase as in a statement; "May I"
// asks leave, てもいい, "Could you" a favour, てくれませんか, and "Would you
// like to" what one wants, たいですか.
TEST(E2jVerbForms, ModalQuestionsReadAsJapanese) {
    StyledTranslation const cases[] = {
        {"Can you swim?", "あなたは泳ぐことができるか？", "あなたは泳ぐことができますか？"},
        {"Should I open the window?", "私は窓を開けるべきか？", "私は窓を開けるべきですか？"},
        {"May I use the pen?", "私はペンを使ってもいいか？", "私はペンを使ってもいいですか？"},
        {"Could you open the door?", "あなたはドアを開けてくれないか？", "あなたはドアを開けてくれませんか？"},
        {"Would you like to eat an apple?", "あなたはりんごを食べたいか？", "あなたはりんごを食べたいですか？"},
    };
    ExpectPlainAndPolite(cases);
}

// The present perfect reads as the past; the past perfect and the negated
// perfect as the て form and いる; experience as たことがある; a state keeps
// its tense.
TEST(E2jVerbForms, ThePerfectReadsAsJapanese) {
    StyledTranslation const cases[] = {
        {"I have finished the work.", "私は仕事を終えた。", "私は仕事を終えました。"},
        {"He has eaten the apple.", "彼はりんごを食べた。", "彼はりんごを食べました。"},
        {"Have you read this book?", "あなたはこの本を読んだか？", "あなたはこの本を読みましたか？"},
        {"He had finished the work.", "彼は仕事を終えていた。", "彼は仕事を終えていました。"},
        {"I have not finished the work.", "私は仕事を終えていない。", "私は仕事を終えていません。"},
        // A state goes on: a verb already in its ている form keeps its tense.
        {"He has lived in Tokyo.", "彼は東京に住んでいる。", "彼は東京に住んでいます。"},
        // Experience: たことがある, たことがない; already もう, yet まだ.
        {"Have you ever read this book?", "あなたはこの本を読んだことがあるか？",
         "あなたはこの本を読んだことがありますか？"},
        {"He has never swum in the sea.", "彼は海で泳いだことがない。", "彼は海で泳いだことがありません。"},
        {"I have already finished the work.", "私はもう仕事を終えた。", "私はもう仕事を終えました。"},
        {"I have not finished the work yet.", "私はまだ仕事を終えていない。", "私はまだ仕事を終えていません。"},
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
        {"English is spoken in America.", "英語はアメリカで話される。", "英語はアメリカで話されます。"},
        {"I was born in Tokyo.", "私は東京で生まれた。", "私は東京で生まれました。"},
        {"Was this book written by John?", "この本はジョンに書かれたか？", "この本はジョンに書かれましたか？"},
        {"Were you born in Tokyo?", "あなたは東京で生まれたか？", "あなたは東京で生まれましたか？"},
        // The agent stays with the participle, in a relative clause too.
        {"I read the book which was written by John.", "私はジョンに書かれた本を読んだ。",
         "私はジョンに書かれた本を読みました。"},
    };
    ExpectPlainAndPolite(cases);
}

// The plain style orders, the polite one and "please" ask with ください;
// a negated imperative, "don't" included, forbids.
TEST(E2jVerbForms, ImperativesReadAsJapanese) {
    StyledTranslation const cases[] = {
        {"Open the door.", "ドアを開けろ。", "ドアを開けてください。"},
        {"Write a letter.", "手紙を書け。", "手紙を書いてください。"},
        {"Come here.", "ここに来い。", "ここに来てください。"},
        {"Study English.", "英語を勉強しろ。", "英語を勉強してください。"},
        {"Meet Mary.", "メアリーに会え。", "メアリーに会ってください。"},
        {"Don't run.", "走るな。", "走らないでください。"},
        {"Do not eat the fish.", "魚を食べるな。", "魚を食べないでください。"},
        // "please" asks in either style.
        {"Please open the door.", "ドアを開けてください。", "ドアを開けてください。"},
        {"Please don't run.", "走らないでください。", "走らないでください。"},
        // Be and an adjective: its adverb form and する.
        {"Be quiet.", "静かにしろ。", "静かにしてください。"},
        // "Let's" suggests: the volitional, ましょう.
        {"Let's go to the park.", "公園に行こう。", "公園に行きましょう。"},
    };
    ExpectPlainAndPolite(cases);
}

// The verbs that take an infinitive ask its verb for a form of their own:
// たい (たがっている when someone else wants, たい for "would like"),
// ようとする, 必要がある, the i-form before 始める, ことが好きだ; an
// infinitive of purpose is ために.
TEST(E2jVerbForms, InfinitiveComplementsReadAsJapanese) {
    StyledTranslation const cases[] = {
        {"I want to eat an apple.", "私はりんごを食べたい。", "私はりんごを食べたいです。"},
        {"I don't want to eat fish.", "私は魚を食べたくない。", "私は魚を食べたくないです。"},
        {"Do you want to eat an apple?", "あなたはりんごを食べたいか？", "あなたはりんごを食べたいですか？"},
        {"Where do you want to go?", "あなたはどこに行きたいか？", "あなたはどこに行きたいですか？"},
        // The question word fills the infinitive's object.
        {"What do you want to eat?", "あなたは何を食べたいか？", "あなたは何を食べたいですか？"},
        {"John wanted to meet Mary.", "ジョンはメアリーに会いたがっていた。", "ジョンはメアリーに会いたがっていました。"},
        // "to be" becomes: になる.
        {"I want to be a teacher.", "私は先生になりたい。", "私は先生になりたいです。"},
        {"I want to be strong.", "私は強くなりたい。", "私は強くなりたいです。"},
        {"He tried to read the book.", "彼は本を読もうとした。", "彼は本を読もうとしました。"},
        {"I need to study English.", "私は英語を勉強する必要がある。", "私は英語を勉強する必要があります。"},
        {"She began to cry.", "彼女は泣き始めた。", "彼女は泣き始めました。"},
        {"I like to swim.", "私は泳ぐことが好きだ。", "私は泳ぐことが好きです。"},
        {"I would like to eat an apple.", "私はりんごを食べたい。", "私はりんごを食べたいです。"},
        // An infinitive of purpose: ために.
        {"She went to the store to buy bread.", "彼女はパンを買うために店に行った。",
         "彼女はパンを買うために店に行きました。"},
        {"He came to Japan to study Japanese.", "彼は日本語を勉強するために日本に来た。",
         "彼は日本語を勉強するために日本に来ました。"},
    };
    ExpectPlainAndPolite(cases);
}

// A gerund is its verb's dictionary form and こと: が before 好き, を as
// another verb's object, は as a subject; before 始める and 終える the i-form.
TEST(E2jVerbForms, GerundsReadAsJapanese) {
    StyledTranslation const cases[] = {
        {"I like swimming.", "私は泳ぐことが好きだ。", "私は泳ぐことが好きです。"},
        {"I don't like swimming.", "私は泳ぐことが好きではない。", "私は泳ぐことが好きではありません。"},
        {"The man who likes swimming is my father.", "泳ぐことが好きな男は私の父だ。",
         "泳ぐことが好きな男は私の父です。"},
        {"He likes playing the piano.", "彼はピアノを弾くことが好きだ。", "彼はピアノを弾くことが好きです。"},
        {"I enjoyed swimming.", "私は泳ぐことを楽しんだ。", "私は泳ぐことを楽しみました。"},
        {"He began reading the book.", "彼は本を読み始めた。", "彼は本を読み始めました。"},
        {"I finished reading the book.", "私は本を読み終えた。", "私は本を読み終えました。"},
        {"Reading books is fun.", "本を読むことは楽しい。", "本を読むことは楽しいです。"},
        {"Swimming is not difficult.", "泳ぐことは難しくない。", "泳ぐことは難しくありません。"},
        // "It is ... to": the infinitive is the subject, こと with は.
        {"It is important to study English.", "英語を勉強することは重要だ。", "英語を勉強することは重要です。"},
        {"It was fun to play the guitar.", "ギターを弾くことは楽しかった。", "ギターを弾くことは楽しかったです。"},
    };
    ExpectPlainAndPolite(cases);
}

// Knowing is a state: 知っている, in every tense; negated, 知らない.
TEST(E2jVerbForms, KnowingIsAState) {
    StyledTranslation const cases[] = {
        {"I know John.", "私はジョンを知っている。", "私はジョンを知っています。"},
        {"He knew the answer.", "彼は答えを知っていた。", "彼は答えを知っていました。"},
        {"I don't know.", "私は知らない。", "私は知りません。"},
    };
    ExpectPlainAndPolite(cases);
}

// The progressive in a question lacking its object, which the question
// word fills; an adjective in -ing is no progressive, though a verb of the
// EDICT lexicon would have the same form.
TEST(E2jVerbForms, TheProgressiveReadsAsJapanese) {
    StyledTranslation const cases[] = {
        {"What are you doing?", "あなたは何をしているか？", "あなたは何をしていますか？"},
        {"What was he reading?", "彼は何を読んでいたか？", "彼は何を読んでいましたか？"},
        {"This book is interesting.", "この本は面白い。", "この本は面白いです。"},
        {"He is running.", "彼は走っている。", "彼は走っています。"},
    };
    ExpectPlainAndPolite(cases);
}

// "never" negates its clause.
TEST(E2jVerbForms, NeverNegates) {
    StyledTranslation const cases[] = {
        {"He never eats fish.", "彼は決して魚を食べない。", "彼は決して魚を食べません。"},
        {"She is never late.", "彼女は決して遅くない。", "彼女は決して遅くありません。"},
    };
    ExpectPlainAndPolite(cases);
}

// A contracted auxiliary reads as its full form; "'s" is "is" or "has" as
// the verb after it asks.
TEST(E2jVerbForms, ContractionsReadAsTheirFullForms) {
    StyledTranslation const cases[] = {
        {"I'm reading a book.", "私は本を読んでいる。", "私は本を読んでいます。"},
        {"It isn't big.", "それは大きくない。", "それは大きくありません。"},
        {"I won't go.", "私は行かない。", "私は行きません。"},
        {"I'll go.", "私は行く。", "私は行きます。"},
        {"He's a teacher.", "彼は先生だ。", "彼は先生です。"},
        {"He's eaten the apple.", "彼はりんごを食べた。", "彼はりんごを食べました。"},
        {"You shouldn't eat fish.", "あなたは魚を食べるべきではない。", "あなたは魚を食べるべきではありません。"},
    };
    ExpectPlainAndPolite(cases);
}

// "come" is both the base and the participle: after a subject it is the
// present, after "have" the perfect.
TEST(E2jVerbForms, ABaseSpeltAsTheParticipleIsThePresent) {
    StyledTranslation const cases[] = {
        {"I come here.", "私はここに来る。", "私はここに来ます。"},
        {"He has come.", "彼は来た。", "彼は来ました。"},
    };
    ExpectPlainAndPolite(cases);
}

}  // namespace
