#include "engine/compiled/morphology_rule_set.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "compiled/rewriters_test_support.h"
#include "compiled/rewriting_test_support.h"
#include "engine/compiled/pvalue.h"
#include "engine/compiled/pvalue_lowering_acceptor.h"
#include "engine/foundation/temporary_dictionary.h"

using namespace rewriters_test;

namespace {

RewriteRuleSetMakers MorphologyOnly() {
    RewriteRuleSetMakers makers;
    makers.morphology = MakerOf<Morphology_E_Source_RewriterRuleSet>();
    return makers;
}

// A dictionary with the given number holding "color" with one reading per
// p-value given.
Dictionary_EX ColorDictionary(unsigned short id, std::vector<short> const& pValues) {
    Dictionary_EX_Temporary dictionary;
    dictionary.SetID(id);
    Entry_EX color = dictionary.CreateNewEntry("color");
    for (short p : pValues) {
        FinePOS_EX fp = color.CreateNewFinePOS();
        fp.SetPValue(p);
        fp.SetIdiomType(eIdiomAlmighty);
        fp.CreateNewParaphrase().SetCookedTranslation("{iro}");
    }
    return dictionary;
}

std::vector<short> PValues(Entry_EX const& entry) {
    std::vector<short> values;
    for (ForwardIterator<FinePOS_EX> fp = entry.GetFinePOSIterator(); !fp.IsAtEnd(); ++fp)
        values.push_back((*fp).GetPValue());
    return values;
}

}  // namespace

TEST(PenalizePValue, LowersBy4096WithinTheShortRange) {
    struct Case {
        short p;
        short lowered;
    };
    Case const cases[] = {{0, -4096}, {-30000, -32768}, {-32768, -32768}, {-28672, -32768}, {32767, 28671}};
    for (Case const& c : cases) EXPECT_EQ(PenalizePValue(c.p), c.lowered) << c.p;
    EXPECT_EQ(ClampPValue(40000), 32767);
}

TEST(MorphologyRuleSet, TextFirstThenEachWordRespelledInOrder) {
    std::vector<std::string> const results = Apply<Morphology_E_Source_RewriterRuleSet>("colour  realise travelling");
    ASSERT_GE(results.size(), 4u);
    EXPECT_EQ(results[0], "colour  realise travelling");
    // Which word each result changed: never going back to an earlier one.
    std::vector<std::string> const words = {"colour", "realise", "travelling"};
    std::size_t lastChanged = 0;
    for (std::size_t i = 1; i < results.size(); ++i) {
        std::size_t changed = words.size();
        for (std::size_t w = 0; w < words.size(); ++w) {
            if (results[i].find(words[w]) == std::string::npos) {
                EXPECT_EQ(changed, words.size()) << "two words changed in " << results[i];
                changed = w;
            }
        }
        ASSERT_LT(changed, words.size()) << results[i];
        EXPECT_GE(changed, lastChanged) << results[i];
        lastChanged = changed;
    }
    for (char const* expected :
         {"color  realise travelling", "colour  realize travelling", "colour  realise traveling"})
        EXPECT_NE(std::find(results.begin(), results.end(), expected), results.end()) << expected;
}

TEST(MorphologyRuleSet, DropsRewritesOver255Bytes) {
    std::string const text = std::string(249, 'a') + " colour";  // 256 bytes
    std::vector<std::string> const results = Apply<Morphology_E_Source_RewriterRuleSet>(text.c_str());
    // "color" would make 255 bytes and fits; "colour"'s other spellings are
    // no longer.
    for (std::size_t i = 1; i < results.size(); ++i) EXPECT_LE(results[i].size(), 255u);
    EXPECT_NE(std::find(results.begin(), results.end(), std::string(249, 'a') + " color"), results.end());
}

