#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "engine/foundation/dictionary_errors.h"
#include "engine/foundation/fixed_type.h"
#include "engine/foundation/missing_word_table.h"
#include "engine/userdict/ud35_entry_view.h"
#include "userdict/ud35_test_dictionary.h"

namespace {

bool SameSemantics(Dict_Semantics_E_Source const& a, Dict_Semantics_E_Source const& b) {
    for (unsigned i = 0; i < Dict_Semantics_E_Source::kRecordCount; ++i) {
        if (a.records[i] != b.records[i]) return false;
    }
    return true;
}

struct RowCase {
    char const* pos;
    char const* flags;
    char const* english;
    std::vector<uint16_t> rows;
};

TEST(UD35POSMap, RowsFollowPOSStringIngFlagAndInitial) {
    RowCase const cases[] = {
        {"N_SING", "N", "record", {2}},
        {"N_SING", "N", "Record", {4}},
        {"N_PLURAL", "N", "records", {3}},
        {"N_PLURAL", "N", "Records", {5}},
        {"V_INF", "N", "record", {6, 7}},
        {"V_PAST", "N", "recorded", {30, 31}},
        {"V_PAST", "NY", "recorded", {10, 11}},
        {"V_PASTP", "N", "recorded", {}},
        {"V_PASTP", "NY", "recorded", {12, 13}},
        {"VI_PAST", "N", "slept", {32}},
        {"VT_PAST", "NY", "kept", {23}},
        {"PP", "N", "in the end", {29}},
        {"NOUN", "N", "record", {}},
    };
    for (RowCase const& c : cases) {
        EXPECT_EQ(UDPOSMapRowsFor(c.pos, c.flags, c.english), c.rows) << c.pos << " " << c.flags << " " << c.english;
    }
}

TEST(UD35POSMap, EveryKeyIsAMissingWordAssignment) {
    for (UDPOSMapRow const& row : kUDPOSMap) EXPECT_NE(FindMWAssignment(row.mwKey), nullptr) << row.mwKey;
}

// A noun and a verb both spelled "record", and a few single-entry groups.
class UD35EntryViewTest : public ::testing::Test {
protected:
    UD35EntryViewTest() {
        noun = fixture.AddGroup({MakeEntry("record"), MakeEntry("records", UDPOS_N_PLURAL)});
        verb =
            fixture.AddGroup({MakeEntry("record", UDPOS_V_INF, "\x8b\x4c\x98\x5e\x82\xb7\x82\xe9", "", "N", "wo"),
                              MakeEntry("recorded", UDPOS_V_PAST, "\x8b\x4c\x98\x5e\x82\xb7\x82\xe9", "", "N", "wo"),
                              MakeEntry("recorded", UDPOS_V_PASTP, "\x8b\x4c\x98\x5e\x82\xb7\x82\xe9", "", "N", "wo")});
        // A verb known only by its participle and its third person.
        pastParticipleLed = fixture.AddGroup({MakeEntry("outgrown", UDPOS_V_PASTP, "\x8c\xa2", "", "N", "wo"),
                                              MakeEntry("outgrows", UDPOS_V_3RD, "\x8c\xa2", "", "N", "wo")});
        fixture.AddGroup({MakeEntry("In the end", UDPOS_PP, "\x8c\xa2", "", "A")});
        fixture.AddGroup({MakeEntry("9 to 5", UDPOS_PP)});
        fixture.AddGroup({MakeEntry("Apple")});
        fixture.AddGroup({MakeEntry(LongPhrase(), UDPOS_PP)});
        dictionary = std::make_unique<UD35TestDictionary>(fixture);
    }

    // 255 bytes of short words.
    static std::string LongPhrase() {
        std::string phrase = "Long";
        while (phrase.size() < 255) phrase += " word";
        return phrase.substr(0, 255);
    }

    Entry_EX Only(char const* key) {
        std::vector<Entry_EX> const found = Collect(dictionary->dictionary.Lookup(key, nullptr));
        if (found.size() != 1) throw std::runtime_error(std::string("not one entry for ") + key);
        return found.front();
    }

    static std::vector<uint16_t> RowsOf(ForwardIterator<FinePOS_EX> finePOSes) {
        std::vector<uint16_t> rows;
        for (FinePOS_EX const& fp : Collect(finePOSes)) rows.push_back(UDCookieRow(FromCookie(fp.GetCookie())));
        return rows;
    }

