#pragma once
// A sentence of a text preparsed as the translator stage preparses it, for
// the tools, tests, benchmarks and fuzz targets that start from plain text.
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

// Preparses `tokens`, a sentence of the chain, into *out, asking `lookup`
// (the rewriting composite of the dictionaries) when given, else no
// dictionary.  HitLimitException for a sentence too long to preparse.
void PreparseSentence(SentenceChain& chain, std::vector<Token> const& tokens, Dictionary_EX const* lookup,
                      PreparsedSentence* out);

// The same for the chain's next sentence; false when the text has none
// left.  A sentence too long to preparse is used up before the exception.
bool PreparseNextSentence(SentenceChain& chain, Dictionary_EX const* lookup, PreparsedSentence* out);
