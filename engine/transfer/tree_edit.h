#pragma once
// Editing the analysis tree in place.  A node's back link is its left
// sibling, or its parent when it is a first child; every operation here keeps
// that invariant, so a node can always find its parent by walking back.
#include <cstdint>

#include "engine/parse/parsed_node.h"

// Node flags the transfer reads and sets.
constexpr uint16_t kPrimeNode = PARSED_NODE::kViewBit0;  // the category is primed
constexpr uint16_t kVirtualNode = 0x04;                  // made by transfer, not by the parser

// The parent (null for a root or a node of a root's chain).
PARSED_NODE* GetParent(PARSED_NODE const* node);
// The sibling just left of node; null for a first child or a root.
PARSED_NODE* GetLeftSibling(PARSED_NODE const* node);
// The last node of node's sibling chain (node itself when it is the last).
PARSED_NODE* GetLastSibling(PARSED_NODE* node);
// The last child; null for a leaf.
PARSED_NODE* GetLastChild(PARSED_NODE const* node);

// A new empty virtual node of the category, owned by the caller until linked.
PARSED_NODE* NewVirtualNode(uint32_t category);

// Links a detached node (no back link, no right sibling) into a tree.
// InsertLeftOf puts it just before node, InsertRightOf just after it (node's
// old right sibling follows it), AppendChild as parent's last child.
void InsertLeftOf(PARSED_NODE* node, PARSED_NODE* inserted);
void InsertRightOf(PARSED_NODE* node, PARSED_NODE* inserted);
void AppendChild(PARSED_NODE* parent, PARSED_NODE* child);
// replacement (detached) takes node's place among its siblings; node leaves
// the tree with its children and is returned to the caller.
PARSED_NODE* ReplaceThisInSiblingList(PARSED_NODE* node, PARSED_NODE* replacement);
// Puts node's children in node's place, in order, and frees node.  A node
// without children is simply freed.
void SpliceOutNode(PARSED_NODE* node);

// A place in a tree where nodes are inserted one after another.
class TreeInserter {
public:
    enum Mode : uint8_t {
        kAsFirstChild = 0,  // as the target's first child
        kAsLeftSibling = 1,  // just before the target
        kAfter = 2,          // just after the target
    };

    TreeInserter(PARSED_NODE* target, Mode mode) : fTarget(target), fMode(mode) {}

    // The node the next inserted one will stand before (null at a chain's end).
    PARSED_NODE* GetItemToBeInsertedBefore() const;
    // Links the detached node in at the place; the place then follows it.
    void Insert(PARSED_NODE* node);
    // Moves the place past the node it stands before; false at a chain's end.
    bool StepPast();

    PARSED_NODE* Target() const { return fTarget; }
    Mode GetMode() const { return fMode; }

private:
    PARSED_NODE* fTarget;
    Mode fMode;
};
