// Repairing hand-built trees before transfer: temporary nodes give way to
// their children, rules' terms insert empty positions and virtual nodes, and
// fronted phrases move back into the positions they left.
//
// Trees are written as text (support/tree_text.h): NAME['][~][%RULE](...),
// the name a category's or its number, ~ a virtual node, RULE the pure rule.
#include <gtest/gtest.h>

#include <cctype>
#include <cstring>
#include <initializer_list>
#include <stdexcept>
#include <string>
#include <vector>

#include "engine/foundation/atom_databases.h"
#include "engine/foundation/english_pos_classes.h"
#include "engine/foundation/feature_bits.h"
#include "engine/parse/grammar_tables.h"
#include "engine/transfer/tree_repair.h"
#include "support/tree_text.h"

namespace {

// The tree repaired, with its virtual nodes marked.
std::string Show(PARSED_NODE const* node) { return TreeText(node, TreeTextOptions{true}); }

struct OwnedTree {
    explicit OwnedTree(std::string const& text) : root(BuildTree(text)) {}
    ~OwnedTree() { FreeSubtree(root); }
    OwnedTree(OwnedTree const&) = delete;
    OwnedTree& operator=(OwnedTree const&) = delete;

    PARSED_NODE* root;
};

// The index of the compiled pure rule with the grammar line.
uint16_t CompiledRule(uint16_t line) {
    for (unsigned i = 1; i < kPureRuleCount; ++i)
        if (kPureRules[i].id == line) return static_cast<uint16_t>(i);
    throw std::invalid_argument("no rule " + std::to_string(line));
}

std::string Repaired(std::string const& text, PureRuleTables const& tables = CompiledPureRuleTables()) {
    OwnedTree tree(text);
    RemoveTempCats(tree.root);
    InsertVirtCats(tree.root, tables);
    ReconstructTraces(tree.root, tables);
    return Show(tree.root);
}

void ClearDiagnostics() {
    gErrBuf[0] = '\0';
    gErrDataBuf[0] = '\0';
}

// Pure-rule tables of one rule (index 1, grammar line 77) with the terms
// given: a kind and its virtual nodes.
struct Term {
    uint8_t kind;
    std::vector<PureVCatRecord> vCats;
};
constexpr uint16_t kLine = 77;

class OneRuleTables {
public:
    explicit OneRuleTables(std::initializer_list<Term> terms) {
        fRules.push_back(PureRuleRecord{});
        PureRuleRecord rule{};
        rule.id = kLine;
        rule.termCount = static_cast<uint16_t>(terms.size());
        fRules.push_back(rule);
        for (Term const& term : terms) {
            fTerms.push_back({0, term.kind, static_cast<uint8_t>(term.vCats.size()),
                              static_cast<uint16_t>(term.vCats.empty() ? 0 : fVCats.size())});
            fVCats.insert(fVCats.end(), term.vCats.begin(), term.vCats.end());
        }
    }

