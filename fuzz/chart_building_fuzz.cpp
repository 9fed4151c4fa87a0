// Arbitrary text through the front of the chain and the preparser into
// chart building over the core lexicon: no crash, and every chart is whole:
// each reading names a fine part of speech of the chart, each cell's array
// is trimmed to its readings, and the status is 0 or 56.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "engine/compiled/core_lexicon.h"
#include "engine/compiled/rewriting_composite_dictionary.h"
#include "engine/foundation/temporary_dictionary.h"
#include "engine/foundation/token_types.h"
#include "engine/parse/hit_limit_exception.h"
#include "engine/parse/preparsed_text.h"
#include "engine/parse/sentence.h"
#include "engine/pipeline/sentence_chain.h"

namespace {

EnglishTokens const sEnglishTokens;

void Check(bool condition) {
    if (!condition) __builtin_trap();
}

// The lexicon through the rewriting composite, as the translator looks up;
// an empty dictionary when the build made none.
Dictionary_EX const& Lookup() {
    static Dictionary_EX const lookup = [] {
        try {
            return Dictionary_EX(mkRewritingCompositeDictionary({OpenCoreLexicon()}));
        } catch (...) {
            return Dictionary_EX(Dictionary_EX_Temporary());
        }
    }();
    return lookup;
}

void CheckChart(Sentence const& sentence, int status) {
    Check(status == 0 || status == 56);
    ParseChart const& chart = sentence.Chart();
    Check(chart.WordCount() == sentence.Words().size());
    for (PCHART_CELL const& cell : chart.Cells()) {
        Check(cell.entries.capacity() == cell.entries.size());
        for (ParseChartEntry const& entry : cell.entries) Check(entry.a < chart.FinePOSCount());
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(uint8_t const* data, std::size_t size) {
    std::string const text(reinterpret_cast<char const*>(data), size);
    SentenceChain chain(text);
    for (;;) {
        PreparsedSentence preparsed;
        try {
            if (!PreparseNextSentence(chain, &Lookup(), &preparsed)) break;
        } catch (HitLimitException const&) {
            continue;  // a sentence too long for its offsets is given up
        }
        SentenceUserOptions options;
        options.fSpeed = static_cast<uint16_t>(size % 11 * 10);
        Sentence sentence(options);
        sentence.SetPreparsedWords(preparsed.words, preparsed.senses, preparsed.extra, false);
        try {
            CheckChart(sentence, CBeforeParse(&sentence, nullptr, nullptr, false, Lookup()));
        } catch (HitLimitException const&) {
            // More readings than a chart can index: the sentence is given up.
        }
    }
    return 0;
}
