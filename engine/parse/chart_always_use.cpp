// Decisions imposed on the chart that the parser must not undo: a reading
// the dictionaries mark to be used always wins its span and clears every
// competing span, and an almighty idiom clears everything inside it.
#include <algorithm>
#include <vector>

#include "engine/parse/always_use_readings.h"
#include "engine/parse/idiom_filter.h"
#include "engine/parse/parse_chart_creator.h"
#include "engine/parse/sentence.h"

namespace {

bool HasPreferredAlwaysReading(PCHART_CELL const& cell, Sentence const& sentence) {
    return !cell.alwaysUseReading.IsNull() &&
           FilterAUIdiomType(cell.alwaysUseReading.Get().GetIdiomType(), sentence) == eIdiomPreferredAlways;
}

// Visitor: marks the words of a cell that has an always-use reading.
int FindAlwaysUseCells(int d, int e, Sentence* sentence, void* marks) {
    PCHART_CELL const& cell = sentence->Chart().Cell(static_cast<std::size_t>(d), static_cast<std::size_t>(e));
    if (cell.alwaysUseReading.IsNull()) return 0;
    auto& words = *static_cast<std::vector<uint8_t>*>(marks);
    for (int w = e - d; w <= e; ++w) words[static_cast<std::size_t>(w)] = 1;
    return 0;
}

}  // namespace

void ParseChartCreator::FindAUFinePOSForEachCell() {
    ParseChart& chart = Chart();
    for (PCHART_CELL& cell : chart.Cells()) {
        // Chosen afresh each time: a reading chosen before may since have
        // been removed or re-pointed.
        cell.alwaysUseReading.Clear();
        for (auto entry = cell.entries.rbegin(); entry != cell.entries.rend(); ++entry) {
            FinePOS_EX const& fp = chart.FinePOSOf(*entry);
            IdiomType const type = FilterAUIdiomType(fp.GetIdiomType(), *fSentence);
            if (type != eIdiomPreferredAlways && type != eIdiomPreferredPOS) continue;
            if (AlwaysUseStrengthCmp(fp, cell.alwaysUseReading, *fSentence) >= 1) cell.alwaysUseReading.Set(fp);
        }
    }
}

void ParseChartCreator::AlwaysUse() {
    int const n = static_cast<int>(Chart().WordCount());
    if (n == 0) return;
    // Readings were removed, re-pointed and added since the cells' always-use
    // readings were first chosen; choose again from what the cells now hold.
    FindAUFinePOSForEachCell();
    StartWordList list(static_cast<std::size_t>(n), -1);
    FindStrongestAlwaysUseDEsByStartWord(list);
    RemoveLosingAlwayUseDEs(list);

    // Shadows: the walk starts one word past the sentence's end, so as it
    // stands it visits no cell and marks nothing.
    std::vector<uint8_t> marks(static_cast<std::size_t>(n), 0);
    VisitRelatedCells(0, n, false, false, true, true, FindAlwaysUseCells, &marks);
    MarkAlwaysUseShadows(marks);
}

void ParseChartCreator::FindStrongestAlwaysUseDEsByStartWord(StartWordList& list) {
    ParseChart& chart = Chart();
    int const n = static_cast<int>(list.size());
    for (int s = 0; s < n; ++s) {
        for (int e = s; e < n; ++e) {
            PCHART_CELL const& cell = chart.Cell(e - s, e);
            if (!HasPreferredAlwaysReading(cell, *fSentence)) continue;
            int& entered = list[s];
            // On a tie the longer cell, the later one, wins.
            if (entered < 0 || AlwaysUseStrengthCmp(cell.alwaysUseReading,
                                                    chart.Cell(entered - s, entered).alwaysUseReading, *fSentence) >= 0)
                entered = e;
        }
    }
}

void ParseChartCreator::RemoveLosingAlwayUseDEs(StartWordList& list) {
    // Each round removes the winner's entry and only shortens others, so the
    // list empties.
    for (int s = FindStrongestAlwaysUseDEInList(list); s >= 0; s = FindStrongestAlwaysUseDEInList(list)) {
        int const e = list[s];
        int const d = e - s;
        VisitRelatedCells(d, e, true, true, true, false, ZapDEs, nullptr);
        RemoveOverlappingFromDEColList(list, s, e);
        ZapNonMatchingDEsFromCell(d, e);
    }
}

int ParseChartCreator::FindStrongestAlwaysUseDEInList(StartWordList const& list) {
    ParseChart& chart = Chart();
    int best = -1;
    for (int s = 0; s < static_cast<int>(list.size()); ++s) {
        if (list[s] < 0) continue;
        // A later start must be strictly stronger: ties go to the earlier.
        if (best < 0 ||
            AlwaysUseStrengthCmp(chart.Cell(list[s] - s, list[s]).alwaysUseReading,
                                 chart.Cell(list[best] - best, list[best]).alwaysUseReading, *fSentence) > 0)
            best = s;
    }
    return best;
}

