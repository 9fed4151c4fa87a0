#pragma once
// The chain that judges where the sentences of a text begin and end, with the
// tokenizer and sentence-end finder a translation uses:
//   source, tokenizer, measure-unit splitter, sentence-end finder, sentence
//   retriever, end scanner, terminal.
// The translator stage is linked behind the retriever but never pulled.
#include <cstdint>
#include <set>
#include <string>
#include <vector>

#include "engine/pipeline/basic_translator.h"
#include "engine/pipeline/judge_terminal.h"
#include "engine/pipeline/scan_if.h"
#include "engine/pipeline/sentence_end_scanner.h"
#include "engine/pipeline/text_stages.h"

class ZRJudgeTranslator : public BasicTranslator {
public:
    // text in Shift-JIS; the records are appended to sentences.
    ZRJudgeTranslator(std::string text, std::vector<ScanIF*>* sentences, BasicTranslationOptions const& options);

    // After TranslateAll: the run did not reach the end of the text.
    bool Failed() const { return fTerminal.Failed(); }

protected:
    void LinkTogetherChainOnce() override;
    // The terminal reads the end scanner, whatever comes after the translator.
    Producer* InsertFiltersAfterTranslator(Producer* upstream) override;

private:
    void PrepareTranslatorStage();

    CharacterTokenProducer fProducer;
    SentenceEndScanner fScanner;
    ZRTerminalConsumer fTerminal;
    std::set<uint32_t> fMissingWordSerials;
};
