// Spans the chart keeps whole: hyphen sequences protected as units against
// the cells that cut into them, and spans whose part of speech is fixed by
// the user or by literal markup, parsed as one constituent with default
// readings.
#include <algorithm>

#include "engine/parse/parse_chart_creator.h"
#include "engine/parse/sentence.h"

namespace {

// The setting literal markup makes: a noun, kept as English text.
constexpr uint16_t kLiteralNounCode = POS_SETTING::kLiteralMark | 1;

// Rows of the missing-word table that give a setting's default readings, by
// the setting's part-of-speech code.
struct SetPOSDefaults {
    uint16_t code;
    char const* rows[3];
};
constexpr SetPOSDefaults kSetPOSDefaults[] = {
    {1, {"N_SETPOS"}},      {2, {"VI01_SETPOS", "VT01_SETPOS"}},
    {3, {"ADJ_SETPOS"}},    {4, {"ADV_SETPOS"}},
    {5, {"AUX_SETPOS"}},    {6, {"CONJ_SETPOS"}},
    {'A', {"NP_SETPOS"}},   {'B', {"VP_SETPOS"}},
    {'C', {"PP_SETPOS"}},   {'D', {"ADJP_SETPOS"}},
    {'E', {"ADVP_SETPOS"}}, {kPOSCodeAnyCategory, {"NP_SETPOS", "VP_SETPOS", "ADJP_SETPOS"}},
};

// The default reading goes to the cell's set-part-of-speech readings, not to
// its dictionary readings.
void PutSetPOSDefaultEntryIntoChartCell(PCHART_CELL& cell, char const* posName, Dictionary_EX special) {
    cell.setPOSReadings.push_back(CreateParaphraseInTempDict(special, "SETPOS_DEF", "", posName).GetFinePOS());
}

}  // namespace

ParseChartCreator::ForcedUnitCounts* ParseChartCreator::FUNextWord(int* word) {
    int const words = static_cast<int>(std::min(fForcedUnits.size(), Chart().WordCount()));
    ++*word;
    return *word < words ? &fForcedUnits[static_cast<std::size_t>(*word)] : nullptr;
}

void ParseChartCreator::MarkForcedUnits() {
    ParseChart& chart = Chart();
    int const n = static_cast<int>(chart.WordCount());
    int const counted = static_cast<int>(std::min(fForcedUnits.size(), chart.WordCount()));
    auto const starts = [&](int w) { return w < counted && fForcedUnits[static_cast<std::size_t>(w)].starts != 0; };
    int unitEnd = -1;  // last word of the last unit marked
    for (int i = 0; i < counted;) {
        if (!starts(i)) {
            ++i;
            continue;
        }
        // The sequence's last word j: the first word after i where one ends.
        int j = i;
        ForcedUnitCounts const* next = FUNextWord(&j);
        while (next != nullptr && next->ends == 0) next = FUNextWord(&j);
        if (next == nullptr) {
            ++i;
            continue;
        }
        // The unit reaches left over the longest span with readings that
        // ends at i, and right over the longest one that starts at j.
        int left = i;
        while (left >= 0 && chart.Cell(left, i).Count() == 0) --left;
        if (left < 0) {
            ++i;
            continue;
        }
        if (i - left <= unitEnd) {  // overlaps the unit before: no unit is kept
            ClearForcedUnits();
            return;
        }
        int right = n - 1 - j;
        while (right >= 0 && chart.Cell(right, j + right).Count() == 0) --right;
        if (right < 0) {
            ++i;
            continue;
        }
        unitEnd = j + right;
        for (int w = j + 1; w <= unitEnd; ++w)
            if (starts(w)) return;
        // The cells that cut into the unit at its two joints.
        for (int k = left + 1; k <= i; ++k) chart.Cell(k, i).flags |= PCHART_CELL::kForcedUnitCrossing;
        for (int y = n - 1; y > unitEnd; --y) chart.Cell(y - j, y).flags |= PCHART_CELL::kForcedUnitCrossing;
        i = unitEnd + 1;
    }
}

void ParseChartCreator::ClearForcedUnits() {
    for (PCHART_CELL& cell : Chart().Cells()) cell.flags &= static_cast<uint16_t>(~PCHART_CELL::kForcedUnitCrossing);
}

void ParseChartCreator::MarkLiteralBrackets(Dictionary_EX special) {
    ParseChart& chart = Chart();
    int const n = static_cast<int>(chart.WordCount());
    int start = -1;  // first word after an opening bracket, while one is open
    for (int e = 0; e < n; ++e) {
        for (int d = 0; d <= e; ++d) {
            PCHART_CELL const& cell = chart.Cell(d, e);
            if (cell.Has(PCHART_CELL::kStartLiteral)) start = e + 1;
            if (cell.Has(PCHART_CELL::kEndLiteral) && start >= 0 && start <= e - d - 1) {
                MarkChartForOneSetPOS(special, start, e - d - 1, kLiteralNounCode);
                start = -1;
            }
        }
    }
}

void ParseChartCreator::MarkChartForSetPOS(Dictionary_EX special) {
    for (POS_SETTING const& setting : fSentence->Settings()) {
        int const first = OffsetToWordNum(setting.start, false, fSentence);
        int const last = OffsetToWordNum(setting.end, true, fSentence);
        // A setting whose edges are no word edges names no span.
        if (first < 0 || last < first) continue;
        MarkChartForOneSetPOS(special, first, last, setting.code);
    }
}

void ParseChartCreator::MarkChartForOneSetPOS(Dictionary_EX special, int first, int last, uint16_t code) {
    ParseChart& chart = Chart();
    if (first < 0 || last < first || last >= static_cast<int>(chart.WordCount())) return;
    int const d = last - first;
    PCHART_CELL& cell = chart.Cell(d, last);
    cell.settingCode = code;
    cell.flags |= PCHART_CELL::kParseAsUnit;
    VisitRelatedCells(d, last, true, true, false, false, ZapDEs, nullptr);
    uint16_t const pos = code & POS_SETTING::kCodeMask;
    for (SetPOSDefaults const& defaults : kSetPOSDefaults) {
        if (defaults.code != pos) continue;
        for (char const* row : defaults.rows)
            if (row != nullptr) PutSetPOSDefaultEntryIntoChartCell(cell, row, special);
    }
}