void ParseChartCreator::RemoveOverlappingFromDEColList(StartWordList& list, int start, int end) {
    ParseChart& chart = Chart();
    int const last = std::min(end, static_cast<int>(list.size()) - 1);
    for (int i = 0; i <= last; ++i) {
        if (list[i] < start) continue;  // none, or ends before the winner
        list[i] = -1;
        if (i >= start) continue;
        // The strongest cell from i that still ends before the winner; the
        // longer one wins a tie.
        for (int e = i; e < start; ++e) {
            PCHART_CELL const& cell = chart.Cell(e - i, e);
            if (!HasPreferredAlwaysReading(cell, *fSentence)) continue;
            if (list[i] < 0 || AlwaysUseStrengthCmp(cell.alwaysUseReading,
                                                    chart.Cell(list[i] - i, list[i]).alwaysUseReading, *fSentence) >= 0)
                list[i] = e;
        }
    }
}

void ParseChartCreator::ZapNonMatchingDEsFromCell(int d, int e) {
    ParseChart& chart = Chart();
    PCHART_CELL& cell = chart.Cell(d, e);
    if (cell.alwaysUseReading.IsNull()) return;
    FinePOS_EX const always = cell.alwaysUseReading.Get();
    auto const differs = [&](ParseChartEntry const& entry) {
        FinePOS_EX const& fp = chart.FinePOSOf(entry);
        return fp != always && !AlwaysUseCatMatch(fp, always);
    };
    cell.entries.erase(std::remove_if(cell.entries.begin(), cell.entries.end(), differs), cell.entries.end());
}

void ParseChartCreator::MarkAlwaysUseShadows(std::vector<uint8_t> const& marks) {
    auto const first = std::find(marks.begin(), marks.end(), 1);
    if (first == marks.end()) return;
    int const n = static_cast<int>(marks.size());
    int const w = static_cast<int>(first - marks.begin());
    uint16_t flag = PCHART_CELL::kAlwaysUseShadow;
    VisitRelatedCells(n - 1 - w, n - 1, true, false, true, true, MarkCellWithFlag, &flag);
}

void ParseChartCreator::AlmightySeek() {
    if ((fSentence->Flags() & Sentence::kOneParseKept) == 0) return;
    ParseChart& chart = Chart();
    int const n = static_cast<int>(chart.WordCount());
    for (int d = n - 1; d >= 0; --d) {
        for (int e = d; e < n; ++e) {
            PCHART_CELL const& cell = chart.Cell(d, e);
            if (cell.Has(PCHART_CELL::kAlwaysUseShadow)) continue;
            bool const almighty = std::any_of(cell.entries.begin(), cell.entries.end(), [&](ParseChartEntry const& x) {
                return FilterAUIdiomType(chart.FinePOSOf(x).GetIdiomType(), *fSentence) == eIdiomAlmighty;
            });
            if (almighty) AlmightyVengeance(d, e);
        }
    }
}

void ParseChartCreator::AlmightyVengeance(int d, int e) {
    // A crossing almighty idiom or unit to be parsed keeps its place.
    if (IsCellOverlap(d, e, PCHART_CELL::kParseAsUnit | PCHART_CELL::kHasAlmighty)) return;
    ParseChart& chart = Chart();
    int const first = e - d;
    for (int x = 0; x < d; ++x) {
        for (int y = first + x; y <= e; ++y) {
            PCHART_CELL& inner = chart.Cell(x, y);
            inner.entries.clear();
            inner.alwaysUseReading.Clear();
        }
    }
    PCHART_CELL& cell = chart.Cell(d, e);
    cell.flags |= PCHART_CELL::kKeepsAlmighty;
    cell.entries.erase(std::remove_if(cell.entries.begin(), cell.entries.end(),
                                      [&](ParseChartEntry const& x) {
                                          return FilterAUIdiomType(chart.FinePOSOf(x).GetIdiomType(), *fSentence) !=
                                                 eIdiomAlmighty;
                                      }),
                       cell.entries.end());
    // Only almighty readings are left: an always-use reading the cell had is
    // gone with the rest and must not speak for the idiom later.
    cell.alwaysUseReading.Clear();
}

bool ParseChartCreator::IsCellOverlap(int d, int e, uint16_t mask) const {
    ParseChart const& chart = fSentence->Chart();
    int const n = static_cast<int>(chart.WordCount());
    if (d < 0 || d > e || e >= n) return false;
    int const first = e - d;
    // Ending inside the span, starting before it.
    for (int y = first; y < e; ++y)
        for (int g = 0; g < first; ++g)
            if ((chart.Cell(y - g, y).flags & mask) != 0) return true;
    // Starting inside the span after its first word, ending after it.
    for (int y = e + 1; y < n; ++y)
        for (int g = first + 1; g <= e; ++g)
            if ((chart.Cell(y - g, y).flags & mask) != 0) return true;
    return false;
}
