#include "engine/foundation/temporary_entry.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "engine/foundation/jpos_ids.h"
#include "engine/foundation/pos_codes.h"
#include "engine/foundation/temporary_dictionary.h"
#include "foundation/japanese_text.h"
#include "foundation/temporary_test_support.h"

namespace {

using temporary_test::Drain;

class TemporaryEntryTest : public ::testing::Test {
protected:
    Dictionary_EX_Temporary fDictionary;
    Entry_EX fEntry = fDictionary.CreateNewEntry("walk");
};

TEST_F(TemporaryEntryTest, GivesItsHeadwordPaddedOrCut) {
    EXPECT_EQ(fEntry->GetSrcTextLen(), 4u);
    EXPECT_STREQ(fEntry.PeekSrcText(), "walk");
    struct Case {
        unsigned long size;
        std::string expected;  // the whole buffer afterwards
    } const cases[] = {
        {3, std::string("walXXXXX")},  // filled: no terminator
        {4, std::string("walkXXXX")},
        {7, std::string("walk\0\0\0X", 8)},  // NUL bytes after a shorter headword
    };
    for (Case const& c : cases) {
        char buffer[8];
        std::memset(buffer, 'X', sizeof buffer);
        fEntry->GetSrcText(buffer, c.size);
        EXPECT_EQ(std::string(buffer, sizeof buffer), c.expected) << c.size;
    }
    // Kept as the NUL-terminated text it is ordered and found by.
    EXPECT_EQ(fDictionary.CreateNewEntry(std::string("cut\0off", 7)).GetSrcText(), "cut");
}

TEST_F(TemporaryEntryTest, NewFinePartsOfSpeechComeFirstAndStartBlank) {
    FinePOS_EX const older = fEntry.CreateNewFinePOS();
    FinePOS_EX const newer = fEntry.CreateNewFinePOS();
    std::vector<FinePOS_EX> const all = Drain(fEntry.GetFinePOSIterator());
    ASSERT_EQ(all.size(), 2u);
    EXPECT_TRUE(all[0] == newer);
    EXPECT_TRUE(all[1] == older);

    EXPECT_TRUE(newer.GetBaseForm() == newer);
    EXPECT_FALSE(newer.IsACF());
    EXPECT_EQ(newer.GetFinePOS(), POS_E_Source{});
    EXPECT_EQ(newer.GetPValue(), 0);
    EXPECT_EQ(newer.GetIdiomType(), eIdiomNormal);
    EXPECT_EQ(newer.GetFeatureSets(), FeatureSets_E_Source());
    EXPECT_EQ(newer.PeekDomainWeightsListSize(), 0u);
    EXPECT_TRUE(newer.GetParaphraseIterator().IsAtEnd());
}

// Each flag has a field of its own.
TEST_F(TemporaryEntryTest, EachFlagIsKeptApart) {
    using Setter = std::function<void(FinePOS_EX&)>;
    using Getter = std::function<bool(FinePOS_EX const&)>;
    struct Flag {
        char const* name;
        Setter set;
        Getter get;
    };
    std::vector<Flag> const flags = {
        {"primed", [](FinePOS_EX& f) { f.SetPrimed(true); }, [](FinePOS_EX const& f) { return f.GetPrimed(); }},
        {"quoted", [](FinePOS_EX& f) { f.SetQuoted(true); }, [](FinePOS_EX const& f) { return f.GetQuoted(); }},
        {"alt-only", [](FinePOS_EX& f) { f.SetAltOnly(true); }, [](FinePOS_EX const& f) { return f.GetAltOnly(); }},
        {"hidden", [](FinePOS_EX& f) { f.SetHidden(true); }, [](FinePOS_EX const& f) { return f.GetHidden(); }},
        {"cannot begin", [](FinePOS_EX& f) { f.SetCannotBeginSentenceFlag(true); },
         [](FinePOS_EX const& f) { return f.GetCannotBeginSentenceFlag(); }},
        {"cannot end", [](FinePOS_EX& f) { f.SetCannotEndSentenceFlag(true); },
         [](FinePOS_EX const& f) { return f.GetCannotEndSentenceFlag(); }},
        {"neither", [](FinePOS_EX& f) { f.GetEntry()->SetCannotBeginAndEndSentenceFlag(f.GetCookie(), true); },
         [](FinePOS_EX const& f) { return f.GetCannotBeginAndEndSentenceFlag(); }},
    };
    for (Flag const& flag : flags) {
        FinePOS_EX finePOS = fEntry.CreateNewFinePOS();
        flag.set(finePOS);
        for (Flag const& other : flags) {
            EXPECT_EQ(other.get(finePOS), &other == &flag) << "set " << flag.name << ", read " << other.name;
        }
    }
}

TEST_F(TemporaryEntryTest, KeepsValuesAndCutsFeatureSetsAt100Bytes) {
    FinePOS_EX finePOS = fEntry.CreateNewFinePOS();
    finePOS.SetFinePOS(kCatVT01);
    finePOS.SetPValue(-7);
    finePOS.SetIdiomType(eIdiomPreferredAlways);
    FeatureSets_E_Source sets;
    std::memset(sets.sets[1], 'x', sizeof sets.sets[1]);  // no terminator at all
    sets.SetSet(2, "abc");
    finePOS.SetFeatureSets(sets);

    EXPECT_EQ(finePOS.GetFinePOS(), kCatVT01);
    EXPECT_EQ(finePOS.GetPValue(), -7);
    EXPECT_EQ(finePOS.GetIdiomType(), eIdiomPreferredAlways);
    EXPECT_EQ(finePOS.GetFeatureSets(0), "");
    EXPECT_EQ(finePOS.GetFeatureSets(1), std::string(100, 'x'));
    EXPECT_EQ(finePOS.GetFeatureSets(2), "abc");
    EXPECT_EQ(*finePOS.PeekFeatureSets(), finePOS.GetFeatureSets());
}

TEST_F(TemporaryEntryTest, NewParaphrasesComeFirstAndStartBlank) {
    FinePOS_EX finePOS = fEntry.CreateNewFinePOS();
    Paraphrase_EX const older = finePOS.CreateNewParaphrase();
    Paraphrase_EX const newer = finePOS.CreateNewParaphrase();
    std::vector<Paraphrase_EX> const all = Drain(finePOS.GetParaphraseIterator());
    ASSERT_EQ(all.size(), 2u);
    EXPECT_TRUE(all[0] == newer);
    EXPECT_TRUE(all[1] == older);

    EXPECT_TRUE(newer.GetFinePOS() == finePOS);
    EXPECT_EQ(newer.GetCookedTranslation(), "");
    EXPECT_EQ(newer.GetRawTranslation(), "");
    EXPECT_EQ(newer.GetTransplant(), "");
    EXPECT_EQ(newer.GetTransPOS(), POS_J_Target{});
    EXPECT_EQ(newer.GetTheyTransType(), eTheyAny);
    EXPECT_FALSE(newer.GetAltOnly());
    EXPECT_EQ(newer.GetParaID(), 0);
    EXPECT_EQ(newer.GetPValue(), 0);
    EXPECT_TRUE(newer.GetSemantics().IsBlank());
    EXPECT_TRUE(newer.GetDomainIDSet().Empty());
    EXPECT_EQ(newer.GetEntry()->PeekDomainIDSet(newer.GetCookie()), nullptr);
}

// The Japanese part of speech, the they-type and alternate-only share a word.
TEST_F(TemporaryEntryTest, ParaphraseFieldsDoNotOverlap) {
    Paraphrase_EX paraphrase = fEntry.CreateNewFinePOS().CreateNewParaphrase();
    paraphrase.SetTransPOS(POS_J_Target{0x1FF});
    paraphrase.SetTheyTransType(eTheyCombined);
    paraphrase.SetAltOnly(true);
    paraphrase.SetTheyTransType(eTheyAny);
    EXPECT_EQ(paraphrase.GetTransPOS(), POS_J_Target{0x1FF});
    EXPECT_TRUE(paraphrase.GetAltOnly());
    paraphrase.SetTransPOS(POS_J_Target{297});
    paraphrase.SetTheyTransType(eTheyNonHuman);
    EXPECT_EQ(paraphrase.GetTransPOS(), POS_J_Target{297});
    EXPECT_EQ(paraphrase.GetTheyTransType(), eTheyNonHuman);
    EXPECT_TRUE(paraphrase.GetAltOnly());
}

TEST_F(TemporaryEntryTest, EmptyDomainSetsAndTransplantsAreKeptAsNone) {
    Paraphrase_EX paraphrase = fEntry.CreateNewFinePOS().CreateNewParaphrase();
    DomainIDSet domains;
    domains.Set(DomainID{80});
    paraphrase.SetDomainIDSet(domains);
    ASSERT_NE(paraphrase.GetEntry()->PeekDomainIDSet(paraphrase.GetCookie()), nullptr);
    EXPECT_EQ(*paraphrase.GetEntry()->PeekDomainIDSet(paraphrase.GetCookie()), domains);
    paraphrase.SetDomainIDSet(DomainIDSet());
    EXPECT_EQ(paraphrase.GetEntry()->PeekDomainIDSet(paraphrase.GetCookie()), nullptr);

    paraphrase.SetTransplant("lend");
    EXPECT_EQ(paraphrase.GetTransplant(), "lend");
    paraphrase.SetTransplant("");
    EXPECT_EQ(paraphrase.GetTransplant(), "");
}

TEST_F(TemporaryEntryTest, KeepsTheValueOfEachSemanticRecord) {
    Paraphrase_EX paraphrase = fEntry.CreateNewFinePOS().CreateNewParaphrase();
    Dict_Semantics_E_Source semantics;
    semantics.records[1].flags = SemanticRecord::kSelRes | 0x100;  // 0x100 is no part of the value
    semantics.records[1].atoms[0] = 151;
    semantics.records[1].atoms[2] = 99;  // after the list's end
    std::strcpy(semantics.records[2].names[0], "name");
    paraphrase.SetSemantics(semantics);

    Dict_Semantics_E_Source const stored = paraphrase.GetSemantics();
    for (unsigned i = 0; i < Dict_Semantics_E_Source::kRecordCount; ++i)
        EXPECT_EQ(stored.records[i], semantics.records[i]) << i;
    EXPECT_EQ(stored.records[1].flags, SemanticRecord::kSelRes);
    EXPECT_EQ(stored.records[1].atoms[2], 0);
    ASSERT_NE(paraphrase.PeekSemantics(), nullptr);
    EXPECT_EQ(paraphrase.PeekSemantics()->records[2], semantics.records[2]);
}

TEST_F(TemporaryEntryTest, MakesTheRawTranslationFromTheCookedOne) {
    FinePOS_EX finePOS = fEntry.CreateNewFinePOS();
    finePOS.SetFinePOS(kCatVT01);
    Paraphrase_EX paraphrase = finePOS.CreateNewParaphrase();
    paraphrase.SetCookedTranslation(SJIS("{勉強}su-MO2"));
    paraphrase.SetTransPOS(POS_J_TargetFromJPOSID(JPOSIDFromStr("Vsu")));
    EXPECT_EQ(paraphrase.GetRawTranslation(), SJIS("勉強する"));
    paraphrase.GetEntry()->SetRawTranslation(paraphrase.GetCookie(), "ignored");
    EXPECT_EQ(paraphrase.GetRawTranslation(), SJIS("勉強する"));
}

TEST_F(TemporaryEntryTest, RemovesOnlyWhatItHolds) {
    FinePOS_EX keep = fEntry.CreateNewFinePOS();
    Paraphrase_EX const kept = keep.CreateNewParaphrase();
    FinePOS_EX other = fEntry.CreateNewFinePOS();
    Paraphrase_EX const elsewhere = other.CreateNewParaphrase();
    Entry_EX otherEntry = fDictionary.CreateNewEntry("run");
    FinePOS_EX const ofOtherEntry = otherEntry.CreateNewFinePOS();

    fEntry.RemoveFinePOS(ofOtherEntry);
    keep.GetEntry()->RemoveParaphrase(keep.GetCookie(), elsewhere);
    EXPECT_EQ(fEntry.GetFinePOSCount(), 2u);
    EXPECT_EQ(Drain(keep.GetParaphraseIterator()).size(), 1u);

    keep.GetEntry()->RemoveParaphrase(keep.GetCookie(), kept);
    EXPECT_TRUE(keep.GetParaphraseIterator().IsAtEnd());
    fEntry.RemoveFinePOS(other);
    std::vector<FinePOS_EX> const left = Drain(fEntry.GetFinePOSIterator());
    ASSERT_EQ(left.size(), 1u);
    EXPECT_TRUE(left[0] == keep);
    EXPECT_EQ(otherEntry.GetFinePOSCount(), 1u);
}

// Paraphrases and domain weights belong to the base form.
TEST_F(TemporaryEntryTest, AConjugatedFormReadsItsBaseFormsReadingsAndCannotChangeThem) {
    FinePOS_EX base = fEntry.CreateNewFinePOS();
    base.SetDomainWeights({{DomainID{1}, 9}});
    Paraphrase_EX const paraphrase = base.CreateNewParaphrase();
    FinePOS_EX form = fDictionary.CreateNewEntry("walked").CreateNewFinePOS();
    Paraphrase_EX const ownParaphrase = form.CreateNewParaphrase();  // made while it was a base form
    form.SetBaseForm(base);

    EXPECT_EQ(form.PeekDomainWeightsListSize(), 1u);
    EXPECT_EQ(form.GetDomainWeights(), base.GetDomainWeights());
    std::vector<Paraphrase_EX> const read = Drain(form.GetParaphraseIterator());
    ASSERT_EQ(read.size(), 1u);
    EXPECT_TRUE(read[0] == paraphrase);  // on the base form's entry

    std::function<void()> const changes[] = {
        [&] { form.CreateNewParaphrase(); },
        [&] { form.GetEntry()->RemoveParaphrase(form.GetCookie(), ownParaphrase); },
        [&] { form.SetDomainWeights({}); },
    };
    for (auto const& change : changes) EXPECT_THROW(change(), CannotSetThatOnCF);
    EXPECT_EQ(Drain(base.GetParaphraseIterator()).size(), 1u);
    EXPECT_EQ(form.PeekDomainWeightsListSize(), 1u);

    form.SetBaseForm(form);  // its own base again, its own paraphrase back
    std::vector<Paraphrase_EX> const own = Drain(form.GetParaphraseIterator());
    ASSERT_EQ(own.size(), 1u);
    EXPECT_TRUE(own[0] == ownParaphrase);
}

}  // namespace
