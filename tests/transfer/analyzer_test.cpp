// The pattern engine: the order it visits nodes in, how it searches for each
// later constituent (next, any, same clause, starred), where the search stops
// (barriers, clause edges) and when two constituents may share a node.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "analysis_rule_builder.h"
#include "engine/transfer/tree_analyzer.h"

namespace {

using namespace analysis_test;

constexpr uint8_t kCat = 1;
constexpr uint8_t kJ = 13;
constexpr uint8_t kNoSkip = 23;

// Matches constituent i on the category named pattern[i] ("" any node) and
// records the slots of every match.
class RecordingActor : public AnalyzerActorBase {
public:
    RecordingActor(std::vector<std::string> pattern, uint8_t modes)
        : AnalyzerActorBase(nullptr, modes), fPattern(std::move(pattern)) {}

    short Match(PARSED_NODE* node, short i) {
        std::string const& wanted = fPattern[static_cast<std::size_t>(i)];
        bool const ok = wanted.empty() || wanted == CategoryName(node->category);
        return ok ? static_cast<short>(fPattern.size()) : 0;
    }
    void PerformActions(PARSED_NODE** slots) {
        std::string match;
        for (std::size_t i = 0; i < fPattern.size(); ++i)
            match += std::string(i == 0 ? "" : "+") + (slots[i] != nullptr ? CategoryName(slots[i]->category) : "-");
        fMatches.push_back(match);
    }
    std::string Matches() const {
        std::string all;
        for (std::string const& match : fMatches) all += (all.empty() ? "" : " ") + match;
        return all;
    }

private:
    std::vector<std::string> fPattern;
    std::vector<std::string> fMatches;
};

template <bool kRightToLeft>
std::string Walk(std::string const& treeText, std::vector<std::string> pattern, bool depthFirst, uint8_t modes = 0) {
    ParsedTree const tree = Tree(treeText);
    RecordingActor actor(std::move(pattern), modes);
    Analyzer<RecordingActor, kRightToLeft> analyzer(actor);
    if (depthFirst)
        analyzer.MatchFirstConstit_DepthFirst(tree.get());
    else
        analyzer.MatchFirstConstit(tree.get());
    return actor.Matches();
}

TEST(AnalyzerWalk, VisitsEveryNodeInEachOrderAndDirection) {
    std::string const tree = "S(NP(N) VP(VI01 PAST))";
    EXPECT_EQ(Walk<false>(tree, {""}, false), "S NP N VP VI01 PAST");
    EXPECT_EQ(Walk<false>(tree, {""}, true), "N NP VI01 PAST VP S");
    EXPECT_EQ(Walk<true>(tree, {""}, false), "S VP PAST VI01 NP N");
    EXPECT_EQ(Walk<true>(tree, {""}, true), "PAST VI01 VP N NP S");
}

TEST(AnalyzerWalk, RightToLeftTakesTheLeftNeighbourAsNext) {
    EXPECT_EQ(Walk<true>("S(N VI01 PAST)", {"PAST", "VI01"}, false), "PAST+VI01");
    EXPECT_EQ(Walk<false>("S(N VI01 PAST)", {"PAST", "VI01"}, false), "");
    // Any later node (mode 1) from the right: over VI01 to N.
    EXPECT_EQ(Walk<true>("S(N VI01 PAST)", {"PAST", "N"}, false, AnalConstit::kAny), "PAST+N");
}

// A two-constituent rule: constituent 0 marks "a", constituent 1 "b".
struct SearchCase {
    char const* name;
    char const* tree;
    char const* first;
    uint8_t mode;
    std::vector<char const*> secondTests;  // category of constituent 1, after any extra tests
    char const* expected;
};

std::string RunSearch(SearchCase const& c) {
    RuleSetBuilder rules;
    rules.Rule().Constit().Test(kCat, c.first).Act(kJ, "a").Constit(c.mode);
    for (std::size_t i = 0; i < c.secondTests.size(); ++i) {
        bool const last = i + 1 == c.secondTests.size();
        if (last)
            rules.Test(kCat, c.secondTests[i]);
        else
            rules.Test(kNoSkip, c.secondTests[i]);
    }
    rules.Act(kJ, "b");
    ParsedTree const tree = Tree(c.tree);
    RunRules(tree.get(), rules.Set());
    return TreeText(tree.get());
}

TEST(AnalyzerSearch, FindsTheLaterConstituentAsItsModeAllows) {
    std::vector<SearchCase> const cases = {
        // Mode 0: the next node or its leftmost descendants.
        {"next sibling", "S(N PAST)", "N", 0, {"PAST"}, "S(N:a PAST:b)"},
        {"leftmost descendant", "S(N TENSE(PAST))", "N", 0, {"PAST"}, "S(N:a TENSE(PAST:b))"},
        {"parent's next sibling", "S(NP(N) PAST)", "N", 0, {"PAST"}, "S(NP(N:a) PAST:b)"},
        {"a node between", "S(N AUX PAST)", "N", 0, {"PAST"}, "S(N AUX PAST)"},
        {"not the second child", "S(N TENSE(AUX PAST))", "N", 0, {"PAST"}, "S(N TENSE(AUX PAST))"},
        {"GONE stops next", "S(N GONE PAST)", "N", 0, {"PAST"}, "S(N GONE PAST)"},
        // Mode 1: any later node.
        {"any: over a node", "S(N AUX PAST)", "N", 1, {"PAST"}, "S(N:a AUX PAST:b)"},
        {"any: passes GONE", "S(N GONE PAST)", "N", 1, {"PAST"}, "S(N:a GONE PAST:b)"},
        {"any: inside a later node", "S(N TENSE(AUX PAST))", "N", 1, {"PAST"}, "S(N:a TENSE(AUX PAST:b))"},
        {"any: never before", "S(PAST N)", "N", 1, {"PAST"}, "S(PAST N)"},
        // Barriers are tried but never entered.
        {"any: not into GONE", "S(N GONE(PAST))", "N", 1, {"PAST"}, "S(N GONE(PAST))"},
        {"any: not into a close quote", "S(N CLOSEQ(PAST))", "N", 1, {"PAST"}, "S(N CLOSEQ(PAST))"},
        {"any: not into an open quote", "S(N OPENQ(PAST))", "N", 1, {"PAST"}, "S(N OPENQ(PAST))"},
        {"any: the barrier itself", "S(N CLOSEQ)", "N", 1, {"CLOSEQ"}, "S(N:a CLOSEQ:b)"},
        {"any: not into 5SKIP", "S(N 5SKIP(PAST))", "N", 1, {"PAST"}, "S(N 5SKIP(PAST))"},
        {"any: into 5SKIP when lifted", "S(N 5SKIP(PAST))", "N", 1, {"", "PAST"}, "S(N:a 5SKIP(PAST:b))"},
        // Mode 2: never out of the clause the first node is in.
        {"clause: within", "S(SQ(N AUX PAST))", "N", 2, {"PAST"}, "S(SQ(N:a AUX PAST:b))"},
        {"clause: not out of it", "S(SQ(N) PAST)", "N", 2, {"PAST"}, "S(SQ(N) PAST)"},
        {"any: out of it", "S(SQ(N) PAST)", "N", 1, {"PAST"}, "S(SQ(N:a) PAST:b)"},
        {"clause: a clause's own parent clause", "S(SQ(SQ AUX) PAST)", "SQ", 2, {"PAST"}, "S(SQ:a(SQ:a AUX) PAST:b)"},
    };
    for (SearchCase const& c : cases) EXPECT_EQ(RunSearch(c), c.expected) << c.name;
}

// Constituent 0 N marks "a", a starred AUX marks "b", then PAST (next) "c".
TEST(AnalyzerSearch, StarredConstituentMayBeAbsentAndLeavesItsSlotNull) {
    struct Case {
        char const* tree;
        char const* expected;
    } const cases[] = {
        {"S(N PAST)", "S(N:a PAST:c)"},  // absent: its action has no node and is skipped
        {"S(N AUX PAST)", "S(N:a AUX:b PAST:c)"},
        {"S(N AUX AUX PAST)", "S(N:a AUX:b AUX PAST:c)"},  // the slot is the first occurrence
        {"S(N AUX GONE PAST)", "S(N AUX GONE PAST)"},
        {"S(N)", "S(N)"},
    };
    for (Case const& c : cases) {
        RuleSetBuilder rules;
        rules.Rule()
            .Constit()
            .Test(kCat, "N")
            .Act(kJ, "a")
            .Constit(AnalConstit::kStar)
            .Test(kCat, "AUX")
            .Act(kJ, "b")
            .Constit()
            .Test(kCat, "PAST")
            .Act(kJ, "c");
        ParsedTree const tree = Tree(c.tree);
        RunRules(tree.get(), rules.Set());
        EXPECT_EQ(TreeText(tree.get()), c.expected) << c.tree;
    }
}

TEST(AnalyzerSearch, AStarAtTheEndMatchesWithNothingAfter) {
    RuleSetBuilder rules;
    rules.Rule().Constit().Test(kCat, "N").Act(kJ, "a").Constit(AnalConstit::kStar).Test(kCat, "AUX").Act(kJ, "b");
    ParsedTree const tree = Tree("S(N)");
    RunRules(tree.get(), rules.Set());
    EXPECT_EQ(TreeText(tree.get()), "S(N:a)");
}

TEST(AnalyzerSearch, AdvanceLetsTheNextConstituentMatchTheSameNode) {
    struct Case {
        char const* tree;
        uint8_t advance;
        char const* expected;
    } const cases[] = {
        {"S(N)", 0, "S(N)"},
        {"S(N)", 2, "S(N:b)"},  // both act on N, the second last
        {"S(N N)", 0, "S(N:a N:b)"},
    };
    for (Case const& c : cases) {
        RuleSetBuilder rules;
        rules.Rule()
            .Constit(AnalConstit::kNext, c.advance)
            .Test(kCat, "N")
            .Act(kJ, "a")
            .Constit()
            .Test(kCat, "N")
            .Act(kJ, "b");
        ParsedTree const tree = Tree(c.tree);
        RunRules(tree.get(), rules.Set());
        EXPECT_EQ(TreeText(tree.get()), c.expected) << c.tree << " advance " << int{c.advance};
    }
}

TEST(AnalyzerSearch, ABarrierThatFailsItselfEndsANextSearch) {
    RuleSetBuilder rules;
    rules.Rule()
        .Constit(AnalConstit::kNext, 2)
        .Test(kCat, "GONE")
        .Act(kJ, "a")
        .Constit()
        .Test(kCat, "PAST")
        .Act(kJ, "b");
    ParsedTree const tree = Tree("S(GONE PAST)");
    RunRules(tree.get(), rules.Set());
    EXPECT_EQ(TreeText(tree.get()), "S(GONE PAST)");
}

}  // namespace
