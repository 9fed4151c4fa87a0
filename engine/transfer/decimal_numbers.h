#pragma once
// English writes "1.5 million"; Japanese counts in ten thousands (万),
// hundred millions (億) and trillions (兆).  Every decimal number followed by
// a thousand, million or billion word has its Japanese digits scaled and
// grouped with the unit characters, and the unit word's own Japanese is
// emptied ("1.5 million" → 150万).
#include <string>

#include "engine/parse/parsed_node.h"

// Every decimal and unit word of the tree; whether any changed.
bool AdjustDecimalNums(PARSED_NODE* tree);

// The building blocks, over Shift-JIS strings of full-width digits, "." and
// unit characters.
// The number of the English digits (commas skipped) with its point moved
// shift places right (left when negative), in full-width digits; false when
// no integer digit would remain.
bool ShiftNumber(std::string* japanese, char const* english, int shift);
// The unit after the group of digits that ends `position` two-byte units
// before the point (or the end); all-zero groups vanish.
void InsertJNumberUnit(std::string* japanese, unsigned position, char const* unit);
// The digits (and ".") ending the string lose their leading zeros (true); a
// run of zeros only is cut off unless it is the whole string (false).
bool RemoveLeadingZeroesAtEnd(std::string* text);
