#include "engine/userdict/paper_formatter.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/foundation/missing_word_table.h"
#include "engine/foundation/pos_codes.h"
#include "engine/foundation/temporary_dictionary.h"
#include "engine/userdict/paper_formatter_headline.h"
#include "engine/userdict/paper_formatter_readings.h"
#include "foundation/japanese_text.h"

namespace {

constexpr POS_E_Source kVI03{264};
constexpr POS_E_Source kVT31{358};

// The first feature set a user-dictionary verb form gets from its missing-word
// assignment: the layout the headline must read.
std::string AssignedFeatures(char const* key) {
    FeatureSets_E_Source sets;
    EXPECT_TRUE(ReadFromMWTable(nullptr, &sets, nullptr, nullptr, key)) << key;
    return sets.GetSet(0);
}

// An inflected form in an entry of its own, attached to the reading.
struct Form {
    char const* headword;
    char const* features;  // feature set 0
    bool hidden;
};

struct Reading {
    POS_E_Source pos;
    std::vector<char const*> japanese;  // UTF-8; "" gives a paraphrase without Japanese
    IdiomType idiom = eIdiomNormal;
    char const* usageFeatures = "";  // feature set 1
    bool hidden = false;
    std::vector<Form> forms = {};
};

// Builds entries whose listings follow the order given: the temporary
// dictionary lists readings newest first, so they are made last first.
class PaperFormatterTest : public ::testing::Test {
protected:
    Entry_EX MakeEntry(char const* headword, std::vector<Reading> const& readings) {
        Entry_EX entry = fDictionary.CreateNewEntry(headword);
        for (auto reading = readings.rbegin(); reading != readings.rend(); ++reading) {
            FinePOS_EX fp = entry.CreateNewFinePOS();
            fp.SetFinePOS(reading->pos);
            fp.SetIdiomType(reading->idiom);
            fp.SetHidden(reading->hidden);
            FeatureSets_E_Source sets;
            sets.SetSet(0, "P");
            sets.SetSet(1, reading->usageFeatures);
            fp.SetFeatureSets(sets);
            for (auto japanese = reading->japanese.rbegin(); japanese != reading->japanese.rend(); ++japanese) {
                Paraphrase_EX pp = fp.CreateNewParaphrase();
                pp.SetCookedTranslation(**japanese == '\0' ? "" : "{" + SJIS(*japanese) + "}");
                pp.SetTransPOS(kJPOS_N);
            }
            for (auto form = reading->forms.rbegin(); form != reading->forms.rend(); ++form) {
                FinePOS_EX cf = fDictionary.CreateNewEntry(form->headword).CreateNewFinePOS();
                cf.SetFinePOS(reading->pos);
                cf.SetHidden(form->hidden);
                FeatureSets_E_Source formSets;
                formSets.SetSet(0, form->features);
                cf.SetFeatureSets(formSets);
                cf.SetBaseForm(fp);
            }
        }
        return entry;
    }

