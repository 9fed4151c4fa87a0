// Which rules AnalyzeCodes walks: the bitmap keys of the tree's strings
// (whole, prefix and suffix, and strings set by earlier rules), the option
// conditions, number rules, single-constituent runs and broken tables.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "analysis_rule_builder.h"
#include "engine/transfer/analysis_bitmap.h"

namespace {

using namespace analysis_test;

constexpr uint8_t kCat = 1;
constexpr uint8_t kJ = 13;

TEST(AnalyzerBitmap, TriesSetWholeStringPrefixAndSuffixBits) {
    KeyTrie forward(113);
    KeyTrie backward(169);
    uint16_t const whole = forward.Whole("tabe");
    uint16_t const prefix = forward.Prefix("ta");
    uint16_t const suffix = backward.Prefix("eb");  // ends with "be"
    uint16_t const other = forward.Whole("ta");
    std::vector<LetterMapRecord> const forwardRecords = forward.Records();
    std::vector<LetterMapRecord> const backwardRecords = backward.Records();
    ANALOPT const option = {forwardRecords.data(),  static_cast<uint32_t>(forwardRecords.size()),  113,
                            backwardRecords.data(), static_cast<uint32_t>(backwardRecords.size()), 169};
    struct Case {
        char const* text;
        bool whole, prefix, suffix, other;
    } const cases[] = {
        {"tabe", true, true, true, false},   {"taberu", false, true, false, false}, {"ta", false, true, false, true},
        {"nabe", false, false, true, false}, {"t", false, false, false, false},     {"", false, false, false, false},
    };
    for (Case const& c : cases) {
        AnalBitmap bitmap = {};
        MaybeSetInBitmap(&option, c.text, bitmap);
        EXPECT_EQ(IsSetInBitmap(whole, bitmap), c.whole) << c.text;
        EXPECT_EQ(IsSetInBitmap(prefix, bitmap), c.prefix) << c.text;
        EXPECT_EQ(IsSetInBitmap(suffix, bitmap), c.suffix) << c.text;
        EXPECT_EQ(IsSetInBitmap(other, bitmap), c.other) << c.text;
    }
}

TEST(AnalyzerBitmap, BitsOutsideTheBitmapAndRecordsOutsideTheMapAreIgnored) {
    // Region 600 lies past the bitmap's 512 words; a child index past the
    // map's end ends the walk.
    LetterMapRecord const map[] = {{0, 0, 0, 2, 1}, {'a', 1, 2, 1, 7}, {'b', 3, 0, 0, 0}};
    AnalBitmap bitmap = {};
    FindInLMap(map, 3, 600, "ab", false, bitmap);
    FindInLMap(map, 3, 511, "ab", false, bitmap);
    FindInLMap(map, 3, 5, "ab", false, bitmap);
    FindInLMap(map, 3, 6, "b", false, bitmap);
    unsigned set = 0;
    for (unsigned bit = 0; bit < kAnalBitmapBits; ++bit) set += IsSetInBitmap(bit, bitmap) ? 1 : 0;
    EXPECT_EQ(set, 3u);  // regions 511 and 5: the prefix bit of "a" only; region 6: the whole bit of "b"
    EXPECT_TRUE(IsSetInBitmap(511 * 32 + 2, bitmap));
    EXPECT_TRUE(IsSetInBitmap(5 * 32 + 2, bitmap));
    EXPECT_TRUE(IsSetInBitmap(6 * 32 + 3, bitmap));
    EXPECT_FALSE(IsSetInBitmap(kAnalBitmapBits, bitmap));
    EXPECT_FALSE(IsSetInBitmap(0xFFFF, bitmap));
    SetInBitmap(kAnalBitmapBits + 5, bitmap);  // ignored, not written past the end
}

// One rule keyed on the Japanese string "ta" that would act anywhere.
TEST(AnalyzeCodes, ARuleIsWalkedOnlyWhenItsKeysAreInTheTree) {
    struct Case {
        char const* tree;
        bool walked;
    } const cases[] = {
        {"S(VI01:ta)", true},
        {"S(VI01:tabe)", false},
        {"S(VI01)", false},
        {"S(VI01:t)", false},
    };
    for (Case const& c : cases) {
        RuleSetBuilder rules;
        uint16_t const key = rules.JStr().Whole("ta");
        rules.Rule().Keys({key}).Constit().Test(kCat, "S").Act(kJ, "walked");
        ParsedTree const tree = Tree(c.tree);
        EXPECT_EQ(RunRules(tree.get(), rules.Set()), c.walked ? 1u : 0u) << c.tree;
        EXPECT_EQ(tree->japanese != nullptr, c.walked) << c.tree;
    }
}

TEST(AnalyzeCodes, PrefixSuffixAndCategoryKeys) {
    RuleSetBuilder rules;
    uint16_t const prefix = rules.JStr().Prefix("ta");
    uint16_t const suffix = rules.JStrBackward().Prefix("eb");
    uint16_t const category = rules.Constits().Whole("PAST");
    rules.Rule().Keys({prefix, suffix}).Constit().Test(kCat, "S").Act(kJ, "a");
    rules.Rule().Keys({category}).Constit().Test(kCat, "VI01").Act(kJ, "b");
    AnalysisRuleSet const& set = rules.Set();
    struct Case {
        char const* tree;
        unsigned walked;
    } const cases[] = {
        {"S(VI01:tabe)", 1}, {"S(VI01:taberu)", 0}, {"S(VI01:nabe)", 0}, {"S(VI01:tabe PAST)", 2}, {"S(VI01 PAST)", 1},
    };
    for (Case const& c : cases) {
        ParsedTree const tree = Tree(c.tree);
        EXPECT_EQ(RunRules(tree.get(), set), c.walked) << c.tree;
    }
}

TEST(AnalyzeCodes, AStringSetByAnActionUnlocksALaterRule) {
    RuleSetBuilder rules;
    uint16_t const key = rules.JStr().Whole("ta");
    rules.Rule().Keys({key}).Constit().Test(kJ, "ta").Act(kJ, "tta");  // locked until the next one runs
    rules.Rule().Constit().Test(kCat, "PAST").Act(kJ, "ta");
    rules.Rule().Keys({key}).Constit().Test(kJ, "ta").Act(kCat, "PRES");
    ParsedTree const tree = Tree("S(VI01 PAST)");
    EXPECT_EQ(RunRules(tree.get(), rules.Set()), 2u);
    EXPECT_EQ(TreeText(tree.get()), "S(VI01 PRES:ta)");
}

TEST(AnalyzeCodes, EveryActionThatChangesAKeyedStringKeysTheNewOne) {
    enum Region { kJapanese, kCategoryName, kJapanesePOSName };
    struct Case {
        char const* name;
        uint8_t kind;
        char const* text;
        char const* text2;
        Region region;
        char const* keyed;
    } const cases[] = {
        {"Japanese", 13, "ta", nullptr, kJapanese, "ta"},
        {"ending", 12, "ru", "ta", kJapanese, "tabeta"},
        {"start", 19, "ta", "ka", kJapanese, "kaberu"},
        {"wildcard", 27, "*ru", "\\1ta", kJapanese, "tabeta"},
        {"category", 1, "PAST", nullptr, kCategoryName, "PAST"},
        {"Japanese part of speech", 11, "ADJ", nullptr, kJapanesePOSName, "ADJ"},
    };
    for (Case const& c : cases) {
        RuleSetBuilder rules;
        KeyTrie& trie = c.region == kJapanese       ? rules.JStr()
                        : c.region == kCategoryName ? rules.Constits()
                                                    : rules.JapanesePOSNames();
        uint16_t const key = trie.Whole(c.keyed);
        rules.Rule().Constit().Test(kCat, "VI01").Act(c.kind, c.text, c.text2);
        rules.Rule().Keys({key}).Constit().Test(kCat, "S").Act(kJ, "walked");
        ParsedTree const tree = Tree("S(VI01:taberu)");
        EXPECT_EQ(RunRules(tree.get(), rules.Set()), 2u) << c.name;
        EXPECT_STREQ(tree->japanese, "walked") << c.name;
    }
}

TEST(AnalyzeCodes, AnEmptyTreeRunsNoRule) {
    RuleSetBuilder rules;
    rules.Rule().Constit().Test(kJ, "*").Act(kJ, "x");
    EXPECT_EQ(RunRules(nullptr, rules.Set()), 0u);
}

TEST(AnalyzeCodes, NumberRulesNeedANumberAndSingleOnlyKeepsToOneConstituent) {
    RuleSetBuilder rules;
    rules.Rule().Constit().Test(kCat, "S");
    rules.Rule().Constit().Test(kCat, "S").Constit().Test(kCat, "VI01");
    rules.Rule().Constit().Test(kCat, "S");  // a number rule
    rules.Set();
    rules.SetFirstNumberRule(2);
    AnalysisRuleSet const& set = rules.Set();
    struct Case {
        char const* tree;
        bool singleOnly;
        unsigned walked;
    } const cases[] = {
        {"S(VI01)", false, 2},
        {"S(VI01)", true, 1},
        {"S(VI01 DECINUMBER)", false, 3},
        {"S(VI01 NUMBER)", true, 2},
    };
    for (Case const& c : cases) {
        ParsedTree const tree = Tree(c.tree);
        EXPECT_EQ(RunRules(tree.get(), set, c.singleOnly), c.walked) << c.tree << " " << c.singleOnly;
    }
}

TEST(AnalyzeCodes, RulesReachingOutsideTheirTablesAreSkipped) {
    RuleSetBuilder rules;
    rules.Rule().Constit().Test(kCat, "S").Act(kJ, "ok");
    AnalysisRuleSet set = rules.Set();
    std::vector<AnalysisRule> broken(set.rules, set.rules + set.ruleCount);
    broken.push_back(broken[0]);
    broken.back().firstConstit = 7;  // past the constituents
    broken.push_back(broken[0]);
    broken.back().constitCount = 0;
    broken.push_back(broken[0]);
    broken.back().constitCount = kMaxAnalConstits + 1;
    set.rules = broken.data();
    set.ruleCount = static_cast<unsigned>(broken.size());
    ParsedTree const tree = Tree("S");
    EXPECT_EQ(RunRules(tree.get(), set), 1u);
}

TEST(AnalyzeCodes, OptionConditionsHoldWithinAFieldByAnyValueAndAcrossFieldsByAll) {
    struct Case {
        char const* name;
        uint8_t options;
        std::vector<std::pair<int, uint16_t>> masks;  // (mask, bits)
        uint32_t flagMask;
        uint32_t politeness;
        uint32_t you;
        std::vector<std::pair<int, uint32_t>> fields;  // (field, value)
        std::vector<int> flagsSet;
        bool holds;
    };
    std::vector<Case> const cases = {
        {"no conditions", 0, {}, 0, 22, 0, {}, {}, true},
        {"polite in polite", AnalysisRule::kPolite, {}, 0, 22, 0, {}, {}, true},
        {"polite in written", AnalysisRule::kPolite, {}, 0, 23, 0, {}, {}, false},
        {"written in written", AnalysisRule::kWritten, {}, 0, 23, 0, {}, {}, true},
        {"plain in plain", AnalysisRule::kPlain, {}, 0, 21, 0, {}, {}, true},
        {"polite or written", AnalysisRule::kPolite | AnalysisRule::kWritten, {}, 0, 23, 0, {}, {}, true},
        {"you 1 with you 0", AnalysisRule::kYouMode1, {}, 0, 22, 0, {}, {}, false},
        {"you 1 with you 1", AnalysisRule::kYouMode1, {}, 0, 22, 1, {}, {}, true},
        {"polite, you 0: both needed", AnalysisRule::kPolite | AnalysisRule::kYouMode0, {}, 0, 22, 1, {}, {}, false},
        {"F0 = 2", 0, {{0, 0x2}}, 0, 22, 0, {{0, 2}}, {}, true},
        {"F0 = 2 against 1", 0, {{0, 0x2}}, 0, 22, 0, {{0, 1}}, {}, false},
        {"F0 = 1 or 2", 0, {{0, 0x3}}, 0, 22, 0, {{0, 1}}, {}, true},
        {"F0 = 1 and F4 = 1", 0, {{0, 0x1}, {1, 0x1}}, 0, 22, 0, {{0, 1}, {4, 2}}, {}, false},
        {"F0 = 1 and F4 = 2", 0, {{0, 0x1}, {1, 0x2}}, 0, 22, 0, {{0, 1}, {4, 2}}, {}, true},
        {"F9 = 2 or 1, across masks", 0, {{2, 0x4000}, {3, 0x8}}, 0, 22, 0, {{9, 1}}, {}, true},
        {"F8 = 6", 0, {{4, 0x8000}}, 0, 22, 0, {{8, 6}}, {}, true},
        {"F8 = 1", 0, {{3, 0x4000}}, 0, 22, 0, {{8, 6}}, {}, false},
        {"F15 = 6", 0, {{6, 0x2}}, 0, 22, 0, {{15, 6}}, {}, true},
        {"F27 = 4", 0, {{9, 0x400}}, 0, 22, 0, {{27, 4}}, {}, true},
        {"F27 = 4 against 3", 0, {{9, 0x400}}, 0, 22, 0, {{27, 3}}, {}, false},
        {"an unused bit demands nothing", 0, {{0, 0x8000}}, 0, 22, 0, {}, {}, true},
        {"flag 3 clear", 0, {}, 0x8, 22, 0, {}, {}, false},
        {"flag 3 set", 0, {}, 0x8, 22, 0, {}, {3}, true},
        {"flags 3 and 19, one set", 0, {}, 0x80008, 22, 0, {}, {3}, false},
    };
    for (Case const& c : cases) {
        AnalysisRule rule{};
        rule.options = c.options;
        for (auto const& [mask, bits] : c.masks) rule.auxMasks[mask] = bits;
        rule.flagMask = c.flagMask;
        AuxiliaryVerbsUserOption_J aux;
        for (uint32_t& word : aux.fWords) word = 0;
        for (uint8_t& flag : aux.fFlags) flag = 0;
        for (auto const& [field, value] : c.fields) aux.fWords[field] = value;
        for (int flag : c.flagsSet) aux.fFlags[flag] = 1;
        EXPECT_EQ(AnalysisRuleOptionsHold(rule, Politeness(c.politeness), c.you, aux), c.holds) << c.name;
    }
}

TEST(AnalyzeCodes, PolitenessDecidesWhichEndingIsWritten) {
    RuleSetBuilder rules;
    rules.Rule(AnalysisRule::kPolite).Constit().Test(kCat, "PAST").Act(kJ, "mashita");
    rules.Rule(AnalysisRule::kWritten | AnalysisRule::kPlain).Constit().Test(kCat, "PAST").Act(kJ, "ta");
    for (auto const& [politeness, expected] : {std::pair<uint32_t, char const*>{22, "mashita"}, {23, "ta"}}) {
        ParsedTree const tree = Tree("S(VI01 PAST)");
        RunRules(tree.get(), rules.Set(), false, false, politeness);
        EXPECT_STREQ(tree->firstChild->rightSibling->japanese, expected) << politeness;
    }
}

// A relative clause keeps plain forms in a polite sentence: there the plain
// rules act inside it and the polite ones outside; rules of no style act
// everywhere.
TEST(AnalyzeCodes, ClausesSpeltInPlainStyleKeepPlainFormsInAPoliteSentence) {
    RuleSetBuilder rules;
    rules.Rule(AnalysisRule::kPolite).Constit().Test(kCat, "PAST").Act(kJ, "mashita");
    rules.Rule(AnalysisRule::kWritten | AnalysisRule::kPlain).Constit().Test(kCat, "PAST").Act(kJ, "ta");
    rules.Rule().Constit().Test(kCat, "NBAR").Act(kJ, "hon");
    struct {
        uint32_t politeness;
        char const* expected;
    } const cases[] = {
        {22, "S(NP(RELCL(VI01 TENSE(PAST:ta)) NBAR:hon) VP(VI01 TENSE(PAST:mashita)))"},
        {21, "S(NP(RELCL(VI01 TENSE(PAST:ta)) NBAR:hon) VP(VI01 TENSE(PAST:ta)))"},
    };
    for (auto const& c : cases) {
        ParsedTree const tree = Tree("S(NP(RELCL(VI01 TENSE(PAST)) NBAR) VP(VI01 TENSE(PAST)))");
        RunRules(tree.get(), rules.Set(), false, false, c.politeness);
        EXPECT_EQ(TreeText(tree.get()), c.expected) << c.politeness;
    }
}

TEST(AnalyzeCodes, DepthFirstRulesSeeChildrenBeforeParents) {
    // A match marks the node and turns its parent into a PP, which no
    // longer matches: visiting NP before N reaches S too.
    for (bool depthFirst : {false, true}) {
        RuleSetBuilder rules;
        rules.Rule(depthFirst ? AnalysisRule::kDepthFirst : 0)
            .Constit()
            .Test(kCat, "N*")
            .Act(kJ, "x")
            .Act(kCat, "PP", nullptr, 0, 0, 1);
        ParsedTree const tree = Tree("S(NP(N))");
        RunRules(tree.get(), rules.Set());
        EXPECT_EQ(TreeText(tree.get()), depthFirst ? "S(PP(N:x))" : "PP(PP:x(N:x))");
    }
}

TEST(AnalyzeCodes, GeneratedTablesRunOverATree) {
    ParsedTree const tree = Tree("S(NP(N:inu) VP(VI01:tabe PAST))");
    EXPECT_NO_THROW(AnalyzeCodes(tree.get(), Politeness(22), 0, AuxiliaryVerbsUserOption_J(), false, false));
}

TEST(AnalyzeCodes, CompiledRulesSpellTheTenseAfterTheVerb) {
    struct Case {
        char const* verb;
        uint32_t politeness;
        char const* expected;
    } const cases[] = {
        {"{食べ}-/VV", 23, "S(VP(NP(N:ringo) VT01:{食べ}-/VV) TENSE(PAST:ta))"},
        {"{食べ}-/VV", 21, "S(VP(NP(N:ringo) VT01:{食べ}-/VV) TENSE(PAST:ta))"},
        {"{食べ}-/VV", 22, "S(VP(NP(N:ringo) VT01:{食べ}-/VV) TENSE(PAST:masita))"},
        {"{書}k-/VCk", 23, "S(VP(NP(N:ringo) VT01:{書}i-/VCk) TENSE(PAST:ta))"},
    };
    for (Case const& c : cases) {
        ParsedTree const tree = Tree(std::string("S(VP(NP(N:ringo) VT01:") + c.verb + ") TENSE(PAST))");
        AnalyzeCodes(tree.get(), Politeness(c.politeness), 0, AuxiliaryVerbsUserOption_J(), false, false);
        EXPECT_EQ(TreeText(tree.get()), c.expected) << c.verb << " " << c.politeness;
    }
}

}  // namespace
