// The affix rule sets inside a rewriting dictionary: which variants are
// looked up, and what the entries made from a stem hold.
#include "engine/compiled/affix_rule_sets.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "compiled/affix_test_support.h"
#include "cp932.h"
#include "engine/compiled/affix_entry_acceptor.h"
#include "engine/compiled/affix_rule_iterator.h"

using namespace affix_test;

namespace {

std::vector<std::string> Texts(ForwardIterator<RuleApplicationResult<Entry_EX>> it) {
    std::vector<std::string> texts;
    for (; !it.IsAtEnd(); ++it) texts.push_back((*it).GetText());
    return texts;
}

std::vector<std::string> Headwords(std::vector<Entry_EX> const& entries) {
    std::vector<std::string> headwords;
    for (Entry_EX const& entry : entries) headwords.push_back(entry.GetSrcText());
    return headwords;
}

Paraphrase_EX FirstParaphrase(FinePOS_EX const& finePOS) { return *finePOS.GetParaphraseIterator(); }

Word const kFormat{"format", "VT01", CP932("フォーマットする")};

}  // namespace

TEST(AffixRewritingTest, PrefixedWordIsMadeFromItsStem) {
    RewritingDictionary_EX dictionary(MakeDictionary(kSystemDictionaryID, {kFormat}), AffixMakers());
    std::vector<Entry_EX> const found = LookupAll(dictionary, "autoformat");
    ASSERT_EQ(Headwords(found), std::vector<std::string>{"autoformat"});
    ASSERT_EQ(found[0].GetFinePOSCount(), 1u);
    FinePOS_EX const finePOS = found[0].GetIthFinePOS(0);
    EXPECT_EQ(finePOS.GetFinePOS(), SourcePOS("VT01"));
    EXPECT_EQ(finePOS.GetPValue(), -6144);
    EXPECT_EQ(finePOS.GetIdiomType(), eIdiomNormal);
    EXPECT_EQ(FirstParaphrase(finePOS).GetCookedTranslation(), CP932("自動的にフォーマットする"));
    EXPECT_EQ(found[0].GetDictionary().GetID(), kSystemDictionaryID);
}

TEST(AffixRewritingTest, PlainHitSuppressesAffixVariants) {
    Word const whole{"autoformat", "VT01", CP932("自動整形する")};
    RewritingDictionary_EX dictionary(MakeDictionary(kSystemDictionaryID, {kFormat, whole}), AffixMakers());
    std::vector<Entry_EX> const found = LookupAll(dictionary, "autoformat");
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(FirstParaphrase(found[0].GetIthFinePOS(0)).GetCookedTranslation(), CP932("自動整形する"));
}

TEST(AffixRewritingTest, StemsThatAreNeverUsed) {
    struct Case {
        unsigned short id;
        Word stem;
        char const* looked;
    };
    Case const cases[] = {
        {kSystemDictionaryID, {"ox", "N", CP932("雄牛")}, "reox"},           // two bytes
        {kUserDictionaryID, kFormat, "autoformat"},                          // user dictionary
        {kSystemDictionaryID, {"format", "N", CP932("書式")}, "misformat"},  // mis- takes verbs only
    };
    for (Case const& c : cases) {
        RewritingDictionary_EX dictionary(MakeDictionary(c.id, {c.stem}), AffixMakers());
        EXPECT_TRUE(LookupAll(dictionary, c.looked).empty()) << c.looked;
    }
}

TEST(AffixRewritingTest, CapitalisedWordNeedsACapitalisedStem) {
    AffixActionRule const& autoVT01 = kAffixActions[11];
    struct Case {
        char const* surface;
        char const* stem;
        bool accepted;
    };
    Case const cases[] = {
        {"Autoformat", "format", false},
        {"Autoformat", "Format", true},
        {"autoformat", "Format", true},
    };
    for (Case const& c : cases) {
        Dictionary_EX_Temporary temporary;
        Dictionary_EX const wrapped = MakeDictionary(kSystemDictionaryID, {{c.stem, "VT01", CP932("書式設定する")}});
        Entry_EX entry = FirstEntry(wrapped, c.stem);
        AffixEntryAcceptorRep acceptor(c.surface, autoVT01);
        EXPECT_EQ(acceptor.Accept(&entry, temporary), c.accepted) << c.surface << " from " << c.stem;
        EXPECT_EQ(entry.GetSrcText(), c.accepted ? c.surface : c.stem);
    }
}

TEST(AffixRewritingTest, SpeedSettingCutsVariants) {
    struct Case {
        int speed;
        char const* text;
        bool variants;
    };
    Case const cases[] = {
        {80, "autoformat", false},   {79, "autoformat", true},        {30, "autoformat it now", false},
        {30, "autoformat it", true}, {29, "autoformat it now", true},
    };
    for (Case const& c : cases) {
        SpeedCallback callback(c.speed);
        std::vector<std::string> const texts = Texts(MakePrefixRuleSet().ApplyRule(c.text, &callback));
        ASSERT_FALSE(texts.empty());
        EXPECT_EQ(texts[0], c.text);
        EXPECT_EQ(texts.size() > 1, c.variants) << c.speed << " " << c.text;
    }
}

TEST(AffixRewritingTest, EachRuleGivesAtMostOneStem) {
    // "auto" on each of the verb, adjective and noun classes, one stem each.
    std::vector<std::string> const texts = Texts(MakePrefixRuleSet().ApplyRule("autoformat", nullptr));
    EXPECT_EQ(texts.size(), 1u + 13 + 4 + 1 + 1);
    for (std::size_t i = 1; i < texts.size(); ++i) EXPECT_EQ(texts[i], "format");
}

