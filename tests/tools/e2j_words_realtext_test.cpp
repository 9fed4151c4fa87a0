// e2j translate on the words licences and README files lean on, where the
// first meaning a general dictionary gives is not the one such text means,
// and on words of two meanings the words around them tell apart.  Each
// English sentence with the exact Japanese it gives in plain and in polite
// style.
#include <gtest/gtest.h>

#include "e2j_translations.h"

namespace {

// Software's own nouns and adjectives read as such text means them.
TEST(E2jWordsRealText, LicenceAndReadmeWordsReadAsSoftwareMeansThem) {
    StyledTranslation const cases[] = {
        {"The source code is available.", "ソースコードは利用可能だ。", "ソースコードは利用可能です。"},
        {"The author holds the copyright.", "作者は著作権を持つ。", "作者は著作権を持ちます。"},
        {"The copyright holder grants the license.", "著作権所有者はライセンスを与える。",
         "著作権所有者はライセンスを与えます。"},
        {"Read the terms and conditions.", "条項と条件を読め。", "条項と条件を読んでください。"},
        {"This option is for the user.", "このオプションはユーザーのためにある。",
         "このオプションはユーザーのためにあります。"},
        {"The system is new.", "システムは新しい。", "システムは新しいです。"},
        {"This is a general question.", "これは一般的な質問だ。", "これは一般的な質問です。"},
        // A plural agrees with "these" and keeps its noun's translation.
        {"These requirements apply to the work.", "これらの要件は仕事に当てはまる。",
         "これらの要件は仕事に当てはまります。"},
        {"These vegetables are fresh.", "これらの野菜は新鮮だ。", "これらの野菜は新鮮です。"},
    };
    ExpectPlainAndPolite(cases);
}

// Installation notes' verbs and nouns; a noun of the textbook keeps its
// meaning beside the verb of the same word ("store").
TEST(E2jWordsRealText, InstallationNotesWordsReadAsSoftwareMeansThem) {
    StyledTranslation const cases[] = {
        {"Update the package.", "パッケージを更新しろ。", "パッケージを更新してください。"},
        {"Edit the configuration file.", "設定ファイルを編集しろ。", "設定ファイルを編集してください。"},
        {"For more information, see the manual.", "詳しくは、マニュアルを見ろ。", "詳しくは、マニュアルを見てください。"},
        {"This file was generated automatically.", "このファイルは自動的に生成された。",
         "このファイルは自動的に生成されました。"},
        {"The program supports this feature.", "プログラムはこの機能をサポートする。",
         "プログラムはこの機能をサポートします。"},
        {"You may obtain a copy of the License.", "あなたはライセンスのコピーを入手してもいい。",
         "あなたはライセンスのコピーを入手してもいいです。"},
        {"This project is maintained by a team.", "このプロジェクトはチームに保守される。",
         "このプロジェクトはチームに保守されます。"},
        {"The output is written to a file.", "出力はファイルに書かれる。", "出力はファイルに書かれます。"},
        {"I go to the store.", "私は店に行く。", "私は店に行きます。"},
    };
    ExpectPlainAndPolite(cases);
}

// A plural of a noun ending in "se" reads as its noun, not as a word left
// in English.
TEST(E2jWordsRealText, APluralInSesReadsAsItsNoun) {
    StyledTranslation const cases[] = {
        {"Read the licenses.", "ライセンスを読め。", "ライセンスを読んでください。"},
        {"These houses are old.", "これらの家は古い。", "これらの家は古いです。"},
    };
    ExpectPlainAndPolite(cases);
}

// A word of two meanings takes the one its neighbours speak for: free
// software but a free person, a bug in a program but on a flower, a library
// one installs but one reads books in.
TEST(E2jWordsRealText, NeighboursChooseBetweenAWordsTwoMeanings) {
    StyledTranslation const cases[] = {
        {"This is free software.", "これは自由なソフトウェアだ。", "これは自由なソフトウェアです。"},
        {"I am free today.", "私は今日暇だ。", "私は今日暇です。"},
        {"Report the bug.", "バグを伝えろ。", "バグを伝えてください。"},
        {"There is a bug on the flower.", "花の上に虫がいる。", "花の上に虫がいます。"},
        {"Install the library.", "ライブラリをインストールしろ。", "ライブラリをインストールしてください。"},
        {"I read books in the library.", "私は図書館で本を読んだ。", "私は図書館で本を読みました。"},
    };
    ExpectPlainAndPolite(cases);
}

}  // namespace