    UDFixture fixture;
    std::vector<uint32_t> noun, verb, pastParticipleLed;
    std::unique_ptr<UD35TestDictionary> dictionary;
};

TEST_F(UD35EntryViewTest, OneViewForTwoGroupsOfTheSameSpelling) {
    std::vector<Entry_EX> const found = Collect(dictionary->dictionary.Lookup("Record", nullptr));
    ASSERT_EQ(found.size(), 1u);
    auto const& view = static_cast<EntryRep_EJ_35UserDict const&>(*found[0].GetRep());
    EXPECT_EQ(view.GetIDs(), (std::vector<uint32_t>{noun[0], verb[0]}));
    EXPECT_EQ(found[0].GetSrcText(), "record");
    EXPECT_EQ(RowsOf(found[0].GetFinePOSIterator()), (std::vector<uint16_t>{2, 6, 7}));
}

TEST_F(UD35EntryViewTest, CapitalHeadwordAnswersEitherInitial) {
    for (char const* key : {"apple", "Apple", "APPLE"}) {
        Entry_EX const apple = Only(key);
        EXPECT_EQ(apple.GetSrcText(), "Apple") << key;
        EXPECT_EQ(RowsOf(apple.GetFinePOSIterator()), (std::vector<uint16_t>{4})) << key;
    }
    EXPECT_TRUE(Collect(dictionary->dictionary.Lookup("apples", nullptr)).empty());
}

TEST_F(UD35EntryViewTest, ReadingsComeFromTheMissingWordAssignments) {
    FinePOS_EX const nounReading = Only("record").GetIthFinePOS(0);
    POS_E_Source expected{};
    ASSERT_TRUE(ReadFromMWTable(&expected, nullptr, nullptr, nullptr, "sb."));
    EXPECT_EQ(nounReading.GetFinePOS(), expected);
    EXPECT_EQ(nounReading.GetFeatureSets(0), std::string(FindMWAssignment("sb.")->featureSets.GetSet(0)));
    Paraphrase_EX const paraphrase = *nounReading.GetParaphraseIterator();
    EXPECT_EQ(paraphrase.GetRawTranslation(), "\x8c\xa2");
    EXPECT_EQ(paraphrase.GetParaID(), static_cast<int>(noun[0]));
    EXPECT_EQ(paraphrase.GetFinePOS(), nounReading);
    EXPECT_TRUE(SameSemantics(paraphrase.GetSemantics(), GetDefaultNounSemantics()));
    EXPECT_TRUE(SameSemantics((*Only("Apple").GetIthFinePOS(0).GetParaphraseIterator()).GetSemantics(),
                              GetDefaultProperNounSemantics()));
    EXPECT_TRUE(Only("In the end").GetIthFinePOS(0).GetParaphraseIterator().IsAtEnd() == false);
    EXPECT_TRUE((*Only("In the end").GetIthFinePOS(0).GetParaphraseIterator()).GetSemantics().IsBlank());
}

TEST_F(UD35EntryViewTest, HashFeatureBecomesTheHeadword) {
    struct {
        char const* key;
        std::string feature;
    } const cases[] = {
        {"In the end", "in_the_end"},
        {"9 to 5", "q_to_5"},
    };
    for (auto const& c : cases) {
        EXPECT_EQ(Only(c.key).GetIthFinePOS(0).GetFeatureSets(0), c.feature);
    }
    std::string const longFeature = Only(LongPhrase().c_str()).GetIthFinePOS(0).GetFeatureSets(0);
    std::string expected = LongPhrase().substr(0, FeatureSets_E_Source::kMaxSetLength);
    for (char& c : expected) c = c == ' ' ? '_' : c;
    expected[0] = 'l';
    EXPECT_EQ(longFeature, expected);
}

TEST_F(UD35EntryViewTest, IdiomTypeTransplantAndPValue) {
    EXPECT_EQ(Only("In the end").GetIthFinePOS(0).GetIdiomType(), eIdiomPreferredAlways);
    EXPECT_EQ(Only("record").GetIthFinePOS(0).GetIdiomType(), eIdiomNormal);

    Entry_EX const record = Only("record");
    EXPECT_EQ((*record.GetIthFinePOS(1).GetParaphraseIterator()).GetTransplant(), "");  // intransitive row 6
    EXPECT_EQ((*record.GetIthFinePOS(2).GetParaphraseIterator()).GetTransplant(), "(NP* : +wo:Acc)");

    unsigned char const saved = gFixedType;
    gFixedType = 1;
    EXPECT_EQ(record.GetIthFinePOS(0).GetPValue(), 0x3000);
    gFixedType = 0;
    EXPECT_EQ(record.GetIthFinePOS(0).GetPValue(), 0);
    gFixedType = saved;
}

TEST_F(UD35EntryViewTest, BaseFormsAndConjugatedFormsKeepTransitivity) {
    Entry_EX const recorded = Only("recorded");
    EXPECT_EQ(RowsOf(recorded.GetFinePOSIterator()), (std::vector<uint16_t>{30, 31}));  // the participle has none
    Entry_EX const record = Only("record");
    for (unsigned long i = 0; i < 2; ++i) {
        FinePOS_EX const past = recorded.GetIthFinePOS(i);
        FinePOS_EX const base = past.GetBaseForm();
        EXPECT_EQ(base, record.GetIthFinePOS(1 + i));  // rows 6 and 7, never the noun
        EXPECT_TRUE(past.IsACF());
        std::vector<uint16_t> const forms = RowsOf(past.GetCFIterator_start());
        EXPECT_EQ(forms, (i == 0 ? std::vector<uint16_t>{6, 30} : std::vector<uint16_t>{7, 31}));
    }
}

TEST_F(UD35EntryViewTest, LeaderWithoutReadingsLeavesEachReadingItsOwnBase) {
    FinePOS_EX const third = Only("outgrows").GetIthFinePOS(0);
    EXPECT_EQ(third.GetBaseForm(), third);
}

TEST_F(UD35EntryViewTest, EverySetterThrowsAndLeavesTheFile) {
    Entry_EX record = Only("record");
    FinePOS_EX const fp = record.GetIthFinePOS(0);
    Paraphrase_EX const pp = *fp.GetParaphraseIterator();
    EntryRep_EX& rep = *record.GetRep();
    FinePosCookieID_* const f = fp.GetCookie();
    ParaphraseCookieID_* const p = pp.GetCookie();
    std::vector<unsigned char> const before = dictionary->file.Bytes();
    std::function<void()> const setters[] = {
        [&] { rep.CreateNewFinePOS(); },
        [&] { rep.RemoveFinePOS(fp); },
        [&] { rep.SetBaseForm(f, fp); },
        [&] { rep.SetFinePOS(f, POS_E_Source{3}); },
        [&] { rep.SetPrimed(f, true); },
        [&] { rep.SetQuoted(f, true); },
        [&] { rep.SetIdiomType(f, eIdiomAlmighty); },
        [&] { rep.SetAltOnly(f, true); },
        [&] { rep.SetHidden(f, true); },
        [&] { rep.SetCannotBeginSentenceFlag(f, true); },
        [&] { rep.SetCannotEndSentenceFlag(f, true); },
        [&] { rep.SetPValue(f, short{1}); },
        [&] { rep.SetFeatureSets(f, FeatureSets_E_Source{}); },
        [&] { rep.SetDomainWeights(f, {}); },
        [&] { rep.CreateNewParaphrase(f); },
        [&] { rep.RemoveParaphrase(f, pp); },
        [&] { rep.SetRawTranslation(p, "x"); },
        [&] { rep.SetCookedTranslation(p, "x"); },
        [&] { rep.SetTransPOS(p, POS_J_Target{1}); },
        [&] { rep.SetPValue(p, short{1}); },
        [&] { rep.SetParaID(p, 1); },
        [&] { rep.SetSemantics(p, Dict_Semantics_E_Source{}); },
        [&] { rep.SetAltOnly(p, true); },
        [&] { rep.SetDomainIDSet(p, DomainIDSet{}); },
        [&] { rep.SetTransplant(p, "x"); },
        [&] { rep.SetTheyTransType(p, eTheyHuman); },
    };
    for (std::size_t i = 0; i < std::size(setters); ++i) {
        EXPECT_THROW(setters[i](), NotSupportedOnReadOnlyDictionary<Dictionary_EX>) << "setter " << i;
    }
    EXPECT_EQ(dictionary->file.Bytes(), before);
}

TEST_F(UD35EntryViewTest, ViewsOutliveTheirDictionaryHandle) {
    Entry_EX const record = Only("record");
    dictionary.reset();  // the handle and the memory file's descriptor go; the view's FILE stays open
    EXPECT_EQ(record.GetSrcText(), "record");
    EXPECT_EQ(record.GetDictionary().GetID(), kMinUserDictionaryID);
    EXPECT_EQ(record.GetFinePOSCount(), 3u);
}

}  // namespace
