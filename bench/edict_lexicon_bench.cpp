// Lookups in the system dictionary the build makes from EDICT (about 30,000
// headwords): every word of ordinary English prose, the hits and the misses
// a translator meets, beside the same words in the core lexicon.  Skipped
// when the build had no EDICT.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <sys/stat.h>

#include <cctype>
#include <string>
#include <vector>

#include "bench/compiled_bench_formats.h"
#include "engine/compiled/core_lexicon.h"

namespace {

std::vector<std::string> ProseWords() {
    std::string const prose =
        "The doctor bought a new bicycle and rode it to the hospital near the river. "
        "This program is distributed in the hope that it will be useful, but without any warranty; "
        "without even the implied warranty of merchantability or fitness for a particular purpose. "
        "Permission is hereby granted, free of charge, to any person obtaining a copy of this software "
        "and associated documentation files, to deal in the software without restriction, including "
        "without limitation the rights to use, copy, modify, merge, publish and distribute copies. "
        "My grandmother planted tomatoes in her garden every spring while the children played outside.";
    std::vector<std::string> words;
    std::string word;
    for (char c : prose + " ") {
        if (std::isalpha(static_cast<unsigned char>(c))) {
            word += c;
        } else if (!word.empty()) {
            words.push_back(word);
            word.clear();
        }
    }
    return words;
}

// Argument: 0 the EDICT dictionary, 1 the core lexicon.
void BM_SystemDictionaryLookup(benchmark::State& state) {
    std::string const path = state.range(0) == 0 ? EdictLexiconPath() : CoreLexiconPath();
    struct stat status {};
    if (stat(path.c_str(), &status) != 0) {
        state.SkipWithError("no dictionary at the build's path (EDICT not installed?)");
        return;
    }
    Dictionary_EX const dictionary = compiled_bench::OpenCompiled(50, path);
    std::vector<std::string> const words = ProseWords();
    std::size_t found = 0;
    for (auto _ : state) {
        found = 0;
        for (std::string const& word : words) {
            for (auto it = dictionary.Lookup(word, nullptr); !it.IsAtEnd(); ++it) ++found;
        }
    }
    state.SetItemsProcessed(static_cast<int64_t>(state.iterations() * words.size()));
    state.SetLabel(state.range(0) == 0 ? "edict" : "core");
    state.counters["readings_found"] = static_cast<double>(found);
    state.counters["file_bytes"] = static_cast<double>(status.st_size);
}
BENCHMARK(BM_SystemDictionaryLookup)->Arg(0)->Arg(1);

}  // namespace