    Dictionary_EX_Temporary fDictionary;
    Dictionary_EJ_ToPaperFormatter fFormatter{kDefaultLabels()};
};

TEST_F(PaperFormatterTest, PrintsEntries) {
    std::string const past = AssignedFeatures("TRANS_PAST");
    std::string const participle = AssignedFeatures("TRANS_PPL_ONLY");
    std::string const thirdPerson = AssignedFeatures("TRANS_3RD");
    std::string const gerund = AssignedFeatures("TRANS_GERUND");
    struct Case {
        char const* headword;
        std::vector<Reading> readings;
        char const* printed;  // UTF-8
    };
    Case const cases[] = {
        // Forms sorted by kind, an alternative spelling of the base in
        // brackets: the form letter "D" is a past form, "G" an -ing form, "B"
        // the base.
        {"run",
         {{kVI03,
           {"走る"},
           eIdiomNormal,
           "",
           false,
           {{"running", "G", false}, {"ran", "D", false}, {"runn", "B", false}, {"rann", "D", true}}}},
         "run (v) [=runn]; ran; running\n    走る"},
        // A user-dictionary verb: past and participle one kind, apart from
        // the base.
        {"paint",
         {{kCatVT01,
           {"塗る"},
           eIdiomNormal,
           "",
           false,
           {{"painting", gerund.c_str(), false},
            {"paints", thirdPerson.c_str(), false},
            {"painted", participle.c_str(), false},
            {"painted", past.c_str(), false}}}},
         "paint (v) painted, painted; paints; painting\n  (vt)\n    塗る"},
        {"walk", {{kCatVT01, {"歩かせる"}}}, "walk (v)\n  (vt)\n    歩かせる"},
        // Same headline and usage: printed once, a shared translation too.
        {"carry",
         {{kCatVT01, {"運ぶ", "持つ"}}, {kCatVT01, {"持つ", "担ぐ"}}},
         "carry (v)\n  (vt)\n    運ぶ\n    持つ\n    担ぐ"},
        // Nouns before verbs; "(vi)" before "(vt)" before other usage lines.
        {"record",
         {{kCatVT01, {"記録する"}}, {kVI03, {"録音する"}}, {kCatVI01, {"記録される"}}, {kCatN, {"記録"}}},
         "record (n)\n    記録\nrecord (v)\n  (vi)\n    記録される\n  (vt)\n    記録する\n  record\n    録音する"},
        {"dog", {{kCatN, {"犬"}, eIdiomPreferredPOS}}, "dog (n)\n    犬 (preferred POS)"},
        {"cat", {{kCatN, {"猫"}, eIdiomPreferredAlways}}, "cat (n)\n    猫 (preferred always)"},
        // A phrasal verb keeps its headword as the usage line.
        {"get up", {{kCatVI01, {"起きる"}}}, "get (v)\n  get up\n    起きる"},
        {"sleep", {{kCatVI01, {"眠る"}}}, "sleep (v)\n  (vi)\n    眠る"},
        {"end", {{kCatN, {"終わり"}, eIdiomNormal, "in_the_end"}}, "end (n)\n  end in the end\n    終わり"},
        {"hidden", {{kCatN, {"隠れ"}, eIdiomNormal, "", true}}, ""},
        {"empty", {{kCatN, {""}}}, ""},
        {"never printed", {{kVT31, {"印刷"}}}, ""},
    };
    for (Case const& c : cases) {
        SCOPED_TRACE(c.headword);
        EXPECT_EQ(fFormatter.GetFormattedPaperForm(MakeEntry(c.headword, c.readings)), SJIS(c.printed));
    }
}

TEST_F(PaperFormatterTest, JoinsEntriesLineByLine) {
    MakeEntry("dog", {{kCatN, {"犬"}}});
    MakeEntry("hidden", {{kCatN, {"隠れ"}, eIdiomNormal, "", true}});
    MakeEntry("sleep", {{kCatVI01, {"眠る"}}});
    EXPECT_EQ(fFormatter.GetFormattedPaperForm(fDictionary.LookupPrefix("")),
              SJIS("dog (n)\n    犬\nsleep (v)\n  (vi)\n    眠る\n"));
}

TEST(PaperFormatterHeadline, WithoutFormsTheHeadwordStandsIn) { EXPECT_EQ(MakeHeadline({}, "(n)", "dog"), "dog (n)"); }

TEST(PaperFormatterReadings, InflectTypeReadsOnlyCharactersThatExist) {
    struct Case {
        char const* name;
        char const* features;
        PaperInflectType type;
        long subType;
    };
    Case const cases[] = {
        {"N", "", kInflectNounSingular, 0},       {"N", "P", kInflectNounPlural, 0},
        {"VT01", "", kInflectVerbPlain, 0},       {"VT01", "S", kInflectVerbThirdPerson, 0},
        {"VT01", "D", kInflectVerbPast, 1},       {"VT01", "D__TNNYNN", kInflectVerbPast, 2},
        {"VT01", "N__TYNY", kInflectVerbPast, 3}, {"VT01", "G", kInflectVerbGerund, 0},
        {"VT01", "B__T", kInflectVerbPlain, 0},   {"VI01", "P1I0", kInflectVerbPlain, 0},
        {"ADJ", "", kInflectAdjective, 0},        {"ADVERB", "", kInflectAdverb, 0},
        {"PREP", "", kInflectOther, 0},           {"", "", kInflectOther, 0},
    };
    for (Case const& c : cases) {
        SCOPED_TRACE(std::string(c.name) + " / " + c.features);
        PaperInflectType const type = GetInflectType(c.name, c.features);
        EXPECT_EQ(type, c.type);
        EXPECT_EQ(GetInflectSubType(type, c.features), c.subType);
    }
}

TEST(PaperFormatterReadings, GrossPartsOfSpeechAndParticles) {
    EXPECT_EQ(ConstitToGrossPOS("NP"), kPaperNoun);
    EXPECT_EQ(ConstitToGrossPOS("NPPOS1"), kPaperSpecial);
    EXPECT_EQ(ConstitToGrossPOS("VT"), kPaperSpecial);
    EXPECT_EQ(ConstitToGrossPOS("ADJUNCT"), kPaperSpecial);
    EXPECT_EQ(ConstitToGrossPOS("PREP2"), kPaperPreposition);

    EXPECT_EQ(GetWordsAdjustVI01("give  UP", "VI01"), "give");
    EXPECT_EQ(GetWordsAdjustVI01("give up", "VI03"), "give up");
    EXPECT_EQ(GetWordsAdjustVI01("give upward", "VI01"), "give upward");
    EXPECT_EQ(GetWordsAdjustVI01("up", "VI01"), "up");

    EXPECT_EQ(Dictionary_EJ_ToPaperFormatter::cvt(22), Dictionary_EJ_ToPaperFormatter::kLabelPP);
    EXPECT_EQ(Dictionary_EJ_ToPaperFormatter::cvt(23), Dictionary_EJ_ToPaperFormatter::kLabelSpecial);
    EXPECT_EQ(Dictionary_EJ_ToPaperFormatter::cvt(7), Dictionary_EJ_ToPaperFormatter::kLabelAdv);
}

TEST(PaperFormatterReadings, DecodesPValues) {
    EXPECT_FLOAT_EQ(DecodePValue(0), 1.0f);
    EXPECT_FLOAT_EQ(DecodePValue(1024), 3.1622777f);
    EXPECT_FLOAT_EQ(DecodePValue(-2048), 0.1f);
}

}  // namespace
