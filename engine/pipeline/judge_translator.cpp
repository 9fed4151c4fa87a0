#include "engine/pipeline/judge_translator.h"

#include <utility>

ZRJudgeTranslator::ZRJudgeTranslator(std::string text, std::vector<ScanIF*>* sentences,
                                     BasicTranslationOptions const& options)
    : BasicTranslator(&fProducer, &fTerminal, options),
      fProducer(std::move(text)),
      fScanner(ProducerOf(GetSentenceRetriever()), GetTokenCreator()),
      fTerminal(fScanner.AsProducer(), &GetTokenStringDatabase(), &GetSentenceTokensDatabase(), sentences) {
    PrepareTranslatorStage();
    GetEtoJTranslator()->SetWordCheckOnly(false);
}

void ZRJudgeTranslator::PrepareTranslatorStage() {
    if (GetEtoJTranslator() == nullptr) SetEtoJTranslator(nullptr);
    GetEtoJTranslator()->SetMissingWordSet(&fMissingWordSerials);
}

void ZRJudgeTranslator::LinkTogetherChainOnce() {
    BasicTranslator::LinkTogetherChainOnce();
    PrepareTranslatorStage();
    // Never pulled; should anything pull it, it only collects missing words.
    GetEtoJTranslator()->SetWordCheckOnly(true);
    fScanner.SetUpstreamProducer(ProducerOf(GetSentenceRetriever()));
    fScanner.SetTokenCreator(GetTokenCreator());
}

Producer* ZRJudgeTranslator::InsertFiltersAfterTranslator(Producer* upstream) {
    BasicTranslator::InsertFiltersAfterTranslator(upstream);
    return fScanner.AsProducer();
}
