#pragma once
// The front of the translation road for the subcommands that show a stage
// after preparsing (words, chart): the dictionaries given with --dict, or the
// core lexicon, looked up through the rewriting composite the translator
// uses; the text cut into sentences; each sentence preparsed into a
// Sentence of its own.
#include <functional>
#include <string>
#include <vector>

#include "engine/foundation/dictionary.h"
#include "engine/pipeline/sentence_user_options.h"
#include "tools/e2j/subcommands.h"

class Sentence;

// Engine text (Shift-JIS, or wide) for a person, with line ends and tabs
// escaped so that a word stays on its line.
std::string ShownText(std::wstring const& text, bool sjis);
std::string ShownText(std::string const& sjisText, bool sjis);

// Prints "# " and each sentence's source text, preparses it and hands it to
// `each` with the lookup dictionary (empty when no dictionary is open).  A
// sentence too long to preparse is reported on the error stream and left
// out, and the answer is then kExitFailure; else kExitOk.  Each Sentence
// takes `options` (the defaults unless given).
int ForEachPreparsedSentence(Invocation& invocation, std::vector<std::string> const& textWords, char const* subcommand,
                             std::function<void(Sentence& sentence, Dictionary_EX const& lookup)> const& each,
                             SentenceUserOptions const& options = SentenceUserOptions());
