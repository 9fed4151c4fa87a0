#pragma once
// Names the stages of a linked chain from its source down to its terminal,
// for traces and tests.  A stage is named by its class; a pass-through
// filter by its own name; the first stage is "source", the last "terminal".
#include <string>
#include <vector>

#include "engine/pipeline/pipeline_stages.h"

// A filter that hands every token on unchanged; marks a place in the chain.
class PassThroughFilter : public Filter {
public:
    explicit PassThroughFilter(std::string name) : Filter(nullptr, nullptr, nullptr), fName(std::move(name)) {}

    Token Produce() override { return PullUpstream(); }
    std::string const& GetName() const { return fName; }

private:
    std::string fName;
};

std::vector<std::string> DescribeChain(TerminalConsumer& terminal);
// The names joined by ">".
std::string DescribeChainLine(TerminalConsumer& terminal);
