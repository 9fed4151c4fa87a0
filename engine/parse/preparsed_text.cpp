#include "engine/parse/preparsed_text.h"

#include "engine/parse/etoj_preparser.h"
#include "engine/pipeline/sentence_chain.h"

bool PreparseNextSentence(SentenceChain& chain, Dictionary_EX const& lookup, PreparsedSentence* out) {
    *out = PreparsedSentence();
    if (!chain.NextSentence(&out->tokens)) return false;
    EtoJPreparser preparser(&chain.Creator());
    preparser.SetTokenStringDatabase(&chain.Strings());
    preparser.SetDictionary(lookup);
    preparser.CreatePreparsedWords(&out->words, &out->senses, &out->extra, out->tokens);
    return true;
}
