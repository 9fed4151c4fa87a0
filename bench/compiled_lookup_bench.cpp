// Lookups per second in compiled dictionaries (formats 4.0 and 5.0) of
// 20,000 and 100,000 entries
// (hits, misses and the growing prefixes a translator looks up), beside the
// same lookups of the same words in an in-memory hash map, the limit of what
// a lookup can cost.  The SQLite yardstick is in
// sqlite_compiled_lookup_bench.cpp.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <stdlib.h>
#include <unistd.h>

#include <map>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "bench/compiled_bench_formats.h"
#include "bench/compiled_lookup_bench_words.h"
#include "engine/foundation/entry.h"
#include "engine/foundation/pos_codes.h"
#include "engine/foundation/temporary_dictionary.h"

namespace {

using namespace compiled_lookup_bench;

// A compiled file of the first `count` headwords in a format, made once per
// format and count and removed at exit.
class CompiledFile {
public:
    CompiledFile(int format, std::size_t count) {
        char pattern[] = "/tmp/compiled_lookup_bench.XXXXXX";
        int const fd = mkstemp(pattern);
        if (fd >= 0) close(fd);
        fPath = pattern;
        Dictionary_EX_Temporary source;
        for (std::string const& word : Headwords(count)) {
            FinePOS_EX finePOS = source.CreateNewEntry(word).CreateNewFinePOS();
            finePOS.SetFinePOS(kCatN);
            finePOS.CreateNewParaphrase().SetCookedTranslation("{x}");
        }
        compiled_bench::Compile(format, source, fPath);
    }
    ~CompiledFile() { unlink(fPath.c_str()); }

    static CompiledFile const& For(int format, std::size_t count) {
        static std::map<std::pair<int, std::size_t>, std::unique_ptr<CompiledFile>> files;
        auto& file = files[{format, count}];
        if (!file) file = std::make_unique<CompiledFile>(format, count);
        return *file;
    }

    std::string const& Path() const { return fPath; }

private:
    std::string fPath;
};

void Report(benchmark::State& state, KeyKind kind, std::size_t found) {
    state.SetItemsProcessed(static_cast<int64_t>(state.iterations() * kKeysPerRound));
    state.SetLabel(KindName(kind));
    state.counters["found_per_round"] = static_cast<double>(found);
}

// Arguments: format, entry count, key kind.
void BM_CompiledLookup(benchmark::State& state) {
    auto const format = static_cast<int>(state.range(0));
    auto const count = static_cast<std::size_t>(state.range(1));
    auto const kind = static_cast<KeyKind>(state.range(2));
    std::vector<std::string> const keys = Keys(Headwords(count), kind);
    Dictionary_EX const dictionary = compiled_bench::OpenCompiled(format, CompiledFile::For(format, count).Path());
    std::size_t found = 0;
    for (auto _ : state) {
        found = 0;
        for (std::string const& key : keys) {
            for (auto it = dictionary.Lookup(key, nullptr); !it.IsAtEnd(); ++it) ++found;
        }
    }
    Report(state, kind, found);
}

void BM_UnorderedMapLookup(benchmark::State& state) {
    auto const count = static_cast<std::size_t>(state.range(0));
    auto const kind = static_cast<KeyKind>(state.range(1));
    std::vector<std::string> const headwords = Headwords(count);
    std::vector<std::string> const keys = Keys(headwords, kind);
    std::unordered_map<std::string, std::size_t> map;
    for (std::size_t i = 0; i < headwords.size(); ++i) map.emplace(headwords[i], i);
    std::size_t found = 0;
    for (auto _ : state) {
        found = 0;
        for (std::string const& key : keys) found += map.count(key);
        benchmark::DoNotOptimize(found);
    }
    Report(state, kind, found);
}

void FormatsSizesAndKinds(benchmark::internal::Benchmark* benchmark) {
    benchmark->ArgNames({"format", "entries", "keys"});
    for (int const format : compiled_bench::kFormats) {
        for (std::size_t const count : {kSmallDictionary, kLargeDictionary}) {
            for (KeyKind const kind : {KeyKind::kHits, KeyKind::kMisses, KeyKind::kGrowingPrefixes})
                benchmark->Args({format, static_cast<int64_t>(count), static_cast<int64_t>(kind)});
        }
    }
}

BENCHMARK(BM_CompiledLookup)->Apply(FormatsSizesAndKinds)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_UnorderedMapLookup)->Apply(SizesAndKinds)->Unit(benchmark::kMicrosecond);

}  // namespace
