// The chart parser on sentences of 5 to 80 words: "the dog eats meat",
// made longer with prepositional phrases ("in the park"), each of which may
// attach to the verb phrase or to any noun phrase before it, and padded
// with adjectives.  The chart is filled from a small temporary dictionary
// outside the timing; each iteration parses a fresh copy.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>
#include <vector>

#include "engine/foundation/temporary_dictionary.h"
#include "engine/parse/grammar_ids.h"
#include "engine/parse/hit_limit_exception.h"
#include "engine/parse/parse_chart_creator.h"
#include "engine/parse/parser.h"
#include "engine/parse/sentence.h"

namespace {

struct Word {
    char const* text;
    uint16_t category;
    char const* features[3];
};

Word const kThe{"the", grammar::kART, {"M31B0", "", ""}};
Word const kDog{"dog", grammar::kN, {"SSSC1101110M0__", "000000000000000", "________________________"}};
Word const kEats{"eats", grammar::kVT01, {"S1T0S30000000_0_________", "", ""}};
Word const kMeat{"meat", grammar::kN, {"SSSU1101110M0__", "000000000000000", "________________________"}};
Word const kBig{"big", grammar::kADJ, {"PBY", "", ""}};
Word const kIn{"in", grammar::kPREP, {"in", "00000__________", ""}};
Word const kPark{"park", grammar::kN, {"SSSC1101110M0__", "000000000000000", "________________________"}};
Word const kStop{".", grammar::kPERIOD, {"", "", ""}};

// "the dog eats (big)* meat (in the park)* ." of exactly n >= 5 words.
std::vector<Word> SentenceOf(std::size_t n) {
    std::size_t const phrases = (n - 5) / 3;
    std::vector<Word> words = {kThe, kDog, kEats};
    for (std::size_t i = 0; i < (n - 5) % 3; ++i) words.push_back(kBig);
    words.push_back(kMeat);
    for (std::size_t i = 0; i < phrases; ++i) words.insert(words.end(), {kIn, kThe, kPark});
    words.push_back(kStop);
    return words;
}

class Fixture {
public:
    explicit Fixture(std::vector<Word> const& words) : fWords(words) {
        for (Word const& word : words) {
            FinePOS_EX fp = fDictionary.CreateNewEntry(word.text).CreateNewFinePOS();
            fp.SetFinePOS(POS_E_Source{word.category});
            FeatureSets_E_Source sets;
            for (unsigned i = 0; i < 3; ++i) sets.SetSet(i, word.features[i]);
            fp.SetFeatureSets(sets);
            fFinePOS.push_back(fp);
        }
    }

    std::unique_ptr<Sentence> Make(uint16_t pruneLength) const {
        SentenceUserOptions options;
        options.fSpeed = 1;  // no time limit
        auto sentence = std::make_unique<Sentence>(options);
        sentence->SetPreparsedWords(std::vector<PreparsedWord>(fWords.size()), {}, {}, false);
        sentence->SetPruning(pruneLength, 3.0f, 3.0e38f);
        sentence->Chart().Allocate(fWords.size());
        ParseChartCreator creator(sentence.get());
        for (std::size_t w = 0; w < fFinePOS.size(); ++w)
            creator.FillChartEntry(fFinePOS[w], static_cast<int>(w), 0, false);
        return sentence;
    }

private:
    std::vector<Word> fWords;
    Dictionary_EX_Temporary fDictionary;
    std::vector<FinePOS_EX> fFinePOS;
};

void BM_ParseSentence(benchmark::State& state) {
    Fixture const fixture(SentenceOf(static_cast<std::size_t>(state.range(0))));
    uint16_t const pruneLength = static_cast<uint16_t>(state.range(1));
    uint32_t entries = 0;
    bool parsed = false;
    for (auto _ : state) {
        state.PauseTiming();
        std::unique_ptr<Sentence> sentence = fixture.Make(pruneLength);
        state.ResumeTiming();
        try {
            parsed = Parser(sentence.get()).CParse() == kParsed;
        } catch (HitLimitException const&) {
            parsed = false;
        }
        entries = sentence->ParserEntryCount();
        state.PauseTiming();
        sentence.reset();
        state.ResumeTiming();
    }
    state.counters["entries"] = entries;
    state.counters["parsed"] = parsed ? 1 : 0;
}
BENCHMARK(BM_ParseSentence)
    ->ArgsProduct({{5, 10, 20, 40, 80}, {0, 13}})
    ->ArgNames({"words", "prune"})
    ->Unit(benchmark::kMillisecond);

}  // namespace
