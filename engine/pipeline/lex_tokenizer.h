#pragma once
// The stage that scans text tokens into words, numbers and punctuation.
// Until the scanner is in place it hands every token on unchanged.
#include "engine/pipeline/pipeline_stages.h"

class CompoundTokenDatabase;

class LexTokenizer : public Filter {
public:
    LexTokenizer(Producer* upstream, TokenCreator* creator, TokenStringDatabase* strings,
                 CompoundTokenDatabase* compounds);

    Token Produce() override;

protected:
    CompoundTokenDatabase* fCompoundTokens;
};
