#pragma once
// The tree pattern engine: finds every place in an analysis tree where a
// rule's constituents match nodes in order, and lets an actor act there.
//
// An actor supplies, per constituent index i:
//   short Match(PARSED_NODE* node, short i)    non-zero on success; the value
//                                               for constituent 0 is the
//                                               number of constituents
//   uint8_t GetMatchMode(short i)              AnalConstit::MatchMode
//   uint8_t GetAdvanceMode(short i)            handed to constituent i + 1
//   bool IsBarrier(PARSED_NODE const* node)    a node the search does not enter
//   void PerformActions(PARSED_NODE** slots)   one node per constituent, null
//                                               for a starred one matched
//                                               zero times
// AnalyzerActorBase gives the modes and barriers; actors derive from it.
//
// Walking direction: kRightToLeft false takes first children and right
// siblings, true last children and left siblings.
//
// Search for constituent i after the node `at` that matched i - 1:
// - at itself is tried first when the advance handed on is 2 or constituent
//   i's own advance bits are 1 (so two constituents can match one node);
// - a starred constituent (mode 3) is first tried absent;
// - then the candidates in document order after at: its next sibling and
//   that sibling's leftmost descendants one level at a time; when siblings
//   run out, the parent's next sibling.  Barriers are tried but never
//   descended into.  Modes 0 and 3 stop at the first leaf (or barrier)
//   reached without a match; modes 1 and 2 go on with the next sibling.
// - mode 2 keeps a clause depth: +1 entering a clause category (list 4),
//   -1 leaving one; the search fails below 0, so it never leaves at's clause.
//   Leaving at's own parent does not count when it has at's category.  When
//   at is a barrier only candidates at depth 0 are tried.
#include <algorithm>
#include <cstdint>

#include "engine/parse/parsed_node.h"
#include "engine/transfer/analysis_tables.h"
#include "engine/transfer/tree_edit.h"

// Categories the search treats specially.
constexpr uint32_t kSkipCategory = 1;  // "5SKIP": a barrier unless a term lifts it
constexpr uint32_t kCloseQuoteCategory = 13;
constexpr uint32_t kGoneCategory = 21;  // a node emptied by a rule
constexpr uint32_t kOpenQuoteCategory = 28;
constexpr int kClauseCategoryList = 4;

// A category of clause depth (list 4).
bool IsClauseCategory(uint32_t category);

// The match and advance modes and the barriers, common to every actor.  The
// modes come from the rule's constituents, or are one value for all.
class AnalyzerActorBase {
public:
    explicit AnalyzerActorBase(AnalConstit const* constits = nullptr, uint8_t modesForAll = 0)
        : fConstits(constits), fModesForAll(modesForAll) {}

    uint8_t GetMatchMode(short i) const { return Modes(i) & 0x03; }
    uint8_t GetAdvanceMode(short i) const { return (Modes(i) >> 2) & 0x03; }

    // Close and open quotes and emptied nodes always; "5SKIP" until a term
    // of the current match lifts it.
    bool IsBarrier(PARSED_NODE const* node) const {
        uint32_t const category = node->category;
        return category == kCloseQuoteCategory || category == kGoneCategory || category == kOpenQuoteCategory ||
               (category == kSkipCategory && fSkipIsBarrier != 0);
    }

protected:
    uint8_t fSkipIsBarrier = 1;

private:
    uint8_t Modes(short i) const { return fConstits != nullptr ? fConstits[i].modes : fModesForAll; }

    AnalConstit const* fConstits;
    uint8_t fModesForAll;
};

template <class Actor, bool kRightToLeft>
class Analyzer {
public:
    explicit Analyzer(Actor& actor) : fActor(actor) { std::fill(fSlots, fSlots + kMaxAnalConstits, nullptr); }

    // Pre-order from node: the node, its children, its following siblings.
    void MatchFirstConstit(PARSED_NODE* node) {
        PARSED_NODE* const stop = node != nullptr ? GetParent(node) : nullptr;
        for (PARSED_NODE* at = node; at != nullptr;) {
            TryAt(at);
            // The next node is found after the actions, which may have
            // added nodes (which are then visited) or emptied this one.
            if (PARSED_NODE* const child = GetFirstChild(at)) {
                at = child;
                continue;
            }
            while (at != nullptr && GetNextSibling(at) == nullptr) {
                at = GetParent(at);
                if (at == stop) at = nullptr;
            }
            if (at != nullptr) at = GetNextSibling(at);
        }
    }

    // Post-order from node: each node after its children, starting at the
    // leftmost leaf; the node's following siblings are walked too.
    void MatchFirstConstit_DepthFirst(PARSED_NODE* node) {
        PARSED_NODE* const stop = node != nullptr ? GetParent(node) : nullptr;
        PARSED_NODE* at = LeftmostLeaf(node);
        while (at != nullptr) {
            TryAt(at);
            if (PARSED_NODE* const next = GetNextSibling(at)) {
                at = LeftmostLeaf(next);
                continue;
            }
            at = GetParent(at);
            if (at == stop) at = nullptr;
        }
    }

