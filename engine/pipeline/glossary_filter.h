#pragma once
// A stand-in for a dictionary reading, for tests and for e2j: put before the
// translator, it replaces every token whose text is one English word by one
// token of its Japanese text, and records for the sentence where that token
// came from, as the translator does for each reading it uses.  An empty
// Japanese text gives a token without text.
#include <string>
#include <vector>

#include "engine/pipeline/chain_description.h"
#include "engine/pipeline/token_dict_source.h"

class GlossaryFilter : public PassThroughFilter {
public:
    // `reading` gives the numbers each record carries (dictionary, parts of
    // speech, translation length); its token lists are filled per word.
    GlossaryFilter(std::wstring english, std::wstring japanese, TokenDictSource reading, DictSourceDatabase* sources);

    Token Produce() override;

private:
    void FillSentence();

    std::wstring fEnglish;
    std::wstring fJapanese;
    TokenDictSource fReading;
    DictSourceDatabase* fSources;
    std::vector<Token> fOut;
    std::size_t fNext = 0;
};
