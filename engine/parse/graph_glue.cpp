// The glue graph: when no analysis spans the sentence, it is cut into the
// cheapest sequence of pieces (a piece heading a good glue category is
// cheap, one with any analysis dearer, one without any dearest, and every
// cut costs), each piece becomes a glue node over its analyses, and a
// right-branching chain of glue parents joins them under one top.  A piece
// without any analysis keeps its words as a literal node.
#include <algorithm>

#include "engine/parse/chart_to_graph.h"
#include "engine/parse/grammar_ids.h"
#include "engine/parse/graph_tables.h"
#include "engine/parse/hit_limit_exception.h"
#include "engine/parse/sentence.h"

namespace {

constexpr unsigned kFirstUnnamedCategory = 14999;
constexpr unsigned kNoCost = 21;       // a cell without any analysis
constexpr unsigned kAnyAnalysis = 11;  // a cell with some analysis
constexpr unsigned kCutCost = 10;

bool IsHead(ParseChartEntry const& entry) { return !entry.Has(ParseChartEntry::kDisabled); }

// The good-glue record an entry matches, or null.
GoodGlueRecord const* GoodGlueOf(ParseChartEntry const& entry) {
    for (unsigned i = 0; i < kGoodGlueCount; ++i) {
        GoodGlueRecord const& record = kGoodGlue[i];
        if (entry.category == record.category && (!record.needsPrimed || entry.Has(ParseChartEntry::kPrimed)))
            return &record;
    }
    return nullptr;
}

bool UsableAsGlue(ParseChartEntry const& entry) {
    return entry.category < kFirstUnnamedCategory &&
           !std::binary_search(kNoGlueCats, kNoGlueCats + kNoGlueCatCount, entry.category);
}

// What cell (d, e) costs as one piece.  Without a good glue category the
// cost grows with d (the words less one), so a lone word costs nothing and
// pieces are kept short.
unsigned PieceCost(PCHART_CELL const& cell, unsigned d) {
    unsigned cost = kNoCost;
    bool good = false;
    for (ParseChartEntry const& entry : cell.entries) {
        if (!IsHead(entry)) continue;
        if (GoodGlueRecord const* record = GoodGlueOf(entry)) {
            cost = std::min<unsigned>(cost, record->cost);
            good = true;
            if (cost == 1) break;
        }
    }
    if (!good) {
        for (ParseChartEntry const& entry : cell.entries) {
            if (IsHead(entry) && entry.category < kFirstUnnamedCategory) cost = std::min(cost, kAnyAnalysis);
        }
    }
    if (cost > 20) return d * 20;
    if (cost > 10) return d * 10;
    return cost;
}

}  // namespace

std::vector<unsigned> ChartToGraph::BestPartition() {
    unsigned const n = static_cast<unsigned>(fChart.WordCount());
    if (n == 0) return {};
    // Unless a setting spans the last word with others, it stands alone
    // (it is mostly the full stop).
    bool setPOSAtEnd = false;
    for (unsigned d = 0; d + 1 < n; ++d) setPOSAtEnd = setPOSAtEnd || fChart.Cell(d, n - 1).settingCode != 0;
    unsigned const last = setPOSAtEnd || n == 1 ? n - 1 : n - 2;

    // Per start word s: the cheapest cost of words s .. last, and its first
    // piece's length.
    std::vector<unsigned> cost(last + 2, 0);
    std::vector<unsigned> firstLength(last + 2, 0);
    for (unsigned s = last + 1; s-- > 0;) {
        unsigned const words = last - s + 1;
        cost[s] = PieceCost(fChart.Cell(words - 1, last), words - 1);
        firstLength[s] = words;
        if (cost[s] <= kCutCost) continue;
        // Cuts from the right; the first found wins a tie.
        for (unsigned length = words - 1; length >= 1; --length) {
            unsigned const c =
                PieceCost(fChart.Cell(length - 1, s + length - 1), length - 1) + kCutCost + cost[s + length];
            if (c < cost[s]) {
                cost[s] = c;
                firstLength[s] = length;
            }
        }
    }
    std::vector<unsigned> pieces;
    for (unsigned s = 0; s <= last; s += pieces.back()) {
        if (pieces.size() == kMostGluePieces) throw HitLimitException();
        pieces.push_back(firstLength[s]);
    }
    if (last + 1 < n) {
        if (pieces.size() == kMostGluePieces) throw HitLimitException();
        pieces.push_back(1);
    }
    return pieces;
}

