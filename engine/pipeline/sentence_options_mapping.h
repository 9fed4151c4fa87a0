#pragma once
// How the user-level translation options become the per-sentence options:
// each selector is mapped to the engine's code number; a value outside its
// list leaves the per-sentence default.
#include "engine/pipeline/basic_translation_options.h"
#include "engine/pipeline/sentence_user_options.h"

SentenceUserOptions MapSentenceUserOptions(BasicTranslationOptions const& options);
