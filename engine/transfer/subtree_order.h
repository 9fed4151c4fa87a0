#pragma once
// Walking a tree without recursion, so that a deep tree needs no deep stack.
#include <algorithm>
#include <cstddef>
#include <vector>

#include "engine/parse/parsed_node.h"

// Pushes the node's children onto a stack of nodes still to visit, so that
// they come off first child first.
inline void PushChildren(PARSED_NODE* node, std::vector<PARSED_NODE*>* pending) {
    std::size_t const mark = pending->size();
    for (PARSED_NODE* child = node->firstChild; child != nullptr; child = child->rightSibling)
        pending->push_back(child);
    std::reverse(pending->begin() + static_cast<std::ptrdiff_t>(mark), pending->end());
}

// The root and its descendants (not the root's right siblings), each node
// before its children and its children in order; gathered before a pass
// edits the tree.  Walked in reverse, every node comes after all of its
// descendants.
inline std::vector<PARSED_NODE*> SubtreeInPreOrder(PARSED_NODE* root) {
    std::vector<PARSED_NODE*> order;
    if (root == nullptr) return order;
    std::vector<PARSED_NODE*> pending{root};
    while (!pending.empty()) {
        PARSED_NODE* const node = pending.back();
        pending.pop_back();
        order.push_back(node);
        PushChildren(node, &pending);
    }
    return order;
}
