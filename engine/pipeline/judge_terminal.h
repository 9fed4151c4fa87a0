#pragma once
// The end of a judging chain: it reads only sentence ends and turns each into
// a ScanIF record of the sentence's byte span, counting the Shift-JIS bytes
// of the texts of the sentence's tokens.
#include <cstdint>
#include <vector>

#include "engine/pipeline/pipeline_stages.h"
#include "engine/pipeline/scan_if.h"

class SentenceTokensDatabase;

class ZRTerminalConsumer : public TerminalConsumer {
public:
    // None of the arguments is owned; records are appended to sentences,
    // which owns them from then on.
    ZRTerminalConsumer(Producer* upstream, TokenStringDatabase* strings, SentenceTokensDatabase* sentenceTokens,
                       std::vector<ScanIF*>* sentences);

    // One sentence: its record appended unless it is empty or was skipped.
    // False when the run is over: at the end of the text, or on a failure.
    bool ConsumeSome() override;
    // True when the run ended on anything but the end of the text: a stop,
    // a sentence whose tokens are not filed, or an error in a stage.  The
    // records appended then do not cover the text.
    bool Failed() const { return fFailed; }

    // Pulls up to the next sentence end and fills s; *skipped when the
    // sentence was skipped.  False at the end of the text or on a failure.
    bool ConsumeSentence(ScanIF* s, bool* skipped);
    // Where the sentence the end token closes ends: fOffset plus the bytes of
    // its tokens' texts.  False when its tokens are not filed.
    virtual bool GetSentenceEnd(Token token, uint32_t* end);

private:
    SentenceTokensDatabase* fSentenceTokens;
    std::vector<ScanIF*>* fSentences;
    uint32_t fOffset = 0;
    bool fFailed = false;
};
