#pragma once
// The helpers of the passes that filter the chart's readings and give
// technical readings the semantics of system readings (the passes themselves
// are members of ParseChartCreator).
#include <cstddef>
#include <cstdint>
#include <set>

#include "engine/foundation/can_be_null.h"
#include "engine/foundation/entry.h"
#include "engine/parse/parse_chart.h"

class ParseChartCreator;
class Sentence;

// The reading's dictionary learns and holds a learning value for one of its
// paraphrases: the user chose it, so an alternate-only reading stays.
bool WasAOFinePOSBoostedByLearning(FinePOS_EX const& fp);

// ---- semantic inheritance ---------------------------------------------------

// A technical reading whose dictionary's domains are exactly the domains
// weighted by a system reading of the same cell: that reading supersedes it.
bool EntryIsObsolete(ParseChart const& chart, PCHART_CELL const& cell, ParseChartEntry const& entry);

// The first paraphrase of a system noun reading of the cell whose cooked
// Japanese equals that of the reading's first paraphrase.
CanBeNull<Paraphrase_EX> FindSDParaphraseWithSameJapanese(ParseChart const& chart, PCHART_CELL const& cell,
                                                          ParseChartEntry const& entry);

// The semantic atoms of the first records of the cell's dictionary readings
// of part of speech `pos` from dictionaries of type `dictType` (see
// GetDictType), ascending.
std::set<uint16_t> UnionOfSemanticFeatures(ParseChart const& chart, PCHART_CELL const& cell, POS_E_Source pos,
                                           int dictType);

// Gives reading `index` of cell (d, e) the semantics of the cell's system
// nouns (or, for a longer span without any, of its last word's), ten atoms
// per reading: the reading takes the first ten, a copy of it each further
// ten.  Nothing changes when there are none.
void MakeTDEntriesForAllSDParaphrases(ParseChartCreator& creator, int e, int d, std::size_t index);

// A copy of fp in the sentence's aliasing dictionary for fp's dictionary
// number, whose paraphrases all carry `semantics`.  A noun's first feature
// set turns its twelfth character "M" into "N" and "U" into "9".
FinePOS_EX AddSemanticsToTD(FinePOS_EX const& fp, Dict_Semantics_E_Source const& semantics, Sentence* sentence);
