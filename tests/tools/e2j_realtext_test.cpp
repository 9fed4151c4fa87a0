// e2j translate on the shapes real text takes beyond the textbook
// sentence: lines ended by their line end instead of a stop, headings and
// titles, instructions on a line of their own, list items, sentence
// adverbials before a comma, labels and colons, parentheses, quoted titles,
// plurals spelt as verb forms, joined phrases.  Each English text with the
// exact Japanese it gives in plain and in polite style.
#include <gtest/gtest.h>

#include "e2j_translations.h"

namespace {

// A sentence whose line ends without a stop reads as the sentence, and the
// next line as a sentence of its own.
TEST(E2jRealText, ALineEndEndsASentenceWithoutAStop) {
    StyledTranslation const cases[] = {
        {"He came yesterday\n", "彼は昨日来た\n", "彼は昨日来ました\n"},
        {"The dog eats meat\nThe cat eats fish\n", "犬は肉を食べる\n猫は魚を食べる\n",
         "犬は肉を食べます\n猫は魚を食べます\n"},
        {"She is not big\n", "彼女は大きくない\n", "彼女は大きくありません\n"},
        {"John eats fish and Mary eats meat\n", "ジョンは魚を食べ、メアリーは肉を食べる\n",
         "ジョンは魚を食べ、メアリーは肉を食べます\n"},
    };
    ExpectPlainAndPolite(cases);
}

// A heading is a noun phrase alone: no particle, no copula, in either style;
// the sentence after it keeps its own.
TEST(E2jRealText, AHeadingReadsAsItsNounPhrase) {
    StyledTranslation const cases[] = {
        {"My school\n", "私の学校\n", "私の学校\n"},
        {"The red car", "赤い車", "赤い車"},
        {"My father's car\n", "私の父の車\n", "私の父の車\n"},
        // A noun that is also a verb is a heading before it is an order.
        {"Help\n", "助け\n", "助け\n"},
        {"School visits\n", "学校訪問\n", "学校訪問\n"},
        // A name no dictionary knows is not made a verb to give an order.
        {"Zorg school\n", "Zorg 学校\n", "Zorg 学校\n"},
        {"The park\nThe children play in the park.\n", "公園\n子供は公園で遊ぶ。\n", "公園\n子供は公園で遊びます。\n"},
        // Underlined: the rule of tildes stays as it is.
        {"My school\n~~~~~~~~~\nThe school is big.\n", "私の学校\n~~~~~~~~~\n学校は大きい。\n",
         "私の学校\n~~~~~~~~~\n学校は大きいです。\n"},
        // A gerund: the dictionary form and こと.
        {"Eating apples\n", "りんごを食べること\n", "りんごを食べること\n"},
        {"Swimming\n", "泳ぐこと\n", "泳ぐこと\n"},
    };
    ExpectPlainAndPolite(cases);
}

// An instruction on a line of its own reads as one with a stop would.
TEST(E2jRealText, AnInstructionWithoutAStopIsStillAnOrder) {
    StyledTranslation const cases[] = {
        {"Read the book\n", "本を読め\n", "本を読んでください\n"},
        {"Do not open the door\n", "ドアを開けるな\n", "ドアを開けないでください\n"},
        {"Open the window", "窓を開けろ", "窓を開けてください"},
    };
    ExpectPlainAndPolite(cases);
}

// A list item keeps its bullet before it.
TEST(E2jRealText, AListItemKeepsItsBullet) {
    StyledTranslation const cases[] = {
        {"* Read the book\n", "・本を読め\n", "・本を読んでください\n"},
        {"  * The cat eats fish.\n", "  ・猫は魚を食べる。\n", "  ・猫は魚を食べます。\n"},
        {"* My school\n", "・私の学校\n", "・私の学校\n"},
    };
    ExpectPlainAndPolite(cases);
}

// An adverb or a phrase before the clause keeps its place and its comma.
TEST(E2jRealText, AnAdverbialBeforeTheClauseKeepsItsComma) {
    StyledTranslation const cases[] = {
        {"However, the dog eats meat.", "しかし、犬は肉を食べる。", "しかし、犬は肉を食べます。"},
        {"For example, she reads a book.", "例えば、彼女は本を読む。", "例えば、彼女は本を読みます。"},
        {"In the park, the children play.", "公園で、子供は遊ぶ。", "公園で、子供は遊びます。"},
        {"Yesterday, he came.", "昨日、彼は来た。", "昨日、彼は来ました。"},
        {"Of course, I like music.", "もちろん、私は音楽を好む。", "もちろん、私は音楽を好みます。"},
        // Where to read more goes first, as Japanese says it.
        {"See the book for more details.", "詳細については本を見ろ。", "詳細については本を見てください。"},
        {"For more information, read the book.", "詳しくは、本を読め。", "詳しくは、本を読んでください。"},
    };
    ExpectPlainAndPolite(cases);
}

// A colon ends a sentence that introduces what follows, or a label before
// what it labels.
TEST(E2jRealText, AColonIntroducesOrLabels) {
    StyledTranslation const cases[] = {
        {"My family:\n", "私の家族：\n", "私の家族：\n"},
        {"She likes these things:\n", "彼女はこれらの物を好む：\n", "彼女はこれらの物を好みます：\n"},
        {"Homework: read the book.", "宿題：本を読め。", "宿題：本を読んでください。"},
    };
    ExpectPlainAndPolite(cases);
}

// A parenthesis follows the word it explains, and an object's particle
// follows the parenthesis.
TEST(E2jRealText, AParenthesisFollowsWhatItExplains) {
    StyledTranslation const cases[] = {
        {"The dog (a big dog) eats meat.", "犬（大きい犬）は肉を食べる。", "犬（大きい犬）は肉を食べます。"},
        {"I met Mary (my friend).", "私はメアリー（私の友達）に会った。", "私はメアリー（私の友達）に会いました。"},
        {"She reads the book (in the park).", "彼女は本（公園で）を読む。", "彼女は本（公園で）を読みます。"},
        {"(The dog eats meat.)", "（犬は肉を食べる。）", "（犬は肉を食べます。）"},
        // Not before the copula, and an adjective keeps its endings.
        {"The dog is my friend (a big dog).", "犬は私の友達（大きい犬）だ。", "犬は私の友達（大きい犬）です。"},
        {"The box is big (the red box).", "箱は大きい（赤い箱）。", "箱は大きいです（赤い箱）。"},
    };
    ExpectPlainAndPolite(cases);
}

// A name or a title in quotes is a noun phrase in 「」 with the particle of
// its place after it; a name and a dash label what follows.
TEST(E2jRealText, AQuotedTitleIsANounPhrase) {
    StyledTranslation const cases[] = {
        {"He wrote \"Momo\".", "彼は「Momo」を書いた。", "彼は「Momo」を書きました。"},
        {"\"Momo\" is a book.", "「Momo」は本だ。", "「Momo」は本です。"},
        {"I like \"Momo\".", "私は「Momo」を好む。", "私は「Momo」を好みます。"},
        {"John -- my brother\n", "ジョン―私の兄弟\n", "ジョン―私の兄弟\n"},
        {"I read the \"Book\".", "私は「本」を読んだ。", "私は「本」を読みました。"},
        {"This is \"Momo\".", "これは「Momo」だ。", "これは「Momo」です。"},
    };
    ExpectPlainAndPolite(cases);
}

// Words of quantity and kind before a noun, and "all" before its article.
TEST(E2jRealText, QuantityAndKindComeBeforeTheNoun) {
    StyledTranslation const cases[] = {
        {"All the children play in the park.", "全ての子供は公園で遊ぶ。", "全ての子供は公園で遊びます。"},
        {"I read all the books.", "私は全ての本を読んだ。", "私は全ての本を読みました。"},
        {"The following books are red.", "以下の本は赤い。", "以下の本は赤いです。"},
        {"She likes other dogs.", "彼女は他の犬を好む。", "彼女は他の犬を好みます。"},
        {"Several students came.", "いくつかの学生が来た。", "いくつかの学生が来ました。"},
    };
    ExpectPlainAndPolite(cases);
}

// A plural spelt as another word's form is still the noun's plural, and a
// verb of the core has its noun as well.
TEST(E2jRealText, APluralSpeltAsAVerbFormIsStillANoun) {
    StyledTranslation const cases[] = {
        {"The answers are easy.", "答えは易しい。", "答えは易しいです。"},
        {"The watches are expensive.", "腕時計は高い。", "腕時計は高いです。"},
        {"I like the changes.", "私は変更を好む。", "私は変更を好みます。"},
        {"My father needs your help.", "私の父はあなたの助けを必要とする。", "私の父はあなたの助けを必要とします。"},
    };
    ExpectPlainAndPolite(cases);
}

// Phrases joined: a list's last comma before "and" has no Japanese; verbs
// sharing their object take their i-form and a comma, or before "or" their
// dictionary form and か.
TEST(E2jRealText, JoinedPhrasesShareWhatFollows) {
    StyledTranslation const cases[] = {
        {"I like dogs, cats, and birds.", "私は犬、猫と鳥を好む。", "私は犬、猫と鳥を好みます。"},
        {"You can copy, modify and distribute the program.",
         "あなたはプログラムをコピーし、変更し、配布することができる。",
         "あなたはプログラムをコピーし、変更し、配布することができます。"},
        {"He bought and read the book.", "彼は本を買い、読んだ。", "彼は本を買い、読みました。"},
        {"Read or write the book.", "本を読むか書け。", "本を読むか書いてください。"},
        // Two sentences joined by a semicolon keep it, each in the style.
        {"The dog eats meat; the cat eats fish.", "犬は肉を食べる；猫は魚を食べる。",
         "犬は肉を食べます；猫は魚を食べます。"},
        {"I came; I saw the dog.", "私は来た；私は犬を見た。", "私は来ました；私は犬を見ました。"},
    };
    ExpectPlainAndPolite(cases);
}

}  // namespace
