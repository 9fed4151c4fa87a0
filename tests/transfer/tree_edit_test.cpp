// The tree edits keep every back link right (a first child points at its
// parent, any other node at its left sibling), so that walking back always
// finds the parent; each case edits a small tree and reads it back.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "engine/transfer/tree_edit.h"

namespace {

// The tree as "category(children) ..." text, checking the back links on
// the way.
std::string Shape(PARSED_NODE const* node, PARSED_NODE const* expectedBack) {
    std::string text;
    for (PARSED_NODE const* at = node; at != nullptr; at = at->rightSibling) {
        EXPECT_EQ(at->back, expectedBack) << "back link of " << at->category;
        if (!text.empty()) text += ' ';
        text += std::to_string(at->category);
        if (at->firstChild != nullptr) text += "(" + Shape(at->firstChild, at) + ")";
        expectedBack = at;
    }
    return text;
}

// 1(2 3(4) 5)
PARSED_NODE* SmallTree() {
    PARSED_NODE* root = NewVirtualNode(1);
    AppendChild(root, NewVirtualNode(2));
    PARSED_NODE* three = NewVirtualNode(3);
    AppendChild(root, three);
    AppendChild(three, NewVirtualNode(4));
    AppendChild(root, NewVirtualNode(5));
    return root;
}

PARSED_NODE* Child(PARSED_NODE* parent, int index) {
    PARSED_NODE* at = parent->firstChild;
    while (index-- > 0) at = at->rightSibling;
    return at;
}

struct EditCase {
    char const* what;
    std::function<void(PARSED_NODE*)> edit;
    char const* shape;
};

TEST(TreeEdit, EditsKeepTheBackLinks) {
    EditCase const cases[] = {
        {"before a first child", [](PARSED_NODE* r) { InsertLeftOf(r->firstChild, NewVirtualNode(9)); },
         "1(9 2 3(4) 5)"},
        {"before a middle child", [](PARSED_NODE* r) { InsertLeftOf(Child(r, 1), NewVirtualNode(9)); },
         "1(2 9 3(4) 5)"},
        {"after the last child", [](PARSED_NODE* r) { InsertRightOf(Child(r, 2), NewVirtualNode(9)); },
         "1(2 3(4) 5 9)"},
        {"after a middle child", [](PARSED_NODE* r) { InsertRightOf(Child(r, 0), NewVirtualNode(9)); },
         "1(2 9 3(4) 5)"},
        {"a first child's replacement",
         [](PARSED_NODE* r) { FreeSubtree(ReplaceThisInSiblingList(r->firstChild, NewVirtualNode(9))); },
         "1(9 3(4) 5)"},
        {"a middle child spliced out", [](PARSED_NODE* r) { SpliceOutNode(Child(r, 1)); }, "1(2 4 5)"},
        {"a first child spliced out", [](PARSED_NODE* r) { SpliceOutNode(Child(r, 1)->firstChild); },
         "1(2 3 5)"},
        {"an only child's parent spliced out", [](PARSED_NODE* r) { SpliceOutNode(r->firstChild); },
         "1(3(4) 5)"},
        {"inserting as first child, then after it",
         [](PARSED_NODE* r) {
             TreeInserter inserter(Child(r, 1), TreeInserter::kAsFirstChild);
             EXPECT_EQ(inserter.GetItemToBeInsertedBefore()->category, 4u);
             inserter.Insert(NewVirtualNode(8));
             inserter.Insert(NewVirtualNode(9));
         },
         "1(2 3(8 9 4) 5)"},
        {"inserting as left sibling, stepping past, inserting",
         [](PARSED_NODE* r) {
             TreeInserter inserter(Child(r, 1), TreeInserter::kAsLeftSibling);
             inserter.Insert(NewVirtualNode(8));
             EXPECT_TRUE(inserter.StepPast());
             inserter.Insert(NewVirtualNode(9));
         },
         "1(2 8 3(4) 9 5)"},
        {"inserting after the last, where stepping past fails",
         [](PARSED_NODE* r) {
             TreeInserter inserter(Child(r, 2), TreeInserter::kAfter);
             EXPECT_EQ(inserter.GetItemToBeInsertedBefore(), nullptr);
             EXPECT_FALSE(inserter.StepPast());
             inserter.Insert(NewVirtualNode(9));
         },
         "1(2 3(4) 5 9)"},
        {"inserting into a leaf", [](PARSED_NODE* r) { TreeInserter(Child(r, 0), TreeInserter::kAsFirstChild).Insert(NewVirtualNode(9)); },
         "1(2(9) 3(4) 5)"},
    };
    for (EditCase const& c : cases) {
        SCOPED_TRACE(c.what);
        PARSED_NODE* root = SmallTree();
        c.edit(root);
        EXPECT_EQ(Shape(root, nullptr), c.shape);
        FreeSubtree(root);
    }
}

TEST(TreeEdit, FindsParentsSiblingsAndLastChildren) {
    PARSED_NODE* root = SmallTree();
    PARSED_NODE* four = Child(root, 1)->firstChild;
    EXPECT_EQ(GetParent(four), Child(root, 1));
    EXPECT_EQ(GetParent(Child(root, 2)), root);
    EXPECT_EQ(GetParent(root), nullptr);
    EXPECT_EQ(GetLeftSibling(Child(root, 2)), Child(root, 1));
    EXPECT_EQ(GetLeftSibling(root->firstChild), nullptr);
    EXPECT_EQ(GetLastChild(root), Child(root, 2));
    EXPECT_EQ(GetLastChild(four), nullptr);
    EXPECT_EQ(four->flags, kVirtualNode);
    FreeSubtree(root);
}

}  // namespace
