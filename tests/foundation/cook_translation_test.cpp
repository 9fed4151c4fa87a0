#include "engine/foundation/cook_translation.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "engine/foundation/atom_databases.h"
#include "engine/foundation/char_suffix.h"
#include "engine/foundation/cooked_japanese.h"
#include "engine/foundation/jpos_ids.h"
#include "foundation/exact_text.h"
#include "foundation/japanese_text.h"

namespace {

std::vector<std::string> SJISList(std::vector<char const*> const& utf8) {
    std::vector<std::string> out;
    for (char const* text : utf8) out.push_back(SJIS(text));
    return out;
}

POS_E_Source EnglishPOS(char const* name) {
    POS_E_Source pos{};
    EXPECT_TRUE(gSourcePOSDatabase().Lookup(name, &pos)) << name;
    return pos;
}

// What the engine makes of one translation, from the menu to the raw text.
struct Analysis {
    unsigned short code = 0;
    JPOSMenuQueryType query = eNoJPOSQuery;
    std::vector<std::string> menu;
    std::string cooked;
    JPOSID jpos = 0;
    std::string dictionaryForm;
    std::vector<std::pair<std::string, std::string>> forms;
    std::string raw;
};

Analysis Analyse(CookTableGrossPOS gross, std::string const& jtrans, char const* english,
                 std::vector<char const*> const& formNames) {
    Analysis analysis;
    JPOSMenuSlot menu[kMaxCookAnswers] = {};
    int count = 0;
    analysis.code = GetAnswerMenu(&analysis.query, menu, nullptr, &count, gross, jtrans.c_str());
    if (analysis.code != kCookOK) return analysis;
    if (count > 1) analysis.menu.assign(menu, menu + count);
    EXPECT_EQ(CookTranslation(&analysis.cooked, &analysis.jpos, gross, jtrans.c_str(), nullptr), kCookOK);
    POS_J_Target const target = POS_J_TargetFromJPOSID(analysis.jpos);
    EXPECT_EQ(CreateJDictForm(analysis.cooked, gross, target, &analysis.dictionaryForm), kCookOK);
    for (char const* form : formNames) {
        analysis.forms.emplace_back(form, CreateInflectedTranslation(analysis.cooked, target, gross, form));
    }
    analysis.raw = CreateRawJapaneseFromCooked(analysis.cooked, target, EnglishPOS(english));
    return analysis;
}

struct CookCase {
    CookTableGrossPOS gross;
    char const* english;  // the English part of speech the raw form is made for
    char const* jtrans;
    JPOSMenuQueryType query;
    std::vector<char const*> menu;
    char const* cooked;
    char const* jpos;
    std::vector<std::pair<char const*, char const*>> forms;  // besides the dictionary form
};

// Each translation read, cooked with the default (first) answer and turned
// back into its dictionary form, some inflected forms and its raw form, which
// for all of these is the translation itself.
TEST(CookTranslationTest, TranslationsFromMenuToRawForm) {
    CookCase const cases[] = {
        {eCookVerb, "VT01", "取る", eNoJPOSQuery, {}, "{取}r-", "VCr", {{"Past", "取った"}, {"Neg", "取らない"}}},
        {eCookVerb, "VT01", "はしる", eVerbJPOSQuery, {"はした", "はしった"}, "{はし}-", "VV", {{"Past", "はした"}}},
        {eCookVerb,
         "VT01",
         "くる",
         eVerbJPOSQuery,
         {"きた", "くった"},
         "{}ku-",
         "Vku",
         {{"Past", "きた"}, {"Neg", "こない"}, {"Imper", "こい"}}},
        {eCookVerb, "VT01", "来る", eNoJPOSQuery, {}, "{来}-", "Vku", {{"Past", "来た"}, {"Neg", "来ない"}}},
        {eCookVerb,
         "VT01",
         "勉強する",
         eVerbJPOSQuery,
         {"勉強した", "勉強すった"},
         "{勉強}su-",
         "Vsu",
         {{"Past", "勉強した"}, {"Passive", "勉強される"}, {"Neg", "勉強しない"}}},
        {eCookVerb,
         "VT01",
         "する",
         eVerbJPOSQuery,
         {"した", "すった"},
         "{}su-",
         "Vsu",
         {{"Past", "した"}, {"Neg", "しない"}}},
        {eCookVerb,
         "VT01",
         "書く",
         eVerbJPOSQuery,
         {"書いた", "書った"},
         "{書}k-",
         "VCk",
         {{"Past", "書いた"}, {"Cont", "書いて"}, {"Polite", "書きます"}}},
        {eCookVerb, "VT01", "行く", eNoJPOSQuery, {}, "{行}k-", "VCik", {{"Past", "行った"}, {"Cont", "行って"}}},
        {eCookVerb, "VT01", "泳ぐ", eNoJPOSQuery, {}, "{泳}g-", "VCg", {{"Past", "泳いだ"}}},
        {eCookVerb, "VT01", "話す", eNoJPOSQuery, {}, "{話}s-", "VCs", {{"Past", "話した"}, {"Gerund", "話し"}}},
        {eCookVerb, "VT01", "待つ", eNoJPOSQuery, {}, "{待}t-", "VCt", {{"Past", "待った"}, {"Gerund", "待ち"}}},
        {eCookVerb, "VT01", "死ぬ", eNoJPOSQuery, {}, "{死}n-", "VCn", {{"Past", "死んだ"}}},
        {eCookVerb, "VT01", "遊ぶ", eNoJPOSQuery, {}, "{遊}b-", "VCb", {{"Past", "遊んだ"}, {"Cohort", "遊ぼう"}}},
        {eCookVerb, "VT01", "読む", eNoJPOSQuery, {}, "{読}m-", "VCm", {{"Past", "読んだ"}}},
        {eCookVerb,
         "VT01",
         "買う",
         eVerbJPOSQuery,
         {"買った", "買うた"},
         "{買}w-",
         "VCw",
         {{"Past", "買った"}, {"Cohort", "買おう"}, {"Polite", "買います"}, {"Imper", "買え"}}},
        {eCookVerb,
         "VT01",
         "食べる",
         eVerbJPOSQuery,
         {"食べた", "食べった"},
         "{食べ}-",
         "VV",
         {{"Past", "食べた"}, {"Passive", "食べられる"}}},
        {eCookVerb,
         "VT01",
         "有用である",
         eNoJPOSQuery,
         {},
         "{有用}dear-",
         "VCr",
         {{"Past", "有用であった"}, {"Neg", "有用ではない"}}},
        {eCookAdjective,
         "ADJ",
         "赤い",
         eNoJPOSQuery,
         {},
         "{赤}-",
         "ADJ",
         {{"Past", "赤かった"}, {"Neg", "赤くない"}, {"Present", "赤い"}}},
        {eCookAdjective, "ADJ", "格好いい", eNoJPOSQuery, {}, "{格好い}-", "ADJ", {{"Past", "格好いかった"}}},
        {eCookAdjective,
         "ADJ",
         "いっている",
         eAdjectiveJPOSQuery,
         {"いく", "いう", "いる"},
         "{い}Q-",
         "ADJTAtecik",
         {}},
        {eCookAdjective,
         "ADJ",
         "走っている",
         eAdjectiveJPOSQuery,
         {"走る", "走つ", "走く", "走う"},
         "{走}Q-",
         "ADJTAtecr",
         {{"Past", "走っている"}}},
        {eCookAdjective, "ADJ", "静かな", eNoJPOSQuery, {}, "{静か}-", "NAna", {}},
        {eCookNoun, "N", "ボタン", eNoJPOSQuery, {}, "{ボタン}", "N", {{"Past", "ボタン"}}},
        {eCookNoun, "N", "マウス", eNoJPOSQuery, {}, "{マウス}", "N", {}},
        {eCookPreposition, "PREP", "机の上の", eNoJPOSQuery, {}, "{机の上}-", "NAno", {}},
    };
    for (CookCase const& c : cases) {
        SCOPED_TRACE(c.jtrans);
        std::vector<char const*> formNames;
        for (auto const& form : c.forms) formNames.push_back(form.first);
        std::string const jtrans = SJIS(c.jtrans);
        Analysis const got = Analyse(c.gross, jtrans, c.english, formNames);
        ASSERT_EQ(got.code, kCookOK);
        EXPECT_EQ(got.query, c.query);
        EXPECT_EQ(got.menu, SJISList(c.menu));
        EXPECT_EQ(got.cooked, SJIS(c.cooked));
        EXPECT_STREQ(JPOSStrFromID(got.jpos), c.jpos);
        EXPECT_EQ(got.dictionaryForm, jtrans);
        for (std::size_t i = 0; i < c.forms.size(); ++i) {
            EXPECT_EQ(got.forms[i].second, SJIS(c.forms[i].second)) << c.forms[i].first;
        }
        EXPECT_EQ(got.raw, jtrans);
    }
}

TEST(CookTranslationTest, TranslationsThatFitNoRecord) {
    struct Case {
        CookTableGrossPOS gross;
        std::string jtrans;
        unsigned short code;
    } const cases[] = {
        {eCookVerb, "\x82\x20", kCookNoEntry},    // lead byte with a bad trail byte
        {eCookNoun, "abc\x82", kCookNoEntry},     // lead byte cut off
        {eCookVerb, SJIS("勉強"), kCookNoEntry},  // no verb ending
        {eCookNoun, std::string(kMaxJTransBytes + 1, 'a'), kCookTranslationTooLong},
    };
    for (Case const& c : cases) {
        SCOPED_TRACE(c.jtrans.substr(0, 20));
        JPOSMenuQueryType query = eVerbJPOSQuery;
        JPOSMenuSlot menu[kMaxCookAnswers];
        std::memset(menu, '#', sizeof menu);
        cook_alt_t const* alts = nullptr;
        int count = -1;
        EXPECT_EQ(GetAnswerMenu(&query, menu, &alts, &count, c.gross, c.jtrans.c_str()), c.code);
        // Nothing is written on failure.
        EXPECT_EQ(query, eVerbJPOSQuery);
        EXPECT_EQ(menu[0][0], '#');
        EXPECT_EQ(alts, nullptr);
        EXPECT_EQ(count, -1);
        EXPECT_EQ(CanCreateUDEntry(c.jtrans.c_str(), c.gross, JPOSIDFromStr("N")), c.code);
        std::string cooked = "kept";
        EXPECT_EQ(CookTranslation(&cooked, nullptr, c.gross, c.jtrans.c_str(), nullptr), c.code);
        EXPECT_EQ(cooked, "kept");
        EXPECT_FALSE(IsValidJPOSAnswer(c.gross, c.jtrans.c_str(), nullptr));
        std::string answer = "kept";
        EXPECT_FALSE(SetDefaultValidJPOSAnswer(c.gross, c.jtrans.c_str(), nullptr, answer));
        EXPECT_EQ(answer, "kept");
    }
}

TEST(CookTranslationTest, LengthLimitIsTheTranslationsBytes) {
    std::string const longest(kMaxJTransBytes, 'a');
    EXPECT_EQ(CanCreateUDEntry(longest.c_str(), eCookNoun, JPOSIDFromStr("N")), kCookOK);
    // The longest translation with the longest menu addition still fits a slot.
    std::string const longVerb = std::string(kMaxJTransBytes - 4, 'a') + SJIS("くる");
    JPOSMenuSlot menu[kMaxCookAnswers];
    ASSERT_EQ(GetJPOSMenu(nullptr, menu, eCookVerb, longVerb.c_str()), kCookOK);
    EXPECT_EQ(std::string(menu[1]), std::string(kMaxJTransBytes - 4, 'a') + SJIS("くった"));
}

TEST(CookTranslationTest, ClassesOutsideTheTablesHaveNoRecord) {
    std::string const jtrans = SJIS("取る");
    for (int gross : {-1, 7, 99, -100}) {
        SCOPED_TRACE(gross);
        auto const cls = static_cast<CookTableGrossPOS>(gross);
        EXPECT_EQ(sCookArrayEntryGetter().Get(cls, jtrans.c_str()), nullptr);
        EXPECT_EQ(GetAnswerMenu(nullptr, nullptr, nullptr, nullptr, cls, jtrans.c_str()), kCookNoEntry);
        EXPECT_FALSE(GetQueryType(nullptr, cls, jtrans.c_str()));
        EXPECT_FALSE(IsValidJTransForEPOS(jtrans.c_str(), cls));
        EXPECT_EQ(CanCreateUDEntry(jtrans.c_str(), cls, JPOSIDFromStr("VCr")), kCookNoEntry);
        EXPECT_EQ(CookTranslation(nullptr, nullptr, cls, jtrans.c_str(), nullptr), kCookNoEntry);
        EXPECT_FALSE(IsValidJPOSAnswer(cls, jtrans.c_str(), ""));
        std::string out;
        EXPECT_EQ(CreateJDictForm(SJIS("{取}r-"), cls, POS_J_TargetFromJPOSID(JPOSIDFromStr("VCr")), &out),
                  kCookNoDictForm);
        EXPECT_EQ(CreateInflectedTranslation(SJIS("{ボタン}"), POS_J_Target{}, cls, "Past"), SJIS("ボタン"));
    }
}

TEST(CookTranslationTest, MenuFillsSlotsForSeveralAnswersOnly) {
    JPOSMenuSlot menu[kMaxCookAnswers];
    std::memset(menu, '#', sizeof menu);
    JPOSMenuQueryType query = eVerbJPOSQuery;
    ASSERT_EQ(GetJPOSMenu(&query, menu, eCookVerb, SJIS("取る").c_str()), kCookOK);
    EXPECT_EQ(query, eNoJPOSQuery);
    EXPECT_EQ(menu[0][0], '#') << "one answer: the menu is not touched";

    cook_alt_t const* alts = nullptr;
    int count = 0;
    ASSERT_EQ(GetAnswerMenu(&query, menu, &alts, &count, eCookVerb, SJIS("書く").c_str()), kCookOK);
    EXPECT_EQ(query, eVerbJPOSQuery);
    ASSERT_EQ(count, 2);
    EXPECT_STREQ(JPOSStrFromID(alts[1].jpos), "VCik");
    EXPECT_EQ(std::string(menu[0]), SJIS("書いた"));
    EXPECT_STREQ(menu[2], "");
    EXPECT_STREQ(menu[3], "");
}

// The boundary flag: "ii" must begin at a kana, so おいしい ("oisii") is an
// ordinary い-adjective; "iru" has no flag, so はしる ("hasiru") is asked.
TEST(CookTranslationTest, BoundaryFlagDecidesWhereARomajiEndingMayBegin) {
    std::string cooked;
    ASSERT_EQ(CookTranslation(&cooked, nullptr, eCookAdjective, SJIS("おいしい").c_str(), nullptr), kCookOK);
    EXPECT_EQ(cooked, SJIS("{おいし}-"));
    JPOSMenuQueryType query = eNoJPOSQuery;
    ASSERT_TRUE(GetQueryType(&query, eCookVerb, SJIS("はしる").c_str()));
    EXPECT_EQ(query, eVerbJPOSQuery);
    // A kanji's trail byte is no romaji letter: 行う reads "行u", in which
    // 行's trail byte 0x73 and "u" are no "su".
    cooked.clear();
    ASSERT_EQ(CookTranslation(&cooked, nullptr, eCookVerb, SJIS("行う").c_str(), nullptr), kCookOK);
    EXPECT_EQ(cooked, SJIS("{行}w-"));
}

TEST(CookTranslationTest, AnswersAreCheckedAgainstTheMenu) {
    std::string const verb = SJIS("はしる");
    std::string const past = SJIS("はした"), godanPast = SJIS("はしった");
    EXPECT_TRUE(IsValidJPOSAnswer(eCookVerb, verb.c_str(), godanPast.c_str()));
    EXPECT_FALSE(IsValidJPOSAnswer(eCookVerb, verb.c_str(), SJIS("はしって").c_str()));
    EXPECT_FALSE(IsValidJPOSAnswer(eCookVerb, verb.c_str(), ""));
    EXPECT_FALSE(IsValidJPOSAnswer(eCookVerb, verb.c_str(), nullptr));
    // One possible answer: only no answer is valid.
    std::string const noun = SJIS("本");
    EXPECT_TRUE(IsValidJPOSAnswer(eCookNoun, noun.c_str(), ""));
    EXPECT_TRUE(IsValidJPOSAnswer(eCookNoun, noun.c_str(), nullptr));
    EXPECT_FALSE(IsValidJPOSAnswer(eCookNoun, noun.c_str(), noun.c_str()));

    std::string out = "untouched";
    EXPECT_TRUE(SetDefaultValidJPOSAnswer(eCookVerb, verb.c_str(), godanPast.c_str(), out));
    EXPECT_EQ(out, "untouched");
    EXPECT_FALSE(SetDefaultValidJPOSAnswer(eCookVerb, verb.c_str(), "", out));
    EXPECT_EQ(out, past);
    EXPECT_TRUE(SetDefaultValidJPOSAnswer(eCookNoun, noun.c_str(), nullptr, out));
    EXPECT_FALSE(SetDefaultValidJPOSAnswer(eCookNoun, noun.c_str(), "x", out));

    EXPECT_EQ(GetQueryAnswerFromJPOS(out, eCookVerb, verb.c_str(), JPOSIDFromStr("VCr")), kCookOK);
    EXPECT_EQ(out, godanPast);
    EXPECT_EQ(GetQueryAnswerFromJPOS(out, eCookVerb, verb.c_str(), JPOSIDFromStr("ADJ")), kCookNotAnAnswer);
    EXPECT_EQ(GetQueryAnswerFromJPOS(out, eCookNoun, noun.c_str(), JPOSIDFromStr("ADJ")), kCookOK);
    EXPECT_EQ(out, "");
    DefaultJPOSAnswer(out, eCookVerb, verb.c_str());
    EXPECT_EQ(out, past);
    DefaultJPOSAnswer(out, eCookNoun, noun.c_str());
    EXPECT_EQ(out, "");

    EXPECT_EQ(CanCreateUDEntry(verb.c_str(), eCookVerb, JPOSIDFromStr("VCr")), kCookOK);
    EXPECT_EQ(CanCreateUDEntry(verb.c_str(), eCookVerb, JPOSIDFromStr("Vsu")), kCookNotAnAnswer);
}

TEST(CookTranslationTest, CookingTakesTheChosenAnswerAndAppends) {
    std::string const verb = SJIS("はしる");
    std::string cooked = "x";
    JPOSID jpos = 0;
    ASSERT_EQ(CookTranslation(&cooked, &jpos, eCookVerb, verb.c_str(), SJIS("はしった").c_str()), kCookOK);
    EXPECT_EQ(cooked, "x" + SJIS("{はし}r-"));
    EXPECT_STREQ(JPOSStrFromID(jpos), "VCr");
    // An answer that is no menu text takes the first; without a buffer only
    // the part of speech comes back.
    ASSERT_EQ(CookTranslation(nullptr, &jpos, eCookVerb, verb.c_str(), "nonsense"), kCookOK);
    EXPECT_STREQ(JPOSStrFromID(jpos), "VV");
}

TEST(CookTranslationTest, CacheKeepsClassAndTextApart) {
    CookArrayEntryGetterWithCache& getter = sCookArrayEntryGetter();
    std::string const jtrans = SJIS("書く");
    CookArrayEntry const* const verb = getter.Get(eCookVerb, jtrans.c_str());
    ASSERT_NE(verb, nullptr);
    EXPECT_EQ(getter.Get(eCookVerb, jtrans.c_str()), verb);
    CookArrayEntry const* const adjective = getter.Get(eCookAdjective, jtrans.c_str());
    ASSERT_NE(adjective, nullptr);
    EXPECT_NE(adjective, verb);
    EXPECT_EQ(getter.Get(eCookVerb, SJIS("勉強").c_str()), nullptr);
    EXPECT_EQ(getter.Get(eCookVerb, jtrans.c_str()), verb);
}

TEST(CookTranslationTest, GetterServesThreadsAtOnce) {
    std::string const texts[] = {SJIS("書く"), SJIS("取る"), SJIS("はしる"), SJIS("勉強")};
    CookArrayEntry const* expected[4];
    for (int i = 0; i < 4; ++i) expected[i] = sCookArrayEntryGetter().Get(eCookVerb, texts[i].c_str());
    std::vector<std::thread> threads;
    std::vector<int> mismatches(4, 0);
    for (int t = 0; t < 4; ++t) {
        threads.emplace_back([&, t] {
            for (int n = 0; n < 500; ++n) {
                int const i = (t + n) % 4;
                if (sCookArrayEntryGetter().Get(eCookVerb, texts[i].c_str()) != expected[i]) ++mismatches[t];
            }
        });
    }
    for (std::thread& thread : threads) thread.join();
    EXPECT_EQ(mismatches, std::vector<int>(4, 0));
}

TEST(PEndsWithTest, MatchesWholeCharactersOnly) {
    struct Case {
        std::string text;
        char const* suffix;
        long at;  // -1: no match
    } const cases[] = {
        {"abc", "bc", 1},       {"abc", "", 3},
        {"abc", "abcd", -1},    {SJIS("ボ"), "{", -1},      // ボ is 0x83 0x7B
        {SJIS("マ"), "}", -1},                              // マ is 0x83 0x7D
        {SJIS("{マ}"), "}", 3}, {SJIS("行ku"), "sku", -1},  // 行 is 0x8D 0x73
        {"a\x82", "\x82", 1},                               // a lone lead byte at the end is a character
    };
    for (Case const& c : cases) {
        SCOPED_TRACE(c.text);
        ExactText text(c.text);
        char const* const found = PEndsWith(text.begin(), c.suffix);
        EXPECT_EQ(found == nullptr ? -1 : found - text.begin(), c.at);
    }
    EXPECT_EQ(PEndsWith(static_cast<char const*>(nullptr), "a"), nullptr);
}

}  // namespace
