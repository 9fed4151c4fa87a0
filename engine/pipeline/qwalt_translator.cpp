#include "engine/pipeline/qwalt_translator.h"

#include <algorithm>

#include "engine/foundation/token_types.h"

// ---- Source ------------------------------------------------------------------

void AltTranslationProducer::GenerateSelectionRegionTokens(std::vector<SelectionRegion> const& regions) {
    fRegions = regions;
    // Longest first; a reversed region counts as longest (unsigned length).
    std::stable_sort(fRegions.begin(), fRegions.end(), [](SelectionRegion const& a, SelectionRegion const& b) {
        return a.end - a.start > b.end - b.start;
    });
    fStarted.assign(fRegions.size(), false);
    fEnded.assign(fRegions.size(), false);
}

void AltTranslationProducer::InjectSpecialTokensAtPosition(unsigned long /*position*/) {
    uint32_t const at = GetReadOffset();
    for (std::size_t i = 0; i < fRegions.size(); ++i) {
        if (fStarted[i] || fRegions[i].start != at) continue;
        fStarted[i] = true;
        fQueue.push_back(NewToken(fTokenCreator, EnglishTokens::kStartSelectionRegion));
    }
    for (std::size_t i = fRegions.size(); i-- > 0;) {
        if (fEnded[i] || fRegions[i].end != at) continue;
        fEnded[i] = true;
        fQueue.push_back(NewToken(fTokenCreator, EnglishTokens::kEndSelectionRegion));
    }
}

// ---- Terminal ------------------------------------------------------------------

AltTranslationTerminalConsumer::AltTranslationTerminalConsumer(MemoryTranslationSink* sink, Producer* upstream,
                                                               TokenStringDatabase* strings, MyProducer* producer,
                                                               SimpleTranslationProgress* progress,
                                                               BasicTranslationOptions const* options,
                                                               unsigned short maxAlternates, AltTransInfo* info)
    : MyTerminalConsumer(sink, upstream, strings, producer, progress, nullptr),
      fOptions(options),
      fMaxAlternates(maxAlternates),
      fInfo(info) {}

void AltTranslationTerminalConsumer::WriteSentence(std::vector<Token> const& tokens) {
    if (fInfo == nullptr || fInfo->Count() >= fMaxAlternates) return;
    auto postEdit = std::make_unique<CPostEdit>(const_cast<BasicTranslationOptions*>(fOptions));
    std::string target;
    std::string source;
    ReadSentence(tokens, &target, &source, postEdit.get());
    fInfo->Append(std::make_unique<AltTransSentence>(std::move(source), std::move(target), std::move(postEdit)));
    if (fProducer != nullptr) fCharactersTranslated = fProducer->GetReadOffset();
    NoteProgress();
}

// ---- Translator ------------------------------------------------------------------

QWAltTranslator::QWAltTranslator(MemoryTranslationSource* source, MemoryTranslationSink* sink,
                                 SimpleTranslationProgress* progress, BasicTranslationOptions const& options,
                                 short selStart, short selEnd, unsigned short maxAlternates, AltTransInfo* info)
    : BasicTranslator(&fProducer, &fTerminal, options),
      fProducer(source, GetTokenCreator()),
      fPOSRetriever(ProducerOf(GetEtoJTranslator()), GetTokenCreator(), &GetSentenceTokensDatabase(), &fPOSDatabase),
      fTerminal(sink, ProducerOf(&fPOSRetriever), &GetTokenStringDatabase(), &fProducer, progress, &options,
                maxAlternates, info) {
    SetEtoJTranslator(&fStage);
    fStage.SetMissingWordSet(&fMissingWordSerials);
    fStage.SetWordCheckOnly(false);
    fTerminal.SpecifyDictSourceDatabase(&GetDictSourceDatabase());
    fTerminal.SpecifySentenceDatabase(&GetSentenceTokensDatabase());
    auto const start = static_cast<uint16_t>(selStart), end = static_cast<uint16_t>(selEnd);
    std::vector<AltTranslationProducer::SelectionRegion> regions;
    if (start < 0xFFFF && end < 0xFFFF) regions.push_back({start, end});
    fProducer.GenerateSelectionRegionTokens(regions);
}

void QWAltTranslator::LinkTogetherChainOnce() {
    if (GetEtoJTranslator() != &fStage) SetEtoJTranslator(&fStage);
    BasicTranslator::LinkTogetherChainOnce();
    fStage.SetMissingWordSet(&fMissingWordSerials);
    fStage.SetWordCheckOnly(false);
}

Producer* QWAltTranslator::InsertFiltersAfterTranslator(Producer* upstream) {
    fPOSRetriever.SetUpstreamProducer(BasicTranslator::InsertFiltersAfterTranslator(upstream));
    return ProducerOf(&fPOSRetriever);
}

void QWAltTranslator::Terminate() {
    fTerminated = true;
    fProducer.Terminate();
    fTerminal.Terminate();
}
