#pragma once
// The comma penalty: a comma list "X , Y" that the grammar's comma rules
// build is suspect when no punctuation follows it, since the comma more
// often ends a clause than joins a list there.  Such an analysis is marked
// (entry flag kCommaPenalty) and its view carries the mark to the experts.
#include "engine/parse/parse_chart.h"

class Sentence;

// Notes, before parsing, which words may be punctuation (and, one past the
// last word, the end of the sentence) and which may be a comma, from the
// readings of their one-word cells.
void PreloadCommaPenaltyInfo(Sentence* sentence);

// Whether the written binary analysis `entry` of cell (d, e) has the shape
// "X , Y" of a comma list: the comma a one-word daughter of one daughter, X
// and Y the other two parts, Y and the analysis of a comma-penalty row.
bool TreeSatisfiesCommaPenalty(Sentence& sentence, ParseChartEntry const& entry, unsigned d, unsigned e);

// Marks `entry` of cell (d, e) with the comma penalty when its rule takes
// it, no punctuation follows the span and it has the shape of a comma list.
void GiveCommaPenalty(Sentence& sentence, ParseChartEntry& entry, unsigned d, unsigned e);
