// Transplant strings: how they are read (bounded, whatever the dictionary
// holds) and what they do to the words left of the word that carries one.
#include <gtest/gtest.h>

#include <string>

#include "engine/transfer/transplants.h"
#include "cp932.h"
#include "support/tree_text.h"

namespace {

// The terms as "mode test word marks action category jpos romaji" lines.
std::string Terms(char const* text) {
    std::string out;
    for (TRANS_TERM const& t : ParseTransplantString(text)) {
        out += std::to_string(t.matchMode) + " " + std::to_string(t.test) + " " + t.word + (t.prefix ? " pre" : "") +
               (t.suffix ? " suf" : "") + (t.prime ? " prime" : "") + " " + std::to_string(t.action) + " " +
               std::to_string(t.category) + " " + std::to_string(t.japanesePOS) + " [" + t.romaji + "]" +
               (t.japanese.empty() ? "" : " <" + t.japanese + ">") + "\n";
    }
    return out;
}

TEST(Transplants, StringsAreReadTermByTermWithinBounds) {
    struct Case {
        char const* text;
        char const* terms;
    } const cases[] = {
        {"NP:+ni", "0 1 NP 1 0 0 [ni]\n"},
        {" ?ART the:#sono", "3 1 ART 3 0 0 []\n0 2 the 4 0 0 [sono]\n"},
        {"??NP'{x}:=ga", "1 1 NP prime 2 0 0 [ga]\n"},
        {"*NP:@:", "0 1 NP suf 0 0 1 []\n"},
        {"NP*:#:VV", "0 1 NP pre 4 0 192 []\n"},
        {":N:-no", "0 3 N 5 0 0 [no]\n"},
        {"in_front_of:#", "0 2 in front of 4 0 0 []\n"},
        {"NP:+ni tsuite", "0 1 NP 1 0 0 [ni tsuite]\n"},
        {"NP:+ni VP", "0 1 NP 1 0 0 [ni]\n0 1 VP 3 0 0 []\n"},
        {"NP:+NOSUCH", "0 1 NP 1 0 0 []\n"},
        {"NP:#ADJP", "0 1 NP 4 4 0 []\n"},
        {"NP:+<\x82\xC9", "0 1 NP 1 0 0 [] <\x82\xC9>\n"},
        {"NP{open", "0 1 NP 3 0 0 []\n"},
        {"NP:+ni <\x82", "0 1 NP 1 0 0 [ni]\n0 0  3 0 0 []\n"},
        {"", ""},
    };
    for (Case const& c : cases) EXPECT_EQ(Terms(c.text), c.terms) << c.text;

    std::string eleven;
    for (int i = 0; i < 11; ++i) eleven += "NP ";
    EXPECT_EQ(ParseTransplantString(eleven.c_str()).size(), kMaxTransplantTerms);
    std::string const longWord(80, 'a');
    EXPECT_EQ(ParseTransplantString((longWord + ":#" + std::string(3000, 'b')).c_str())[0].word.size(),
              TRANS_TERM::kMaxWord);
    EXPECT_EQ(ParseTransplantString((longWord + ":#" + std::string(3000, 'b')).c_str())[0].romaji.size(),
              TRANS_TERM::kMaxRomaji);
}

PARSED_NODE* LastLeaf(PARSED_NODE* node) {
    while (node->firstChild != nullptr) {
        node = node->firstChild;
        while (node->rightSibling != nullptr) node = node->rightSibling;
    }
    return node;
}

TEST(Transplants, ThePatternActsOnTheWordsLeftOfItsCarrier) {
    struct Case {
        char const* what;
        char const* tree;  // the last leaf carries the string
        char const* transplant;
        char const* after;  // null: unchanged
    } const cases[] = {
        {"the object of meet takes ni", "VP(NP(N:メアリー/N) VT01)", "NP:+ni",
         "VP(NP(NP(N:メアリー/N) <<BAD>>:ni) VT01)"},
        {"before the node with -", "VP(NP(N) VT01)", "NP:-ni", "VP(NP(<<BAD>>:ni NP(N)) VT01)"},
        {"an optional term absent", "VP(NP VT01)", "?ADV NP:+ni", "VP(NP(NP <<BAD>>:ni) VT01)"},
        {"an empty part of speech gives the unknown one", "VP(NP VT01)", "NP:#:", "VP(NP/<<UNKNOWN>> VT01)"},
        {"any node further left", "SDECL(NP(N PRN) ADV VT01)", "??NP:=ga", "SDECL(NP(N PRN:ga) ADV VT01)"},
        {"a new right sibling", "VP(NP VT01)", "NP:@<\xE3\x81\xAB>", "VP(NP <<BAD>>:に VT01)"},
        {"the next node must match", "SDECL(NP ADV VT01)", "NP:=ga", nullptr},
        {"no string", "VP(NP VT01)", "", nullptr},
    };
    for (Case const& c : cases) {
        SCOPED_TRACE(c.what);
        PARSED_NODE* tree = BuildTree(c.tree);
        std::string const before = TreeText(tree);
        // The test's Japanese is UTF-8; the engine's Shift-JIS.
        LastLeaf(tree)->SetTransplant(CP932(c.transplant).c_str());
        EXPECT_EQ(ApplyTransplants(tree), c.after != nullptr);
        EXPECT_EQ(TreeText(tree), c.after != nullptr ? c.after : before);
        FreeSubtree(tree);
    }
}

}  // namespace
