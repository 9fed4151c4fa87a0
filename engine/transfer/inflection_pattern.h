#pragma once
// Reading how a Japanese word is inflected: which record of its class's row
// in the inflection sets (aw_set_table.h) its ending matches, what follows
// that ending, and its dictionary form.  The word is read in romaji with the
// syllable marks of the kana it came from; its dictionary length (the romaji
// length of the uninflected translation, DICT_SOURCE::translationLength)
// tells where the stem ends.  Text is Shift-JIS.
#include <cstddef>
#include <cstdint>
#include <string>

#include "engine/foundation/aw_set_table.h"
#include "engine/pipeline/dict_source.h"

// The gross Japanese class of a JPOSN (FindGrossJPOS of its name); -1 for 0.
int16_t GrossClassOfJPOSN(JPOSN jposn);

// The best record accepted so far while a row is tested.
struct EndingBests {
    int length = -1;        // of the ending
    int stemLength = -1;    // of the stem ending, 0 when the stem test failed
    bool hasFlags = false;  // Japanese part-of-speech flags
    bool hasStem = false;   // stem-marked: stem required, present and found
};

// Whether the record fits the word whose romaji is `romaji` and whose tail
// (what follows the stem) begins at tailPosition, and beats the bests; when
// it does, the bests become the record's.  A record fits when it exists, the
// source's part-of-speech word carries all its Japanese flags, and its ending
// is the tail (or, for a form that opens the tail, begins it).  A longer
// ending wins; at equal length a stem-marked record, a flagged one, or one
// whose stem ending is longer.
bool TestEnding(ALTWORD_INFLECT_ATOM const& record, DICT_SOURCE const& source, std::size_t tailPosition,
                std::string const& romaji, EndingBests* bests);

// The pattern (record index of the row of the source's JPOSN in the set of
// grossJPOS) whose ending the word ends with; -1 when it cannot be read (the
// class does not inflect or has no row, the dictionary length is unknown or
// beyond the word, no record fits).  *baseForm receives the word's
// dictionary form (the word itself for -1), *tail the romaji after the
// ending (empty when nothing follows it).  A null word reads as "".
int16_t FindInflectPattern(std::string* baseForm, std::string* tail, char const* japanese, DICT_SOURCE const& source,
                           int16_t grossJPOS);

// The word's dictionary form, read with the gross class of the source's
// JPOSN.
std::string GetJapaneseBaseForm(char const* japanese, DICT_SOURCE const& source);
