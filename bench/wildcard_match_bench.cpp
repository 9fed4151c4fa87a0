// Patterns of eight '*' over 200-byte texts, matching and not: the matcher
// must stay polynomial however the stars could split the text.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "engine/transfer/wildcard_match.h"

namespace {

std::string const kPattern = "*a*a*a*a*a*a*a*a?b";
std::string const kMatching = std::string(198, 'a') + "ab";
std::string const kNotMatching(200, 'a');

void PlainMatch(benchmark::State& state, std::string const& text, bool expected) {
    for (auto _ : state) {
        bool const matched = FancyWildcardMatch(kPattern.c_str(), text.c_str());
        if (matched != expected) state.SkipWithError("wrong result");
        benchmark::DoNotOptimize(matched);
    }
}

void MatchWithRegions(benchmark::State& state, std::string const& text, bool expected) {
    std::vector<AsteriskMatchRegion> regions;
    for (auto _ : state) {
        bool const matched = WildcardMatchForReplacement(&regions, kPattern.c_str(), text.c_str());
        if (matched != expected) state.SkipWithError("wrong result");
        benchmark::DoNotOptimize(regions.data());
    }
}

void BM_WildcardEightStarsMatching(benchmark::State& state) { PlainMatch(state, kMatching, true); }
void BM_WildcardEightStarsNotMatching(benchmark::State& state) { PlainMatch(state, kNotMatching, false); }
void BM_WildcardRegionsEightStarsMatching(benchmark::State& state) { MatchWithRegions(state, kMatching, true); }
void BM_WildcardRegionsEightStarsNotMatching(benchmark::State& state) { MatchWithRegions(state, kNotMatching, false); }

}  // namespace

BENCHMARK(BM_WildcardEightStarsMatching);
BENCHMARK(BM_WildcardEightStarsNotMatching);
BENCHMARK(BM_WildcardRegionsEightStarsMatching);
BENCHMARK(BM_WildcardRegionsEightStarsNotMatching);
