#pragma once
// e2j words --alt: each sentence translated, and for each source word its
// Japanese and the other translations the dictionaries offer for it,
// inflected like the word's own.
#include <string>
#include <vector>

#include "tools/e2j/subcommands.h"

// Prints "# " and each sentence, then a line per source word that has a
// translation: "word: current | other | ...".  kExitFailure when a sentence
// cannot be translated.
int ListAlternateWords(Invocation& invocation, std::vector<std::string> const& textWords);
