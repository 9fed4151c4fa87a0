#pragma once
// A set of analysis rules with its tables and the tries that key them: the
// generated set by default; tests and benchmarks build their own.
#include "engine/transfer/analysis_tables.h"

struct AnalysisRuleSet {
    AnalysisRule const* rules = nullptr;
    unsigned ruleCount = 0;
    AnalConstit const* constits = nullptr;
    unsigned constitCount = 0;
    AnalTerm const* terms = nullptr;
    unsigned termCount = 0;
    unsigned firstNumberRule = ~0u;  // rules from here on need a number in the tree
    ANALOPT const* jstr = nullptr;
    ANALOPT const* jpos = nullptr;
    ANALOPT const* ebase = nullptr;
    ANALOPT const* esurface = nullptr;
    ANALOPT const* constit = nullptr;
    ANALOPT const* semant = nullptr;

    // The compiled rules of analysis_tables.h.
    static AnalysisRuleSet const& Generated();
};
