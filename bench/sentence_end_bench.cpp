// Sentences of English prose per second: 1 MB through the tokenizer, the
// splitter, the quote closer and the end finder (no dictionary open); and
// inputs that drive the finder's look-arounds to their limits.
#include <benchmark/benchmark.h>

#include <string>

#include "bench/repeated_text.h"
#include "engine/foundation/token_string_database.h"
#include "engine/foundation/token_types.h"
#include "engine/pipeline/compound_token_database.h"
#include "engine/pipeline/sentence_chain.h"

namespace {

void BM_SentencesOfProse(benchmark::State& state) {
    std::string const text = SampleProse(1 << 20);
    std::size_t sentences = 0;
    for (auto _ : state) {
        SentenceChain chain(text);
        sentences = 0;
        for (Token token; TokenTypeOf(token = chain.Produce()) != kEOFTokenType;)
            sentences += TokenTypeOf(token) == EnglishTokens::kEndOfSentence;
    }
    state.SetItemsProcessed(state.iterations() * sentences);
    state.SetBytesProcessed(state.iterations() * text.size());
}
BENCHMARK(BM_SentencesOfProse)->Unit(benchmark::kMillisecond);

// Inputs that make the end finder look far ahead or back: 5,000 line ends,
// 5,001 continuation marks (only the 5,000-token cut ends them) and 10,000
// periods each followed by a space.  Each must take well under a second.
std::string Repeated(std::string const& piece, std::size_t times) {
    std::string text;
    for (std::size_t i = 0; i < times; ++i) text += piece;
    return text;
}

void BM_SentencesOfPathologicalInput(benchmark::State& state) {
    static std::string const inputs[] = {Repeated("\n", 5000) + "x", Repeated("%CONT%", 5001), Repeated(". ", 10000)};
    std::string const& text = inputs[state.range(0)];
    for (auto _ : state) {
        SentenceChain chain(text);
        while (TokenTypeOf(chain.Produce()) != kEOFTokenType) {
        }
    }
    state.SetBytesProcessed(state.iterations() * text.size());
}
BENCHMARK(BM_SentencesOfPathologicalInput)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);

}  // namespace
