// Decisions imposed on the chart that the parser must not undo: always-use
// readings, almighty idioms, hyphen sequences as units, and part-of-speech
// settings from the user or from literal markup.
#include "engine/parse/parse_chart_creator.h"
#include "engine/parse/sentence.h"

void ParseChartCreator::FindAUFinePOSForEachCell() {}
void ParseChartCreator::AlwaysUse() {}
void ParseChartCreator::AlmightySeek() {}
void ParseChartCreator::AlmightyVengeance(int, int) {}
bool ParseChartCreator::IsCellOverlap(int, int, uint16_t) const { return false; }
void ParseChartCreator::MarkForcedUnits() {}
void ParseChartCreator::ClearForcedUnits() {}
void ParseChartCreator::MarkLiteralBrackets(Dictionary_EX) {}
void ParseChartCreator::MarkChartForSetPOS(Dictionary_EX) {}
void ParseChartCreator::MarkChartForOneSetPOS(Dictionary_EX, int, int, uint16_t) {}
