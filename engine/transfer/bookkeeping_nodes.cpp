// The parser's grouping nodes: temporary categories and at-sign categories
// give way to their children.
#include <cstring>
#include <vector>

#include "engine/foundation/english_pos_classes.h"
#include "engine/parse/grammar_ids.h"
#include "engine/transfer/tree_repair.h"

namespace {

bool IsTemporary(uint32_t category) { return category >= kFirstTemporaryCategory; }

bool NameBeginsWith(POS_E_Source category, char prefix) {
    if (IsTemporary(category)) return false;
    char const* const name = EnglishPOSName(category);
    return name != nullptr && name[0] == prefix;
}

// Every node below the root for which remove holds is replaced by its
// children, which are examined next; nested ones vanish together.  Without
// recursion, so a deep tree needs no deep stack.
template <class Predicate>
void SpliceOutBelow(PARSED_NODE* tree, Predicate remove) {
    if (tree == nullptr) return;
    std::vector<PARSED_NODE*> pending{tree};
    while (!pending.empty()) {
        PARSED_NODE* const parent = pending.back();
        pending.pop_back();
        PARSED_NODE* child = parent->firstChild;
        while (child != nullptr) {
            if (remove(child)) {
                PARSED_NODE* const next = child->firstChild != nullptr ? child->firstChild : child->rightSibling;
                SpliceOutNode(child);
                child = next;
            } else {
                pending.push_back(child);
                child = child->rightSibling;
            }
        }
    }
}

}  // namespace

bool IsAtSignTemp(POS_E_Source category) { return NameBeginsWith(category, '@'); }

bool IsQLike(POS_E_Source category) { return NameBeginsWith(category, 'Q'); }

void RemoveTempCats(PARSED_NODE* tree) {
    SpliceOutBelow(tree, [](PARSED_NODE const* node) { return IsTemporary(node->category); });
}

void RemoveAtSignNodes(PARSED_NODE* tree) {
    SpliceOutBelow(tree, [](PARSED_NODE const* node) {
        return !IsTemporary(node->category) && IsAtSignTemp(static_cast<POS_E_Source>(node->category));
    });
}
