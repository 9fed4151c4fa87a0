// Inserted positions and virtual nodes from the rules' terms, then the
// removal of the at-sign nodes and the semantics of virtual noun phrases.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <iterator>
#include <vector>

#include "engine/foundation/cat_lists.h"
#include "engine/foundation/english_pos_classes.h"
#include "engine/foundation/feature_bits.h"
#include "engine/foundation/pos_codes.h"
#include "engine/transfer/subtree_order.h"
#include "engine/transfer/tree_repair.h"

namespace {

constexpr uint8_t kDaughterTerm = 21;
constexpr uint8_t kPrimedDaughterTerm = 22;
constexpr uint8_t kFirstInsertedTerm = 24;
// The categories terms 24 to 29 insert.
constexpr POS_E_Source kInsertedCategories[] = {kCatE, kCatTrace, kCatTrace2, kCatTrace3, kCatTrace4, kCatDe};
constexpr uint8_t kPrimedVirtualNode = 22;
constexpr int kNounLikeList = 12;

// The rule of a node the repair rearranges; null for a leaf, a node of no
// rule or of literal text, and a rule whose terms lie outside the tables.
PureRuleRecord const* RuleToRepair(PARSED_NODE const* node, PureRuleTables const& tables) {
    if (node->firstChild == nullptr || node->pureRule == 0 || node->pureRule == PARSED_NODE::kLiteralRule ||
        node->pureRule >= tables.ruleCount)
        return nullptr;
    PureRuleRecord const& rule = tables.rules[node->pureRule];
    if (rule.firstTerm > tables.termCount || rule.termCount > tables.termCount - rule.firstTerm) return nullptr;
    return &rule;
}

// Inserts the positions the terms mark between the node's children.
void InsertSpecialCategories(PARSED_NODE* node, PureTermRecord const* terms, unsigned termCount) {
    TreeInserter inserter(node, TreeInserter::kAsFirstChild);
    for (unsigned i = 0; i < termCount; ++i) {
        uint8_t const kind = terms[i].kind;
        if (kind == kDaughterTerm || kind == kPrimedDaughterTerm) {
            inserter.StepPast();
        } else if (kind >= kFirstInsertedTerm) {
            std::size_t const inserted = kind - kFirstInsertedTerm;
            if (inserted < std::size(kInsertedCategories)) AddSpecialCategory(&inserter, kInsertedCategories[inserted]);
        }
    }
}

// Rebuilds a node's children from its rule's terms: each term's virtual
// nodes, in table order and nested as their child counts say, then the
// term's own child.
class VirtCatInserter {
public:
    VirtCatInserter(PARSED_NODE* node, PureRuleRecord const& rule, PureRuleTables const& tables)
        : fNode(node), fRule(rule), fTerms(tables.terms + rule.firstTerm), fTables(tables) {}

    void PutInVirtCats() {
        fChain = fNode->firstChild;
        fNode->firstChild = nullptr;
        fChain->back = nullptr;
        PARSED_NODE* last = nullptr;
        while (fTerm < fRule.termCount) {
            PARSED_NODE* const item = BuildItem();
            if (last == nullptr)
                AppendChild(fNode, item);
            else
                InsertRightOf(last, item);
            last = item;
        }
        if (fChain != nullptr) KeepLeftovers(last);
    }

private:
    // The virtual-category records of the current term; none when the term
    // points outside the table.
    unsigned VCatCount() const {
        PureTermRecord const& term = fTerms[fTerm];
        if (term.firstVCat > fTables.vCatCount || term.vCatCount > fTables.vCatCount - term.firstVCat) return 0;
        return term.vCatCount;
    }

