// What a matched rule does to the tree: the node it acts on (moves,
// inserted nodes, pasted copies), each kind of action, the diagnostics of
// endings that do not fit, the emptied node, and the cap that keeps a rule
// from feeding on its own inserted nodes.
#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "analysis_rule_builder.h"
#include "engine/foundation/feature_bits.h"
#include "engine/transfer/analyze_codes_actor.h"

namespace {

using namespace analysis_test;

constexpr uint8_t kCat = 1;
constexpr uint8_t kFeature = 2;
constexpr uint8_t kJPOS = 11;
constexpr uint8_t kEnding = 12;
constexpr uint8_t kJ = 13;
constexpr uint8_t kMark = 14;
constexpr uint8_t kJStart = 19;
constexpr uint8_t kCopy = 20;
constexpr uint8_t kPaste = 21;
constexpr uint8_t kWildcard = 27;
constexpr uint8_t kAfter = AnalTerm::kInsertAfter;
constexpr uint8_t kBefore = AnalTerm::kInsertBefore;

struct ActionCase {
    char const* name;
    char const* tree;
    std::function<void(RuleSetBuilder&)> rule;
    char const* expected;
};

TEST(AnalyzerActions, RewriteTheNodeTheyAreAimedAt) {
    std::vector<ActionCase> const cases = {
        {"Japanese", "S(VI01:tabe)", [](RuleSetBuilder& r) { r.Rule().Constit().Test(kCat, "VI01").Act(kJ, "nomu"); },
         "S(VI01:nomu)"},
        {"category", "S(VI01)", [](RuleSetBuilder& r) { r.Rule().Constit().Test(kCat, "VI01").Act(kCat, "PAST"); },
         "S(PAST)"},
        {"unknown category: kept", "S(VI01)",
         [](RuleSetBuilder& r) { r.Rule().Constit().Test(kCat, "VI01").Act(kCat, "NO SUCH"); }, "S(VI01)"},
        {"emptied: children and fields go, links stay", "S(N NP:x'(N:y) VI01)",
         [](RuleSetBuilder& r) { r.Rule().Constit().Test(kCat, "NP").Act(kCat, "GONE"); }, "S(N GONE VI01)"},
        {"ending", "S(VI01:taberu)",
         [](RuleSetBuilder& r) { r.Rule().Constit().Test(kCat, "VI01").Act(kEnding, "ru", "ta"); }, "S(VI01:tabeta)"},
        {"start", "S(VI01:tabe)",
         [](RuleSetBuilder& r) { r.Rule().Constit().Test(kCat, "VI01").Act(kJStart, "ta", "XY"); }, "S(VI01:XYbe)"},
        {"start that does not fit: kept", "S(VI01:tabe)",
         [](RuleSetBuilder& r) { r.Rule().Constit().Test(kCat, "VI01").Act(kJStart, "ku", "XY"); }, "S(VI01:tabe)"},
        {"wildcard replacement", "S(VI01:tabe)",
         [](RuleSetBuilder& r) { r.Rule().Constit().Test(kCat, "VI01").Act(kWildcard, "*be", "\\1ta"); },
         "S(VI01:tata)"},
        // Moves: up, along, from the leftmost; a move off the tree is skipped.
        {"up one", "S(NP(N))",
         [](RuleSetBuilder& r) { r.Rule().Constit().Test(kCat, "N").Act(kJ, "p", nullptr, 0, 0, 1); }, "S(NP:p(N))"},
        {"right one", "S(N VI01)",
         [](RuleSetBuilder& r) { r.Rule().Constit().Test(kCat, "N").Act(kJ, "r", nullptr, 0, 1, 1); }, "S(N VI01:r)"},
        {"left one", "S(N VI01)",
         [](RuleSetBuilder& r) { r.Rule().Constit().Test(kCat, "VI01").Act(kJ, "l", nullptr, 0, 1, -1); },
         "S(N:l VI01)"},
        {"right past the end: skipped", "S(N VI01)",
         [](RuleSetBuilder& r) { r.Rule().Constit().Test(kCat, "VI01").Act(kJ, "r", nullptr, 0, 1, 1); }, "S(N VI01)"},
        {"second from the leftmost", "S(N ADJ VI01)",
         [](RuleSetBuilder& r) { r.Rule().Constit().Test(kCat, "VI01").Act(kJ, "m", nullptr, 0, 2, 1); },
         "S(N ADJ:m VI01)"},
        {"from the leftmost, stopping at the last", "S(N VI01)",
         [](RuleSetBuilder& r) { r.Rule().Constit().Test(kCat, "N").Act(kJ, "m", nullptr, 0, 2, 5); }, "S(N VI01:m)"},
        {"second from the rightmost", "S(N ADJ VI01)",
         [](RuleSetBuilder& r) { r.Rule().Constit().Test(kCat, "N").Act(kJ, "m", nullptr, 0, 3, 1); },
         "S(N ADJ:m VI01)"},
        {"from the rightmost, stopping at the first", "S(N VI01)",
         [](RuleSetBuilder& r) { r.Rule().Constit().Test(kCat, "VI01").Act(kJ, "m", nullptr, 0, 3, 5); },
         "S(N:m VI01)"},
        {"to the spanning node without one: skipped", "S(N)",
         [](RuleSetBuilder& r) { r.Rule().Constit().Test(kCat, "N").Act(kJ, "s", nullptr, 0, 4); }, "S(N)"},
        // Inserted nodes: the action and the rest of the constituent's go on there.
        {"insert after", "S(VI01:tabe PAST)",
         [](RuleSetBuilder& r) {
             r.Rule().Constit().Test(kCat, "VI01").Act(kJ, "ta", nullptr, kAfter).Act(kCat, "AUX");
         },
         "S(VI01:tabe AUX:ta PAST)"},
        {"insert before", "S(N VI01)",
         [](RuleSetBuilder& r) { r.Rule().Constit().Test(kCat, "VI01").Act(kJ, "wo", nullptr, kBefore); },
         "S(N <<BAD>>:wo VI01)"},
        {"paste a copy", "S(NP:inu(N:x) VI01)",
         [](RuleSetBuilder& r) {
             r.Rule()
                 .Constit()
                 .Test(kCat, "NP")
                 .Test(kCopy, "1")
                 .Constit()
                 .Test(kCat, "VI01")
                 .Act(kPaste, "1", nullptr, kAfter);
         },
         "S(NP:inu(N:x) VI01 NP:inu(N:x))"},
        {"paste from an empty slot: an empty node", "S(NP VI01)",
         [](RuleSetBuilder& r) {
             r.Rule().Constit().Test(kCat, "NP").Constit().Test(kCat, "VI01").Act(kPaste, "2", nullptr, kAfter);
         },
         "S(NP VI01 <<BAD>>)"},
        {"never beside the root", "S",
         [](RuleSetBuilder& r) {
             r.Rule().Constit().Test(kCat, "S").Act(kJ, "x", nullptr, kAfter).Act(kJ, "y", nullptr, kBefore);
         },
         "S"},
        // A later rule acts on what an earlier one left.
        {"in table order", "S(VI01)",
         [](RuleSetBuilder& r) {
             r.Rule().Constit().Test(kCat, "VI01").Act(kJ, "a");
             r.Rule().Constit().Test(kJ, "a").Act(kJ, "b");
         },
         "S(VI01:b)"},
    };
    for (ActionCase const& c : cases) {
        RuleSetBuilder rules;
        c.rule(rules);
        ParsedTree const tree = Tree(c.tree);
        RunRules(tree.get(), rules.Set());
        EXPECT_EQ(TreeText(tree.get()), c.expected) << c.name;
    }
}

TEST(AnalyzerActions, EmptiedNodeKeepsItsPlaceAndLosesEverythingElse) {
    RuleSetBuilder rules;
    rules.Rule().Constit().Test(kCat, "NP").Act(kCat, "GONE").Constit().Test(kCat, "VI01").Act(kJ, "after");
    ParsedTree const tree = Tree("S(N NP:x'(N:y) VI01)");
    PARSED_NODE* const np = tree->firstChild->rightSibling;
    np->japanesePOS = 5;
    np->secondWord = 3;
    std::strcpy(np->features[0], "abc");
    RunRules(tree.get(), rules.Set());
    EXPECT_EQ(TreeText(tree.get()), "S(N GONE VI01:after)");
    EXPECT_EQ(tree->firstChild->rightSibling, np);
    EXPECT_EQ(np->back, tree->firstChild);
    EXPECT_EQ(np->japanese, nullptr);
    EXPECT_EQ(np->japanesePOS, 0u);
    EXPECT_EQ(np->secondWord, 0u);
    EXPECT_EQ(np->flags, 0u);
    EXPECT_STREQ(np->features[0], "");
}

TEST(AnalyzerActions, AnActionOnARemovedNodeIsHarmless) {
    // The parent is emptied first; the second action lands on the child it
    // lost, which lives until the call ends.
    RuleSetBuilder rules;
    rules.Rule()
        .Constit()
        .Test(kCat, "N")
        .Act(kCat, "GONE", nullptr, 0, 0, 1)
        .Act(kJ, "x")
        .Act(kJ, "y", nullptr, kAfter);
    ParsedTree const tree = Tree("S(NP(N ADJ) VI01)");
    RunRules(tree.get(), rules.Set());
    EXPECT_EQ(TreeText(tree.get()), "S(GONE VI01)");
}

TEST(AnalyzerActions, FeaturesJapanesePOSAndMarks) {
    RuleSetBuilder rules;
    rules.Rule()
        .Constit()
        .Test(kCat, "VI01")
        .Act(kFeature, "X9*Z8", nullptr, 0, 0, 0, 1)
        .Act(kJPOS, "ADJ")
        .Act(kJPOS, "NO SUCH POS")
        .Act(kMark, "1")
        .Act(kMark, "6")
        .Act(kMark, "7")
        .Act(kMark, "0");
    ParsedTree const tree = Tree("S(VI01)");
    std::strcpy(tree->firstChild->features[1], "abcde");
    RunRules(tree.get(), rules.Set());
    PARSED_NODE const* const v = tree->firstChild;
    EXPECT_STREQ(v->features[1], "a9cd8");
    EXPECT_EQ(v->japanesePOS, JapanesePOS("ADJ"));
    EXPECT_EQ(v->secondWord, 0x8000 | 0x0400);
}

TEST(AnalyzerActions, GlomMarkIsWrittenOnlyWhenTheSentenceAsksForIt) {
    for (bool option : {false, true}) {
        RuleSetBuilder rules;
        rules.Rule().Constit().Test(kCat, "GLUEPIECE").Act(kJ, "\x81\x61");
        ParsedTree const tree = Tree("S(GLUEPIECE)");
        RunRules(tree.get(), rules.Set(), false, option);
        EXPECT_EQ(tree->firstChild->japanese != nullptr, option);
    }
}

TEST(AnalyzerActions, EndingsAndStartsThatDoNotFitAreReported) {
    struct Case {
        uint8_t kind;
        char const* text;
        char const* text2;
        char const* expectedJapanese;
        char const* expectedMessage;
    } const cases[] = {
        {kJStart, "ku", "XY", "tabe", "In synthesis, word tabe should start with ku but does not"},
        {kEnding, "ku", "ita", "tabea", "In synthesis, word tabe should end with ku but ends with be"},
    };
    for (Case const& c : cases) {
        RuleSetBuilder rules;
        rules.Rule().Constit().Test(kCat, "VI01").Act(c.kind, c.text, c.text2);
        ParsedTree const tree = Tree("S(VI01:tabe)");
        gErrBuf[0] = '\0';
        RunRules(tree.get(), rules.Set());
        EXPECT_STREQ(tree->firstChild->japanese, c.expectedJapanese);
        EXPECT_STREQ(gErrBuf, c.expectedMessage);
    }
}

TEST(AnalyzerActions, ARuleFeedingOnItsOwnInsertedNodesStopsAtTheCap) {
    // Every node matches; each match inserts a node after the one matched,
    // which the walk visits next.
    RuleSetBuilder rules;
    rules.Rule().Constit().Test(kJ, "*").Act(kJ, "x", nullptr, kAfter);
    ParsedTree const tree = Tree("S(N VI01)");
    RunRules(tree.get(), rules.Set());
    int nodes = 0;
    while (NodeAt(tree.get(), nodes) != nullptr) ++nodes;
    EXPECT_GT(nodes, 3);
    EXPECT_LE(nodes, 3 + 2 * 3 + 16);
}

}  // namespace
