#pragma once
// The stage that passes on only the sentence boundaries: every token but the
// EndOfSentence and EOF tokens is dropped.  A judging chain counts sentences
// with it.
#include "engine/pipeline/pipeline_stages.h"

class SentenceEndScanner : public Filter {
public:
    SentenceEndScanner(Producer* upstream, TokenCreator* creator) : Filter(upstream, creator, nullptr) {}

    Token Produce() override;
};
