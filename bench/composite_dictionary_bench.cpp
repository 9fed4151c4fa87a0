// A composite of three temporary dictionaries of 100,000 entries each, every
// headword held by all three: 100,000 lookups through the composite, each
// yielding one entry from every member.
// Reported: wall time of the lookups (members built once, outside the timing),
// beside the same lookups made in each member directly, the floor the
// composite adds its own cost to.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>
#include <vector>

#include "engine/foundation/composite_dictionary.h"
#include "engine/foundation/temporary_dictionary.h"

namespace {

constexpr int kEntriesPerMember = 100000;
constexpr int kMemberCount = 3;

std::vector<std::string> Headwords() {
    std::vector<std::string> words;
    words.reserve(kEntriesPerMember);
    char buffer[32];
    for (int i = 0; i < kEntriesPerMember; ++i) {
        std::snprintf(buffer, sizeof buffer, "%c%cword%d", 'a' + i % 26, 'a' + (i / 26) % 26, i);
        words.push_back(buffer);
    }
    return words;
}

std::vector<Dictionary_EX> Members(std::vector<std::string> const& words) {
    std::vector<Dictionary_EX> members;
    for (int m = 0; m < kMemberCount; ++m) {
        Dictionary_EX_Temporary member;
        for (std::string const& word : words) member.CreateNewEntry(word);
        members.push_back(member);
    }
    return members;
}

std::size_t CountHits(ForwardIterator<Entry_EX> it) {
    std::size_t found = 0;
    for (; !it.IsAtEnd(); ++it) ++found;
    return found;
}

void BM_CompositeDictionaryLookup(benchmark::State& state) {
    std::vector<std::string> const words = Headwords();
    CompositeDictionary_EX const composite(Members(words));

    for (auto _ : state) {
        std::size_t found = 0;
        for (std::string const& word : words) found += CountHits(composite.Lookup(word, nullptr));
        if (found != words.size() * kMemberCount) state.SkipWithError("a lookup missed a member's entry");
        benchmark::DoNotOptimize(found);
    }
}
BENCHMARK(BM_CompositeDictionaryLookup)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_CompositeMembersLookedUpDirectly(benchmark::State& state) {
    std::vector<std::string> const words = Headwords();
    std::vector<Dictionary_EX> const members = Members(words);

    for (auto _ : state) {
        std::size_t found = 0;
        for (std::string const& word : words) {
            for (Dictionary_EX const& member : members) found += CountHits(member.Lookup(word, nullptr));
        }
        if (found != words.size() * kMemberCount) state.SkipWithError("a lookup missed a member's entry");
        benchmark::DoNotOptimize(found);
    }
}
BENCHMARK(BM_CompositeMembersLookedUpDirectly)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
