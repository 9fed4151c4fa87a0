// Arbitrary Shift-JIS text through the front of the chain into the
// preparser: no crash, and every sentence's words lie in order inside the
// sentence's bytes, their senses and extra words over existing words.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "engine/foundation/token_types.h"
#include "engine/parse/preparsed_text.h"
#include "engine/parse/hit_limit_exception.h"
#include "engine/parse/sentence.h"
#include "engine/pipeline/sentence_chain.h"

namespace {

EnglishTokens const sEnglishTokens;

void Check(bool condition) {
    if (!condition) __builtin_trap();
}

void CheckSentence(std::vector<PreparsedWord> const& words, std::vector<PreparseSense> const& senses,
                   std::vector<ExtraChartWord> const& extra) {
    uint16_t previousStart = 0;
    for (PreparsedWord const& word : words) {
        Check(word.fStart <= word.fEnd);
        Check(word.fStart >= previousStart);
        previousStart = word.fStart;
    }
    for (PreparseSense const& sense : senses)
        Check(sense.fFirstWord < sense.fLastWord && sense.fLastWord < words.size());
    for (ExtraChartWord const& word : extra) Check(word.fFirst <= word.fLast && word.fLast < words.size());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(uint8_t const* data, std::size_t size) {
    std::string const text(reinterpret_cast<char const*>(data), size);
    SentenceChain chain(text);
    for (;;) {
        PreparsedSentence preparsed;
        try {
            if (!PreparseNextSentence(chain, nullptr, &preparsed)) break;
        } catch (HitLimitException const&) {
            continue;  // a sentence too long for its offsets is given up
        }
        CheckSentence(preparsed.words, preparsed.senses, preparsed.extra);
        Sentence sentence{SentenceUserOptions()};
        sentence.SetSourceTokens(preparsed.tokens, &chain.Strings());
        sentence.SetPreparsedWords(preparsed.words, preparsed.senses, preparsed.extra, false);
        if (!preparsed.words.empty()) sentence.MakeETrans(0, preparsed.words.size() - 1);
    }
    return 0;
}
