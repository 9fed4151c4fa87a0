#pragma once
// Inflecting an alternative the user picked the way the translation it
// replaces is inflected: 走った replaced by 経営する gives 経営した.
#include <optional>
#include <string>

#include "engine/foundation/can_be_null.h"
#include "engine/foundation/entry.h"
#include "engine/pipeline/dict_source.h"
#include "engine/transfer/aw_set.h"

// The chosen reading's translation inflected like currentJapanese (whose
// dictionary source is currentSource), in the set's romaji width, and in
// *outSource the dictionary source for it (a copy of currentSource with the
// reading's dictionary length, Japanese class and flags, English class and
// dictionary number).  The current inflection must be one the set knows
// (SearchJInflList) and the reading's class must inflect by the same set as
// the current one's; otherwise the reading's raw translation is given.
// With no chosen reading: no text, and *outSource says nothing is known of
// the inflection (dictionary length kNoInflectionInfo, no Japanese flags,
// the default dictionary number).
std::optional<std::string> CInflectAltword(DICT_SOURCE* outSource, char const* currentJapanese,
                                           DICT_SOURCE const& currentSource, AW_SET const& set,
                                           CanBeNull<POSAndParaphrase> const& chosen);