    PureRuleTables View() const {
        return {fRules.data(), static_cast<unsigned>(fRules.size()),
                fTerms.data(), static_cast<unsigned>(fTerms.size()),
                fVCats.data(), static_cast<unsigned>(fVCats.size())};
    }

private:
    std::vector<PureRuleRecord> fRules;
    std::vector<PureTermRecord> fTerms;
    std::vector<PureVCatRecord> fVCats;
};

constexpr uint8_t kDaughter = 21;
constexpr uint8_t kE = 24;
constexpr uint8_t kT2 = 26;
constexpr uint8_t kDe = 29;

struct Case {
    char const* name;
    char const* tree;
    char const* repaired;
};

TEST(TreeRepair, TemporaryNodesGiveWayToTheirChildrenInOrder) {
    Case const cases[] = {
        {"nested", "S(15001(15002(N VT01) ADJ) N)", "S(N VT01 ADJ N)"},
        {"only temporaries down to a leaf", "S(15001(15002(15003(N))))", "S(N)"},
        {"last child", "S(N 15001(VT01 ADJ))", "S(N VT01 ADJ)"},
        {"below an ordinary node", "S(NP(15000(N N)) VT01)", "S(NP(N N) VT01)"},
        {"childless", "S(N 15001 VT01 15002)", "S(N VT01)"},
        {"only a childless one", "S(15001)", "S"},
    };
    for (Case const& c : cases) {
        OwnedTree tree(c.tree);
        RemoveTempCats(tree.root);
        EXPECT_EQ(Show(tree.root), c.repaired) << c.name;
    }
}

TEST(TreeRepair, TermsInsertPositionsAndVirtualNodes) {
    PureVCatRecord const np{26, 21, 2};
    PureVCatRecord const primedNp{26, 22, 1};
    PureVCatRecord const pp{30, 21, 1};
    struct TermsCase {
        char const* name;
        OneRuleTables tables;
        char const* tree;
        char const* repaired;
    };
    TermsCase const cases[] = {
        {"inserted between", OneRuleTables{{kDaughter, {}}, {kT2, {}}, {kDaughter, {}}}, "S%1(N VT01)",
         "S(N <t2>~ VT01)"},
        {"inserted last", OneRuleTables{{kDaughter, {}}, {kDe, {}}}, "S%1(N)", "S(N <de>~)"},
        {"a virtual node over two terms' children", OneRuleTables{{kDaughter, {np}}, {kDaughter, {}}, {kDaughter, {}}},
         "S%1(ADJ N VT01)", "S(NP~(ADJ N) VT01)"},
        {"nested and primed", OneRuleTables{{kDaughter, {pp, primedNp}}, {kDaughter, {}}}, "S%1(N VT01)",
         "S(PP~(NP'~(N)) VT01)"},
        {"a virtual node beyond the children", OneRuleTables{{kDaughter, {np}}}, "S%1(N)", "S(NP~(N GONE~))"},
        {"no rule", OneRuleTables{{kT2, {}}, {kDaughter, {}}}, "S(N)", "S(N)"},
    };
    for (TermsCase const& c : cases) {
        OwnedTree tree(c.tree);
        InsertVirtCats(tree.root, c.tables.View());
        EXPECT_EQ(Show(tree.root), c.repaired) << c.name;
    }
}

TEST(TreeRepair, ChildrenTheTermsDoNotCoverStayAndAreReported) {
    OneRuleTables const tables{{kDaughter, {PureVCatRecord{26, 21, 1}}}};
    ClearDiagnostics();
    OwnedTree tree("S%1(N VT01 ADJ)");
    InsertVirtCats(tree.root, tables.View());
    EXPECT_EQ(Show(tree.root), "S(NP~(N) VT01 ADJ)");
    EXPECT_STREQ(gErrBuf, "2 children left over by the terms of grammar line 77");
    EXPECT_STREQ(gErrDataBuf, "S, 77");
}

TEST(TreeRepair, FrontedQuestionWordFillsTheGapItsRuleMarks) {
    std::string const tree = "QWH%" + std::to_string(CompiledRule(52)) +
                             "(WHAT SQGAP%" + std::to_string(CompiledRule(51)) +
                             "(AUXSUBJ VPGAP%" + std::to_string(CompiledRule(50)) + "(VT01)))";
    EXPECT_EQ(Repaired(tree), "QWH(QCOMP~ SQGAP(AUXSUBJ VPGAP(WHAT VT01)))");
}

TEST(TreeRepair, EmptyPositionTakesTheFrontOfTheNearestFittingClause) {
    Case const cases[] = {
        {"not a question", "S(WHAT SQGAP(AUXSUBJ VPGAP(<e>~ VT01)))", "S(RCOMP~ SQGAP(AUXSUBJ VPGAP(WHAT VT01)))"},
        {"the nearest clause", "S(WHAT SQGAP(AUXSUBJ QWH(WHAT SQGAP(VPGAP(<e>~ VT01)))))",
         "S(WHAT SQGAP(AUXSUBJ QWH(QCOMP~ SQGAP(VPGAP(WHAT VT01)))))"},
        {"front not a fronted phrase", "QWH(NP SQGAP(VPGAP(<e>~ VT01)))", "QWH(NP SQGAP(VPGAP(<e>~ VT01)))"},
        {"gap not the second child", "QWH(WHAT N SQGAP(VPGAP(<e>~ VT01)))", "QWH(WHAT N SQGAP(VPGAP(<e>~ VT01)))"},
        {"not a clause", "NP(WHAT SQGAP(VPGAP(<e>~ VT01)))", "NP(WHAT SQGAP(VPGAP(<e>~ VT01)))"},
    };
    for (Case const& c : cases) EXPECT_EQ(Repaired(c.tree), c.repaired) << c.name;
}

TEST(TreeRepair, T4TakesTheVirtualS1RightOfItsNearestAncestor) {
    Case const cases[] = {
        {"parent's sibling", "S(SQ(VT01 <t4>~) S1~(N VT01))", "S(SQ(VT01 S1~(N VT01)))"},
        {"nearest first", "S(NP(SQ(<t4>~) S1~(N)) S1~(ADJ))", "S(NP(SQ(S1~(N))) S1~(ADJ))"},
        {"two traces", "S(SQ(<t4>~ <t4>~) S1~(N) S1~(ADJ))", "S(SQ(S1~(N) S1~(ADJ)))"},
        {"a parser S1 does not fill", "S(SQ(VT01 <t4>~) S1(N))", "S(SQ(VT01 <t4>~) S1(N))"},
    };
    for (Case const& c : cases) EXPECT_EQ(Repaired(c.tree), c.repaired) << c.name;
}

TEST(TreeRepair, T2AndT3TakeTheirFillersWithinOneClause) {
    Case const cases[] = {
        {"primed phrase", "S(NP'(N) VP~(VT01 <t2>~))", "S(VP~(VT01 NP'(N)))"},
        {"last trace, first filler", "S(NP'(N) VP~(<t2>~ VT01 <t2>~) PRN')", "S(VP~(<t2>~ VT01 NP'(N)) PRN')"},
        {"auxiliary", "S(AUX VP~(<t3>~ VT01))", "S(VP~(AUX VT01))"},
        {"both", "S(AUX NP' VP~(<t3>~ VT01 <t2>~))", "S(VP~(AUX VT01 NP'))"},
        {"a filler holding the trace is passed over", "S(NP'~(N <t2>~) PRN')", "S(NP'~(N PRN'))"},
    };
    for (Case const& c : cases) EXPECT_EQ(Repaired(c.tree), c.repaired) << c.name;
}

TEST(TreeRepair, T2WithoutFillerStaysAndIsReported) {
    OneRuleTables const tables{{kDaughter, {}}, {kDaughter, {}}};
    Case const cases[] = {
        {"unprimed phrase", "S%1(NP(N) VP~(VT01 <t2>~))", "S(NP(N) VP~(VT01 <t2>~))"},
        {"primed phrase outside list 8", "S%1(N' VP~(VT01 <t2>~))", "S(N' VP~(VT01 <t2>~))"},
        {"only the filler that holds it", "S%1(NP'~(N <t2>~) VT01)", "S(NP'~(N <t2>~) VT01)"},
        {"filler in another clause", "S%1(NP'(N) VP%1(VT01 <t2>~))", "S(NP'(N) VP(VT01 <t2>~))"},
    };
    for (Case const& c : cases) {
        ClearDiagnostics();
        OwnedTree tree(c.tree);
        ReconstructTraces(tree.root, tables.View());
        EXPECT_EQ(Show(tree.root), c.repaired) << c.name;
        EXPECT_STREQ(gErrBuf, "nothing to fill <t2> (grammar line 77)") << c.name;
        EXPECT_STREQ(gErrDataBuf, "<t2>, 77") << c.name;
    }
}

TEST(TreeRepair, VirtualNounPhrasesTakeTheSemanticsOfTheirNoun) {
    OneRuleTables const tables{
        {kDaughter, {PureVCatRecord{26, 21, 1}, PureVCatRecord{26, 21, 3}}}, {kDaughter, {}}, {kDaughter, {}}};
    OwnedTree tree("S%1(ADJ N N)");
    PARSED_NODE* const adjective = tree.root->firstChild;
    PARSED_NODE* const unmarked = adjective->rightSibling;
    PARSED_NODE* const noun = unmarked->rightSibling;
    adjective->semantics[0].flags = CSEMANT_X<unsigned short>::kNounLike;
    adjective->semantics[0].atoms[0] = 11;
    unmarked->semantics[0].atoms[0] = 12;
    noun->semantics[0].flags = CSEMANT_X<unsigned short>::kNounLike;
    noun->semantics[0].atoms[0] = 13;
    InsertVirtCats(tree.root, tables.View());
    ASSERT_EQ(Show(tree.root), "S(NP~(NP~(ADJ N N)))");
    PARSED_NODE const* const outer = tree.root->firstChild;
    EXPECT_EQ(outer->firstChild->semantics[0], noun->semantics[0]);
    EXPECT_EQ(outer->semantics[0], noun->semantics[0]);
    EXPECT_EQ(tree.root->semantics[0].atoms[0], 0);
}

TEST(TreeRepair, OrdinaryTreesAreLeftAlone) {
    std::string const tree = "SQ%" + std::to_string(CompiledRule(309)) + "(BEP BECOMP(NP ADJP(ADJ)))";
    ClearDiagnostics();
    EXPECT_EQ(Repaired(tree), "SQ(BEP BECOMP(NP ADJP(ADJ)))");
    EXPECT_STREQ(gErrBuf, "");
}

}  // namespace
