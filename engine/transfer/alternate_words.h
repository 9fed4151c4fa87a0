#pragma once
// Alternate words: the other Japanese translations the dictionaries hold for
// one source word of a translation, offered to a user who post-edits it.
// GetTranslations builds the set and reports each alternative through a
// callback, the one that matches the current translation first; the caller
// frees the set with FreeTranslations.
#include <cstdint>
#include <functional>
#include <string>

#include "engine/foundation/can_be_null.h"
#include "engine/foundation/entry.h"
#include "engine/pipeline/basic_translation_options.h"
#include "engine/pipeline/dict_source.h"
#include "engine/transfer/aw_set.h"

// Called once per reported alternative, in report order: the number of the
// reading's dictionary, whether that is a user dictionary, the Japanese, the
// particle phrase ("" or the headword and its particle words), the Japanese
// part-of-speech ID, the UDPOS, the always-use flag, the enabled state, the
// learning value and the reading.
using AltFormCallback = std::function<void(uint16_t dictionaryID, bool userDictionary, std::string const& japanese,
                                           std::string const& particles, JPOSID jposID, UDPOS const& udpos,
                                           AlwaysUseFlag alwaysUse, ParaphraseEnabledState enabled, float learningValue,
                                           CanBeNull<POSAndParaphrase> const& reading)>;

// The set of alternatives of `word`, translated as `japanese` from the
// reading `source` describes, over the options' dictionaries.  The caller owns
// the set.  When building it fails the exception reaches the caller and the
// set is released.
AW_SET* GetTranslations(std::string word, std::string const& japanese, DICT_SOURCE const& source,
                        BasicTranslationOptions const* options, AltFormCallback const& callback);

// Null is ignored.
void FreeTranslations(AW_SET* set);
