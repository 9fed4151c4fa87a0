#include "engine/pipeline/sentence_retriever.h"

#include "engine/foundation/token_types.h"
#include "engine/pipeline/compound_token_database.h"

SentenceRetriever::SentenceRetriever(Producer* upstream, TokenCreator* creator, SentenceTokensDatabase* sentences)
    : Filter(upstream, creator, nullptr), fSentences(sentences) {}

Token SentenceRetriever::Produce() {
    Token const token = PullUpstream();
    if (TokenTypeOf(token) == EnglishTokens::kSkippedSent) {
        fPending.clear();
        return token;
    }
    fPending.push_back(token);
    if (TokenTypeOf(token) == EnglishTokens::kEndOfSentence) {
        if (fSentences != nullptr) fSentences->Add(token, fPending);
        fPending.clear();
    }
    return token;
}
