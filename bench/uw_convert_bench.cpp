// Converting a 30,000-line text file into a new user dictionary, the most a
// conversion takes: once all nouns, once a mix of every key.
#include <benchmark/benchmark.h>
#include <stdlib.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <string>

#include "engine/userdict/corvan_dict_if.h"
#include "engine/userdict/uw_convert.h"
#include "user_word_lines.h"

namespace {

using bench_lines::MixedLine;
using bench_lines::NounLine;

constexpr int kLineCount = 30000;

void ConvertIntoNewDictionary(benchmark::State& state, std::string (*line)(int)) {
    char pattern[] = "/tmp/uw_convert_bench.XXXXXX";
    if (!mkdtemp(pattern)) {
        state.SkipWithError("no temporary directory");
        return;
    }
    std::string const dir = pattern;
    std::string const textPath = dir + "/oldUD.txt";
    std::string const dictPath = dir + "/user.dic";
    {
        std::ofstream out(textPath, std::ios::binary);
        for (int n = 0; n < kLineCount; ++n) out << line(n);
    }
    std::size_t logBytes = 0;
    unsigned long entries = 0;
    for (auto _ : state) {
        state.PauseTiming();
        gCorvanEngine.RemoveAllDict();
        std::remove(dictPath.c_str());
        if (gCorvanEngine.AddUserDict(dictPath, false) != kUserDictOpenedReadWrite) {
            state.SkipWithError("cannot create the dictionary");
            break;
        }
        state.ResumeTiming();
        logBytes = uwConvert(textPath.c_str()).size();
        state.PauseTiming();
        gCorvanEngine.AddUserDict(dictPath, false);
        entries = gCorvanEngine.CountUserDictEntry(0);
        gCorvanEngine.RemoveAllDict();
        state.ResumeTiming();
    }
    state.counters["entries"] = static_cast<double>(entries);
    state.counters["log_bytes"] = static_cast<double>(logBytes);
    state.counters["lines_per_s"] = benchmark::Counter(kLineCount, benchmark::Counter::kIsIterationInvariantRate);
    std::remove(textPath.c_str());
    std::remove(dictPath.c_str());
    rmdir(dir.c_str());
}

void BM_UwConvertDistinctNouns(benchmark::State& state) { ConvertIntoNewDictionary(state, NounLine); }
void BM_UwConvertMixedKeys(benchmark::State& state) { ConvertIntoNewDictionary(state, MixedLine); }

BENCHMARK(BM_UwConvertDistinctNouns)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_UwConvertMixedKeys)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
