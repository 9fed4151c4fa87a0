#include "engine/pipeline/lex_tokenizer.h"

LexTokenizer::LexTokenizer(Producer* upstream, TokenCreator* creator, TokenStringDatabase* strings,
                           CompoundTokenDatabase* compounds)
    : Filter(upstream, creator, strings), fCompoundTokens(compounds) {}

Token LexTokenizer::Produce() { return PullUpstream(); }
