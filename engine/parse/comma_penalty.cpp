#include "engine/parse/comma_penalty.h"

#include <algorithm>

#include "engine/parse/grammar_ids.h"
#include "engine/parse/grammar_tables.h"
#include "engine/parse/graph_tables.h"
#include "engine/parse/sentence.h"

namespace {

constexpr unsigned kFirstGlueCategory = kFirstTemporaryCategory;

bool IsPunctuation(uint16_t pos) {
    return std::binary_search(kCommaPenaltyPunct, kCommaPenaltyPunct + kCommaPenaltyPunctCount, pos);
}

bool IsBinary(ParseChartEntry const& entry) { return entry.kind < ParseChartEntry::kDictionaryReading; }

// One part of an analysis: an entry and its cell.
struct Part {
    ParseChartEntry const* entry = nullptr;
    unsigned d = 0, e = 0;
};

Part EntryAt(ParseChart const& chart, unsigned d, unsigned e, unsigned index) {
    if (d > e || e >= chart.WordCount()) return {};
    std::vector<ParseChartEntry> const& entries = chart.Cell(d, e).entries;
    return index < entries.size() ? Part{&entries[index], d, e} : Part{};
}

// The daughters of a binary analysis of cell (d, e).
std::pair<Part, Part> Daughters(ParseChart const& chart, Part const& parent) {
    if (parent.entry == nullptr || !IsBinary(*parent.entry) || parent.entry->kind >= parent.d) return {};
    unsigned const split = parent.entry->kind;
    return {EntryAt(chart, parent.d - split - 1, parent.e - split - 1, parent.entry->a),
            EntryAt(chart, split, parent.e, parent.entry->b)};
}

bool IsCommaWord(Sentence& sentence, Part const& part) {
    std::vector<bool> const& commas = sentence.CommaBits();
    return part.entry != nullptr && part.d == 0 && part.e < commas.size() && commas[part.e];
}

bool PenaltyApplies(ParseChartEntry const& entry, Part const& x, Part const& y) {
    if (x.entry == nullptr || y.entry == nullptr || x.entry->category >= kFirstGlueCategory) return false;
    bool const primed = entry.Has(ParseChartEntry::kPrimed);
    for (unsigned i = 0; i < kCommaPenaltyCatCount; ++i) {
        CommaPenaltyCatRow const& row = kCommaPenaltyCats[i];
        if (row.right != y.entry->category) continue;
        if ((primed && entry.category == row.primedParent) || entry.category == row.parent) return true;
    }
    return false;
}

}  // namespace

void PreloadCommaPenaltyInfo(Sentence* sentence) {
    ParseChart const& chart = sentence->Chart();
    std::size_t const n = chart.Exists() ? chart.WordCount() : 0;
    std::vector<bool>& punctuation = sentence->PunctuationBits();
    std::vector<bool>& commas = sentence->CommaBits();
    punctuation.assign(n + 1, false);
    commas.assign(n, false);
    punctuation[n] = true;  // the end of the sentence counts as punctuation
    for (std::size_t w = 0; w < n; ++w) {
        for (ParseChartEntry const& entry : chart.Cell(0, w).entries) {
            if (entry.kind != ParseChartEntry::kDictionaryReading || entry.a >= chart.FinePOSCount()) continue;
            uint16_t const pos = chart.FinePOSOf(entry).GetFinePOS();
            if (IsPunctuation(pos)) punctuation[w] = true;
            if (pos == grammar::kCOMMA) commas[w] = true;
        }
    }
}

bool TreeSatisfiesCommaPenalty(Sentence& sentence, ParseChartEntry const& entry, unsigned d, unsigned e) {
    ParseChart const& chart = sentence.Chart();
    auto const [left, right] = Daughters(chart, Part{&entry, d, e});
    if (left.entry == nullptr || right.entry == nullptr) return false;
    // X (, Y): the comma opens the right daughter.
    auto const [comma1, y1] = Daughters(chart, right);
    if (IsCommaWord(sentence, comma1) && PenaltyApplies(entry, left, y1)) return true;
    // (X ,) Y: the comma closes the left daughter.
    auto const [x2, comma2] = Daughters(chart, left);
    return IsCommaWord(sentence, comma2) && PenaltyApplies(entry, x2, right);
}

void GiveCommaPenalty(Sentence& sentence, ParseChartEntry& entry, unsigned d, unsigned e) {
    if (!IsBinary(entry) || entry.rule >= kRuleListCount || !kCommaPenaltyRules[entry.rule]) return;
    std::vector<bool> const& punctuation = sentence.PunctuationBits();
    // Followed by punctuation (or the end of the sentence): a list, surely.
    if (e + 1 >= punctuation.size() || punctuation[e + 1]) return;
    if (TreeSatisfiesCommaPenalty(sentence, entry, d, e)) entry.flags |= ParseChartEntry::kCommaPenalty;
}
