#include "engine/pipeline/judge_terminal.h"

#include <limits>
#include <memory>
#include <stdexcept>
#include <string>

#include "engine/foundation/sjis_wide_text.h"
#include "engine/foundation/token_string_database.h"
#include "engine/foundation/token_types.h"
#include "engine/pipeline/compound_token_database.h"

ZRTerminalConsumer::ZRTerminalConsumer(Producer* upstream, TokenStringDatabase* strings,
                                       SentenceTokensDatabase* sentenceTokens, std::vector<ScanIF*>* sentences)
    : TerminalConsumer(upstream), fSentenceTokens(sentenceTokens), fSentences(sentences) {
    fTokenStringDatabase = strings;
}

bool ZRTerminalConsumer::ConsumeSome() {
    try {
        auto record = std::make_unique<ScanIF>();
        bool skipped = false;
        if (!ConsumeSentence(record.get(), &skipped)) return false;
        // A sentence made only of tokens without text (an end marker the
        // finder inserted) covers no byte; it is passed over and the run goes
        // on, so that the records still cover the text.
        if (skipped || record->end == record->start) return true;
        if (fSentences != nullptr) {
            fSentences->push_back(record.get());
            record.release();
        }
        return true;
    } catch (...) {
        fFailed = true;
        return false;
    }
}

bool ZRTerminalConsumer::ConsumeSentence(ScanIF* s, bool* skipped) {
    if (fUpstream == nullptr) throw std::logic_error("judging terminal has no upstream stage");
    s->start = fOffset;
    s->end = fOffset;
    Token token = 0;
    for (;;) {
        token = fUpstream->Produce();
        TokenTypeID const type = TokenTypeOf(token);
        if (type == EnglishTokens::kEndOfSentence) break;
        if (type == EnglishTokens::kSkippedSent) {
            *skipped = true;
            break;
        }
        if (type == kEOFTokenType) return false;
        if (type == EnglishTokens::kUserCancel) {
            fFailed = true;
            return false;
        }
    }
    uint32_t end = 0;
    if (!GetSentenceEnd(token, &end)) {
        fFailed = true;
        return false;
    }
    s->end = end;
    if (s->end >= s->start) {
        fOffset = s->end;
    } else {
        s->end = s->start;
    }
    return true;
}

bool ZRTerminalConsumer::GetSentenceEnd(Token token, uint32_t* end) {
    *end = 0;
    std::vector<Token> tokens;
    if (fSentenceTokens == nullptr || !fSentenceTokens->Find(token, &tokens)) return false;
    // Nothing reads a sentence's list after its end is counted.
    fSentenceTokens->Erase(token);
    uint64_t bytes = fOffset;
    std::wstring text;
    for (Token part : tokens) {
        if (fTokenStringDatabase == nullptr || !fTokenStringDatabase->Find(part, &text)) continue;
        // Counted whole: a NUL character is a byte of the text too.
        bytes += EncodeSJISLenient(text.data(), text.size()).size();
    }
    if (bytes > std::numeric_limits<uint32_t>::max()) throw std::overflow_error("judged text over 4 GB");
    *end = static_cast<uint32_t>(bytes);
    return true;
}
