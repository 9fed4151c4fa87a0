// Fronted constituents go back into the empty positions the repair inserted
// for them, so that the conversion codes see them where Japanese puts them.
#include <cstdint>
#include <cstdio>
#include <unordered_set>
#include <vector>

#include "engine/foundation/cat_lists.h"
#include "engine/foundation/english_pos_classes.h"
#include "engine/foundation/feature_bits.h"
#include "engine/foundation/pos_codes.h"
#include "engine/transfer/subtree_order.h"
#include "engine/transfer/tree_repair.h"

namespace {

constexpr int kClauseList = 0;
constexpr int kGappedClauseList = 1;
constexpr int kFrontedList = 2;
constexpr int kPrimeFillerList = 8;

bool IsVirtual(PARSED_NODE const* node) { return (node->flags & kVirtualNode) != 0; }

// The filler, taken from its place, stands where the trace stood; the trace
// goes (children it should not have stay in its place).
void FillTrace(PARSED_NODE* trace, PARSED_NODE* filler) {
    filler->DetachThisFromSiblings();
    InsertLeftOf(trace, filler);
    SpliceOutNode(trace);
}

// The first node of the category in pre-order below and at root, and in path
// its ancestors from the root down; null when there is none.
PARSED_NODE* FindFirst(PARSED_NODE* root, uint32_t category, std::vector<PARSED_NODE*>* path) {
    path->clear();
    PARSED_NODE* at = root;
    while (true) {
        if (at->category == category) return at;
        if (at->firstChild != nullptr) {
            path->push_back(at);
            at = at->firstChild;
            continue;
        }
        while (at != root && at->rightSibling == nullptr) {
            at = path->back();
            path->pop_back();
        }
        if (at == root) return nullptr;
        at = at->rightSibling;
    }
}

// Each "<t4>" takes the virtual "S1" right of its nearest ancestor that has
// one.  Stops at the first that finds none.
void FillT4Traces(PARSED_NODE* tree) {
    std::vector<PARSED_NODE*> path;
    while (PARSED_NODE* const trace = FindFirst(tree, kCatTrace4, &path)) {
        PARSED_NODE* s1 = nullptr;
        for (auto ancestor = path.rbegin(); ancestor != path.rend() && s1 == nullptr; ++ancestor) {
            PARSED_NODE* const right = (*ancestor)->rightSibling;
            if (right != nullptr && right->category == kCatS1 && IsVirtual(right)) s1 = right;
        }
        if (s1 == nullptr) return;
        FillTrace(trace, s1);
    }
}

// Each "<e>" takes the fronted first child of its nearest clause whose second
// child is a gapped clause holding it; "QCOMP" (question clauses) or "RCOMP"
// marks the front.  Stops at the first that finds no such clause.
void FillETraces(PARSED_NODE* tree) {
    std::vector<PARSED_NODE*> path;
    while (PARSED_NODE* const trace = FindFirst(tree, kCatE, &path)) {
        PARSED_NODE* clause = nullptr;
        PARSED_NODE const* below = trace;
        for (auto ancestor = path.rbegin(); ancestor != path.rend(); ++ancestor) {
            PARSED_NODE* const candidate = *ancestor;
            PARSED_NODE const* const first = candidate->firstChild;
            if (InCategoryList(kClauseList, candidate->category) && first != nullptr && first->rightSibling == below &&
                InCategoryList(kGappedClauseList, below->category) && InCategoryList(kFrontedList, first->category)) {
                clause = candidate;
                break;
            }
            below = candidate;
        }
        if (clause == nullptr) return;
        PARSED_NODE* const fronted = clause->firstChild;
        TreeInserter front(clause, TreeInserter::kAsFirstChild);
        AddSpecialCategory(&front, IsQLike(static_cast<POS_E_Source>(clause->category)) ? kCatQCOMP : kCatRCOMP);
        FillTrace(trace, fronted);
    }
}

// Within one clause: its children, and below them only virtual nodes (what
// the repair made of the clause's own rule), in pre-order.
template <class Visit>
void WalkClauseMembers(PARSED_NODE* clause, Visit visit) {
    std::vector<PARSED_NODE*> pending;
    PushChildren(clause, &pending);
    while (!pending.empty()) {
        PARSED_NODE* const node = pending.back();
        pending.pop_back();
        visit(node);
        if (IsVirtual(node)) PushChildren(node, &pending);
    }
}

// Fills a clause's last trace of the category with its first filler: for
// "<t2>" a primed phrase of list 8, for "<t3>" an "AUX".
template <POS_E_Source kTrace>
class TraceSeeker {
public:
    // Fills or reports; the clause's rule names the grammar line.
    void Run(PARSED_NODE* clause, PureRuleTables const& tables) {
        WalkClauseMembers(clause, [this](PARSED_NODE* node) {
            if (node->category == kTrace) fTrace = node;
        });
        if (fTrace == nullptr) return;
        // A filler that holds the trace cannot move into it.
        std::unordered_set<PARSED_NODE const*> holders;
        for (PARSED_NODE const* at = GetParent(fTrace); at != nullptr && at != clause; at = GetParent(at))
            holders.insert(at);
        WalkClauseMembers(clause, [this, &holders](PARSED_NODE* node) {
            if (fFiller == nullptr && IsFiller(node) && holders.count(node) == 0) fFiller = node;
        });
        if (fFiller != nullptr) {
            FillTrace(fTrace, fFiller);
            return;
        }
        int const line = clause->pureRule < tables.ruleCount ? tables.rules[clause->pureRule].id : 0;
        char const* const name = EnglishPOSName(kTrace);
        std::snprintf(gErrBuf, kErrBufSize, "nothing to fill %s (grammar line %d)", name, line);
        std::snprintf(gErrDataBuf, kErrBufSize, "%s, %d", name, line);
    }

private:
    static bool IsFiller(PARSED_NODE const* node);

    PARSED_NODE* fTrace = nullptr;   // the last found
    PARSED_NODE* fFiller = nullptr;  // the first found
};

template <>
bool TraceSeeker<kCatTrace2>::IsFiller(PARSED_NODE const* node) {
    return (node->flags & kPrimeNode) != 0 && InCategoryList(kPrimeFillerList, node->category);
}

template <>
bool TraceSeeker<kCatTrace3>::IsFiller(PARSED_NODE const* node) {
    return node->category == kCatAUX;
}

// Every parser node with children runs both seekers over its members.  A
// node's children are taken only after it has run, so no pending node is
// ever one the seekers moved or freed.
void ReconstructTs(PARSED_NODE* tree, PureRuleTables const& tables) {
    std::vector<PARSED_NODE*> pending{tree};
    while (!pending.empty()) {
        PARSED_NODE* const node = pending.back();
        pending.pop_back();
        if (node->firstChild == nullptr) continue;
        if (!IsVirtual(node)) {
            TraceSeeker<kCatTrace2>().Run(node, tables);
            TraceSeeker<kCatTrace3>().Run(node, tables);
        }
        PushChildren(node, &pending);
    }
}

}  // namespace

void ReconstructTraces(PARSED_NODE* tree, PureRuleTables const& tables) {
    if (tree == nullptr) return;
    FillT4Traces(tree);
    FillETraces(tree);
    ReconstructTs(tree, tables);
}
