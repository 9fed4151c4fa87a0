#include "engine/parse/parse_chart.h"

#include <limits>
#include <stdexcept>

#include "engine/parse/hit_limit_exception.h"

void ParseChart::Allocate(std::size_t words) {
    fCells.clear();
    fFinePOS.clear();
    fCells.resize(CellCountFor(words));
    fWords = words;
    fExists = true;
}

void ParseChart::Free() {
    fCells.clear();
    fCells.shrink_to_fit();
    fFinePOS.clear();
    fFinePOS.shrink_to_fit();
    fWords = 0;
    fExists = false;
}

PCHART_CELL& ParseChart::Cell(std::size_t d, std::size_t e) {
    return const_cast<PCHART_CELL&>(static_cast<ParseChart const&>(*this).Cell(d, e));
}

PCHART_CELL const& ParseChart::Cell(std::size_t d, std::size_t e) const {
    if (d > e || e >= fWords) throw std::out_of_range("parse chart cell outside the sentence");
    return fCells[CellIndex(d, e)];
}

void ParseChart::AssignFinePOSToEntry(ParseChartEntry& entry, FinePOS_EX const& fp) {
    if (fFinePOS.size() > std::numeric_limits<uint16_t>::max()) throw HitLimitException();
    entry.a = static_cast<uint16_t>(fFinePOS.size());
    fFinePOS.push_back(fp);
}
