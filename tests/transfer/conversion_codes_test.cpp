// Conversion codes on hand-built trees: digit and special codes reorder,
// drop, lower and add children, or leave a node they do not fit as it was;
// the two passes split a rule's codes at the marker; a code for a virtual
// node that is missing ends the node's codes.  Every tree is read back with
// its back links checked, and freed, so the sanitizers see lost or doubly
// owned nodes.
#include <gtest/gtest.h>

#include <cstring>
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

#include "engine/foundation/atom_databases.h"
#include "engine/foundation/english_pos_classes.h"
#include "engine/foundation/feature_bits.h"
#include "engine/parse/grammar_ids.h"
#include "engine/parse/preparsed_text.h"
#include "engine/parse/sentence.h"
#include "engine/pipeline/sentence_chain.h"
#include "engine/transfer/conversion_codes.h"
#include "engine/transfer/tree_edit.h"

namespace {

using namespace grammar;

struct TreeDeleter {
    void operator()(PARSED_NODE* node) const { FreeSubtree(node); }
};
using Tree = std::unique_ptr<PARSED_NODE, TreeDeleter>;

PARSED_NODE* Leaf(char const* japanese, uint16_t category = kN) {
    auto* node = new PARSED_NODE;
    node->category = category;
    node->SetJapanese(japanese);
    return node;
}

PARSED_NODE* Node(uint16_t category, std::initializer_list<PARSED_NODE*> children, uint16_t pureRule = 0) {
    auto* node = new PARSED_NODE;
    node->category = category;
    node->pureRule = pureRule;
    for (PARSED_NODE* child : children) AppendChild(node, child);
    return node;
}

PARSED_NODE* Virtual(uint16_t category, std::initializer_list<PARSED_NODE*> children) {
    PARSED_NODE* node = Node(category, children);
    node->flags |= kVirtualNode;
    return node;
}

// "label(children) ...": a node's Japanese, else its category's name; "~"
// marks a virtual node.  Checks the back links on the way.
std::string Shape(PARSED_NODE const* node, PARSED_NODE const* expectedBack) {
    std::string text;
    for (PARSED_NODE const* at = node; at != nullptr; at = at->rightSibling) {
        EXPECT_EQ(at->back, expectedBack) << "back link in " << text;
        if (!text.empty()) text += ' ';
        if (at->flags & kVirtualNode) text += '~';
        char const* name = EnglishPOSName(POS_E_Source{static_cast<unsigned short>(at->category)});
        text += at->japanese != nullptr && *at->japanese != '\0' ? at->japanese : name != nullptr ? name : "?";
        if (at->firstChild != nullptr) text += "(" + Shape(at->firstChild, at) + ")";
        expectedBack = at;
    }
    return text;
}
std::string Shape(Tree const& tree) { return Shape(tree.get(), nullptr); }

// The index of the pure rule the grammar numbers `id`.
uint16_t PureRuleOf(uint16_t id) {
    for (unsigned i = 1; i < kPureRuleCount; ++i)
        if (kPureRules[i].id == id) return static_cast<uint16_t>(i);
    ADD_FAILURE() << "no rule " << id;
    return 0;
}

PureCCodeRecord Code(char const* text, uint16_t vCategory = 0) {
    PureCCodeRecord record{};
    std::strncpy(record.code, text, sizeof record.code);
    record.vCategory = vCategory;
    return record;
}

uint16_t CategoryNamed(char const* name) {
    POS_E_Source category{0};
    EXPECT_TRUE(gSourcePOSDatabase().Lookup(name, &category)) << name;
    return static_cast<uint16_t>(category);
}

TEST(ConversionCodes, TheSpecialCodesAreTheTwelveGiven) {
    struct {
        uint16_t id, termCount;
        bool extra, adjoin;
        int16_t lower;
        uint16_t split;
        char const* name;
        std::vector<uint16_t> terms;
    } const expected[] = {
        {19, 2, false, false, 0, 0, "", {1, 2}},
        {193, 3, false, false, 0, 0, "", {1, 2, 3}},
        {900, 99, false, false, 0, 0, "", {1, 2}},
        {42, 2, false, false, 1, 0, "", {1, 2}},
        {41, 3, false, false, 1, 0, "", {1, 2, 3}},
        {60, 1, true, true, 1, 0, "Nom_ga", {1, 65535}},
        {61, 1, true, true, 1, 0, "Nom_ha", {1, 65535}},
        {62, 1, true, true, 1, 0, "Nom", {1, 65535}},
        {64, 2, true, true, 1, 1, "Nom_ga", {1, 2, 65535}},
        {65, 2, true, true, 1, 1, "Nom_ha", {1, 2, 65535}},
        {66, 1, true, true, 1, 0, "Hodo", {1, 65535}},
        {67, 1, true, true, 1, 0, "Dat_ni", {1, 65535}},
    };
    ASSERT_EQ(std::size(expected), kConversionCodeCount);
    for (std::size_t i = 0; i < kConversionCodeCount; ++i) {
        CONVERSION_CODE const& code = kConversionCodes[i];
        auto const& want = expected[i];
        EXPECT_EQ(code.id, want.id);
        EXPECT_EQ(code.termCount, want.termCount) << want.id;
        EXPECT_EQ(code.extraChildrenAllowed, want.extra) << want.id;
        EXPECT_EQ(code.adjoin, want.adjoin) << want.id;
        EXPECT_EQ(code.lowerCount, want.lower) << want.id;
        EXPECT_EQ(code.splitIndex, want.split) << want.id;
        EXPECT_STREQ(code.createdName, want.name) << want.id;
        std::vector<uint16_t> terms;
        for (uint16_t term : code.terms) {
            if (term == 0) break;
            terms.push_back(term);
        }
        EXPECT_EQ(terms, want.terms) << want.id;
        EXPECT_TRUE(IsValidCC(want.id));
        // The engine finds the category of a created node by its name.
        if (*want.name != '\0') CategoryNamed(want.name);
    }
    for (unsigned short id : {0, 1, 12, 21, 63, 99, 901}) EXPECT_FALSE(IsValidCC(id)) << id;
}

TEST(ConversionCodes, ReorderTermsOnOneNode) {
    struct {
        char const* code;
        std::vector<char const*> children;
        char const* shape;
        char const* error;  // in gErrBuf, "" none
    } const cases[] = {
        {"21", {"a", "b"}, "NP(b a)", ""},
        {"12", {"a", "b"}, "NP(a b)", ""},
        {"21", {"a", "b", "c"}, "NP(a b c)", "Too many data terms for conv code 21"},
        {"321", {"a", "b"}, "NP(a b)", "Data lacks enough terms for conv code 321"},
        {"231", {"a", "b", "c"}, "NP(b c a)", ""},
        {"200", {"a", "b", "c"}, "NP(b)", ""},
        // Terms that name a child twice or one past the count fill no place.
        {"11", {"a", "b"}, "NP(a)", ""},
        {"31", {"a", "b"}, "NP(a)", ""},
        {"CCspecial19", {"a", "b"}, "NP(a b)", ""},
        {"CCspecial193", {"a", "b"}, "NP(a b)", "Data lacks enough terms for conv code 193"},
        {"CCspecial42", {"a", "b"}, "NP(a(b))", ""},
        {"CCspecial41", {"a", "b", "c"}, "NP(a(b) c)", ""},
        // The subject is adjoined, the new particle node goes below it, and
        // the extra children follow at the node's level.
        {"CCspecial60", {"a", "b", "c"}, "NP(N(a ~Nom_ga) b c)", ""},
        {"CCspecial62", {"a"}, "NP(N(a ~Nom))", ""},
        {"CCspecial64", {"a", "b", "c"}, "NP(a N(b ~Nom_ga) c)", ""},
        {"CCspecial67", {"a", "b"}, "NP(N(a ~Dat_ni) b)", ""},
        {"CCspecial60", {}, "NP", "Data lacks enough terms for conv code 60"},
        // Codes that name nothing do nothing.
        {"CCspecial63", {"a", "b"}, "NP(a b)", ""},
        {"CCspecial", {"a", "b"}, "NP(a b)", ""},
        {"2x", {"a", "b"}, "NP(a b)", ""},
        {"", {"a", "b"}, "NP(a b)", ""},
    };
    for (auto const& c : cases) {
        Tree tree(Node(kNP, {}));
        for (char const* child : c.children) AppendChild(tree.get(), Leaf(child));
        gErrBuf[0] = '\0';
        ReorderTerms(tree.get(), c.code, nullptr);
        EXPECT_EQ(Shape(tree), c.shape) << c.code;
        EXPECT_STREQ(gErrBuf, c.error) << c.code;
    }
}

TEST(ConversionCodes, ACompiledCodeIsReadToItsSixteenBytesOnly) {
    // Sixteen digits and no terminator, in a block of exactly that size.
    std::unique_ptr<char[]> code(new char[kConversionCodeBytes]);
    std::memset(code.get(), '1', kConversionCodeBytes);
    Tree tree(Node(kNP, {Leaf("a"), Leaf("b")}));
    gErrBuf[0] = '\0';
    ReorderTerms(tree.get(), code.get(), nullptr);
    EXPECT_EQ(Shape(tree), "NP(a b)");
    EXPECT_STREQ(gErrBuf, "Data lacks enough terms for conv code 2147483647");
}

TEST(ConversionCodes, ANewNodeTakesItsCategoryOrItsJapaneseFromTheName) {
    struct {
        char const* name;
        uint16_t category;
        char const* japanese;
        bool reported;
    } const cases[] = {
        {"Dat_ni", CategoryNamed("Dat_ni"), nullptr, false},
        {"ni", 0, "ni", false},
        {"Nom_xx", 0, nullptr, true},
        {"", 0, nullptr, true},
    };
    for (auto const& c : cases) {
        CONVERSION_CODE const code{7, 1, true, true, 1, 0, c.name, {1, CONVERSION_CODE::kNewNode}};
        gErrBuf[0] = '\0';
        Tree made(GetThenZero(nullptr, CONVERSION_CODE::kNewNode, &code));
        ASSERT_NE(made, nullptr);
        EXPECT_TRUE(made->flags & kVirtualNode);
        EXPECT_EQ(made->category, c.category) << c.name;
        EXPECT_STREQ(made->japanese, c.japanese) << c.name;
        EXPECT_EQ(gErrBuf[0] != '\0', c.reported) << c.name << ": " << gErrBuf;
    }
}

// "Big dogs run fast." preparsed without a dictionary.
class FourWords {
public:
    FourWords() : fChain("Big dogs run fast.") {
        PreparsedSentence preparsed;
        PreparseNextSentence(fChain, nullptr, &preparsed);
        fSentence.SetSourceTokens(preparsed.tokens, &fChain.Strings());
        fSentence.SetPreparsedWords(preparsed.words, preparsed.senses, preparsed.extra, false);
    }
    Sentence* Get() { return &fSentence; }

private:
    SentenceChain fChain;
    Sentence fSentence{SentenceUserOptions()};
};

TEST(ConversionCodes, TheEnglishWordsCodeReplacesTheSubtreeByTheEnglish) {
    FourWords sentence;
    Tree tree(Node(kVP, {Leaf("hashiru", kVI01), Node(kADVP, {Leaf("hayaku", kADV)})}));
    tree->endWord = 3;
    tree->span = 1;
    ReorderTerms(tree.get(), "CCspecial900", sentence.Get());
    EXPECT_EQ(tree->firstChild, nullptr);
    EXPECT_STREQ(tree->japanese, "{run fast}");
}

TEST(ConversionCodes, ThePassesSplitARulesCodesAtTheMarker) {
    // S -> NP PRED: "12 | CC62"; VP -> VT01 NP: "12 | 21".
    uint16_t const clause = PureRuleOf(20), verbPhrase = PureRuleOf(81);
    Tree tree(
        Node(kSDECL, {Leaf("jon", kNP), Node(kVP, {Leaf("tabe", kVT01), Leaf("ringo", kNP)}, verbPhrase)}, clause));
    UseGenericCCodes(tree.get(), nullptr);
    EXPECT_EQ(Shape(tree), "SDECL(jon VP(tabe ringo))");
    UseJapaneseCCodes(tree.get(), nullptr);
    EXPECT_EQ(Shape(tree), "SDECL(NP(jon ~Nom) VP(ringo tabe))");
}

TEST(ConversionCodes, ACodeRunAppliesToVirtualNodesUntilOneIsMissing) {
    uint16_t const nom = CategoryNamed("Nom"), dat = CategoryNamed("Dat_ni");
    struct {
        char const* what;
        std::vector<PureCCodeRecord> run;
        bool japanese;
        char const* shape;
    } const cases[] = {
        {"generic codes stop at the marker",
         {Code("213"), Code(kTargetLangStart), Code("321")},
         false,
         "VP(b a ~Nom(c d))"},
        {"Japanese codes start after it",
         {Code("213"), Code(kTargetLangStart), Code("321")},
         true,
         "VP(~Nom(c d) b a)"},
        {"a first marker leaves nothing generic", {Code(kTargetLangStart), Code("321")}, false, "VP(a b ~Nom(c d))"},
        {"a code for a virtual node applies below", {Code("21", nom)}, false, "VP(a b ~Nom(d c))"},
        {"a virtual node is found once per run", {Code("21", nom), Code("21", nom)}, false, "VP(a b ~Nom(d c))"},
        {"a missing one ends the codes, earlier ones stay",
         {Code("321"), Code("21", dat), Code("321")},
         false,
         "VP(~Nom(c d) b a)"},
    };
    for (auto const& c : cases) {
        Tree tree(Node(kVP, {Leaf("a"), Leaf("b"), Virtual(nom, {Leaf("c"), Leaf("d")})}));
        UseCodeRun(tree.get(), c.run.data(), c.run.size(), c.japanese, nullptr);
        EXPECT_EQ(Shape(tree), c.shape) << c.what;
    }
}

TEST(ConversionCodes, VirtualNodesAreFoundBelowVirtualNodesOnly) {
    uint16_t const nom = CategoryNamed("Nom");
    // a(~Nom:x) ~Hodo(~Nom:y) ~Nom:z
    PARSED_NODE* hidden = Virtual(nom, {});
    PARSED_NODE* nested = Virtual(nom, {});
    PARSED_NODE* last = Virtual(nom, {});
    Tree tree(Node(kVP, {Node(kNP, {hidden}), Virtual(CategoryNamed("Hodo"), {nested}), last}));
    std::vector<PARSED_NODE*> used;
    PARSED_NODE* found = nullptr;
    ASSERT_TRUE(FindVNode(tree->firstChild, nom, &found, &used));
    EXPECT_EQ(found, nested);
    ASSERT_TRUE(FindVNode(tree->firstChild, nom, &found, &used));
    EXPECT_EQ(found, last);
    EXPECT_FALSE(FindVNode(tree->firstChild, nom, &found, &used));
    EXPECT_EQ(used, (std::vector<PARSED_NODE*>{nested, last}));
}

}  // namespace