    PARSED_NODE* BuildItem() {
        if (fTerm < fRule.termCount && fVCat < VCatCount()) {
            PureVCatRecord const& record = fTables.vCats[fTerms[fTerm].firstVCat + fVCat++];
            PARSED_NODE* const virtualNode = NewVirtualNode(record.category);
            if (record.kind == kPrimedVirtualNode) virtualNode->flags |= kPrimeNode;
            PARSED_NODE* last = nullptr;
            for (unsigned i = 0; i < record.childCount; ++i) {
                PARSED_NODE* const child = BuildItem();
                if (last == nullptr)
                    AppendChild(virtualNode, child);
                else
                    InsertRightOf(last, child);
                last = child;
            }
            return virtualNode;
        }
        if (fTerm < fRule.termCount) {
            ++fTerm;
            fVCat = 0;
        }
        return TakeOwnChild();
    }

    // The next child not yet placed; a "GONE" node when none is left.
    PARSED_NODE* TakeOwnChild() {
        if (fChain == nullptr) return NewVirtualNode(kCatGONE);
        PARSED_NODE* const child = fChain;
        fChain = child->DetachThisFromSiblings();
        return child;
    }

    // Children the terms do not account for are words of the sentence: they
    // stay, after the rebuilt ones, and the mismatch is reported.
    void KeepLeftovers(PARSED_NODE* last) {
        unsigned count = 0;
        for (PARSED_NODE const* child = fChain; child != nullptr; child = child->rightSibling) ++count;
        if (last == nullptr) {
            fNode->firstChild = fChain;
            fChain->back = fNode;
        } else {
            last->rightSibling = fChain;
            fChain->back = last;
        }
        fChain = nullptr;
        std::snprintf(gErrBuf, kErrBufSize, "%u children left over by the terms of grammar line %d", count,
                      static_cast<int>(fRule.id));
        std::snprintf(gErrDataBuf, kErrBufSize, "%s, %d", EnglishPOSName(static_cast<POS_E_Source>(fNode->category)),
                      static_cast<int>(fRule.id));
    }

    PARSED_NODE* const fNode;
    PureRuleRecord const& fRule;
    PureTermRecord const* const fTerms;
    PureRuleTables const& fTables;
    PARSED_NODE* fChain = nullptr;  // the node's own children not yet placed
    unsigned fTerm = 0;
    unsigned fVCat = 0;  // within the current term
};

bool IsNounLikeCategory(uint32_t category) {
    return InCategoryList(kNounLikeList, category);
}

}  // namespace

PureRuleTables CompiledPureRuleTables() {
    return {kPureRules, kPureRuleCount, kPureTerms, kUsedPureTermCount, kPureVCats, kUsedPureVCatCount};
}

PARSED_NODE* AddSpecialCategory(TreeInserter* inserter, POS_E_Source category) {
    PARSED_NODE* const node = NewVirtualNode(category);
    inserter->Insert(node);
    return node;
}

void InsertVirtCats(PARSED_NODE* tree, PureRuleTables const& tables) {
    if (tree == nullptr) return;
    std::vector<PARSED_NODE*> const order = SubtreeInPreOrder(tree);
    for (auto at = order.rbegin(); at != order.rend(); ++at) {
        PARSED_NODE* const node = *at;
        PureRuleRecord const* const rule = RuleToRepair(node, tables);
        if (rule == nullptr) continue;
        InsertSpecialCategories(node, tables.terms + rule->firstTerm, rule->termCount);
        VirtCatInserter(node, *rule, tables).PutInVirtCats();
    }
    RemoveAtSignNodes(tree);
    PropVirtSem(tree);
}

void PropVirtSem(PARSED_NODE* tree) {
    std::vector<PARSED_NODE*> const order = SubtreeInPreOrder(tree);
    for (auto at = order.rbegin(); at != order.rend(); ++at) {
        PARSED_NODE* const node = *at;
        if (!(node->flags & kVirtualNode) || !IsNounLikeCategory(node->category)) continue;
        for (PARSED_NODE const* child = node->firstChild; child != nullptr; child = child->rightSibling) {
            if (IsNounLikeCategory(child->category) && child->semantics[0].IsNounLike()) {
                node->semantics[0] = child->semantics[0];
                break;
            }
        }
    }
}
