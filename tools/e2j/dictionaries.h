#pragma once
// The dictionaries e2j is given by path (--dict FILE, repeatable), opened
// once here for every subcommand: stages that look words up take the list,
// and the translation facade adds the same files through its own operations.
#include <stdexcept>
#include <string>
#include <vector>

#include "engine/compiled/core_lexicon.h"
#include "engine/foundation/dictionary.h"

class CorvanIF;
struct E2jOptions;

// A dictionary file that cannot be used; the message names the file and why.
// e2j reports it and exits 1.
struct DictionaryOpenError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// The files to open: those given with --dict, in order; when none is given,
// the defaults (the core lexicon, then the EDICT lexicon, unless said
// otherwise) that are there.
std::vector<std::string> DictionaryPaths(E2jOptions const& options,
                                         std::vector<std::string> const& defaults = {CoreLexiconPath(),
                                                                                     EdictLexiconPath()});

// Each file opened read-only, in the order given: a compiled dictionary in
// either compiled format, else a user dictionary (numbered 10000, 10001, ...
// in the order given, so that their priorities stay apart).  The first file
// that is missing, unreadable or neither kind throws DictionaryOpenError;
// no descriptor of the call stays open then.
std::vector<Dictionary_EX> OpenDictionaries(std::vector<std::string> const& paths);

// The same files added to the translation facade: a compiled dictionary as a
// system or technical one as its number says, learning into the statistics
// file learningPath when it is not empty; a user dictionary read-only.
// Throws DictionaryOpenError for the first that cannot be opened or that the
// facade refuses; those added before it stay.
void AddDictionaries(CorvanIF& facade, std::vector<std::string> const& paths, std::string const& learningPath = "");
