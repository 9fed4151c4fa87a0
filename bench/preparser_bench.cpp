// Preparsed words per second: the sentences of 256 KB of English prose are
// cut once, then preparsed again and again, without a dictionary and with a
// small one whose word lists the capitalisation tests ask.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "bench/repeated_text.h"
#include "engine/compiled/rewriting_composite_dictionary.h"
#include "engine/foundation/temporary_dictionary.h"
#include "engine/foundation/token_string_database.h"
#include "engine/foundation/token_types.h"
#include "engine/parse/etoj_preparser.h"
#include "engine/pipeline/sentence_chain.h"

namespace {

EnglishTokens const sEnglishTokens;

std::string Prose(std::size_t size) {
    std::string const paragraph =
        "Mr. Green paid $5 at 12:30, then called (555) 123-4567 about the 3.5km walk. "
        "\"Don't worry,\" she said; the U.S.A. office (see http://example.com/a) opens at 9am.\n"
        "He works at the Bank of New York on well-known days... Wait.. . e.g. this one. "
        "The report -- all 1,250 pages of it -- arrived on 12/03/2024 by e-mail to info@example.org! "
        "Did it? Fig. 3 shows why.\n\n";
    return RepeatedToSize(paragraph, size);
}

struct CutText {
    explicit CutText(std::string const& text) : chain(text) {
        for (std::vector<Token> tokens; chain.NextSentence(&tokens);) sentences.push_back(tokens);
    }
    SentenceChain chain;
    std::vector<std::vector<Token>> sentences;
};

void Preparse(benchmark::State& state, Dictionary_EX const* dictionary) {
    CutText cut(Prose(1 << 18));
    std::size_t words = 0;
    for (auto _ : state) {
        words = 0;
        for (std::vector<Token> const& tokens : cut.sentences) {
            EtoJPreparser preparser(&cut.chain.Creator());
            preparser.SetTokenStringDatabase(&cut.chain.Strings());
            if (dictionary != nullptr) preparser.SetDictionary(*dictionary);
            std::vector<PreparsedWord> preparsed;
            std::vector<PreparseSense> senses;
            std::vector<ExtraChartWord> extra;
            preparser.CreatePreparsedWords(&preparsed, &senses, &extra, tokens);
            words += preparsed.size();
            benchmark::DoNotOptimize(preparsed.data());
        }
    }
    state.SetItemsProcessed(state.iterations() * words);
}

void BM_PreparseWithoutDictionary(benchmark::State& state) { Preparse(state, nullptr); }
BENCHMARK(BM_PreparseWithoutDictionary)->Unit(benchmark::kMillisecond);

void BM_PreparseWithWordLists(benchmark::State& state) {
    Dictionary_EX_Temporary words;
    for (char const* word :
         {"bank", "green", "office", "report", "the", "of",   "at", "on",    "by",   "to",   "fig",
          "did",  "wait",  "he",     "she",    "new", "york", "mr", "pages", "days", "walk", "worry"})
        words.CreateNewEntry(word);
    CompositeDictionary_EX const dictionary = mkRewritingCompositeDictionary({words});
    Preparse(state, &dictionary);
}
BENCHMARK(BM_PreparseWithWordLists)->Unit(benchmark::kMillisecond);

}  // namespace
