// A rewriting dictionary over a counting wrapper around a 50,000-entry
// temporary dictionary, looking up 10,000 mixed words: known headwords,
// derived forms of them (plural, "re-" prefix), unknown words, hyphenated
// pairs and drawn-out spellings.
// Reported: microseconds per word and wrapped lookups per word, with the
// engine's rule sets over a system and over a user dictionary, and with six
// rule sets that only pass the text on (the search's own cost per level),
// beside the same words looked up in the wrapped dictionary directly (the
// floor).
#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>
#include <vector>

#include "engine/compiled/rewriting_dictionary.h"
#include "engine/foundation/entry.h"
#include "engine/foundation/temporary_dictionary.h"

namespace {

constexpr int kEntryCount = 50000;
constexpr int kWordCount = 10000;

// Forwards everything to the inner dictionary, counting lookups.
class CountingDictionaryRep : public DictionaryRep_EX {
public:
    explicit CountingDictionaryRep(Dictionary_EX const& inner) : fInner(inner) {}

    unsigned long lookups = 0;

    unsigned short GetID() const override { return fInner.GetID(); }
    void SetID(unsigned short id) override { fInner.SetID(id); }
    DomainIDSet GetDomainIDSet() const override { return fInner.GetDomainIDSet(); }
    void SetDomainIDSet(DomainIDSet const& domains) override { fInner->SetDomainIDSet(domains); }
    ForwardIterator<Entry_EX> Lookup(char const* key, unsigned long length, MaybeAnyLongerCallback* callback) override {
        ++lookups;
        return fInner->Lookup(key, length, callback);
    }
    ForwardIterator<Entry_EX> LookupByPrefix(std::string const& prefix) override {
        return fInner->LookupByPrefix(prefix);
    }
    DictionaryInterface_* GetNamedInterface(std::string const& name) override { return fInner.GetNamedInterface(name); }
    bool IsModifyable() const override { return fInner->IsModifyable(); }
    BidirectionalIterator<Entry_EX> GetEntryIterator_start() override { return fInner.GetEntryIterator_start(); }
    BidirectionalIterator<Entry_EX> GetEntryIterator_end() override { return fInner.GetEntryIterator_end(); }
    BidirectionalIterator<Entry_EX> GetEntryIterator_from(Entry_EX const& entry) override {
        return fInner.GetEntryIterator_from(entry);
    }
    Entry_EX CreateNewEntry(std::string const& headword) override { return fInner.CreateNewEntry(headword); }
    void RemoveEntry(Entry_EX const& entry) override { fInner.RemoveEntry(entry); }

private:
    Dictionary_EX fInner;
};

std::string Headword(int i) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%c%cword%c%c", 'a' + i % 26, 'b' + (i / 26) % 25, 'a' + (i / 650) % 26,
                  'e' + (i / 16900) % 3);
    return buffer;
}

constexpr unsigned short kSystemID = 1;

// A dictionary of kEntryCount headwords with one reading each.
Dictionary_EX MakeInner(unsigned short id) {
    Dictionary_EX_Temporary inner;
    inner.SetID(id);
    for (int i = 0; i < kEntryCount; ++i)
        inner.CreateNewEntry(Headword(i)).CreateNewFinePOS().CreateNewParaphrase().SetCookedTranslation("{x}");
    return inner;
}

// Five kinds in turn: known, derived, unknown, hyphenated, drawn out.
std::vector<std::string> MixedWords() {
    std::vector<std::string> words;
    for (int i = 0; i < kWordCount; ++i) {
        std::string const known = Headword(i * 7 % kEntryCount);
        switch (i % 5) {
            case 0:
                words.push_back(known);
                break;
            case 1:
                words.push_back(i % 2 ? known + "s" : "re" + known);
                break;
            case 2:
                words.push_back("zq" + known + "x");
                break;
            case 3:
                words.push_back(known + "-" + Headword((i * 13 + 1) % kEntryCount));
                break;
            default:
                words.push_back(known.substr(0, 2) + "ooooo" + known.substr(2));
                break;
        }
    }
    return words;
}

class PassThroughRuleSetRep : public RuleSet<Entry_EX>::RuleSetRep_ {
public:
    ForwardIterator<RuleApplicationResult<Entry_EX>> ApplyRule(char const* text,
                                                               MaybeAnyLongerCallback* /*callback*/) override {
        return SingleEltForwardIterator<RuleApplicationResult<Entry_EX>>(RuleApplicationResult<Entry_EX>(text));
    }
    PassThroughRuleSetRep* Clone() const override { return new PassThroughRuleSetRep; }
};

RewriteRuleSetMakers PassThroughMakers() {
    auto const make = [] { return RuleSet<Entry_EX>(new PassThroughRuleSetRep); };
    RewriteRuleSetMakers makers;
    makers.firstWordSuffix = make;
    makers.hyphen = make;
    makers.prefix = make;
    makers.morphology = make;
    makers.suffix = make;
    makers.caseMatching = make;
    return makers;
}

// Looks every mixed word up in the dictionary made from the counting one.
void RunLookups(benchmark::State& state, Dictionary_EX (*make)(Dictionary_EX const& counting),
                unsigned short id = kSystemID) {
    auto* counting = new CountingDictionaryRep(MakeInner(id));
    Dictionary_EX const looked(make(Dictionary_EX(counting)));
    std::vector<std::string> const words = MixedWords();

    unsigned long found = 0;
    for (auto _ : state) {
        for (std::string const& word : words) {
            for (ForwardIterator<Entry_EX> it = looked.Lookup(word, nullptr); !it.IsAtEnd(); ++it) ++found;
        }
    }
    benchmark::DoNotOptimize(found);
    double const wordsLookedUp = static_cast<double>(state.iterations()) * kWordCount;
    state.counters["wrapped_lookups_per_word"] = static_cast<double>(counting->lookups) / wordsLookedUp;
    state.counters["entries_per_word"] = static_cast<double>(found) / wordsLookedUp;
    // Shown in seconds with an SI prefix ("958n" is 0.958 microseconds).
    state.counters["time_per_word"] =
        benchmark::Counter(wordsLookedUp, benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

void BM_RewritingLookup_EngineRuleSets(benchmark::State& state) {
    RunLookups(state, [](Dictionary_EX const& counting) -> Dictionary_EX { return RewritingDictionary_EX(counting); });
}
BENCHMARK(BM_RewritingLookup_EngineRuleSets)->Unit(benchmark::kMillisecond)->UseRealTime();

// A user dictionary adds the escape-word set and gets no respellings.
void BM_RewritingLookup_EngineRuleSets_UserDictionary(benchmark::State& state) {
    RunLookups(
        state, [](Dictionary_EX const& counting) -> Dictionary_EX { return RewritingDictionary_EX(counting); },
        kMinUserDictionaryID);
}
BENCHMARK(BM_RewritingLookup_EngineRuleSets_UserDictionary)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_RewritingLookup_PassThroughRuleSets(benchmark::State& state) {
    RunLookups(state, [](Dictionary_EX const& counting) -> Dictionary_EX {
        return RewritingDictionary_EX(counting, PassThroughMakers());
    });
}
BENCHMARK(BM_RewritingLookup_PassThroughRuleSets)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_WrappedDictionaryDirectly(benchmark::State& state) {
    RunLookups(state, [](Dictionary_EX const& counting) { return counting; });
}
BENCHMARK(BM_WrappedDictionaryDirectly)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
