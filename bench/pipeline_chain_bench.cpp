// Tokens per second through a translation chain of pass-through stages: a
// 1 MB English text, one Word token per character from the source, through
// tokenizer, splitter, sentence ender, retriever, translator and digit
// converter to a terminal that collects the text again.
#include <benchmark/benchmark.h>

#include <string>

#include "engine/pipeline/basic_translator.h"
#include "engine/pipeline/text_stages.h"

namespace {

std::string OneMegabyteOfText() {
    std::string const sentence = "The quick brown fox jumps over the lazy dog. ";
    std::string text;
    while (text.size() < (1u << 20)) text += sentence;
    text.resize(1u << 20);
    return text;
}

void BM_PassThroughChain(benchmark::State& state) {
    std::string const text = OneMegabyteOfText();
    uint64_t tokens = 0;
    for (auto _ : state) {
        CharacterTokenProducer source(text);
        TextCollectingTerminal terminal;
        BasicTranslator translator(&source, &terminal, BasicTranslationOptions());
        terminal.SetTokenStringDatabase(&translator.GetTokenStringDatabase());
        translator.TranslateAll();
        if (terminal.GetText().size() != text.size()) state.SkipWithError("text did not come back whole");
        tokens += translator.GetTokenCount();
    }
    state.SetItemsProcessed(static_cast<int64_t>(tokens));
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * text.size()));
}

BENCHMARK(BM_PassThroughChain)->Unit(benchmark::kMillisecond);

}  // namespace
