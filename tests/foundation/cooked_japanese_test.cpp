#include "engine/foundation/cooked_japanese.h"

#include <gtest/gtest.h>

#include <string>

#include "engine/foundation/atom_databases.h"
#include "engine/foundation/jpos_ids.h"
#include "foundation/japanese_text.h"

namespace {

POS_J_Target Target(char const* name) { return POS_J_TargetFromJPOSID(JPOSIDFromStr(name)); }

TEST(StripInternalStuffTest, KeepsTranslationsAndEmptiesInternalTexts) {
    struct Case {
        std::string text, expected;
    } const cases[] = {
        {SJIS("{勉強}su-"), SJIS("{勉強}su-")},
        {"kak-MO2u-MO", "kaku"},
        {"a{b-MO}-MO", "a{b}-MO"},  // the first of each marker only
        {"xx{a}", ""},
        {"Ka", ""},    // a capital opening the text
        {"a-Nb", ""},  // a romaji capital opening a syllable
        {"aNb", "aNb"},
        {"Qta", "Qta"},  // except "Qta"
        {"ka-Qta", "ka-Qta"},
        {"aXb", ""},        // not a romaji capital
        {"a{X}", "a{X}"},   // only text before the first "{" counts
        {SJIS("ボX"), ""},  // ボ's trail byte "{" opens no group
    };
    for (Case const& c : cases) {
        EXPECT_EQ(StripInternalStuffFromJapanese(c.text), c.expected) << c.text;
    }
}

TEST(CreateJDictFormTest, NeedsAnAnswerOfThePartOfSpeechWhoseTailEndsTheText) {
    std::string out = "old";
    EXPECT_EQ(CreateJDictForm(SJIS("{取}r-"), eCookVerb, Target("VCr"), &out), 0);
    EXPECT_EQ(out, SJIS("取る"));
    struct Case {
        std::string cooked;
        CookTableGrossPOS gross;
        POS_J_Target target;
    } const refused[] = {
        {SJIS("{取}r-"), eCookVerb, Target("VV")},        // no VV answer has the tail "r-"
        {SJIS("{取}r-"), eCookAdjective, Target("VCr")},  // no VCr answer in the adjective table
        {SJIS("{取}r-"), eCookVerb, POS_J_Target{9999}},  // no such part of speech
        {SJIS("{取r-"), eCookVerb, Target("VCr")},        // the tail follows no "}"
        {SJIS("{ボ"), eCookNoun, Target("N")},            // ボ's trail byte is no "}"
    };
    for (Case const& c : refused) {
        out = "old";
        EXPECT_EQ(CreateJDictForm(c.cooked, c.gross, c.target, &out), 202) << c.cooked;
        EXPECT_EQ(out, "");
    }
}

TEST(CreateInflectedTranslationTest, FormsWithoutARecordFallBackToTheDictionaryForm) {
    struct Case {
        char const* cooked;
        char const* jpos;
        CookTableGrossPOS gross;
        char const* form;
        char const* expected;
    } const cases[] = {
        {"{書}k-", "VCk", eCookVerb, nullptr, "書く"},  // no form: slot 0
        {"{書}k-", "VCk", eCookVerb, "Unknown", "書く"},
        {"{書}k-", "VCk", eCookVerb, "", "書く"},                       // unnamed slots never match
        {"{書}k-", "VCk", eCookVerb, "Attributive", "書く"},            // a name of the other set
        {"{赤}-", "ADJ", eCookAdjective, "Imper", "赤い"},              // named slot, no record
        {"{走}Q-", "ADJTAtecr", eCookAdjective, "Past", "走っている"},  // class with no row
        {"{本}", "N", eCookNoun, "Past", "本"},                         // nouns do not inflect
        {"{本}x", "N", eCookNoun, "Past", "本x"},                       // no dictionary form either: the text in kana
        {"{a-b}", "VCk", eCookVerb, "Past", "a-bた"},                   // a "-" inside the braces is not the joint
    };
    for (Case const& c : cases) {
        SCOPED_TRACE(c.cooked);
        EXPECT_EQ(CreateInflectedTranslation(SJIS(c.cooked), Target(c.jpos), c.gross, c.form), SJIS(c.expected))
            << (c.form != nullptr ? c.form : "(null)");
    }
}

TEST(CreateRawJapaneseFromCookedTest, StripsThenShowsSlotZero) {
    POS_E_Source noun{}, verb{};
    ASSERT_TRUE(gSourcePOSDatabase().Lookup("N", &noun));
    ASSERT_TRUE(gSourcePOSDatabase().Lookup("VT01", &verb));
    EXPECT_EQ(CreateRawJapaneseFromCooked(SJIS("{ボタン}"), Target("N"), noun), SJIS("ボタン"));
    EXPECT_EQ(CreateRawJapaneseFromCooked(SJIS("{マウス}-MO"), Target("N"), noun), SJIS("マウス"));
    EXPECT_EQ(CreateRawJapaneseFromCooked(SJIS("{勉強}su-MO2"), Target("Vsu"), verb), SJIS("勉強する"));
    EXPECT_EQ(CreateRawJapaneseFromCooked("xx{a}", Target("N"), noun), "");
    EXPECT_EQ(CreateRawJapaneseFromCooked("", Target("N"), noun), "");
}

}  // namespace
