// The tests a rule's constituent puts to a node: the string test and its
// "*" forms in whole Shift-JIS characters, feature characters and value
// lists, ancestors, positions in the tree, spans, English words, semantics
// and wildcards.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "analysis_rule_builder.h"
#include "engine/foundation/temporary_dictionary.h"
#include "engine/parse/semantic_atoms.h"

namespace {

using namespace analysis_test;

constexpr uint8_t kMark = 14;  // as an action: a bit of the node's mark word

// The categories of the nodes a one-constituent rule testing (kind, text)
// matched, in pre-order.
std::string MatchedBy(PARSED_NODE* tree, uint8_t kind, std::string const& text, uint8_t featureIndex = 0) {
    RuleSetBuilder rules;
    rules.Rule().Constit().Test(kind, text, featureIndex).Act(kMark, "1");
    RunRules(tree, rules.Set());
    std::string matched;
    for (int n = 0; PARSED_NODE* node = NodeAt(tree, n); ++n) {
        if (node->secondWord == 0) continue;
        if (!matched.empty()) matched += ' ';
        matched += CategoryName(node->category);
        node->secondWord = 0;
    }
    return matched;
}

struct TermCase {
    char const* tree;
    uint8_t kind;
    char const* text;
    char const* expected;
};

// あい in Shift-JIS: 0x82 0xA0, 0x82 0xA2.
#define AI "\x82\xA0\x82\xA2"

TEST(AnalyzerTerms, TreeTestsMatchTheNodesTheyDescribe) {
    std::vector<TermCase> const cases = {
        // 1: the category name.
        {"S(N NP(N) PP)", 1, "N", "N N"},
        {"S(N NP(N) PP)", 1, "N*", "N NP N"},
        {"S(N NP(N) PP)", 1, "*P", "NP PP"},
        // 13: the Japanese string; a node without one matches only "*".
        {"S(VI01:ta VI01:tta VI01)", 13, "ta", "VI01"},
        {"S(VI01:ta VI01:tta VI01)", 13, "*ta", "VI01 VI01"},
        {"S(VI01:ta VI01:tta VI01)", 13, "t*", "VI01 VI01"},
        {"S(VI01:ta VI01:tta VI01)", 13, "*", "S VI01 VI01 VI01"},
        {"S(VI01:ta VI01:)", 13, "", "VI01"},
        // The "*" end test counts whole characters: never from a trail byte.
        {"S(N:" AI ")", 13, "*\x82\xA2", "N"},
        {"S(N:" AI ")", 13, "*\xA2", ""},
        {"S(N:" AI ")", 13, "*\xA0\x82\xA2", ""},
        {"S(N:" AI ")", 13, "*" AI, "N"},
        {"S(N:" AI ")", 13, "*x" AI, ""},
        // 12 and 18: the ancestors upward, a primed one of its child's
        // category passed over.
        {"S(NP(N))", 12, "NP S", "N"},
        {"S(NP(N))", 18, "NP", "N"},
        {"S(NP(N))", 12, "S", "NP"},
        {"S(NP(N))", 12, "VI01*", ""},
        {"S(N'(N))", 12, "S", "N N"},
        {"S(NP'(N))", 12, "S", "NP"},
        // 17: leftmost (emptied nodes before do not count) up to the ancestor.
        {"S(NP(N ADJ) VP)", 17, "S", "NP N"},
        {"S(GONE N)", 17, "S", "GONE N"},
        {"S(NP(N ADJ) VP)", 17, "*", "NP N"},
        {"S(NP(N ADJ) VP)", 17, "", "S NP N"},
        // 24: rightmost up to the ancestor; emptied nodes after do count.
        {"S(NP(N ADJ) VP)", 24, "S", "VP"},
        {"S(N GONE)", 24, "S", "GONE"},
        {"S(NP(N ADJ) VP)", 24, "", "S VP"},
        // 22: children that reach a leaf other than an emptied one.
        {"S(NP(N) GONE VP(VI01))", 22, "2", "S"},
        {"S(NP(N) GONE VP(VI01))", 22, "1+", "S"},
        {"S(NP(N) GONE VP(VI01))", 22, "1-", "N GONE VI01"},
        // 20, 21, 53 always hold; an unknown kind tests an empty value.
        {"S(N)", 53, "x", "S N"},
        {"S(N)", 40, "", "S N"},
        {"S(N)", 40, "x", ""},
    };
    for (TermCase const& c : cases) {
        ParsedTree const tree = Tree(c.tree);
        EXPECT_EQ(MatchedBy(tree.get(), c.kind, c.text), c.expected)
            << c.tree << " kind " << int{c.kind} << " \"" << c.text << "\"";
    }
}

TEST(AnalyzerTerms, SpanTestsFindTheNodeAFirstAndALastChildShare) {
    struct Case {
        char const* tree;
        char const* pattern;
        char const* expected;  // the node marked through the spanning node
    } const cases[] = {
        {"S(NP(N ADJ N))", "NP", "NP"},
        {"S(NP(NP(N) ADJ N))", "NP", "NP"},  // the outer one: the inner does not end at the last N
        {"S(NP(N) ADJ)", "NP", ""},
        {"S(NP(N ADJ N))", "*", "NP"},  // the nearest of the first list found in the second
    };
    for (Case const& c : cases) {
        RuleSetBuilder rules;
        rules.Rule()
            .Constit()
            .Test(25, c.pattern)
            .Constit(AnalConstit::kAny)
            .Test(26, "")
            .Act(kMark, "1", nullptr, 0, 4);
        ParsedTree const tree = Tree(c.tree);
        RunRules(tree.get(), rules.Set());
        std::string marked;
        for (int n = 0; PARSED_NODE* node = NodeAt(tree.get(), n); ++n)
            if (node->secondWord != 0) marked += std::string(marked.empty() ? "" : " ") + CategoryName(node->category);
        EXPECT_EQ(marked, c.expected) << c.tree << " " << c.pattern;
    }
}

TEST(AnalyzerTerms, FeatureCharactersMatchByClass) {
    struct Case {
        char const* pattern;
        char const* features;
        bool matches;
    } const cases[] = {
        {"C", "P", true},   {"C", "S", true}, {"C", "X", false}, {"P", "C", true},
        {"P", "S", false},  {"S", "C", true}, {"S", "P", false}, {"&*@XYZ", "123456", true},
        {"12", "1", false}, {"", "", true},   {"1", "12", true}, {"a", "b", false},
    };
    for (Case const& c : cases)
        EXPECT_EQ(FeatureCharsMatch(c.pattern, c.features), c.matches) << c.pattern << " / " << c.features;
}

TEST(AnalyzerTerms, FeatureTestReadsTheOperandsStringAsCharactersOrAsAValueList) {
    struct Case {
        char const* features;
        uint8_t index;
        char const* text;
        bool matches;
    } const cases[] = {
        {"12S", 1, "**C", true},   {"12S", 1, "**P", false},   {"12S", 0, "**C", false},   {"pl", 1, "sg pl", true},
        {"pl", 1, "sg,du", false}, {"pl", 1, "-sg-du", true},  {"pl", 1, "-sg pl", false}, {"plural", 1, "pl", false},
        {"12S", 3, "*", false},    {"ABC", 1, "sg-ABC", true},
    };
    for (Case const& c : cases) {
        ParsedTree const tree = Tree("N");
        std::strcpy(tree->features[1], c.features);
        EXPECT_EQ(MatchedBy(tree.get(), 2, c.text, c.index), c.matches ? "N" : "")
            << c.features << " [" << int{c.index} << "] " << c.text;
    }
}

TEST(AnalyzerTerms, JapanesePartOfSpeechIsTestedByName) {
    ParsedTree const tree = Tree("S(N N)");
    tree->firstChild->japanesePOS = JapanesePOS("ADJ");
    EXPECT_EQ(MatchedBy(tree.get(), 11, "ADJ"), "N");
    EXPECT_EQ(MatchedBy(tree.get(), 11, "AD*"), "N");
    EXPECT_EQ(MatchedBy(tree.get(), 11, "<<BAD>>"), "S N");
}

TEST(AnalyzerTerms, EnglishWordsOfTheReading) {
    Dictionary_EX_Temporary dictionary;
    ParsedTree const tree = Tree("S(VI01 N)");
    FinePOS_EX finePOS = dictionary.CreateNewEntry("Eats").CreateNewFinePOS();
    tree->firstChild->reading.Set(POSAndParaphrase(finePOS, finePOS.CreateNewParaphrase()));
    struct Case {
        uint8_t kind;
        char const* text;
        char const* expected;
    } const cases[] = {
        {14, "Eats", "VI01"}, {14, "eats", ""},     {14, "*ts", "VI01"}, {15, "Eat*", "VI01"},
        {28, "eats", "VI01"}, {28, "EATS", "VI01"}, {14, "", ""},  // no reading: never
    };
    for (Case const& c : cases) EXPECT_EQ(MatchedBy(tree.get(), c.kind, c.text), c.expected) << c.text;
}

TEST(AnalyzerTerms, SemanticAtomsMatchThroughTheHierarchy) {
    ParsedTree const tree = Tree("S(N N)");
    unsigned short human = 0;
    ASSERT_TRUE(gSemanticAtomDatabase_E_Source().Lookup("human", &human));
    tree->firstChild->semantics[0].atoms[0] = human;
    EXPECT_EQ(MatchedBy(tree.get(), 16, "human"), "N");
    EXPECT_EQ(MatchedBy(tree.get(), 16, "animate"), "N");
    EXPECT_EQ(MatchedBy(tree.get(), 16, "no such atom"), "");
    EXPECT_EQ(MatchedBy(tree.get(), 50, "human"), "N");
}

TEST(AnalyzerTerms, WildcardTestsTheJapanese) {
    ParsedTree const tree = Tree("S(VI01:tabe VI01:nomu VI01)");
    EXPECT_EQ(MatchedBy(tree.get(), 27, "*be"), "VI01");
    EXPECT_EQ(MatchedBy(tree.get(), 27, "*"), "VI01 VI01");  // a node without Japanese never matches
}

}  // namespace
