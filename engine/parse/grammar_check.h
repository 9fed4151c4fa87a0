#pragma once
// Whether a set of compiled grammar tables holds together: every index, run,
// program, feature record and pure-rule range points inside its table, and
// every rule is reached from exactly one daughter key.  The parser indexes
// these tables without checks of its own, so a reviewer (e2j grammar
// --check) and the tests run this over them.
#include <string>
#include <vector>

#include "engine/parse/grammar_tables.h"

// The tables as pointers and used counts, so that tests can check altered
// copies.
struct GrammarTablesView {
    RuleRecord const* rules;
    unsigned ruleCount;
    RuleIndexRecord const* index;
    unsigned indexCount;
    RuleRHeapPair const* runs;
    unsigned runCount;
    unsigned ruleHeapWords;
    unsigned featureHeapWords;
    PureRuleRecord const* pureRules;
    unsigned pureRuleCount;
    unsigned pureCCodeCount;
    PureTermRecord const* terms;
    unsigned termCount;
    unsigned vCatCount;
    AltProbRecord const* altProbs;
    unsigned altProbCount;
    uint16_t const* excludedCats;
    unsigned excludedCatCount;
};

// The tables the engine was built with.
GrammarTablesView CompiledGrammarTables();

// One line per fault found, naming the table and record; empty when sound.
std::vector<std::string> GrammarTableFaults(GrammarTablesView const& tables);
