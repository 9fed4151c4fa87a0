#pragma once
// The next sentence of a text preparsed as the translator stage preparses
// it, for the tools, tests and benchmarks that start from plain text.
#include <vector>

#include "engine/foundation/dictionary.h"
#include "engine/foundation/token.h"
#include "engine/parse/preparsed_word.h"

class SentenceChain;

struct PreparsedSentence {
    std::vector<Token> tokens;  // the sentence's source tokens
    std::vector<PreparsedWord> words;
    std::vector<PreparseSense> senses;
    std::vector<ExtraChartWord> extra;
};

// Preparses the chain's next sentence over `lookup` (the rewriting composite
// of the dictionaries) into *out.  False when the text
// has no sentence left; HitLimitException for one too long to preparse.
bool PreparseNextSentence(SentenceChain& chain, Dictionary_EX const& lookup, PreparsedSentence* out);
