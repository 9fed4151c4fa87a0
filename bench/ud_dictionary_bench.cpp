// Looking headwords up in a user dictionary whose 2,000 phrases all begin
// with "in", so every lookup walks the whole ID list of that first word:
// 10,000 lookups per iteration, of phrases spread over the list.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>
#include <vector>

#include "engine/foundation/simple_file_lock.h"
#include "engine/userdict/ud35_dictionary.h"
#include "engine/userdict/ud_t.h"

namespace {

constexpr int kPhraseCount = 2000;
constexpr int kLookupCount = 10000;

std::string Phrase(int i) { return "in case " + std::to_string(i); }

// Writes the phrases as nouns, one group each, the way the entry groups add them.
void FillDictionary(FILE* stream) {
    ud_t file(stream);
    file.AcquireReadLock(0.0f);
    file.AcquireWriteLock(0.0f);
    for (int i = 0; i < kPhraseCount; ++i) {
        file.MarkMapAndIndexStale();
        ud_entry_t entry;
        entry.strings = UDEntryStrings{Phrase(i), "N_SING", "\x8c\xa2", "", "N", ""};
        file.WriteEntry(&entry);
        ThrowIfError(file.AddIDtoFirstword(entry));
        file.UDIncGroupID(1);
    }
    file.ReleaseWriteLock();
    file.ReleaseReadLock();
}

void BM_UDLookupUnderCrowdedFirstWord(benchmark::State& state) {
    FILE* stream = std::tmpfile();
    FillDictionary(stream);
    Dictionary_EJ_35UserDict dictionary(stream, true);
    std::vector<std::string> keys;
    for (int i = 0; i < kLookupCount; ++i) keys.push_back(Phrase((i * 7919) % kPhraseCount));
    for (auto _ : state) {
        std::size_t found = 0;
        for (std::string const& key : keys) {
            for (ForwardIterator<Entry_EX> at = dictionary.Lookup(key, nullptr); !at.IsAtEnd(); ++at) ++found;
        }
        if (found != keys.size()) state.SkipWithError("a phrase was not found");
        benchmark::DoNotOptimize(found);
    }
    state.SetItemsProcessed(state.iterations() * kLookupCount);
}
BENCHMARK(BM_UDLookupUnderCrowdedFirstWord)->Unit(benchmark::kMillisecond);

}  // namespace
