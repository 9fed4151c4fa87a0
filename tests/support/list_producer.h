#pragma once
// A pipeline stage for tests: hands out a fixed list of tokens, then EOF.
#include <cstddef>
#include <utility>
#include <vector>

#include "engine/pipeline/pipeline_stages.h"

class ListProducer : public Producer {
public:
    explicit ListProducer(std::vector<Token> tokens) : fTokens(std::move(tokens)) {}
    Token Produce() override { return fNext < fTokens.size() ? fTokens[fNext++] : MakeToken(0xFFFF, kEOFTokenType); }

private:
    std::vector<Token> fTokens;
    std::size_t fNext = 0;
};
