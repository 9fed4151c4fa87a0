// A temporary dictionary of 100,000 entries: creating them, looking each one
// up once (by a key of another case), and removing them all, one by one.
// Reported: wall time of the whole run (the target is under one second).
#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>
#include <vector>

#include "engine/foundation/temporary_dictionary.h"

namespace {

constexpr int kEntryCount = 100000;

// Distinct headwords, each with an upper-case key that finds it.
std::vector<std::string> Headwords() {
    std::vector<std::string> words;
    words.reserve(kEntryCount);
    char buffer[32];
    for (int i = 0; i < kEntryCount; ++i) {
        // Spread over the alphabet so that insertions land all over the tree.
        std::snprintf(buffer, sizeof buffer, "%c%cword%d", 'a' + i % 26, 'a' + (i / 26) % 26, i);
        words.push_back(buffer);
    }
    return words;
}

std::string Upper(std::string text) {
    for (char& c : text) {
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    }
    return text;
}

void BM_TemporaryDictionaryCreateLookUpRemove(benchmark::State& state) {
    std::vector<std::string> const words = Headwords();
    std::vector<std::string> keys;
    for (std::string const& word : words) keys.push_back(Upper(word));

    for (auto _ : state) {
        Dictionary_EX_Temporary dictionary;
        std::vector<Entry_EX> entries;
        entries.reserve(kEntryCount);
        for (std::string const& word : words) entries.push_back(dictionary.CreateNewEntry(word));

        std::size_t found = 0;
        for (std::string const& key : keys) {
            for (ForwardIterator<Entry_EX> it = dictionary.Lookup(key, nullptr); !it.IsAtEnd(); ++it) ++found;
        }
        if (found != words.size()) state.SkipWithError("a lookup missed its entry");

        for (Entry_EX const& entry : entries) dictionary.RemoveEntry(entry);
        if (!dictionary.GetEntryIterator_start().IsAtEnd()) state.SkipWithError("entries left after removal");
        benchmark::DoNotOptimize(found);
    }
}
BENCHMARK(BM_TemporaryDictionaryCreateLookUpRemove)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