ALLP_TOP* ChartToGraph::MakeGlomGraph() {
    std::vector<unsigned> const pieces = BestPartition();
    unsigned const n = static_cast<unsigned>(fChart.WordCount());
    std::vector<ALLP_TOP*> nodes;
    std::vector<unsigned> starts;
    for (unsigned i = 0, start = 0; i < pieces.size(); start += pieces[i++]) {
        starts.push_back(start);
        nodes.push_back(MakeGlomNode(start, pieces[i]));
    }
    if (nodes.size() == 1) return MakeGlomParent(n - 1, n - 1, nodes[0], nullptr, true);
    // Right-branching: each parent joins a piece and everything after it.
    ALLP_TOP* rest = nodes.back();
    for (std::size_t i = nodes.size() - 1; i-- > 0;)
        rest = MakeGlomParent(n - 1 - starts[i], n - 1, nodes[i], rest, i == 0);
    return rest;
}

ALLP_TOP* ChartToGraph::MakeGlomNode(unsigned start, unsigned length) {
    unsigned const d = length - 1, e = start + length - 1;
    PCHART_CELL const& cell = fChart.Cell(d, e);
    uint16_t const cellFlags = cell.flags;
    std::vector<ALLP_TOP*> daughters;
    auto const take = [&](bool good) {
        for (std::size_t i = 0; i < cell.entries.size(); ++i) {
            ParseChartEntry const& entry = cell.entries[i];
            if (!IsHead(entry) || (good ? GoodGlueOf(entry) == nullptr : !UsableAsGlue(entry))) continue;
            for (ALLP_TOP* top = WalkNode(d, e, static_cast<unsigned>(i)); top != nullptr; top = top->next)
                daughters.push_back(top);
        }
    };
    take(true);
    if (daughters.empty()) take(false);
    if (daughters.empty()) daughters.push_back(EmptyPiece(d, e, cellFlags));

    EXPERT_VIEW view;
    StartView(&view, kGluePieceCategory, false, d, e, cellFlags);
    view.wordCount = static_cast<uint8_t>(std::min(length, kMostCountedWords));
    ALLP_TOP* node = NewTop(view);
    for (ALLP_TOP* daughter : daughters) AddSource(node, 0, daughter, nullptr, ALLP_SOURCE::kNoRule);
    return node;
}

ALLP_TOP* ChartToGraph::EmptyPiece(unsigned d, unsigned e, uint16_t cellFlags) {
    EXPERT_VIEW view;
    StartView(&view, kEmptyGlueCategory, false, d, e, cellFlags);
    view.flags |= EXPERT_VIEW::kEmptyGluePiece;
    view.wordCount = static_cast<uint8_t>(std::min(d + 1, kMostCountedWords));
    ALLP_TOP* top = NewTop(view);
    AddSource(top, 0, nullptr, nullptr, ALLP_SOURCE::kNoRule);
    return top;
}

ALLP_TOP* ChartToGraph::MakeGlomParent(unsigned d, unsigned e, ALLP_TOP* piece, ALLP_TOP* rest, bool first) {
    EXPERT_VIEW view;
    StartView(&view, first ? kGlueTopCategory : kFirstTemporaryCategory, false, d, e, fChart.Cell(d, e).flags);
    unsigned const words = piece->view.wordCount + (rest ? rest->view.wordCount : 0u);
    view.wordCount = static_cast<uint8_t>(std::min(words, kMostCountedWords));
    ALLP_TOP* top = NewTop(view);
    AddSource(top, 0, piece, rest, ALLP_SOURCE::kNoRule);
    return top;
}
