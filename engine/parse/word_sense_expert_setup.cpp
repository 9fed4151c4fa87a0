// The word-sense association expert's record of a sentence, made once the
// chart is filled: the words' texts and the noun semantics of the chart's
// dictionary readings, which the expert searches for associates.
#include <mutex>

#include "engine/parse/parse_chart.h"
#include "engine/parse/sentence.h"
#include "engine/parse/word_sense_expert.h"

namespace {

std::mutex sSWANCriticalSection;

// The noun-like first sets of a reading's enabled paraphrases.
void AddNounSemantics(FinePOS_EX const& finePOS, Sentence const& sentence, std::vector<SemanticRecord>& sets) {
    for (auto paraphrase = finePOS.GetParaphraseIterator(); !paraphrase.IsAtEnd(); ++paraphrase) {
        if (ParaDisabledForAnyReason(finePOS, *paraphrase, sentence)) continue;
        Dict_Semantics_E_Source const* peeked = (*paraphrase).PeekSemantics();
        Dict_Semantics_E_Source const semantics = peeked != nullptr ? *peeked : (*paraphrase).GetSemantics();
        if (semantics.records[0].IsNounLike()) sets.push_back(semantics.records[0]);
    }
}

}  // namespace

void ZZZInitSentenceForWSAN(Sentence* sentence) {
    std::lock_guard<std::mutex> hold(sSWANCriticalSection);
    sentence->SetWordSenseInfo(nullptr);
    if (!sentence->UsingWordSenseExpert()) return;
    auto info = std::make_shared<WSAN_SENTENCE_INFO>();
    // Every word is kept, however long the sentence.
    for (PreparsedWord const& word : sentence->Words()) info->words.push_back(word.fText);
    ParseChart const& chart = sentence->Chart();
    if (chart.Exists()) {
        std::size_t const n = chart.WordCount();
        info->cells.resize(ParseChart::CellCountFor(n));
        for (std::size_t e = 0; e < n; ++e) {
            for (std::size_t d = 0; d <= e; ++d) {
                std::vector<SemanticRecord>& sets = info->cells[ParseChart::CellIndex(d, e)];
                for (ParseChartEntry const& entry : chart.Cell(d, e).entries) {
                    if (entry.kind != ParseChartEntry::kDictionaryReading || entry.a >= chart.FinePOSCount()) continue;
                    FinePOS_EX const& finePOS = chart.FinePOSOf(entry);
                    // A conjugated form's paraphrases are its base form's.
                    AddNounSemantics(finePOS.IsACF() ? finePOS.GetBaseForm() : finePOS, *sentence, sets);
                }
            }
        }
    }
    sentence->SetWordSenseInfo(std::move(info));
}
