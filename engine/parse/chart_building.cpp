// Chart building in its fixed order: lookups of every word span, the cell
// operations and visitors, domination marks, cell flags and speed settings.
#include "engine/parse/parse_chart_creator.h"
#include "engine/parse/sentence.h"

ParseChartCreator::ParseChartCreator(Sentence* sentence) : fSentence(sentence) {}
ParseChartCreator::~ParseChartCreator() = default;

ParseChart& ParseChartCreator::Chart() { return fSentence->Chart(); }

uint16_t ParseChartCreator::MakeAndFillChart(bool, Dictionary_EX, Dictionary_EX, Dictionary_EX) {
    Chart().Allocate(fSentence->WordCount());
    return 0;
}
uint16_t ParseChartCreator::FillChart(std::vector<PreparsedWord>&, Dictionary_EX, Dictionary_EX, Dictionary_EX) {
    return 0;
}
void ParseChartCreator::DictEntrySeek() {}
void ParseChartCreator::DominatedMark(int, int) {}
void ParseChartCreator::SetCellFlags(std::vector<PreparsedWord> const&) {}
void ParseChartCreator::MarkWordsAccordingToCaseMatch(int, int, std::string const&, std::string const&) {}
void ParseChartCreator::LoadExtraChartWords(Dictionary_EX) {}
bool ParseChartCreator::IsPOSEnabled(FinePOS_EX const&) const { return true; }
bool ParseChartCreator::IsSuppressedTBEEntry(FinePOS_EX const&) const { return false; }
void ParseChartCreator::DoSetCoreSpeed(Sentence*) {}
bool ParseChartCreator::Iszxj(std::string const& text) { return text.size() >= 3 && text.compare(0, 3, "zxj") == 0; }

void SetTDtoSDSemanticAliasing(bool, bool) {}
void SetPartitionSize(short* size, long) { *size = 50; }

int CBeforeParse(Sentence* sentence, Sentence::UnknownWordCallback callback, void* data, bool, Dictionary_EX lookup) {
    sentence->SetUnknownWordCallback(callback, data);
    if (sentence->GetMaxSavedParses() == 1) sentence->SetFlags(sentence->Flags() | Sentence::kOneParseKept);
    ParseChartCreator creator(sentence);
    uint16_t const unknown =
        creator.MakeAndFillChart(false, lookup, sentence->SpecialDictionary(), sentence->MissingWordDictionary());
    return unknown != 0 ? 56 : 0;
}
