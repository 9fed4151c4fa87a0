#pragma once
// The text of a learning-statistics file: Shift-JIS lines of three keys and a
// value, separated by TAB, each line ended by LF.  Values are written with six
// decimals and a point, whatever the process's locale (see
// doc/learning-statistics-format.md).
#include <string>
#include <vector>

#include "engine/compiled/learning_stats_key.h"

struct LearningStatsLine {
    Dict70CompiledLearningDataKey key;
    float value = 0.0f;
};

// The line of one value, LF included; "" when a key is empty, holds TAB or LF,
// or has no Shift-JIS form that reads back as the same key (a cut key would
// name another reading).  In the features key, a character with no Shift-JIS
// form (a letter s to z raised by 13) is written as "%" and four upper-case
// hex digits, which the reader takes back; every other key keeps its bytes.
std::string FormatLearningStatsLine(Dict70CompiledLearningDataKey const& key, float value);

// The well-formed lines of a file's text, in file order.  A line is taken only
// when it has exactly four TAB-separated fields, three non-empty keys that
// decode from Shift-JIS, and a finite value in decimal.  Text after the last
// LF is a line cut short by an interrupted save and is not read.
std::vector<LearningStatsLine> ParseLearningStatsText(std::string const& text);

// "%f" in the C locale: "0.500000".
std::string FormatLearningValue(float value);
// The whole text read as a finite decimal number (C locale); false otherwise.
bool ParseLearningValue(std::string const& text, float* value);
