// e2j translate on the clause shapes licences and manuals are written in:
// each structure's sentences with the exact Japanese they give in plain and
// in polite style.
#include <gtest/gtest.h>

#include "e2j_translations.h"

namespace {

// An infinitive of purpose before the clause keeps its comma and reads as
// the dictionary form and ために, before a statement or an order alike.
TEST(E2jProse, LeadingPurposeInfinitiveTakesTameni) {
    StyledTranslation const cases[] = {
        {"To copy the program, you must keep this notice.",
         "プログラムをコピーするために、あなたはこの掲示を保たなければならない。",
         "プログラムをコピーするために、あなたはこの掲示を保たなければなりません。"},
        {"To change the file, you need a key.", "ファイルを変えるために、あなたは鍵を必要とする。",
         "ファイルを変えるために、あなたは鍵を必要とします。"},
        {"To use the program, open this file.", "プログラムを使うために、このファイルを開けろ。",
         "プログラムを使うために、このファイルを開けてください。"},
    };
    ExpectPlainAndPolite(cases);
}

// A subordinate clause after a comma goes first, as one without the comma
// does: one comma after its conjunction, and the main clause, statement or
// order, after it.
TEST(E2jProse, TrailingSubordinateClauseAfterCommaGoesFirst) {
    StyledTranslation const cases[] = {
        {"You may copy the program, if you keep the notice.",
         "あなたが掲示を保ったら、あなたはプログラムをコピーしてもいい。",
         "あなたが掲示を保ったら、あなたはプログラムをコピーしてもいいです。"},
        {"You must keep the notice, when you copy the program.",
         "あなたがプログラムをコピーするとき、あなたは掲示を保たなければならない。",
         "あなたがプログラムをコピーするとき、あなたは掲示を保たなければなりません。"},
        {"Keep the notice, if you copy the program.", "あなたがプログラムをコピーしたら、掲示を保て。",
         "あなたがプログラムをコピーしたら、掲示を保ってください。"},
    };
    ExpectPlainAndPolite(cases);
}

// A relative clause set off by commas goes before its noun as one without
// them does, its commas gone, in the middle of the sentence or at its end.
TEST(E2jProse, RelativeClauseBetweenCommasGoesBeforeItsNoun) {
    StyledTranslation const cases[] = {
        {"The book, which is old, is interesting.", "古い本は面白い。", "古い本は面白いです。"},
        {"The man, who lives here, is a teacher.", "ここに住んでいる男は先生だ。", "ここに住んでいる男は先生です。"},
        {"I read the book, which was interesting.", "私は面白かった本を読んだ。", "私は面白かった本を読みました。"},
        {"You must keep the notice, which I wrote.", "あなたは私が書いた掲示を保たなければならない。",
         "あなたは私が書いた掲示を保たなければなりません。"},
        {"He met Mary, who lives in Tokyo.", "彼は東京に住んでいるメアリーに会った。",
         "彼は東京に住んでいるメアリーに会いました。"},
    };
    ExpectPlainAndPolite(cases);
}

// Verb phrases of one subject joined by "and", "or" or "and/or", with or
// without a comma: the first in its て form and 、 or its dictionary form and
// か、.
TEST(E2jProse, VerbPhrasesJoinedAfterACommaOrByOr) {
    StyledTranslation const cases[] = {
        {"You may copy the program, and change it.", "あなたはプログラムをコピーして、それを変えてもいい。",
         "あなたはプログラムをコピーして、それを変えてもいいです。"},
        {"You may copy the program or change it.", "あなたはプログラムをコピーするか、それを変えてもいい。",
         "あなたはプログラムをコピーするか、それを変えてもいいです。"},
        {"You may copy the program, or change it.", "あなたはプログラムをコピーするか、それを変えてもいい。",
         "あなたはプログラムをコピーするか、それを変えてもいいです。"},
        // "and/or" as "or", between verb phrases and between clauses.
        {"You can redistribute it and/or modify it.", "あなたはそれを再配布するか、それを変更することができる。",
         "あなたはそれを再配布するか、それを変更することができます。"},
        {"He reads a book and/or she writes a letter.", "彼は本を読むか、彼女は手紙を書く。",
         "彼は本を読みますか、彼女は手紙を書きます。"},
    };
    ExpectPlainAndPolite(cases);
}

// After "be required" or "be permitted" the infinitive is what is required
// or permitted: the dictionary form and ことが before the passive, in the
// affirmative and the negative; other infinitives still say a purpose.
TEST(E2jProse, RequiredOrPermittedInfinitiveIsThePassivesSubject) {
    StyledTranslation const cases[] = {
        {"You are required to keep the notice.", "あなたは掲示を保つことが求められる。",
         "あなたは掲示を保つことが求められます。"},
        {"You are not permitted to sell it.", "あなたはそれを売ることが許されない。",
         "あなたはそれを売ることが許されません。"},
        {"The book was written to help students.", "本は学生を助けるために書かれた。",
         "本は学生を助けるために書かれました。"},
    };
    ExpectPlainAndPolite(cases);
}

// Leave given by "may" ends a clause joined by "and" as an adjective does,
// てもよく、, with or without the comma; the last clause keeps いい.
TEST(E2jProse, LeaveGivenEndsAJoinedClauseInYoku) {
    StyledTranslation const cases[] = {
        {"You may copy the program, and you may change it.",
         "あなたはプログラムをコピーしてもよく、あなたはそれを変えてもいい。",
         "あなたはプログラムをコピーしてもよく、あなたはそれを変えてもいいです。"},
        {"You may copy it and he may read it.", "あなたはそれをコピーしてもよく、彼はそれを読むかもしれない。",
         "あなたはそれをコピーしてもよく、彼はそれを読むかもしれません。"},
    };
    ExpectPlainAndPolite(cases);
}

// "in order to" is an infinitive of purpose as "to" is, after the clause or
// before it.
TEST(E2jProse, InOrderToSaysAPurpose) {
    StyledTranslation const cases[] = {
        {"You must keep the notice in order to copy the program.",
         "あなたはプログラムをコピーするために掲示を保たなければならない。",
         "あなたはプログラムをコピーするために掲示を保たなければなりません。"},
        {"She came here in order to help me.", "彼女は私を助けるためにここに来た。",
         "彼女は私を助けるためにここに来ました。"},
        {"In order to copy the program, you must keep the notice.",
         "プログラムをコピーするために、あなたは掲示を保たなければならない。",
         "プログラムをコピーするために、あなたは掲示を保たなければなりません。"},
    };
    ExpectPlainAndPolite(cases);
}

}  // namespace
