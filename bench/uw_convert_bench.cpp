// Converting a 30,000-line text file into a new user dictionary, the most a
// conversion takes: once all nouns, once a mix of every key.
#include <benchmark/benchmark.h>
#include <iconv.h>
#include <stdlib.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <string>

#include "engine/userdict/corvan_dict_if.h"
#include "engine/userdict/uw_convert.h"

namespace {

constexpr int kLineCount = 30000;

std::string ToCP932(std::string utf8) {
    iconv_t cd = iconv_open("CP932", "UTF-8");
    std::string out(utf8.size() * 2 + 8, '\0');
    char* in = utf8.data();
    char* outPtr = out.data();
    std::size_t inLeft = utf8.size();
    std::size_t outLeft = out.size();
    iconv(cd, &in, &inLeft, &outPtr, &outLeft);
    iconv_close(cd);
    out.resize(out.size() - outLeft);
    return out;
}

// A distinct lower-case word for every number.
std::string Word(int n) {
    std::string word;
    do {
        word.insert(word.begin(), static_cast<char>('a' + n % 26));
        n /= 26;
    } while (n > 0);
    return "w" + word;
}

std::string NounLine(int n) { return Word(n) + ToCP932("\t語\tNOUN\tplural") + "\r"; }

// One valid line of each key in turn.
std::string MixedLine(int n) {
    static char const* const kTails[] = {
        "\t猫\tNOUN\tcats",
        "\t食べる\tVERB\tate\teats\teating\teaten\tを\t\t食べた",
        "\t走る\tVT\tran\truns\trunning\trun\tに",
        "\t行く\tVI\twent\tgoes\tgoing\tgone",
        "\t走っている\tADJ\t\t\t\t\t\t\t走る",
        "\t速く\tADV",
        "\t上に\tPREPV",
        "\t下の\tPREPA",
        "\tそして\tCONJ",
        "\t無駄な\tPP",
    };
    static std::string tails[10];
    std::string& tail = tails[n % 10];
    if (tail.empty()) tail = ToCP932(kTails[n % 10]);
    return Word(n) + tail + "\r";
}

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