    // Matches the constituents after the first from node, which matched it;
    // on success acts on the slots.
    bool StartRemainingConstits(PARSED_NODE* node, uint8_t advance) {
        std::fill(fSlots, fSlots + kMaxAnalConstits, nullptr);
        if (!MatchRemainingConstits(node, 1, advance)) return false;
        fSlots[0] = node;
        fActor.PerformActions(fSlots);
        return true;
    }

    // Constituents index onwards, searched after node; fills their slots.
    bool MatchRemainingConstits(PARSED_NODE* node, short index, uint8_t advance) {
        return Remaining(node, index, advance, true);
    }

    static PARSED_NODE* GetFirstChild(PARSED_NODE const* node) {
        return kRightToLeft ? GetLastChild(node) : node->firstChild;
    }
    static PARSED_NODE* GetNextSibling(PARSED_NODE const* node) {
        return kRightToLeft ? GetLeftSibling(node) : node->rightSibling;
    }

    short ConstituentCount() const { return fCount; }
    PARSED_NODE* const* Slots() const { return fSlots; }

private:
    static PARSED_NODE* LeftmostLeaf(PARSED_NODE* node) {
        if (node == nullptr) return nullptr;
        while (PARSED_NODE* const child = GetFirstChild(node)) node = child;
        return node;
    }

    void TryAt(PARSED_NODE* at) {
        short const count = fActor.Match(at, 0);
        if (count == 0) return;
        fCount = std::min<short>(count, static_cast<short>(kMaxAnalConstits));
        StartRemainingConstits(at, fActor.GetAdvanceMode(0));
    }

    // Constituent i matched at node; the rest must follow.  A starred
    // constituent stays current and may match again, but never twice at the
    // same node.
    bool MatchedAt(PARSED_NODE* node, short i, uint8_t mode) {
        bool const rest = mode == AnalConstit::kStar ? Remaining(node, i, fActor.GetAdvanceMode(i), false)
                                                     : Remaining(node, i + 1, fActor.GetAdvanceMode(i), true);
        if (rest) fSlots[i] = node;
        return rest;
    }

    bool Remaining(PARSED_NODE* node, short i, uint8_t advance, bool selfAllowed) {
        if (i >= fCount) return true;
        uint8_t const mode = fActor.GetMatchMode(i);
        bool const selfFirst = selfAllowed && (advance == 2 || fActor.GetAdvanceMode(i) == 1);
        if (mode == AnalConstit::kStar) {
            fSlots[i] = nullptr;
            if (Remaining(node, i + 1, advance, true)) return true;
        }
        if (selfFirst && fActor.Match(node, i) != 0 && MatchedAt(node, i, mode)) return true;
        bool const stopAtLeaf = mode == AnalConstit::kNext || mode == AnalConstit::kStar;
        bool const nodeIsBarrier = fActor.IsBarrier(node);
        if (selfFirst && nodeIsBarrier && stopAtLeaf) return false;
        return Search(node, i, mode, stopAtLeaf, nodeIsBarrier);
    }

    bool Search(PARSED_NODE* node, short i, uint8_t mode, bool stopAtLeaf, bool nodeIsBarrier) {
        bool const byClause = mode == AnalConstit::kClause;
        int depth = 0;
        PARSED_NODE* const ownParent = GetParent(node);
        bool const ownParentCounts = ownParent != nullptr && ownParent->category != node->category;
        PARSED_NODE* at = node;
        for (;;) {
            while (GetNextSibling(at) == nullptr) {
                at = GetParent(at);
                if (at == nullptr) return false;
                if (byClause && IsClauseCategory(at->category) && (at != ownParent || ownParentCounts)) {
                    if (--depth < 0) return false;
                }
            }
            PARSED_NODE* candidate = GetNextSibling(at);
            for (;;) {
                bool const tried = !byClause || !nodeIsBarrier || depth == 0;
                if (tried && fActor.Match(candidate, i) != 0 && MatchedAt(candidate, i, mode)) return true;
                PARSED_NODE* const child = fActor.IsBarrier(candidate) ? nullptr : GetFirstChild(candidate);
                if (child == nullptr) {
                    if (stopAtLeaf) return false;
                    break;
                }
                if (byClause && IsClauseCategory(candidate->category)) ++depth;
                candidate = child;
            }
            at = candidate;
        }
    }

    Actor& fActor;
    PARSED_NODE* fSlots[kMaxAnalConstits];
    short fCount = 0;
};

// The topic patterns of synthesis: (category, flag) pairs, the flag asking
// for the node's prime flag set (1) or clear (0).
struct CategoryFlagPair {
    uint32_t category;
    uint8_t flag;
};
extern CategoryFlagPair const fPattern1[3];
extern CategoryFlagPair const fPattern2[3];
extern CategoryFlagPair const fPattern3[4];
extern CategoryFlagPair const fPattern4[4];
