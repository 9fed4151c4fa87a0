#include "engine/compiled/core_lexicon.h"

#include <fcntl.h>

#include <stdexcept>

#include "engine/compiled/compiled_dictionary_50.h"
#include "engine/compiled/core_lexicon_path.h"

std::string CoreLexiconPath() { return kCoreLexiconBuildPath; }

std::string EdictLexiconPath() { return kEdictLexiconBuildPath; }

Dictionary_EX OpenCoreLexicon() {
    int const fd = open(kCoreLexiconBuildPath, O_RDONLY | O_CLOEXEC);
    if (fd < 0) throw std::runtime_error("no core lexicon at " + CoreLexiconPath());
    // The dictionary owns the descriptor, also when it refuses the file.
    return Dictionary_EX_50Compiled(fd);
}
