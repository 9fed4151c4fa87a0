// The translation facade: a megabyte of English through a whole normal
// translation (its peak memory as a counter), and clearing what was learnt of
// a word in three compiled dictionaries with learning files.
#include <benchmark/benchmark.h>
#include <stdlib.h>
#include <sys/resource.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "bench/compiled_bench_formats.h"
#include "bench/compiled_lookup_bench_words.h"
#include "bench/repeated_text.h"
#include "engine/foundation/entry.h"
#include "engine/foundation/pos_codes.h"
#include "engine/foundation/temporary_dictionary.h"
#include "engine/pipeline/corvan_if.h"

namespace {

std::string Prose(std::size_t size) {
    std::string const paragraph =
        "Mr. Green paid $5 at 12:30, then called (555) 123-4567 about the 3.5km walk. "
        "\"Don't worry,\" she said; the U.S.A. office opens at 9am.\n"
        "The report -- all 1,250 pages of it -- arrived by e-mail! Did it? Fig. 3 shows why.\n\n";
    return RepeatedToSize(paragraph, size);
}

double PeakMegabytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

// Argument: the text's size in megabytes.
void BM_FacadeTranslation(benchmark::State& state) {
    std::string const text = Prose(static_cast<std::size_t>(state.range(0)) << 20);
    CorvanIF facade;
    for (auto _ : state) {
        std::string copy = text;
        if (!facade.Translation(&copy)) state.SkipWithError("the translation failed");
        std::string out;
        facade.GetSink(out, nullptr);
        benchmark::DoNotOptimize(out.data());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * text.size()));
    state.counters["peak_MB"] = PeakMegabytes();
}
BENCHMARK(BM_FacadeTranslation)->Arg(1)->Arg(4)->Unit(benchmark::kMillisecond)->Iterations(1);

// Three compiled dictionaries of 20,000 headwords, each learning into a file
// of its own.
class LearningDictionaries {
public:
    LearningDictionaries() {
        char pattern[] = "/tmp/facade_bench.XXXXXX";
        fFolder = mkdtemp(pattern) != nullptr ? pattern : "/tmp";
        Dictionary_EX_Temporary source;
        for (std::string const& word : compiled_lookup_bench::Headwords(20000)) {
            FinePOS_EX finePOS = source.CreateNewEntry(word).CreateNewFinePOS();
            finePOS.SetFinePOS(kCatN);
            finePOS.CreateNewParaphrase().SetCookedTranslation("{x}");
        }
        for (int i = 0; i < 3; ++i) {
            fFiles.push_back(fFolder + "/dict" + std::to_string(i) + ".cdict");
            compiled_bench::Compile(50, source, fFiles.back());
        }
    }
    ~LearningDictionaries() {
        for (std::string const& file : fFiles) {
            unlink(file.c_str());
            unlink((file + ".stats").c_str());
        }
        rmdir(fFolder.c_str());
    }
    std::vector<std::string> const& Files() const { return fFiles; }

private:
    std::string fFolder;
    std::vector<std::string> fFiles;
};

void BM_FacadeClearLearning(benchmark::State& state) {
    static LearningDictionaries const dictionaries;
    CorvanIF facade;
    for (std::string const& file : dictionaries.Files())
        if (facade.AddTechDict(file, file + ".stats") == 0) state.SkipWithError("a dictionary did not open");
    std::vector<std::string> const words = compiled_lookup_bench::Headwords(1000);
    for (auto _ : state) {
        for (std::string const& word : words) facade.ClearLearning(word);
    }
    state.SetItemsProcessed(static_cast<int64_t>(state.iterations() * words.size()));
    facade.RemoveAllDict();
}
BENCHMARK(BM_FacadeClearLearning)->Unit(benchmark::kMillisecond);

}  // namespace
