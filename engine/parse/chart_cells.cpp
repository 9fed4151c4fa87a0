// The operations on the chart's cells that every pass of chart building
// shares: adding, removing and copying readings, asking what covers a word,
// and visiting the cells related to a span.
#include <algorithm>

#include "engine/foundation/dictionary_learning.h"
#include "engine/parse/hit_limit_exception.h"
#include "engine/parse/idiom_filter.h"
#include "engine/parse/parse_chart_creator.h"
#include "engine/parse/sentence.h"

namespace {

constexpr POS_E_Source kStartLiteralPOS{55};
constexpr POS_E_Source kEndLiteralPOS{56};

// Whether the reading's dictionary learns and prefers one of its paraphrases.
bool PreferredByLearning(FinePOS_EX const& fp) {
    auto* learning = Dictionary_EX(fp.GetEntry().GetDictionary()).GetDictionaryLearningInterface(false);
    if (learning == nullptr) return false;
    for (auto paraphrases = fp.GetParaphraseIterator(); !paraphrases.IsAtEnd(); ++paraphrases)
        if (learning->IsPrefferred(fp, *paraphrases)) return true;
    return false;
}

}  // namespace

bool ParseChartCreator::FillChartEntry(FinePOS_EX const& reading, int first, int d, bool capitalSequence) {
    // A copy: the reading may be one of the chart's own, which the next
    // reading added can move.
    FinePOS_EX const fp = reading;
    PCHART_CELL& cell = Chart().Cell(d, first + d);
    if (capitalSequence) cell.flags |= PCHART_CELL::kCapitalSequence;
    if (cell.entries.size() >= 0xFFFF) throw HitLimitException();
    if (cell.entries.size() == cell.entries.capacity())
        cell.entries.reserve(cell.entries.capacity() + PCHART_CELL::kEntryGrowth);
    cell.entries.emplace_back();
    ParseChartEntry& entry = cell.entries.back();
    entry.kind = ParseChartEntry::kDictionaryReading;
    Chart().AssignFinePOSToEntry(entry, fp);

    POS_E_Source const pos = fp.GetFinePOS();
    if (pos == kStartLiteralPOS) cell.flags |= PCHART_CELL::kStartLiteral;
    if (pos == kEndLiteralPOS) cell.flags |= PCHART_CELL::kEndLiteral;
    if (fp.GetPrimed()) entry.flags |= ParseChartEntry::kPrimed;

    IdiomType const type = FilterAUIdiomType(fp.GetIdiomType(), *fSentence);
    if (type == eIdiomAlmighty) cell.flags |= PCHART_CELL::kHasAlmighty;
    if (type == eIdiomAlmighty || type == eIdiomPreferential || PreferredByLearning(fp))
        entry.flags |= ParseChartEntry::kPreferred;
    if (type == eIdiomPreferredPOS || type == eIdiomPreferredAlways) entry.flags |= ParseChartEntry::kAlwaysUse;
    return type == eIdiomPreferredPOS;
}

void ParseChartCreator::RemoveParseChartEntry(PCHART_CELL& cell, std::size_t index) {
    if (index < cell.entries.size()) cell.entries.erase(cell.entries.begin() + static_cast<std::ptrdiff_t>(index));
}

ParseChartEntry& ParseChartCreator::DuplicateEntry(PCHART_CELL&, int e, int d, ParseChartEntry const&,
                                                   FinePOS_EX const& fp) {
    FillChartEntry(fp, e - d, d, false);
    return Chart().Cell(d, e).entries.back();
}

bool ParseChartCreator::AnyParseChartEntriesCoveringWord(int w) const {
    ParseChart const& chart = fSentence->Chart();
    int const n = static_cast<int>(chart.WordCount());
    for (int d = 0; d < n; ++d)
        for (int e = std::max(d, w); e <= std::min(w + d, n - 1); ++e)
            if (chart.Cell(d, e).Count() != 0) return true;
    return false;
}

int ParseChartCreator::VisitRelatedCells(int d, int e, bool supersets, bool crossing, bool subsets, bool itself,
                                         ChartCellVisitor visitor, void* data) {
    int const n = static_cast<int>(Chart().WordCount());
    int const f = e - d;  // first word of the given cell
    for (int x = 0; x < n; ++x) {
        for (int y = std::max(x, f); y <= std::min(x + e, n - 1); ++y) {
            int const g = y - x;  // first word of the candidate
            if (g > e) break;
            bool const same = x == d && y == e;
            bool visit = false;
            if (supersets && !same && y >= e && g <= f)
                visit = true;
            else if (crossing && ((y >= f && g < f && y < e) || (g <= e && g > f && y > e)))
                visit = true;
            else if (subsets && !same && y <= e && g >= f)
                visit = true;
            else if (itself && same)
                visit = true;
            if (!visit) continue;
            if (int const result = visitor(x, y, fSentence, data)) return result;
        }
    }
    return 0;
}

int ParseChartCreator::OffsetToWordNum(uint16_t offset, bool end, Sentence const* sentence) {
    std::vector<PreparsedWord> const& words = sentence->Words();
    for (std::size_t w = 0; w < words.size(); ++w)
        if ((end ? words[w].fEnd : words[w].fStart) == offset) return static_cast<int>(w);
    return -1;
}

int MarkCellWithFlag(int d, int e, Sentence* sentence, void* flag) {
    sentence->Chart().Cell(static_cast<std::size_t>(d), static_cast<std::size_t>(e)).flags |=
        *static_cast<uint16_t*>(flag);
    return 0;
}

int ZapDEs(int d, int e, Sentence* sentence, void*) {
    PCHART_CELL& cell = sentence->Chart().Cell(static_cast<std::size_t>(d), static_cast<std::size_t>(e));
    cell.alwaysUseReading.Clear();
    cell.entries.clear();  // the array stays; trimming gives it back
    return 0;
}

IdiomType FilterAUIdiomType(IdiomType type, Sentence const& sentence) {
    if (type == eIdiomPreferredPOS && sentence.IdiomSwitch(0) == 0) return eIdiomNormal;
    if (type == eIdiomPreferredAlways && sentence.IdiomSwitch(1) == 0) return eIdiomNormal;
    return type;
}
