// The English scanner over 1 MB of prose (tokens and characters per second;
// it must take well under a second), and over one 200,000-letter word read in
// 8,192-character pieces (well under 0.1 s: the pieces must not make the
// scan quadratic).
#include <benchmark/benchmark.h>

#include <algorithm>
#include <string>

#include "bench/repeated_text.h"
#include "engine/pipeline/scanner.h"

namespace {

std::wstring Prose(std::size_t size) {
    std::wstring const paragraph =
        L"Mr. Green paid $5 at 12:30, then called (555) 123-4567 about the 3.5 km walk. "
        L"\"Don't worry,\" she said; the U.S.A. office (see http://example.com/a) opens at 9am.\n"
        L"The report -- all 1,250 pages of it -- arrived on 12/03/2024 by e-mail to info@example.org!\n";
    return RepeatedToSize(paragraph, size);
}

// Scans the text, giving the scanner `piece` more characters each time it
// asks; returns the number of tokens.
std::size_t ScanAll(std::wstring const& text, std::size_t piece) {
    std::size_t tokens = 0, position = 0, visible = std::min(text.size(), piece);
    for (;;) {
        lex::Match match;
        lex::ScanStatus const status =
            lex::ScanToken(text.data() + position, visible - position, visible == text.size(), &match);
        if (status == lex::ScanStatus::kEnd) return tokens;
        if (status == lex::ScanStatus::kNeedMore) {
            visible = std::min(text.size(), visible + piece);
            continue;
        }
        position += match.length;
        ++tokens;
    }
}

void BM_ScannerProse(benchmark::State& state) {
    std::wstring const text = Prose(1 << 20);
    std::size_t tokens = 0;
    for (auto _ : state) benchmark::DoNotOptimize(tokens = ScanAll(text, text.size()));
    state.SetItemsProcessed(state.iterations() * tokens);
    state.SetBytesProcessed(state.iterations() * text.size());
}
BENCHMARK(BM_ScannerProse)->Unit(benchmark::kMillisecond);

void BM_ScannerLongWord(benchmark::State& state) {
    std::wstring const word(200000, L'x');
    for (auto _ : state) benchmark::DoNotOptimize(ScanAll(word, 8192));
    state.SetBytesProcessed(state.iterations() * word.size());
}
BENCHMARK(BM_ScannerLongWord)->Unit(benchmark::kMillisecond);

}  // namespace
