// One line at a time: how fields are split and checked, and what is stored.
#include <string>
#include <vector>

#include "uw_convert_fixture.h"

namespace {

class UwConvertFieldsTest : public UwConvertTest {
protected:
    // Converts the one line (Shift-JIS) into an empty dictionary; gives the
    // log and leaves the entries in fEntries.
    std::string ConvertAlone(std::string const& line) {
        gCorvanEngine.RemoveAllDict();
        std::remove(fDictPath.c_str());
        OpenDictionary();
        std::string const log = Convert(line + "\n");
        fEntries = Entries();
        return log;
    }

    void ExpectAdded(std::string const& line, std::string const& entry = "") {
        EXPECT_EQ(ConvertAlone(line), "") << line;
        ASSERT_EQ(fEntries.size(), 1u) << line;
        if (!entry.empty()) {
            EXPECT_EQ(fEntries[0], entry) << line;
        }
    }

    void ExpectRefused(std::string const& line, char const* message) {
        EXPECT_EQ(ConvertAlone(line), Refused(line, message)) << line;
        EXPECT_TRUE(fEntries.empty()) << line;
    }

    std::vector<std::string> fEntries;
};

std::string Tabbed(std::vector<std::string> const& fields) {
    std::string line;
    for (std::size_t i = 0; i < fields.size(); ++i) line += (i ? "\t" : "") + fields[i];
    return line;
}

TEST_F(UwConvertFieldsTest, FieldSplitting) {
    // A TAB after the key makes no fourth field; two TABs in a row make an
    // empty one.
    ExpectAdded(SJ("a\t猫\tNOUN\t"), SJ("N|a|猫||"));
    ExpectRefused(SJ("a\t\tNOUN"), kLogENotNihongoyaku);
    ExpectRefused(SJ("a\t猫"), kLogUnknown);
    ExpectRefused(SJ("a\t猫\tnoun"), kLogUnknown);
    ExpectRefused(SJ("a\t猫\tNOUNS"), kLogUnknown);
    ExpectRefused(SJ("\t猫\tNOUN"), kLogENotEigo);
    // Fields past those of the key are ignored.
    ExpectAdded(SJ("a\t猫\tADV\tx\ty"), SJ("4|a|猫|"));
}

TEST_F(UwConvertFieldsTest, EveryKeyStoresItsRecord) {
    struct Case {
        char const* line;
        char const* entry;
    };
    Case const cases[] = {
        {"cat\t猫\tNOUN\tcats", "N|cat|猫|cats|"},
        {"sheep\t羊\tNOUN", "N|sheep|羊||"},
        {"eat\t食べる\tVERB\tate\teats\teating\teaten\tを\t\t食べた",
         "V|eat|食べる|0|ate|eats|eating|eaten|を|食べた|"},
        {"eat\t食べる\tVT\tate\teats\teating\teaten\tに\t\t食べった",
         "V|eat|食べる|1|ate|eats|eating|eaten|に|食べった|"},
        {"run\t走る\tVI\tran\truns\trunning\trun\tzz\t\tどれでも", "V|run|走る|2|ran|runs|running|run|を||"},
        {"red\t赤い\tADJ", "3|red|赤い||"},
        {"good\tいい\tADJ", "3|good|いい||"},
        {"cute\tかわいい\tADJ", "3|cute|かわいい||"},
        {"cool\t格好いい\tADJ", "3|cool|格好いい||"},
        {"running\t走っている\tADJ\t\t\t\t\t\t\t走る", "3|running|走っている|走る|"},
        {"quickly\t速く\tADV", "4|quickly|速く|"},
        {"over\t上に\tPREPV", "P|over|上に|副詞的用法|"},
        {"under\t下の\tPREPA", "P|under|下の|形容詞的用法|"},
        {"and\tそして\tCONJ", "6|and|そして|"},
        {"in vain\t無駄な\tPP", "7|in vain|無駄な||"},
    };
    for (auto const& c : cases) ExpectAdded(SJ(c.line), SJ(c.entry));
}

// Each English field at 70 bytes is taken, at 71 or with one double-byte
// character refused with its own message.
TEST_F(UwConvertFieldsTest, EnglishFieldLimits) {
    std::vector<std::string> const noun = {"cat", SJ("猫"), "NOUN", "cats"};
    std::vector<std::string> const verb = {"eat",    SJ("食べる"), "VT",     "ate", "eats",
                                           "eating", "eaten",      SJ("を"), "",    SJ("食べた")};
    struct Case {
        std::vector<std::string> const* base;
        std::size_t index;
        char const* longMessage;
        char const* zenkakuMessage;
    };
    Case const cases[] = {
        {&noun, 0, kLogELongEigo, kLogEZenkakuEigo},
        {&noun, 3, kLogELongFukusuukei, kLogEZenkakuFukusuukei},
        {&verb, 0, kLogELongEigo, kLogEZenkakuEigo},
        {&verb, 3, kLogELongKakokei, kLogEZenkakuKakokei},
        {&verb, 4, kLogELongSannin, kLogEZenkakuSannin},
        {&verb, 5, kLogELongIngkei, kLogEZenkakuIngkei},
        {&verb, 6, kLogELongKakobunshi, kLogEZenkakuKakobunshi},
    };
    for (auto const& c : cases) {
        SCOPED_TRACE(testing::Message() << (*c.base)[2] << " field " << c.index);
        auto fields = *c.base;
        fields[c.index] = std::string(70, 'x');
        ExpectAdded(Tabbed(fields));
        fields[c.index] = std::string(71, 'x');
        ExpectRefused(Tabbed(fields), c.longMessage);
        fields[c.index] = "x" + SJ("語");
        ExpectRefused(Tabbed(fields), c.zenkakuMessage);
    }
}

TEST_F(UwConvertFieldsTest, TranslationLimit) {
    std::string translation;
    for (int i = 0; i < 35; ++i) translation += SJ("猫");
    ASSERT_EQ(translation.size(), 70u);
    ExpectAdded("cat\t" + translation + "\tNOUN");
    ExpectRefused("cat\t" + translation + "a\tNOUN", kLogELongNihongoyaku);
}

TEST_F(UwConvertFieldsTest, VerbParticle) {
    // An intransitive verb always gets "を", whatever field 7 holds.
    ExpectAdded(SJ("run\t走る\tVI\tran\truns\trunning\trun\tで"), SJ("V|run|走る|2|ran|runs|running|run|を||"));
    ExpectRefused(SJ("eat\t食べる\tVERB\tate\teats\teating\teaten\t\t\t食べた"), kLogEVerbJoshi);
    ExpectRefused(SJ("eat\t食べる\tVT\tate\teats\teating\teaten\tを \t\t食べた"), kLogEVerbJoshi);
    ExpectAdded(SJ("go\t行く\tVT\twent\tgoes\tgoing\tgone\tまで"), SJ("V|go|行く|1|went|goes|going|gone|まで||"));
}

TEST_F(UwConvertFieldsTest, VerbJapanesePast) {
    // An automatically derived past takes any field 9, or none.
    ExpectAdded(SJ("run\t走る\tVT\tran\truns\trunning\trun\tを\t\t何でも"));
    ExpectAdded(SJ("run\t走る\tVT\tran\truns\trunning\trun\tを"));
    // Otherwise field 9 must be one of the candidates.
    ExpectRefused(SJ("eat\t食べる\tVT\tate\teats\teating\teaten\tを"), kLogEVerbYakugonoKako);
    ExpectRefused(SJ("eat\t食べる\tVT\tate\teats\teating\teaten\tを\t\t食べる"), kLogEVerbYakugonoKako);
    // An ending the tables do not know leaves no candidate.
    ExpectRefused(SJ("zap\txyz\tVT\tzapped\tzaps\tzapping\tzapped\tを\t\txyz"), kLogEVerbYakugonoKako);
}

TEST_F(UwConvertFieldsTest, AdjectiveSourceVerb) {
    ExpectAdded(SJ("running\t走っている\tADJ\t\t\t\t\t\t\t走く"), SJ("3|running|走っている|走く|"));
    ExpectRefused(SJ("running\t走っている\tADJ"), kLogENihongoyaku);
    ExpectRefused(SJ("running\t走っている\tPP\t\t\t\t\t\t\t歩く"), kLogEMotoninaru);
}

TEST_F(UwConvertFieldsTest, DuplicateAndNonASCII) {
    gCorvanEngine.RemoveAllDict();
    std::remove(fDictPath.c_str());
    OpenDictionary();
    std::string const line = SJ("cat\t猫\tNOUN");
    EXPECT_EQ(Convert(line + "\r" + line + "\r"), Refused(line, kLogUnique));
    EXPECT_EQ(Count(), 1u);
    // Half-width katakana are single bytes: the dictionary refuses them.
    ExpectRefused(SJ("ｱ\t猫\tNOUN"), kLogUnknown);
}

}  // namespace
