#include "engine/pipeline/chain_description.h"

#include <cxxabi.h>

#include <cstdlib>
#include <memory>
#include <typeinfo>

namespace {

std::string ClassName(Producer const& stage) {
    char const* mangled = typeid(stage).name();
    int status = 0;
    std::unique_ptr<char, void (*)(void*)> demangled(abi::__cxa_demangle(mangled, nullptr, nullptr, &status),
                                                     std::free);
    return status == 0 && demangled ? demangled.get() : mangled;
}

}  // namespace

std::vector<std::string> DescribeChain(TerminalConsumer& terminal) {
    std::vector<std::string> names{"terminal"};
    // A chain is short; the bound keeps a miswired loop from running for ever.
    constexpr int kMaxStages = 1000;
    Producer* stage = terminal.GetUpstreamProducer();
    for (int count = 0; stage != nullptr && count < kMaxStages; ++count) {
        auto* consumer = dynamic_cast<Consumer*>(stage);
        if (consumer == nullptr) {
            names.push_back("source");
            break;
        }
        auto const* marker = dynamic_cast<PassThroughFilter const*>(stage);
        names.push_back(marker != nullptr ? marker->GetName() : ClassName(*stage));
        stage = consumer->GetUpstreamProducer();
    }
    return std::vector<std::string>(names.rbegin(), names.rend());
}

std::string DescribeChainLine(TerminalConsumer& terminal) {
    std::string line;
    for (std::string const& name : DescribeChain(terminal)) {
        if (!line.empty()) line += '>';
        line += name;
    }
    return line;
}