TEST(AffixRewritingTest, FirstWordSuffixes) {
    struct Case {
        char const* text;
        std::vector<std::string> expected;
    };
    Case const cases[] = {
        // Every row of the rule that applies gives its stem, each stem once:
        // the first is not always the word ("cases" is a "case").
        {"boxes office", {"boxes office", "box office", "boxe office"}},
        {"boxes", {"boxes"}},
        {"analyses of data", {"analyses of data", "analysis of data", "analyse of data"}},
        {"cases of data", {"cases of data", "casis of data", "case of data"}},
    };
    for (Case const& c : cases)
        EXPECT_EQ(Texts(MakeFirstWordSuffixRuleSet().ApplyRule(c.text, nullptr)), c.expected) << c.text;
}

TEST(AffixRewritingTest, TechnicalTermWithPluralFirstWord) {
    Word const term{"box office", "N", CP932("切符売り場"), kCountableNounFeatures};
    RewritingDictionary_EX dictionary(MakeDictionary(kTechnicalDictionaryID, {term}), AffixMakers());
    std::vector<Entry_EX> const found = LookupAll(dictionary, "boxes office");
    ASSERT_EQ(Headwords(found), std::vector<std::string>{"boxes office"});
    FinePOS_EX const finePOS = found[0].GetIthFinePOS(0);
    EXPECT_STREQ(finePOS.GetFeatureSets().GetSet(0), "PPPC1100120M0__");
    EXPECT_EQ(FirstParaphrase(finePOS).GetCookedTranslation(), CP932("切符売り場"));
}

TEST(AffixRewritingTest, SuffixRulesDeriveCategoryFeaturesAndSemantics) {
    RewritingDictionary_EX dictionary(
        MakeDictionary(kSystemDictionaryID, {{"time", "N", CP932("時間"), kCountableNounFeatures},
                                             {"king", "N", CP932("王"), kCountableNounFeatures}}),
        AffixMakers());

    std::vector<Entry_EX> const timewise = LookupAll(dictionary, "timewise");
    ASSERT_EQ(timewise.size(), 1u);
    FinePOS_EX const adverb = timewise[0].GetIthFinePOS(0);
    EXPECT_EQ(adverb.GetFinePOS(), SourcePOS("ADV"));
    for (unsigned set = 0; set < FeatureSets_E_Source::kSetCount; ++set)
        EXPECT_STREQ(adverb.GetFeatureSets().GetSet(set), "") << set;  // "NO" empties each set
    EXPECT_EQ(FirstParaphrase(adverb).GetCookedTranslation(), CP932("時間の点で"));
    EXPECT_EQ(FirstParaphrase(adverb).GetTransPOS(), TargetPOS("ADV"));

    std::vector<Entry_EX> const kingdom = LookupAll(dictionary, "kingdom");
    ASSERT_EQ(kingdom.size(), 1u);
    Paraphrase_EX const realm = FirstParaphrase(kingdom[0].GetIthFinePOS(0));
    EXPECT_EQ(realm.GetCookedTranslation(), CP932("王王国"));
    unsigned short place = 0;
    gSemanticAtomDatabase_E_Source().Lookup("place", &place);
    EXPECT_EQ(realm.GetSemantics().records[0].atoms[0], place);
}

TEST(AffixRewritingTest, ConjugatedFormsShareOneDerivedBase) {
    Dictionary_EX wrapped = MakeDictionary(kSystemDictionaryID, {kFormat});
    FinePOS_EX const base = FirstEntry(wrapped, "format").GetIthFinePOS(0);
    Entry_EX formatted = wrapped.CreateNewEntry("formatted");
    for (int form = 0; form < 2; ++form) {  // past and past participle
        FinePOS_EX conjugated = formatted.CreateNewFinePOS();
        conjugated.SetFinePOS(SourcePOS("VT01"));
        conjugated.SetBaseForm(base);
    }
    RewritingDictionary_EX dictionary(wrapped, AffixMakers());
    std::vector<Entry_EX> const found = LookupAll(dictionary, "reformatted");
    ASSERT_EQ(Headwords(found), std::vector<std::string>{"reformatted"});
    ASSERT_EQ(found[0].GetFinePOSCount(), 2u);
    FinePOS_EX const first = found[0].GetIthFinePOS(0);
    FinePOS_EX const second = found[0].GetIthFinePOS(1);
    ASSERT_TRUE(first.IsACF() && second.IsACF());
    EXPECT_EQ(first.GetBaseForm(), second.GetBaseForm());
    EXPECT_EQ(first.GetBaseForm().GetEntry().GetSrcText(), "reformat");
    EXPECT_EQ(FirstParaphrase(first).GetCookedTranslation(), CP932("再びフォーマットする"));
}

TEST(AffixRewritingTest, IteratorCloneHasItsOwnAcceptanceFlag) {
    ForwardIterator<RuleApplicationResult<Entry_EX>> original = MakePrefixRuleSet().ApplyRule("autoformat", nullptr);
    RuleApplicationResult<Entry_EX> asWritten = *original;
    ForwardIterator<RuleApplicationResult<Entry_EX>> copy = original;
    ++copy;  // now a clone of its own
    asWritten.GetAcceptor().NotifyAccepted();
    ++original;
    EXPECT_TRUE(original.IsAtEnd());
    ASSERT_FALSE(copy.IsAtEnd());
    EXPECT_STREQ((*copy).GetText(), "format");
    ++copy;
    EXPECT_FALSE(copy.IsAtEnd());
}
