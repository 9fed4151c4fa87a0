// e2j grammar: what the parser will read, for a reviewer.
#include <string>

#include "engine/parse/grammar_check.h"
#include "engine/parse/grammar_dump.h"
#include "tools/e2j/subcommands.h"

int RunGrammar(Invocation& invocation) {
    bool dump = false;
    bool check = false;
    for (std::string const& argument : invocation.arguments) {
        if (argument == "--dump")
            dump = true;
        else if (argument == "--check")
            check = true;
        else
            RefuseArgument("grammar", argument);
    }
    invocation.out << (dump ? GrammarDump() : GrammarSizes());
    if (!check) return kExitOk;
    std::vector<std::string> const faults = GrammarTableFaults(CompiledGrammarTables());
    for (std::string const& fault : faults) invocation.err << "e2j grammar: " << fault << "\n";
    if (!faults.empty()) return kExitFailure;
    invocation.out << "the compiled tables are consistent\n";
    return kExitOk;
}
