// Sentences of ten words through the whole translation road: the facade,
// the tokenizer and sentence finding, and per sentence the preparse, chart,
// parse, scoring, extraction and transfer, over the core lexicon.  The
// figure is sentences per second.
#include <benchmark/benchmark.h>

#include <string>

#include "engine/compiled/core_lexicon.h"
#include "engine/pipeline/corvan_if.h"
#include "engine/transfer/sentence_translation.h"

namespace {

// Ten words each, the end mark apart.
char const* const kSentences[] = {
    "The big dog saw a small cat in the park.",
    "John eats an apple at home every day after school.",
    "She gives her friend a red flower in the park.",
    "The old man reads a good book at home every day.",
};
constexpr std::size_t kSentenceCount = sizeof kSentences / sizeof kSentences[0];

// Translates the text through the facade over and over; the figure is
// sentences per second.
void TranslateRepeatedly(benchmark::State& state, std::string const& text, int64_t sentences) {
    InstallSentenceTranslation();
    CorvanIF facade;
    if (facade.AddSysDict(CoreLexiconPath()) <= 0) state.SkipWithError("the core lexicon did not open");
    for (auto _ : state) {
        std::string copy = text;
        if (!facade.Translation(&copy)) state.SkipWithError("the translation failed");
        std::string out;
        facade.GetSink(out, nullptr);
        benchmark::DoNotOptimize(out.data());
    }
    state.counters["sentences_per_s"] =
        benchmark::Counter(static_cast<double>(state.iterations() * sentences), benchmark::Counter::kIsRate);
}

// Argument: the number of sentences in the text.
void BM_TenWordSentencesThroughTheWholeRoad(benchmark::State& state) {
    std::string text;
    for (int64_t i = 0; i < state.range(0); ++i) text += std::string(kSentences[i % kSentenceCount]) + " ";
    TranslateRepeatedly(state, text, state.range(0));
}
BENCHMARK(BM_TenWordSentencesThroughTheWholeRoad)->Arg(100)->Unit(benchmark::kMillisecond);

// The first sentences the engine writes Japanese for: statements, questions
// and negations of the common verb classes, the copula and adjectives.
char const kFirstTable[] =
    "I eat an apple. I ate an apple. The cat ate the fish. A dog runs. She reads a book in the library. "
    "He went to the station. John met Mary. John gave the book to Mary. The cat is in the box. "
    "The book is on the table. I did not eat the apple. He does not eat fish. Do you eat apples? "
    "The dog is big. The dog was not big. I am a student. John is not a student. "
    "The big dog ran in the park. I came in 1999.";
constexpr int64_t kFirstTableSentences = 19;

void BM_FirstSentenceTableThroughTheWholeRoad(benchmark::State& state) {
    TranslateRepeatedly(state, kFirstTable, kFirstTableSentences);
}
BENCHMARK(BM_FirstSentenceTableThroughTheWholeRoad)->Unit(benchmark::kMillisecond);

}  // namespace
