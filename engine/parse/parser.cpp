// The order of parsing: the sentence's triangles (its parse-as-unit
// stretches first, then the whole), the steps of one cell, quick
// translation, and CParse.
#include "engine/parse/parser.h"

#include <new>

#include "engine/parse/chart_to_graph.h"
#include "engine/parse/comma_penalty.h"
#include "engine/parse/expert_context.h"
#include "engine/parse/grammar_ids.h"
#include "engine/parse/hit_limit_exception.h"
#include "engine/parse/sentence.h"
#include "engine/parse/sentence_segmenter.h"

Parser::Parser(Sentence* sentence) : fSentence(sentence), fScoring(*sentence) {}
Parser::~Parser() = default;

uint16_t Parser::CParse() {
    fSentence->ResetClock();
    ParseChart& chart = fSentence->Chart();
    if (!chart.Exists() || chart.WordCount() == 0) return kNoUsableAnalysis;
    try {
        PreloadCommaPenaltyInfo(fSentence);
        // Long sentences are cut into stretches parsed as units first.
        SentenceSegmenter(fSentence).SegmentSentence();
        if (fSentence->Flags() & Sentence::kSkipParsing)
            DoQuickTrans();
        else
            Parse();
        ExpertContext experts(*fSentence);
        ChartToGraph(*fSentence).MakeAllPGraph(&experts);
    } catch (std::bad_alloc const&) {
        FreeConsp();
        throw HitLimitException();
    }
    // The cells keep their analyses: the parse view of e2j and the tests
    // read them; FreeDynamicData frees them with the rest.
    if (fSentence->GraphTops() == nullptr || fSentence->TotalAnalysisCount() < 0.5f) return kNoUsableAnalysis;
    if (fSentence->ParserState() != 0 || (fSentence->Flags() & Sentence::kSkipParsing)) return kQuickOrPartial;
    return kParsed;
}

bool Parser::CellHasAnalysis(PCHART_CELL const& cell, uint16_t category) {
    for (PCHART_CELL::IndexRecord const& record : cell.index) {
        if (record.key == category * 2u && record.count != 0) return true;
    }
    return false;
}

void Parser::Parse() {
    fSentence->ParserEntryCount() = 0;
    ParseChart& chart = fSentence->Chart();
    unsigned const n = static_cast<unsigned>(chart.WordCount());
    // A binary analysis keeps its split in a byte below the two kinds.
    if (n > fLimits.sentenceWords) throw HitLimitException();
    for (unsigned d = 0; d + 1 < n; ++d) {
        for (unsigned e = d; e < n; ++e) {
            if (chart.Cell(d, e).Has(PCHART_CELL::kParseAsUnit)) DoTriangle(d, e);
        }
    }
    DoTriangle(n - 1, n - 1);
}

void Parser::DoTriangle(unsigned apexD, unsigned apexE) {
    ParseChart& chart = fSentence->Chart();
    for (unsigned d = 0; d <= apexD; ++d) {
        for (unsigned e = apexE - apexD + d; e <= apexE; ++e) {
            PCHART_CELL const& cell = chart.Cell(d, e);
            if (cell.Has(PCHART_CELL::kClosed)) continue;
            if (d < apexD && cell.Has(PCHART_CELL::kParseAsUnit)) continue;  // parsed by its own triangle
            ParseCell(d, e);
        }
    }
    // What lies below the apex is finished: later triangles use it only
    // through the apex.
    for (unsigned d = 0; d < apexD; ++d) {
        for (unsigned e = apexE - apexD + d; e <= apexE; ++e) chart.Cell(d, e).flags |= PCHART_CELL::kClosed;
    }
}

void Parser::ParseCell(unsigned d, unsigned e) {
    ParseChart& chart = fSentence->Chart();
    PCHART_CELL& cell = chart.Cell(d, e);
    if (fSentence->TimeLimitExceeded()) throw HitLimitException();
    fCell = &cell;
    fD = d;
    fE = e;
    fSetPOSCell = cell.settingCode != 0;
    try {
        DictEntriesToConsp(cell, d, e);
        fPruning = fSentence->PruneListLength() != 0 && !fSetPOSCell;
        fPruneSlots.clear();
        for (unsigned k = 0; k < d; ++k) {
            PCHART_CELL const& left = chart.Cell(d - k - 1, e - k - 1);
            PCHART_CELL const& right = chart.Cell(k, e);
            if (!left.Has(PCHART_CELL::kClosed) && !right.Has(PCHART_CELL::kClosed)) BinaryCombo(k, left, right);
        }
        fPruning = false;
        if (!fSetPOSCell) EnableSurvivingBinary();
        UnaryForCell();
        if (fSetPOSCell && FinishSetPOS()) UnaryForCell();
        WritePENTRYs(cell);
        FreeConsp();
    } catch (...) {
        FreeConsp();
        throw;
    }
}

// Covers the words left to right with the longest spans that have readings,
// keeping each one's best reading; nothing is combined.
void Parser::DoQuickTrans() {
    fSentence->SetFlags(fSentence->Flags() | Sentence::kQuickSynthesis);
    ParseChart& chart = fSentence->Chart();
    unsigned const n = static_cast<unsigned>(chart.WordCount());
    auto const emptyCell = [](PCHART_CELL& cell) {
        cell.entries.clear();
        cell.featureHeap.clear();
        cell.index.assign(1, PCHART_CELL::IndexRecord{});
        cell.parsed = true;
    };
    unsigned coveredTo = 0;  // words before it are covered
    for (unsigned w = 0; w < n; ++w) {
        bool kept = w < coveredTo;
        for (unsigned d = n - 1 - w + 1; d-- > 0;) {
            PCHART_CELL& cell = chart.Cell(d, w + d);
            int best = -1;
            float bestScore = 0;
            if (!kept) {
                for (std::size_t i = 0; i < cell.entries.size(); ++i) {
                    ParseChartEntry const& entry = cell.entries[i];
                    if (entry.kind != ParseChartEntry::kDictionaryReading) continue;
                    float const score = DictScore(chart.FinePOSOf(entry), d, w + d);
                    if (best < 0 || score > bestScore) {
                        best = static_cast<int>(i);
                        bestScore = score;
                    }
                }
            }
            if (best < 0) {
                emptyCell(cell);
                continue;
            }
            ParseChartEntry entry = cell.entries[static_cast<std::size_t>(best)];
            entry.category = static_cast<uint16_t>(chart.FinePOSOf(entry).GetFinePOS());
            entry.flags &= ParseChartEntry::kPrimed | ParseChartEntry::kCommaPenalty | ParseChartEntry::kPreferred |
                           ParseChartEntry::kAlwaysUse;
            entry.featureOffset = 0;
            entry.score = bestScore;
            emptyCell(cell);
            cell.entries.push_back(entry);
            PCHART_CELL::IndexRecord record;
            record.key = static_cast<uint16_t>(entry.category * 2 + (entry.Has(ParseChartEntry::kPrimed) ? 1 : 0));
            record.count = 1;
            record.flags = PCHART_CELL::IndexRecord::kUsable;
            cell.index.insert(cell.index.begin(), record);
            kept = true;
            coveredTo = w + d + 1;
        }
    }
}

uint16_t CParse(Sentence* sentence) {
    Parser parser(sentence);
    return parser.CParse();
}
