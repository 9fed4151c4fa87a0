// Every log message must be the Shift-JIS form of its text, ended with CR:
// checked against iconv's CP932 conversion, independent of the generator.
#include <gtest/gtest.h>
#include <iconv.h>

#include <cstring>
#include <string>

#include "cp932.h"
#include "engine/userdict/uw_log_messages.h"

namespace {

std::string ToCP932(std::string const& utf8) { return CP932(utf8); }

struct MessageCase {
    char const* name;
    char const* message;
    char const* utf8;
};

MessageCase const kMessages[] = {
    {"kLogENotEigo", kLogENotEigo, ";;英語の語句がありません"},
    {"kLogELongEigo", kLogELongEigo, ";;英語の語句が長すぎます（半角で７０文字まで）"},
    {"kLogEZenkakuEigo", kLogEZenkakuEigo, ";;英語の語句に全角文字が含まれています"},
    {"kLogENotNihongoyaku", kLogENotNihongoyaku, ";;日本語訳がありません"},
    {"kLogELongNihongoyaku", kLogELongNihongoyaku, ";;日本語訳が長すぎます（全角で３５文字まで）"},
    {"kLogELongFukusuukei", kLogELongFukusuukei, ";;複数形が長すぎます（半角で７０文字まで）"},
    {"kLogEZenkakuFukusuukei", kLogEZenkakuFukusuukei, ";;複数形に全角文字が含まれています"},
    {"kLogELongKakokei", kLogELongKakokei, ";;過去形が長すぎます（半角で７０文字まで）"},
    {"kLogEZenkakuKakokei", kLogEZenkakuKakokei, ";;過去形に全角文字が含まれています"},
    {"kLogELongSannin", kLogELongSannin, ";;三人称単数形が長すぎます（半角で７０文字まで）"},
    {"kLogEZenkakuSannin", kLogEZenkakuSannin, ";;三人称単数形に全角文字が含まれています"},
    {"kLogELongIngkei", kLogELongIngkei, ";;ing形が長すぎます（半角で７０文字まで）"},
    {"kLogEZenkakuIngkei", kLogEZenkakuIngkei, ";;ing形に全角文字が含まれています"},
    {"kLogELongKakobunshi", kLogELongKakobunshi, ";;過去分詞形が長すぎます（半角で７０文字まで）"},
    {"kLogEZenkakuKakobunshi", kLogEZenkakuKakobunshi, ";;過去分詞形に全角文字が含まれています"},
    {"kLogEVerbJoshi", kLogEVerbJoshi, ";;助詞が不正"},
    {"kLogEVerbYakugonoKako", kLogEVerbYakugonoKako, ";;日本語訳の過去形が不正"},
    {"kLogENihongoyaku", kLogENihongoyaku, ";;日本語訳が不正"},
    {"kLogEMotoninaru", kLogEMotoninaru, ";;もとになる動詞が不正"},
    {"kLogUnique", kLogUnique, ";;既に登録されています"},
    {"kLogUnknown", kLogUnknown, ";;データ形式等が不明"},
};

TEST(UwConvertMessages, EachIsTheCP932FormOfItsTextEndedWithCR) {
    for (auto const& c : kMessages) {
        EXPECT_EQ(std::string(c.message), ToCP932(c.utf8) + "\r") << c.name;
    }
}

TEST(UwConvertMessages, RunStopNotesAreCommentLinesEndedWithCR) {
    for (char const* note : {kLogStopCeiling, kLogStopLongLine, kLogStopReadError}) {
        std::string const text(note);
        ASSERT_GE(text.size(), 3u);
        EXPECT_EQ(text.substr(0, 2), ";;");
        EXPECT_EQ(text.back(), '\r');
        EXPECT_EQ(text.find('\r'), text.size() - 1);
        EXPECT_EQ(text.find('\n'), std::string::npos);
    }
}

}  // namespace
