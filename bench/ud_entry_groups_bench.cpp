// The entry-group interface at the sizes the converter meets:
//  - reading 30,000 groups by increasing index, as the old-format reader asks
//    for group 0, 1, 2, ... (each step must not walk from the start);
//  - adding 2,000 groups whose English all begins with "take" (one first-word
//    record that grows to 2,000 IDs), each add released and written back as
//    the converter does, then finding each of them by prefix.
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "engine/foundation/simple_file_lock.h"
#include "engine/userdict/ud35_entry_groups.h"

namespace {

constexpr uint32_t kReadGroups = 30000;
constexpr uint32_t kTakeGroups = 2000;

// 本 in Shift-JIS: a noun translation every cook table takes.
constexpr char kBook[] = "\x96\x7b";

// A distinct lower-case word per number: "a", "b", ..., "ba", ...
std::string Letters(uint32_t n) {
    std::string word;
    do {
        word.insert(word.begin(), static_cast<char>('a' + n % 26));
        n /= 26;
    } while (n > 0);
    return word;
}

UDEntryGroupInfo_EX NounGroup(std::string const& english) {
    UDEntryGroupInfo_EX record;
    record.Set_Noun(english, english + "s");
    record.translation = kBook;
    return record;
}

// A new dictionary in a temporary file, removed with the object.
class TemporaryDictionary {
public:
    TemporaryDictionary() {
        char path[] = "/tmp/ud_entry_groups_bench_XXXXXX";
        int const fd = ::mkstemp(path);
        fPath = path;
        fStream = fd >= 0 ? ::fdopen(fd, "r+") : nullptr;
        if (fStream != nullptr) fFile = std::make_unique<ud_t>(fStream);
    }
    ~TemporaryDictionary() {
        fFile.reset();
        if (fStream != nullptr) std::fclose(fStream);
        ::unlink(fPath.c_str());
    }
    TemporaryDictionary(TemporaryDictionary const&) = delete;
    TemporaryDictionary& operator=(TemporaryDictionary const&) = delete;

    ud_t* File() { return fFile.get(); }

private:
    std::string fPath;
    FILE* fStream = nullptr;
    std::unique_ptr<ud_t> fFile;
};

void ReadGroupsByIncreasingIndex(benchmark::State& state) {
    TemporaryDictionary dictionary;
    if (dictionary.File() == nullptr) {
        state.SkipWithError("cannot make a temporary file");
        return;
    }
    {
        // Filled under one write lock, so that map and index are written once.
        UD35EntryGroupInterface_EJ groups(*dictionary.File());
        SimpleFileLocker_WRITE write(dictionary.File());
        for (uint32_t i = 0; i < kReadGroups; ++i) groups.CreateNew(NounGroup(Letters(i) + " word"), false);
    }
    UD35EntryGroupInterface_EJ groups(*dictionary.File());
    for (auto _ : state) {
        uint32_t const count = groups.GetCount();
        for (uint32_t i = 0; i < count; ++i) {
            UDEntryGroupIterator const at = groups.GetIthEntry(i);
            benchmark::DoNotOptimize(groups.GetIndexOf(at));
            benchmark::DoNotOptimize((*at).kind);
        }
    }
    state.counters["groups"] = kReadGroups;
    state.counters["per_group"] =
        benchmark::Counter(static_cast<double>(kReadGroups) * static_cast<double>(state.iterations()),
                           benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

void AddAndLookUpTakeGroups(benchmark::State& state) {
    std::vector<std::string> english;
    for (uint32_t i = 0; i < kTakeGroups; ++i) english.push_back("take " + Letters(i * 7 % kTakeGroups) + " off");
    for (auto _ : state) {
        state.PauseTiming();
        TemporaryDictionary dictionary;
        if (dictionary.File() == nullptr) {
            state.SkipWithError("cannot make a temporary file");
            break;
        }
        UD35EntryGroupInterface_EJ groups(*dictionary.File());
        state.ResumeTiming();

        for (std::string const& word : english) groups.CreateNew(NounGroup(word), false);
        for (std::string const& word : english) {
            if (groups.LookupPrefix(word + "s").IsAtEnd()) state.SkipWithError("a group was not found");
        }
    }
    state.counters["groups"] = kTakeGroups;
}

BENCHMARK(ReadGroupsByIncreasingIndex)->Unit(benchmark::kMillisecond);
BENCHMARK(AddAndLookUpTakeGroups)->Iterations(3)->Unit(benchmark::kMillisecond);

}  // namespace
