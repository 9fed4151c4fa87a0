#pragma once
// The stage behind the sentence ender that files every sentence's tokens in
// the chain's sentence store, under the serial of the EndOfSentence token that
// closes it, so that later stages find the whole sentence from that token.
#include <vector>

#include "engine/pipeline/pipeline_stages.h"

class SentenceTokensDatabase;

class SentenceRetriever : public Filter {
public:
    SentenceRetriever(Producer* upstream, TokenCreator* creator, SentenceTokensDatabase* sentences);

    void SetSentenceTokensDatabase(SentenceTokensDatabase* sentences) { fSentences = sentences; }

    Token Produce() override;

private:
    SentenceTokensDatabase* fSentences;
    std::vector<Token> fPending;
};