TEST(MorphologyRuleSet, RespelledEntriesComeWithLoweredPValues) {
    Dictionary_EX const system = ColorDictionary(1, {-30000, 0});
    RewritingDictionary_EX const rewriting(system, MorphologyOnly());

    std::vector<Entry_EX> const found = rewriting_test::Drain(rewriting.Lookup("colour", nullptr));
    ASSERT_EQ(found.size(), 1u);
    Entry_EX const copy = found[0];
    EXPECT_EQ(copy.GetSrcText(), "color");
    EXPECT_NE(copy.GetDictionary(), system);
    EXPECT_EQ(copy.GetDictionary().GetID(), 1);
    // Copied in the order found, each new reading standing first.
    EXPECT_EQ(PValues(copy), (std::vector<short>{-32768, -4096}));
    for (ForwardIterator<FinePOS_EX> fp = copy.GetFinePOSIterator(); !fp.IsAtEnd(); ++fp)
        EXPECT_EQ((*fp).GetIdiomType(), eIdiomNormal);
    EXPECT_EQ(rewriting_test::Readings(found), (std::vector<std::string>{"{iro}", "{iro}"}));
    // The entry as written is left alone.
    EXPECT_EQ(PValues(rewriting_test::FirstEntry(system, "color")), (std::vector<short>{0, -30000}));
}

TEST(MorphologyRuleSet, UserDictionariesGetNoRespellings) {
    RewritingDictionary_EX const rewriting(ColorDictionary(kMinUserDictionaryID, {0}), MorphologyOnly());
    EXPECT_TRUE(rewriting.Lookup("colour", nullptr).IsAtEnd());
    EXPECT_EQ(rewriting_test::Drain(rewriting.Lookup("color", nullptr)).size(), 1u);
}

TEST(PValueLoweringAcceptor, RefusesEntriesMadeByAnEarlierRewrite) {
    Dictionary_EX_Temporary temporary;
    Entry_EX entry = temporary.CreateNewEntry("color");
    PValueLoweringEntryAcceptor acceptor;
    EXPECT_FALSE(acceptor.Accept(&entry, temporary));
}

TEST(PValueLoweringAcceptor, TechnicalEntryKeepsItsFirst16FinePOS) {
    std::vector<short> pValues;
    for (short p = 0; p < 20; ++p) pValues.push_back(static_cast<short>(-p));
    Dictionary_EX const technical = ColorDictionary(kMinTechnicalDictionaryID, pValues);
    Dictionary_EX_Temporary temporary;
    Entry_EX entry = rewriting_test::FirstEntry(technical, "color");

    PValueLoweringEntryAcceptor acceptor;
    ASSERT_TRUE(acceptor.Accept(&entry, temporary));
    std::vector<short> const lowered = PValues(entry);
    ASSERT_EQ(lowered.size(), 16u);
    std::vector<short> const original = PValues(rewriting_test::FirstEntry(technical, "color"));
    // The first 16 as found; each copy stands before the one made earlier.
    for (std::size_t i = 0; i < lowered.size(); ++i) EXPECT_EQ(lowered[i], original[15 - i] - 4096);
}

TEST(PValueLoweringAcceptor, ConjugatedFormsSharingABaseShareOneCopyOfIt) {
    Dictionary_EX_Temporary system;
    system.SetID(1);
    Entry_EX go = system.CreateNewEntry("go");
    FinePOS_EX base = go.CreateNewFinePOS();
    base.CreateNewParaphrase().SetCookedTranslation("{i}-ku");
    Entry_EX went = system.CreateNewEntry("went");
    for (int form = 0; form < 2; ++form) went.CreateNewFinePOS().SetBaseForm(base);

    Dictionary_EX_Temporary temporary;
    Entry_EX entry = went;
    PValueLoweringEntryAcceptor acceptor;
    ASSERT_TRUE(acceptor.Accept(&entry, temporary));

    ASSERT_EQ(entry.GetFinePOSCount(), 2u);
    FinePOS_EX const first = entry.GetIthFinePOS(0);
    FinePOS_EX const second = entry.GetIthFinePOS(1);
    EXPECT_TRUE(first.IsACF());
    EXPECT_EQ(first.GetBaseForm(), second.GetBaseForm());
    Entry_EX const baseCopy = first.GetBaseForm().GetEntry();
    EXPECT_EQ(baseCopy.GetSrcText(), "go");
    EXPECT_EQ(baseCopy.GetDictionary(), temporary);
    EXPECT_EQ(baseCopy.GetFinePOSCount(), 1u);
    EXPECT_EQ(rewriting_test::Readings({baseCopy}), std::vector<std::string>{"{i}-ku"});
    std::size_t entries = 0;
    for (BidirectionalIterator<Entry_EX> it = temporary.GetEntryIterator_start(); !it.IsAtEnd(); ++it) ++entries;
    EXPECT_EQ(entries, 2u);  // "went" and "go"
}
