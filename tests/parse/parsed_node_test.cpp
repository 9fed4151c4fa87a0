// Parse tree nodes: copying, freeing, detaching and adjoining keep the
// links' invariant and own every node once; long chains need no deep stack.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include <cstring>

#include "engine/foundation/name_tables.h"
#include "engine/parse/parsed_node.h"
#include "engine/parse/sentence.h"

namespace {

uint32_t POSNamed(char const* name) {
    for (unsigned long code = 0; code < kE_Source_POSNameCount; ++code)
        if (std::strcmp(kE_Source_POSNames()[code], name) == 0) return static_cast<uint32_t>(code);
    return 0;
}

// A node named by its category.
PARSED_NODE* Node(uint32_t name, char const* japanese = nullptr) {
    auto* node = new PARSED_NODE;
    node->category = name;
    node->SetJapanese(japanese);
    return node;
}

void AddChildren(PARSED_NODE* parent, std::vector<PARSED_NODE*> const& children) {
    PARSED_NODE* left = nullptr;
    for (PARSED_NODE* child : children) {
        if (left == nullptr) {
            parent->firstChild = child;
        } else {
            left->rightSibling = child;
        }
        child->back = left == nullptr ? parent : left;
        left = child;
    }
}

// The tree in bracket form, e.g. "1(2 3(4))", checking every back link.
std::string Shape(PARSED_NODE const* node) {
    std::string text;
    for (PARSED_NODE const* at = node; at != nullptr; at = at->rightSibling) {
        if (at != node) text += " ";
        text += std::to_string(at->category);
        if (at->rightSibling != nullptr) {
            EXPECT_EQ(at->rightSibling->back, at);
        }
        if (at->firstChild != nullptr) {
            EXPECT_EQ(at->firstChild->back, at);
            text += "(" + Shape(at->firstChild) + ")";
        }
    }
    return text;
}

// 1(2 3(4) 5)
PARSED_NODE* SampleTree() {
    PARSED_NODE* root = Node(1);
    PARSED_NODE* three = Node(3, "san");
    AddChildren(root, {Node(2), three, Node(5)});
    AddChildren(three, {Node(4)});
    return root;
}

TEST(ParsedNode, ANewNodeHasUnknownExtentsAndNoGraphNode) {
    PARSED_NODE node;
    EXPECT_EQ(node.extent.start, EXTENT::kUnknown);
    EXPECT_EQ(node.firstExtent.end, EXTENT::kUnknown);
    EXPECT_EQ(node.graphNode, nullptr);
    EXPECT_TRUE(node.reading.IsNull());
    EXPECT_EQ(node.features[2][0], '\0');
}

TEST(ParsedNode, CopiesAreDeepAndTakeTheWholeRightChain) {
    PARSED_NODE* root = SampleTree();
    PARSED_NODE* copy = CopySubtree(root->firstChild);  // 2, with 3(4) and 5 to its right
    EXPECT_EQ(Shape(copy), "2 3(4) 5");
    EXPECT_EQ(copy->back, nullptr);
    ASSERT_NE(copy->rightSibling->japanese, nullptr);
    EXPECT_NE(copy->rightSibling->japanese, root->firstChild->rightSibling->japanese);
    EXPECT_STREQ(copy->rightSibling->japanese, "san");
    EXPECT_EQ(CopySubtree(nullptr), nullptr);
    FreeSubtree(copy);
    FreeSubtree(root);
}

TEST(ParsedNode, FreeingAndDetachingLeaveTheRestLinked) {
    struct Case {
        char const* what;
        std::vector<int> path;  // child indexes from the root to the node
        bool free;              // free it, else detach it
        char const* left;
    };
    Case const cases[] = {
        {"free the first child and those right of it", {0}, true, "1"},
        {"free a middle child and those right of it", {1}, true, "1(2)"},
        {"detach the first child", {0}, false, "1(3(4) 5)"},
        {"detach a middle child", {1}, false, "1(2 5)"},
        {"detach the last child", {2}, false, "1(2 3(4))"},
    };
    for (Case const& c : cases) {
        PARSED_NODE* root = SampleTree();
        PARSED_NODE* node = root->firstChild;
        for (int i = 0; i < c.path[0]; ++i) node = node->rightSibling;
        if (c.free) {
            FreeSubtree(node);
        } else {
            node->DetachThisFromSiblings();
            EXPECT_EQ(node->back, nullptr) << c.what;
            EXPECT_EQ(node->rightSibling, nullptr) << c.what;
            FreeSubtree(node);
        }
        EXPECT_EQ(Shape(root), c.left) << c.what;
        FreeSubtree(root);
    }

    // A root with a right sibling makes that sibling a root.
    PARSED_NODE* first = Node(1);
    PARSED_NODE* second = Node(2);
    first->rightSibling = second;
    second->back = first;
    EXPECT_EQ(first->DetachThisFromSiblings(), second);
    EXPECT_EQ(second->back, nullptr);
    FreeSubtree(first);
    FreeSubtree(second);
}

TEST(ParsedNode, AdjoiningPutsACopyAndTheOtherUnderTheNode) {
    struct Case {
        bool withOther;
        bool otherFirst;
        char const* shape;
    };
    Case const cases[] = {
        {true, true, "1(9 1(2 3(4) 5))"},
        {true, false, "1(1(2 3(4) 5) 9)"},
        {false, true, "1(1(2 3(4) 5))"},
        {false, false, "1(1(2 3(4) 5))"},
    };
    for (Case const& c : cases) {
        PARSED_NODE* root = SampleTree();
        root->SetJapanese("ne");
        root->flags = PARSED_NODE::kDictionaryLeaf | PARSED_NODE::kViewBit5 | PARSED_NODE::kViewBit0;
        root->japanesePOS = 7;
        // The other node still hangs in a tree of its own: it is taken out.
        PARSED_NODE* holder = Node(8);
        PARSED_NODE* other = Node(9);
        AddChildren(holder, {other});
        ChomskyAdjoin(root, c.withOther ? other : nullptr, c.otherFirst);
        EXPECT_EQ(Shape(root), c.shape);
        EXPECT_EQ(root->japanese, nullptr);
        EXPECT_EQ(root->japanesePOS, 0u);
        EXPECT_EQ(root->flags, PARSED_NODE::kViewBit0);
        PARSED_NODE* copy = c.withOther && c.otherFirst ? root->firstChild->rightSibling : root->firstChild;
        EXPECT_STREQ(copy->japanese, "ne");
        EXPECT_EQ(holder->firstChild, c.withOther ? nullptr : other);
        FreeSubtree(holder);
        FreeSubtree(root);
    }
}

TEST(ParsedNode, LongChainsAndDeepTreesAreCopiedAndFreedWithoutRecursion) {
    PARSED_NODE* chain = Node(0);
    PARSED_NODE* deep = Node(0);
    PARSED_NODE* left = chain;
    PARSED_NODE* parent = deep;
    for (uint32_t i = 1; i < 50000; ++i) {
        PARSED_NODE* next = Node(i);
        left->rightSibling = next;
        next->back = left;
        left = next;
        PARSED_NODE* child = Node(i);
        parent->firstChild = child;
        child->back = parent;
        parent = child;
    }
    PARSED_NODE* copies[] = {CopySubtree(chain), CopySubtree(deep)};
    std::size_t length = 0;
    for (PARSED_NODE* at = copies[0]; at != nullptr; at = at->rightSibling) ++length;
    EXPECT_EQ(length, 50000u);
    for (PARSED_NODE* tree : {chain, deep, copies[0], copies[1]}) FreeSubtree(tree);
}

TEST(ParsedNode, VerbsAreTheVerbListOrNumberedVerbClasses) {
    struct Case {
        char const* name;
        bool verbish;
    };
    Case const cases[] = {{"VT01", true}, {"VI05", true}, {"VICEVERSA", false}, {"N", false}};
    for (Case const& c : cases) {
        PARSED_NODE node;
        node.category = POSNamed(c.name);
        ASSERT_NE(node.category, 0u) << c.name;
        EXPECT_EQ(IsVerbishType(&node), c.verbish) << c.name;
    }
    PARSED_NODE unnamed;
    unnamed.category = 15000;
    EXPECT_FALSE(IsVerbishType(&unnamed));
    EXPECT_FALSE(IsVerbishType(nullptr));
}

TEST(ParsedNode, ExtentsOfSpansInsideTheSentenceOnly) {
    std::vector<PreparsedWord> words(3);
    for (uint16_t w = 0; w < 3; ++w) {
        words[w].fStart = static_cast<uint16_t>(w * 4);
        words[w].fEnd = static_cast<uint16_t>(w * 4 + 3);
    }
    Sentence sentence{SentenceUserOptions()};
    sentence.SetPreparsedWords(words, {}, {}, false);
    EXTENT extent;
    ASSERT_TRUE(SpanToExtent(1, 2, sentence, &extent));
    EXPECT_EQ(extent.start, 4);
    EXPECT_EQ(extent.end, 11);
    EXPECT_FALSE(SpanToExtent(3, 2, sentence, &extent));
    EXPECT_FALSE(SpanToExtent(0, 3, sentence, &extent));
}

}  // namespace
