// Affix rewriting over a 20,000-entry dictionary of nouns and verbs: looking
// up words found as written, prefixed verbs ("re" + verb), plural nouns and
// unknown words through a rewriting dictionary holding only the prefix and
// suffix rule sets.  Reported: time per word, by kind of word.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "engine/compiled/affix_rule_sets.h"
#include "engine/compiled/rewriting_dictionary.h"
#include "engine/foundation/atom_databases.h"
#include "engine/foundation/entry.h"
#include "engine/foundation/temporary_dictionary.h"

namespace {

constexpr int kEntryCount = 20000;
constexpr int kWordCount = 1000;

// "bapelo", "bapemu", ...: pronounceable, distinct, no affix of their own.
std::string MadeUpWord(int n) {
    static char const* const kSyllables[] = {"ba", "pe", "lo", "mu", "ti", "ka", "no", "su"};
    std::string word = "v";
    for (int i = 0; i < 5; ++i, n /= 8) word += kSyllables[n % 8];
    return word;
}

POS_E_Source POSNamed(char const* name) {
    POS_E_Source pos{};
    gSourcePOSDatabase().Lookup(name, &pos);
    return pos;
}

Dictionary_EX MakeWords() {
    Dictionary_EX_Temporary words;
    words.SetID(5);
    for (int i = 0; i < kEntryCount; ++i) {
        Entry_EX entry = words.CreateNewEntry(MadeUpWord(i));
        FinePOS_EX finePOS = entry.CreateNewFinePOS();
        finePOS.SetFinePOS(POSNamed(i % 2 == 0 ? "N" : "VT01"));
        FeatureSets_E_Source sets;
        sets.SetSet(0, "SSSC1101110M0__");
        finePOS.SetFeatureSets(sets);
        finePOS.CreateNewParaphrase().SetCookedTranslation("{" + MadeUpWord(i) + "}");
    }
    return words;
}

std::vector<std::string> Words(int kind) {
    std::vector<std::string> words;
    for (int i = 0; i < kWordCount; ++i) {
        int const n = (i * 7919) % kEntryCount;
        switch (kind) {
            case 0:
                words.push_back(MadeUpWord(n));
                break;
            case 1:
                words.push_back("re" + MadeUpWord(n | 1));
                break;
            case 2:
                words.push_back(MadeUpWord(n & ~1) + "s");
                break;
            default:
                words.push_back("x" + MadeUpWord(n));
                break;
        }
    }
    return words;
}

void BM_AffixLookup(benchmark::State& state) {
    RewriteRuleSetMakers makers;
    makers.prefix = &MakePrefixRuleSet;
    makers.suffix = &MakeSuffixRuleSet;
    static Dictionary_EX const words = MakeWords();
    std::vector<std::string> const looked = Words(static_cast<int>(state.range(0)));
    std::size_t found = 0;
    for (auto _ : state) {
        RewritingDictionary_EX dictionary(words, makers);
        for (std::string const& word : looked) {
            for (ForwardIterator<Entry_EX> it = dictionary.Lookup(word, nullptr); !it.IsAtEnd(); ++it) ++found;
        }
    }
    benchmark::DoNotOptimize(found);
    // Seconds per word, shown with its unit prefix ("1.5u" is 1.5 microseconds).
    state.counters["per_word"] =
        benchmark::Counter(kWordCount, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

}  // namespace

// 0: found as written, 1: "re" + verb, 2: plural noun, 3: unknown.
BENCHMARK(BM_AffixLookup)->DenseRange(0, 3)->Unit(benchmark::kMillisecond);
