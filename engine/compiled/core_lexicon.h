#pragma once
// The engine's core English-Japanese lexicon: a compiled system dictionary
// (format 5.0) that the build makes from data/lexicon/core.txt: the default
// system dictionary, for tools given none.
#include <string>

// The path of the build's core lexicon.
std::string CoreLexiconPath();
