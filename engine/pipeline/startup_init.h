#pragma once
// The translation side's process-wide settings: the options every
// translation copies and the list of dictionaries translations use.  Both are
// built on first use, so a static initialiser of any source may read them
// whatever the link order; their owners change them afterwards.
#include "engine/pipeline/basic_translation_options.h"

// Starts with every option at its default.
BasicTranslationOptions& gOptions();
// Starts empty.
DictionaryList& dictsVector();
