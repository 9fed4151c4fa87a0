#include "engine/parse/preparsed_text.h"

#include "engine/parse/etoj_preparser.h"
#include "engine/pipeline/sentence_chain.h"

void PreparseSentence(SentenceChain& chain, std::vector<Token> const& tokens, Dictionary_EX const* lookup,
                      PreparsedSentence* out) {
    *out = PreparsedSentence();
    out->tokens = tokens;
    EtoJPreparser preparser(&chain.Creator());
    preparser.SetTokenStringDatabase(&chain.Strings());
    if (lookup != nullptr) preparser.SetDictionary(*lookup);
    preparser.CreatePreparsedWords(&out->words, &out->senses, &out->extra, out->tokens);
}

bool PreparseNextSentence(SentenceChain& chain, Dictionary_EX const* lookup, PreparsedSentence* out) {
    std::vector<Token> tokens;
    if (!chain.NextSentence(&tokens)) return false;
    PreparseSentence(chain, tokens, lookup, out);
    return true;
}
