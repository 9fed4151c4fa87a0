#include "engine/compiled/core_lexicon.h"

#include "engine/compiled/core_lexicon_path.h"

std::string CoreLexiconPath() { return kCoreLexiconBuildPath; }
