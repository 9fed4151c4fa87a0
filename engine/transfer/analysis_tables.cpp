// Placeholder until the analysis rule source is compiled: no rules, and
// tries that key nothing.
#include "engine/transfer/analysis_tables.h"

AnalysisRule const kAnalysisRules[1] = {};
unsigned const kAnalysisRuleCount = 0;
AnalConstit const kAnalConstits[1] = {};
unsigned const kAnalConstitCount = 0;
AnalTerm const kAnalTerms[1] = {{"", nullptr, 0, 0, 0, 0, 0}};
unsigned const kAnalTermCount = 0;
unsigned const kFirstNumberRule = 0;

ANALOPT const kAOJStr = {nullptr, 0, 113, nullptr, 0, 169};
ANALOPT const kAOJPOS = {nullptr, 0, 104, nullptr, 0, 168};
ANALOPT const kAOEBase = {nullptr, 0, 45, nullptr, 0, 165};
ANALOPT const kAOESurface = {nullptr, 0, 84, nullptr, 0, 0};
ANALOPT const kAOConstit = {nullptr, 0, 1, nullptr, 0, 163};
ANALOPT const kAOSemant = {nullptr, 0, 96, nullptr, 0, 0};
