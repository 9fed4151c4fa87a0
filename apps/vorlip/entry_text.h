#pragma once
// One old user-dictionary entry as a text line for the converter: the
// record's fields joined by TAB and ended by CR, bytes as stored (Shift-JIS).
// The field order and the part-of-speech keys are the converter's line
// format (engine/userdict/uw_convert.h).
#include <string>

#include "engine/userdict/corvan_user_words.h"

// The text makers append one line to text and return true.  A field that
// holds TAB, CR or LF would move the fields after it and change the entry's
// meaning when the line is read back: such a record gives false and appends
// nothing.

// headword, translation, "NOUN", plural
bool makeENoun(CorvanUserNoun const& record, std::string* text);
// base form, translation, "VERB" / "VT" / "VI", past, third person singular,
// -ing form, past participle, particle ("" for VI), "", Japanese past
bool makeEVerb(CorvanUserVerb const& record, std::string* text);
// headword, translation, "ADJ" (isAdjective) or "PP", six empty fields,
// source verb
bool makeEAdj(CorvanUserAdj const& record, std::string* text, bool isAdjective);
// headword, translation, "ADV" (isAdverb) or "CONJ"
bool makeEAdv(CorvanUserAdv const& record, std::string* text, bool isAdverb);
// headword, translation, "PREPV" for the adverbial usage, else "PREPA"
bool makeEPrepos(CorvanUserPrepos const& record, std::string* text);

// The line of entry group `index` of user dictionary 0 of gCorvanEngine.
// False (text empty) when the entry cannot be read, is of no known kind, or
// holds a field that would break its line.
bool uwGetText(unsigned int index, std::string* text);
