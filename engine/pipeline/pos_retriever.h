#pragma once
// The stage after the digit converter in a normal translation: for each
// sentence it records the part-of-speech settings the user's markup asked
// for, in the chain's part-of-speech store.
#include <vector>

#include "engine/pipeline/pipeline_stages.h"
#include "engine/pipeline/pos_database.h"

class SentenceTokensDatabase;

class POSRetriever : public Filter {
public:
    POSRetriever(Producer* upstream, TokenCreator* creator, SentenceTokensDatabase const* sentences,
                 POSDatabase* settings);

    Token Produce() override;

    // The settings the markup tokens among tokens ask for; false when none.
    static bool TokensToPOSs(std::vector<TokenPOS>* out, std::vector<Token> const& tokens);
    void SetPOSSettings(Token sentence);

private:
    SentenceTokensDatabase const* fSentences;
    POSDatabase* fSettings;
};
