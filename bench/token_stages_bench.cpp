// English text through the front of the chain: one token per character from
// the source, the tokenizer and the measure-unit splitter (bytes and tokens
// per second over 1 MB of prose).
#include <benchmark/benchmark.h>

#include <string>

#include "bench/repeated_text.h"
#include "engine/foundation/token_string_database.h"
#include "engine/foundation/token_types.h"
#include "engine/pipeline/lex_tokenizer.h"
#include "engine/pipeline/measure_unit_splitter.h"
#include "engine/pipeline/text_stages.h"

namespace {

std::string Prose(std::size_t size) {
    std::string const paragraph =
        "Mr. Green paid $5 at 12:30, then called (555) 123-4567 about the 3.5km walk. "
        "\"Don't worry,\" she said; the U.S.A. office (see http://example.com/a) opens at 9am.\n"
        "The report -- all 1,250 pages of it -- arrived on 12/03/2024 by e-mail to info@example.org!\n";
    return RepeatedToSize(paragraph, size);
}

void BM_TokenizerAndSplitter(benchmark::State& state) {
    std::string const text = Prose(1 << 20);
    std::size_t tokens = 0;
    for (auto _ : state) {
        TokenCreator creator = 0;
        TokenStringDatabase strings;
        CharacterTokenProducer source(text);
        source.SetTokenCreator(&creator);
        source.SetTokenStringDatabase(&strings);
        LexTokenizer tokenizer(&source, &creator, &strings, nullptr);
        MeasureUnitSplitter splitter(&tokenizer, &strings, &creator);
        tokens = 0;
        while (TokenTypeOf(splitter.Produce()) != kEOFTokenType) ++tokens;
    }
    state.SetItemsProcessed(state.iterations() * tokens);
    state.SetBytesProcessed(state.iterations() * text.size());
}
BENCHMARK(BM_TokenizerAndSplitter)->Unit(benchmark::kMillisecond);

}  // namespace
