#include "engine/transfer/tree_edit.h"

PARSED_NODE* GetParent(PARSED_NODE const* node) {
    if (node == nullptr) return nullptr;
    PARSED_NODE const* at = node;
    while (at->back != nullptr && at->back->firstChild != at) at = at->back;
    return at->back;
}

PARSED_NODE* GetLeftSibling(PARSED_NODE const* node) {
    if (node == nullptr || node->back == nullptr || node->back->firstChild == node) return nullptr;
    return node->back;
}

PARSED_NODE* GetLastSibling(PARSED_NODE* node) {
    if (node == nullptr) return nullptr;
    while (node->rightSibling != nullptr) node = node->rightSibling;
    return node;
}

PARSED_NODE* GetLastChild(PARSED_NODE const* node) {
    return node == nullptr ? nullptr : GetLastSibling(node->firstChild);
}

PARSED_NODE* NewVirtualNode(uint32_t category) {
    auto* node = new PARSED_NODE();
    node->category = category;
    node->flags = kVirtualNode;
    return node;
}

void InsertLeftOf(PARSED_NODE* node, PARSED_NODE* inserted) {
    PARSED_NODE* const back = node->back;
    if (back != nullptr) {
        if (back->firstChild == node)
            back->firstChild = inserted;
        else
            back->rightSibling = inserted;
    }
    inserted->back = back;
    inserted->rightSibling = node;
    node->back = inserted;
}

void InsertRightOf(PARSED_NODE* node, PARSED_NODE* inserted) {
    inserted->rightSibling = node->rightSibling;
    if (inserted->rightSibling != nullptr) inserted->rightSibling->back = inserted;
    inserted->back = node;
    node->rightSibling = inserted;
}

void AppendChild(PARSED_NODE* parent, PARSED_NODE* child) {
    if (PARSED_NODE* const last = GetLastChild(parent)) {
        InsertRightOf(last, child);
        return;
    }
    parent->firstChild = child;
    child->back = parent;
    child->rightSibling = nullptr;
}

PARSED_NODE* ReplaceThisInSiblingList(PARSED_NODE* node, PARSED_NODE* replacement) {
    InsertLeftOf(node, replacement);
    node->DetachThisFromSiblings();
    return node;
}

void SpliceOutNode(PARSED_NODE* node) {
    PARSED_NODE* children = node->firstChild;
    node->firstChild = nullptr;
    PARSED_NODE* place = node;
    while (children != nullptr) {
        PARSED_NODE* const next = children->rightSibling;
        children->back = nullptr;
        children->rightSibling = nullptr;
        InsertRightOf(place, children);
        place = children;
        children = next;
    }
    node->DetachThisFromSiblings();
    FreeSubtree(node);
}

PARSED_NODE* TreeInserter::GetItemToBeInsertedBefore() const {
    if (fTarget == nullptr) return nullptr;
    switch (fMode) {
        case kAsFirstChild: return fTarget->firstChild;
        case kAsLeftSibling: return fTarget;
        case kAfter: return fTarget->rightSibling;
    }
    return nullptr;
}

void TreeInserter::Insert(PARSED_NODE* node) {
    switch (fMode) {
        case kAsFirstChild:
            if (fTarget->firstChild != nullptr) {
                InsertLeftOf(fTarget->firstChild, node);
            } else {
                fTarget->firstChild = node;
                node->back = fTarget;
                node->rightSibling = nullptr;
            }
            break;
        case kAsLeftSibling: InsertLeftOf(fTarget, node); break;
        case kAfter: InsertRightOf(fTarget, node); break;
    }
    fTarget = node;
    fMode = kAfter;
}

bool TreeInserter::StepPast() {
    PARSED_NODE* const next = GetItemToBeInsertedBefore();
    if (next == nullptr) return false;
    fTarget = next;
    fMode = kAfter;
    return true;
}
