// The analysis rules over the tree of a 40-word sentence: 15,000 synthetic
// rules of which 1% pass the bitmap keys (the pre-filter must reject the
// rest in a few key tests each), and the compiled rules.  Each iteration runs
// on a fresh copy of the tree, copied outside the timing.
#include <benchmark/benchmark.h>

#include <string>

#include "tests/transfer/analysis_rule_builder.h"

namespace {

using namespace analysis_test;

constexpr int kWordGroups = 10;  // four words each
constexpr int kRules = 15000;
constexpr int kPassingEvery = 100;
constexpr int kAbsentKeys = 1000;

// "The big dog eats apples" ten times over, in Japanese order: adjective,
// noun, object, verb (食べ-, a vowel-stem verb), tense.
ParsedTree SentenceTree() {
    std::string text = "S(";
    for (int i = 0; i < kWordGroups; ++i) {
        std::string const n = std::to_string(i);
        text += "SDECL(NP(ADJ:ookii" + n + " N:inu" + n + ") VP(NP(N:ringo" + n +
                ") VT01:{\x90\x48\x82\xD7}-) TENSE(PAST)) ";
    }
    ParsedTree tree = Tree(text + ")");
    uint32_t const vowelStemVerb = JapanesePOS("VV");
    for (int n = 0; PARSED_NODE* node = NodeAt(tree.get(), n); ++n)
        if (node->category == Category("VT01")) node->japanesePOS = vowelStemVerb;
    return tree;
}

void RunOnFreshCopies(benchmark::State& state, AnalysisRuleSet const& rules) {
    ParsedTree const prototype = SentenceTree();
    AuxiliaryVerbsUserOption_J const aux;
    unsigned walked = 0;
    for (auto _ : state) {
        state.PauseTiming();
        ParsedTree tree(CopySubtree(prototype.get()));
        state.ResumeTiming();
        walked = AnalyzeCodes(tree.get(), Politeness(22), 0, aux, false, false, rules);
        benchmark::DoNotOptimize(tree.get());
        state.PauseTiming();
        tree.reset();
        state.ResumeTiming();
    }
    state.counters["rules walked"] = walked;
}

// Passing rules are keyed on a noun of the sentence and look for a later
// verb anywhere (backtracking over the tree); the others are keyed on
// strings no node has.
void BM_AnalyzeCodes_SyntheticRules(benchmark::State& state) {
    static RuleSetBuilder* const rules = [] {
        auto* built = new RuleSetBuilder;
        for (int r = 0; r < kRules; ++r) {
            bool const passes = r % kPassingEvery == 0;
            std::string const word = passes ? "inu" + std::to_string(r / kPassingEvery % kWordGroups)
                                            : "absent" + std::to_string(r % kAbsentKeys);
            uint16_t const key = built->JStr().Whole(word);
            uint16_t const category = built->Constits().Whole("N");
            built->Rule()
                .Keys({category, key})
                .Constit()
                .Test(13, word)
                .Constit(AnalConstit::kAny)
                .Test(1, "VT01")
                .Test(13, "*-")
                .Act(14, "2");
        }
        return built;
    }();
    RunOnFreshCopies(state, rules->Set());
}
BENCHMARK(BM_AnalyzeCodes_SyntheticRules)->Unit(benchmark::kMicrosecond);

void BM_AnalyzeCodes_CompiledRules(benchmark::State& state) { RunOnFreshCopies(state, AnalysisRuleSet::Generated()); }
BENCHMARK(BM_AnalyzeCodes_CompiledRules)->Unit(benchmark::kMicrosecond);

}  // namespace
