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

}  // namespace
