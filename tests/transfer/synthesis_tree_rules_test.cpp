// The fixed synthesis rules on hand-built trees already in Japanese order:
// each case runs one rule and reads the tree back.  A rule that finds
// nothing to do must leave the tree as it was and say so.
#include <gtest/gtest.h>

#include <string>

#include "engine/transfer/synthesis_actors.h"
#include "engine/transfer/synthesis_tree_rules.h"
#include "support/tree_text.h"

namespace {

struct RuleCase {
    char const* what;
    bool (*rule)(PARSED_NODE*);
    char const* before;
    char const* after;  // null: unchanged, and the rule says so
};

void RunCase(RuleCase const& c) {
    SCOPED_TRACE(c.what);
    PARSED_NODE* tree = BuildTree(c.before);
    std::string const expected = c.after != nullptr ? c.after : TreeText(tree);
    bool const changed = c.rule(tree);
    EXPECT_EQ(TreeText(tree), expected);
    EXPECT_EQ(changed, c.after != nullptr);
    FreeSubtree(tree);
}

TEST(SynthesisTreeRules, TenseNodesFollowTheClauseOrTheFirstCoordinatedVerbPhrase) {
    RuleCase const cases[] = {
        {"past verb under the predicate", TenseExtraction, "SDECL(NP(PRN) PRED(VP(VT01[D2I0])))",
         "SDECL(NP(PRN) PRED(VP(VT01)) TENSE(PAST))"},
        {"present verb, a trailing negation passed over", TenseExtraction, "SQ(NP PRED(VP(VI01[P1I0])) <neg>)",
         "SQ(NP PRED(VP(VI01)) <neg> TENSE(PRES))"},
        {"the clause's own verb phrase carries the tense", TenseExtraction, "SDECL(NP VP[B2I0](NP VT01[B0I0]))",
         "SDECL(NP VP(NP VT01) TENSE(PAST))"},
        {"a question's auxiliary before the verb carries the tense", TenseExtraction,
         "SQ[D2I0](AUXSUBJ(NP AUXP) VP(VT01[B1T0]))", "SQ(AUXSUBJ(NP AUXP) VP(VT01) TENSE(PAST))"},
        {"no tense character", TenseExtraction, "SDECL(NP PRED(VP(VT01[B0I0])))", nullptr},
        {"not a clause that takes a tense", TenseExtraction, "S(NP PRED(VP(VT01[D2I0])))", nullptr},
        {"coordinated verb phrases", VPTenseExtraction, "VP'(VP[D2I0](VT01) VPCOORD VP(VT01))",
         "VP'(VP(VT01) TENSE(PAST) VPCOORD VP(VT01))"},
        {"coordinator below a conjunction node", VPTenseExtraction, "VP'(VP[P1I0] NP(VPCOORD) VP)",
         "VP'(VP TENSE(PRES) NP(VPCOORD) VP)"},
        {"an unprimed phrase is no coordination", VPTenseExtraction, "VP(VP[D2I0] VPCOORD VP)", nullptr},
        {"the last phrase of another category", VPTenseExtraction, "VP'(VP[D2I0] VPCOORD NP)", nullptr},
    };
    for (RuleCase const& c : cases) RunCase(c);
}

TEST(SynthesisTreeRules, BeIsSpelledByWhetherTheSubjectIsAnimate) {
    RuleCase const cases[] = {
        {"be, animate", BERules, "SDECL(NP{human} PRED(BE:BE))", "SDECL(NP PRED(BE:i-/VV))"},
        {"be, not animate", BERules, "SDECL(NP{building} PRED(BE:BE))", "SDECL(NP PRED(BE:ar-/VCr))"},
        {"be-neg, animate", BERules, "SDECL(NP{animal} PRED(VP(BE:BE-Neg)))",
         "SDECL(NP PRED(VP(BE:ina-/ADJ)))"},
        {"be-neg, not animate", BERules, "SDECL(NP PRED(BE:BE-Neg))", "SDECL(NP PRED(BE:na-/ADJ))"},
        // Reaching "be" counts as a change whatever it holds.
        {"being stays", BERules, "SDECL(NP{human} PRED(BE:BEING))", "SDECL(NP PRED(BE:BEING))"},
        {"be below a non-first child is not reached", BERules, "SDECL(NP PRED(VP BE:BE))", nullptr},
        {"no subject", BERules, "SDECL(PRED(BE:BE))", nullptr},
        {"a for complementizer alone goes", ForCompDeletion, "FORCOMP(PREPADJ[for])", "FORCOMP"},
        {"a for complementizer with a sibling stays", ForCompDeletion, "FORCOMP(PREPADJ[for] NP)", nullptr},
        {"another preposition stays", ForCompDeletion, "FORCOMP(PREPADJ[to])", nullptr},
    };
    for (RuleCase const& c : cases) RunCase(c);
}

TEST(SynthesisTreeRules, NegationGetsExactlyOneNode) {
    RuleCase const cases[] = {
        {"a negation word in a verb phrase", NegationIncorporationInVP, "SDECL(NP VP(Not VT01))",
         "SDECL(NP VP(Not VT01) <neg>)"},
        {"be as the first child of the last phrase", NegationIncorporationInVP, "VP(ADJP BEP(BE Not))",
         "VP(ADJP BEP(BE Not)) <neg>"},
        {"no verb on the rightmost line", NegationIncorporationInVP, "SDECL(NP VP(VT01 Not))", nullptr},
        {"a negation word inside a clause is not the phrase's", NegationIncorporationInVP,
         "VP(SDECL(Not VT01) VT01)", nullptr},
        {"a clause's negation goes before its final mark", NegationIncorporationOutVP,
         "SDECL(NP(Not) PRED PERIOD)", "SDECL(NP(Not) PRED <neg> PERIOD)"},
        {"a final mark one level down", NegationIncorporationOutVP, "SDECL(Not PRED(VP INTERROG))",
         "SDECL(Not PRED(VP <neg> INTERROG))"},
        {"no final mark: nothing", NegationIncorporationOutVP, "SDECL(Not PRED(VP))", nullptr},
        {"only within a verb phrase: no clause negation", NegationIncorporationOutVP, "SDECL(NP VP(Not) PERIOD)",
         nullptr},
    };
    for (RuleCase const& c : cases) RunCase(c);

    // Both rules in turn: the node the first makes is not found again.
    PARSED_NODE* tree = BuildTree("SDECL(NP VP(Not VT01) PERIOD)");
    EXPECT_TRUE(NegationIncorporationInVP(tree));
    EXPECT_FALSE(NegationIncorporationOutVP(tree));
    EXPECT_EQ(TreeText(tree), "SDECL(NP VP(Not VT01) <neg> PERIOD)");
    FreeSubtree(tree);
}

TEST(SynthesisTreeRules, SubjectParticles) {
    RuleCase const cases[] = {
        {"only follows the tense", OnlyRule, "SDECL(NP(ADVONLY NP) VP TENSE(PRES))",
         "SDECL(NP(ADVONLY NP) VP TENSE(PRES) <<BAD>>:dakede-aru)"},
        {"only without a tense", OnlyRule, "SDECL(NP(ADVONLY) VP)", nullptr},
        {"a primed subject in a clause takes ga", NomSpellClause, "S(SDECL(NP'(NP Nom) VP))",
         "S(SDECL(NP'(NP Nom:ga) VP))"},
        {"an unprimed one does not", NomSpellClause, "S(SDECL(NP(NP Nom) VP))", nullptr},
        {"a spelled particle is kept", NomSpellClause, "S(SDECL(NP'(NP Nom:ha) VP))", nullptr},
        {"a pronoun is a topic", NomSpellNP, "SDECL(NP(PRN) Nom VP)", "SDECL(NP(PRN) Nom:ha VP)"},
        {"an indefinite article asks for ga", NomSpellNP, "SDECL(NP(ART[S30B0] NBAR(N)) Nom VP)",
         "SDECL(NP(ART NBAR(N)) Nom:ga VP)"},
        {"this is a topic leaf", NomSpellNP, "SDECL(NP(THIS) Nom VP)", "SDECL(NP(THIS) Nom:ha VP)"},
        {"a definite article is a topic", NomSpellNP, "SDECL(NP(ART[M31B0] NBAR(N)) Nom VP)",
         "SDECL(NP(ART NBAR(N)) Nom:ha VP)"},
        {"a noun of a topic class", NomSpellNP, "SDECL(NP(NUMBER NBAR(N1[SSSC1101110200_])) Nom VP)",
         "SDECL(NP(NUMBER NBAR(N1)) Nom:ha VP)"},
        {"a noun of no topic class", NomSpellNP, "SDECL(NP(NUMBER NBAR(N1[SSSC1101110D00_])) Nom VP)",
         "SDECL(NP(NUMBER NBAR(N1)) Nom:ga VP)"},
        {"no particle slot", NomSpellNP, "SDECL(NP(PRN) VP)", nullptr},
    };
    for (RuleCase const& c : cases) RunCase(c);
}

TEST(SynthesisTreeRules, ParticlesFromTreePatterns) {
    RuleCase const cases[] = {
        {"an object before its verb", ObjectParticleRule, "VP(NP(ART NBAR(N:りんご/N)) VT01)",
         "VP(NP(NP(ART NBAR(N:りんご/N)) Acc:-wo/jpos151) VT01)"},
        {"a noun phrase given a particle by its verb", ObjectParticleRule, "VP(NP(NP(N:メアリー/N) Nom:ni) VT01)",
         nullptr},
        {"a subject is followed by its particle, not a verb", ObjectParticleRule,
         "SDECL(NP(NP(PRN:私/N) Nom) PRED(VP(VI01)))", nullptr},
        {"no Japanese noun on the object's rightmost line", ObjectParticleRule, "VP(NP(N:りんご/N ART) VT01)",
         nullptr},
        {"subject, adjective, be", TopicRules, "SDECL(NP'(NP Nom) ADJP' BE)", "SDECL(NP'(NP Nom:ha) ADJP' BE)"},
        {"subject, middle, noun phrase, be", TopicRules, "SDECL(NP'(NP Nom) TOPICMID' NP' BE)",
         "SDECL(NP'(NP Nom:ha) TOPICMID' NP' BE)"},
        {"a primed be fits no pattern", TopicRules, "SDECL(NP'(NP Nom) ADJP' BE')", nullptr},
        {"a spelled particle is kept", TopicRules, "SDECL(NP'(NP Nom:ga) NP' BE)", nullptr},
    };
    for (RuleCase const& c : cases) RunCase(c);
}

TEST(SynthesisTreeRules, QuickSynthesisMarksGluePiecesUnlessSkipped) {
    PARSED_NODE* tree = BuildTree("GLUETOP(GLUEPIECE(N) NP(GLUEPIECE)) GLUEPIECE");
    QuickSynthesis(tree, true);
    EXPECT_EQ(TreeText(tree), "GLUETOP(GLUEPIECE(N) NP(GLUEPIECE)) GLUEPIECE");
    QuickSynthesis(tree, false);
    EXPECT_EQ(TreeText(tree), "GLUETOP(GLUEPIECE:∥(N) NP(GLUEPIECE:∥)) GLUEPIECE:∥");
    FreeSubtree(tree);
}

TEST(SynthesisTreeRules, ATreeNoRuleFitsComesBackAsItWas) {
    RunCase({"all rules in turn", PerformJSynTreeCodes, "S(NP(ART NBAR(ADJP(ADJ) N)) PERIOD)", nullptr});
}

TEST(SynthesisTreeRules, ALongFlatTreeIsWalkedWithoutDeepRecursion) {
    std::string text = "SDECL(NP(PRN) Nom";
    for (int i = 0; i < 500; ++i) text += " NP(N)";
    text += " PRED(VP(VT01[D2I0])))";
    PARSED_NODE* tree = BuildTree(text);
    EXPECT_TRUE(PerformJSynTreeCodes(tree));
    EXPECT_NE(TreeText(tree).find("Nom:ha"), std::string::npos);
    EXPECT_NE(TreeText(tree).find("TENSE(PAST))"), std::string::npos);
    FreeSubtree(tree);
}

}  // namespace
