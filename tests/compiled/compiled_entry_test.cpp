// Entries of a compiled dictionary over every compiled format: the fields of
// fine parts of speech and paraphrases as decoded from their records, what a
// conjugated form borrows from its base form, fixed p-values, and refused
// changes.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "engine/foundation/dictionary_errors.h"
#include "engine/foundation/semantics.h"
#include "tests/compiled/compiled_reader_fixture.h"

namespace compiled_reader_test {
namespace {

using EntryTest = CompiledReaderTest;

DomainWeightInfoRecord Weight(uint32_t domain, uint16_t weight) {
    return DomainWeightInfoRecord{static_cast<DomainID>(domain), weight};
}

FinePOS_EX FirstFinePOS(Dictionary_EX const& dictionary, char const* headword) {
    return (*dictionary.Lookup(headword, nullptr)).GetIthFinePOS(0);
}

TEST_P(EntryTest, ReadsEveryFieldOfFinePOSesAndParaphrases) {
    Dictionary_EX source = MakeSource({{"apple"}, {"pear"}});
    FinePOS_EX apple = FirstFinePOS(source, "apple");
    apple.SetPrimed(true);
    apple.SetHidden(true);
    apple.SetCannotEndSentenceFlag(true);
    apple.SetIdiomType(eIdiomPreferredPOS);
    apple.SetPValue(-12);
    FeatureSets_E_Source features;
    features.SetSet(0, "SSSC1");
    features.SetSet(2, "count");
    apple.SetFeatureSets(features);
    apple.SetDomainWeights({Weight(3, 700)});
    Paraphrase_EX paraphrase = *apple.GetParaphraseIterator();
    paraphrase.SetTransplant("tp");
    paraphrase.SetParaID(7);
    paraphrase.SetPValue(-3);
    paraphrase.SetTheyTransType(eTheyHuman);
    paraphrase.SetAltOnly(true);
    DomainIDSet domains;
    domains.Set(static_cast<DomainID>(5));
    paraphrase.SetDomainIDSet(domains);
    paraphrase.SetSemantics(ConvertNounSemanticsFromText("N townname"));

    Dictionary_EX const dictionary = Open(CompileFile(source));
    FinePOS_EX const read = FirstFinePOS(dictionary, "apple");
    EXPECT_EQ(read.GetFinePOS(), kCatN);
    EXPECT_TRUE(read.GetPrimed());
    EXPECT_FALSE(read.GetQuoted());
    EXPECT_TRUE(read.GetHidden());
    EXPECT_FALSE(read.GetCannotBeginSentenceFlag());
    EXPECT_TRUE(read.GetCannotEndSentenceFlag());
    EXPECT_EQ(read.GetIdiomType(), eIdiomPreferredPOS);
    EXPECT_EQ(read.GetPValue(), -12);
    EXPECT_EQ(read.GetFeatureSets(), features);
    EXPECT_EQ(read.PeekDomainWeightsListSize(), 1u);
    EXPECT_EQ(read.GetDomainWeights(), std::vector<DomainWeightInfoRecord>{Weight(3, 700)});
    Paraphrase_EX const readParaphrase = *read.GetParaphraseIterator();
    EXPECT_EQ(readParaphrase.GetFinePOS(), read);
    EXPECT_EQ(readParaphrase.GetCookedTranslation(), "{x}");
    EXPECT_EQ(readParaphrase.GetTransplant(), "tp");
    EXPECT_EQ(readParaphrase.GetParaID(), 7);
    EXPECT_EQ(readParaphrase.GetPValue(), -3);
    EXPECT_EQ(readParaphrase.GetTheyTransType(), eTheyHuman);
    EXPECT_TRUE(readParaphrase.GetAltOnly());
    EXPECT_EQ(readParaphrase.GetDomainIDSet(), domains);
    EXPECT_FALSE(readParaphrase.GetSemantics().IsBlank());

    // Absent optional items read as empty.
    Paraphrase_EX const plain = *FirstFinePOS(dictionary, "pear").GetParaphraseIterator();
    EXPECT_EQ(plain.GetTransplant(), "");
    EXPECT_TRUE(plain.GetDomainIDSet().Empty());
    EXPECT_TRUE(plain.GetSemantics().IsBlank());
    EXPECT_TRUE(FirstFinePOS(dictionary, "pear").GetDomainWeights().empty());
}

TEST_P(EntryTest, AConjugatedFormBorrowsOnlyParaphrasesWeightsAndChain) {
    Dictionary_EX source = MakeSource({{"go", kCatN, "{base}"}, {"went", kCatADV, "{cf}"}});
    FinePOS_EX go = FirstFinePOS(source, "go");
    go.SetDomainWeights({Weight(2, 10)});
    FinePOS_EX went = FirstFinePOS(source, "went");
    went.GetEntry()->RemoveParaphrase(went.GetCookie(), *went.GetParaphraseIterator());
    went.SetBaseForm(go);
    went.SetPValue(44);
    went.SetQuoted(true);

    Dictionary_EX const dictionary = Open(CompileFile(source));
    FinePOS_EX const base = FirstFinePOS(dictionary, "go");
    FinePOS_EX const form = FirstFinePOS(dictionary, "went");
    EXPECT_FALSE(base.IsACF());
    EXPECT_EQ(base.GetBaseForm(), base);
    EXPECT_TRUE(form.IsACF());
    EXPECT_EQ(form.GetBaseForm(), base);
    EXPECT_EQ((*form.GetParaphraseIterator()).GetCookedTranslation(), "{base}");
    EXPECT_EQ(form.GetDomainWeights(), std::vector<DomainWeightInfoRecord>{Weight(2, 10)});
    EXPECT_EQ(form.GetFinePOS(), kCatADV);
    EXPECT_EQ(form.GetPValue(), 44);
    EXPECT_TRUE(form.GetQuoted());
    EXPECT_FALSE(base.GetQuoted());
    for (FinePOS_EX const& start : {base, form}) {
        std::vector<std::string> chain;
        for (auto it = start.GetCFIterator_start(); !it.IsAtEnd(); ++it) chain.push_back((*it).GetEntry().GetSrcText());
        EXPECT_EQ(chain, (std::vector<std::string>{"go", "went"}));
    }
}

TEST_P(EntryTest, CopiesTheHeadwordLikeABoundedStringCopy) {
    Entry_EX const entry = *Compiled({{"apple"}}).Lookup("apple", nullptr);
    EXPECT_EQ(entry->GetSrcTextLen(), 5u);
    char small[3] = {'#', '#', '#'};
    entry->GetSrcText(small, sizeof small);
    EXPECT_EQ(std::string(small, 3), "app");
    char large[8];
    entry->GetSrcText(large, sizeof large);
    EXPECT_EQ(std::string(large, 8), std::string("apple\0\0\0", 8));
}

TEST_P(EntryTest, RefusesEveryChange) {
    Entry_EX entry = *Compiled({{"apple"}}).Lookup("apple", nullptr);
    FinePOS_EX finePOS = entry.GetIthFinePOS(0);
    Paraphrase_EX paraphrase = *finePOS.GetParaphraseIterator();
    std::vector<std::function<void()>> const changes = {
        [&] { entry.CreateNewFinePOS(); },
        [&] { entry.RemoveFinePOS(finePOS); },
        [&] { finePOS.SetBaseForm(finePOS); },
        [&] { finePOS.SetPValue(1); },
        [&] { finePOS.SetFeatureSets(FeatureSets_E_Source{}); },
        [&] { finePOS.CreateNewParaphrase(); },
        [&] { entry->SetCannotBeginAndEndSentenceFlag(finePOS.GetCookie(), true); },
        [&] { paraphrase.SetCookedTranslation("{y}"); },
        [&] { paraphrase.SetDomainIDSet(DomainIDSet{}); },
        [&] { entry->SetRawTranslation(paraphrase.GetCookie(), "y"); },
    };
    for (std::size_t i = 0; i < changes.size(); ++i)
        EXPECT_THROW(changes[i](), NotSupportedOnReadOnlyDictionary<Dictionary_EX>) << i;
    EXPECT_EQ(paraphrase.GetCookedTranslation(), "{x}");
}

// How fixed values apply is the 4.0 format's own rule.
using Format40FixedValueTest = CompiledReaderTest;

TEST_P(Format40FixedValueTest, AFixedPValueReplacesStoredValuesFromTheLowestFixable) {
    Dictionary_EX source = MakeSource({{"low"}, {"zero"}});
    FirstFinePOS(source, "low").SetPValue(-2000);
    Dictionary_EX const dictionary = Open(CompileFile(source));
    auto* misc = dictionary.GetMiscelaneousDictionaryInfoInterface();
    misc->SetFixedPValue(100);
    EXPECT_EQ(FirstFinePOS(dictionary, "zero").GetPValue(), 100);
    EXPECT_EQ(FirstFinePOS(dictionary, "low").GetPValue(), -2000);
    EXPECT_EQ(FirstFinePOS(dictionary, "zero").GetIdiomType(), eIdiomNormal);
    misc->SetFixedIdiomType(true);
    EXPECT_EQ(FirstFinePOS(dictionary, "zero").GetIdiomType(), eIdiomPreferential);
}

INSTANTIATE_TEST_SUITE_P(Formats, EntryTest, testing::ValuesIn(ReaderFormats()), FormatName);
INSTANTIATE_TEST_SUITE_P(Format40, Format40FixedValueTest, testing::Values(ReaderFormats().front()), FormatName);

}  // namespace
}  // namespace compiled_reader_test
