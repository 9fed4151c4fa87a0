#pragma once
// Raw Japanese from a cooked translation ("{書}k-"): its dictionary form, a
// named inflected form, and the raw form a paraphrase shows.  Cooked text is
// Shift-JIS in braces followed by a romaji tail; results are Shift-JIS.
#include <string>

#include "engine/foundation/aw_set_table.h"
#include "engine/foundation/cook_tables.h"
#include "engine/foundation/value_types.h"

// The dictionary form: the first answer of the class's table whose part of
// speech is `target` and whose cooked tail ends the text right after a "}"
// gives it (the text without that tail, plus the answer's dictionary ending,
// in kana).  *out (when given) is emptied first.  0, or 202 when no answer
// fits or the class names no table.
unsigned short CreateJDictForm(std::string const& cooked, CookTableGrossPOS gross, POS_J_Target target,
                               std::string* out);

// The form named `form` of the inflection set of the target's class (slot 0
// when form is null or unknown): the record's stem ending is written over the
// romaji just before the last "-" (only inside the romaji after "}"), its
// ending appended, the copula rewritten to its surface form, and the whole
// converted to kana.  Classes with no row, and forms with no record, give
// the dictionary form, or failing that the cooked text in kana.
std::string CreateInflectedTranslation(std::string const& cooked, POS_J_Target target, CookTableGrossPOS gross,
                                       char const* form);

// The cooked text in the form of one record of an inflection set: the
// record's stem ending written over the romaji just before the last "-", its
// ending and then `tail` (romaji) appended, the copula (class jposn)
// rewritten to its surface form, and the whole converted to kana.
std::string InflectCookedByRecord(std::string cooked, ALTWORD_INFLECT_ATOM const& record, JPOSN jposn,
                                  std::string const& tail);

// The raw Japanese of a paraphrase: the stripped cooked text in the form of
// slot 0, the class's table picked by the English part of speech (noun,
// verb, adjective, adverb, preposition); empty when stripping leaves nothing.
std::string CreateRawJapaneseFromCooked(std::string const& cooked, POS_J_Target target, POS_E_Source english);

// The cooked text without the "-MO2" and "-MO" markers (the first of each);
// empty for internal texts: those beginning "xx", and those holding, before
// their first "{", a capital letter other than the romaji capitals
// "AIEONQ", or one of those at the start or after "-" (except "Qta").
std::string StripInternalStuffFromJapanese(std::string text);
