#pragma once
// The actor that runs one analysis rule for AnalyzeCodes: its constituents'
// tests decide a match, its actions rewrite the matched nodes (category,
// features, Japanese part of speech and string, ending, marks, inserted
// nodes) and enter every new string into the tree bitmap at once, so that
// later rules of the same call see it.
#include <cstdint>
#include <string>
#include <vector>

#include "engine/parse/parsed_node.h"
#include "engine/transfer/analysis_rule_set.h"
#include "engine/transfer/tree_analyzer.h"

// What the rules of one AnalyzeCodes call share.
class AnalyzeCodesContext {
public:
    AnalyzeCodesContext(AnalysisRuleSet const& rules, uint32_t* bitmap, bool option)
        : fRules(rules), fBitmap(bitmap), fOption(option) {}
    // Frees what the actions took out of the tree.
    ~AnalyzeCodesContext();
    AnalyzeCodesContext(AnalyzeCodesContext const&) = delete;
    AnalyzeCodesContext& operator=(AnalyzeCodesContext const&) = delete;

    AnalysisRuleSet const& Rules() const { return fRules; }
    uint32_t* Bitmap() const { return fBitmap; }
    bool Option() const { return fOption; }

    // Children of an emptied node leave the tree at once but are freed only
    // after the call: a walk or a later slot may still stand on one of them.
    void Remove(PARSED_NODE* subtree) { fRemoved.push_back(subtree); }

    // How many more times the current rule may act.  Its own inserted nodes
    // could otherwise make it match again and again.
    unsigned actionBudget = 0;
    unsigned actionsPerformed = 0;

private:
    AnalysisRuleSet const& fRules;
    uint32_t* fBitmap;
    bool fOption;
    std::vector<PARSED_NODE*> fRemoved;
};

// Where a rule may start: anywhere, or only inside or only outside the
// clauses spelt in plain style (list 36: relative and subordinate clauses,
// which keep plain forms in a polite sentence).
enum class PlainClauseScope : uint8_t { kAnywhere, kInside, kOutside };

// The node or one of its ancestors is a clause spelt in plain style.
bool InPlainStyleClause(PARSED_NODE const* node);

// The tree holds a clause spelt in plain style.
bool HasPlainStyleClause(PARSED_NODE const* tree);

class AnalyzeCodesMatcherActor : public AnalyzerActorBase {
public:
    static constexpr unsigned kCopySlots = 5;

    AnalyzeCodesMatcherActor(short count, AnalConstit const* constits, AnalyzeCodesContext* context,
                             PlainClauseScope scope = PlainClauseScope::kAnywhere)
        : AnalyzerActorBase(constits), fCount(count), fConstits(constits), fContext(context), fScope(scope) {}

    // Every test term of constituent i holds: the constituent count, else 0.
    short Match(PARSED_NODE* node, short i);
    void PerformActions(PARSED_NODE** slots);

private:
    bool TermMatch(PARSED_NODE* node, AnalTerm const& term);
    bool FeatureTest(PARSED_NODE const* node, AnalTerm const& term) const;
    bool SpanStartTest(PARSED_NODE const* node, char const* text);
    bool SpanEndTest(PARSED_NODE const* node);
    // The node the term acts on after its move; null when there is none.
    PARSED_NODE* MoveTarget(PARSED_NODE* node, AnalTerm const& term) const;
    void PerformAction(PARSED_NODE* node, AnalTerm const& term);
    void SetJapanese(PARSED_NODE* node, char const* text);
    void EmptyNode(PARSED_NODE* node);
    AnalTerm const* TermsOf(short i) const { return fContext->Rules().terms + fConstits[i].firstTerm; }

    short fCount;
    AnalConstit const* fConstits;
    AnalyzeCodesContext* fContext;
    PlainClauseScope fScope;  // where the first constituent may match
    std::vector<PARSED_NODE const*> fAncestors;  // the span tests' first list, nearest first
    std::string fSpanPattern;
    PARSED_NODE* fSpanningNode = nullptr;
    PARSED_NODE* fCopies[kCopySlots + 1] = {};  // during PerformActions; slot 0 unused
};
