#pragma once
// The engine's core English-Japanese lexicon: a compiled system dictionary
// (format 5.0) that the build makes from data/lexicon/core.txt: the default
// system dictionary, for tools given none.
#include <string>

#include "engine/foundation/dictionary.h"

// The path of the build's core lexicon.
std::string CoreLexiconPath();
// The path where the build writes the dictionary it makes from EDICT; no
// file is there when EDICT was not installed.
std::string EdictLexiconPath();

// The build's core lexicon opened read-only; std::runtime_error when the
// file is not there or is no compiled dictionary.
Dictionary_EX OpenCoreLexicon();
