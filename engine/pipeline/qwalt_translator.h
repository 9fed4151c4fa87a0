#pragma once
// The alternate-translation road of the facade: the caller's text with the
// user's selected region marked by start and end tokens, the alternate
// translator stage (which hands on the first sentence once per distinct
// translation), and a terminal that stores each copy with its word
// correspondence as an alternative instead of writing the sink.
#include <cstdint>
#include <set>
#include <vector>

#include "engine/pipeline/alt_trans_info.h"
#include "engine/pipeline/etoj_alt_translator.h"
#include "engine/pipeline/qwejb_translator.h"

class AltTranslationProducer : public MyProducer {
public:
    struct SelectionRegion {
        uint32_t start;  // characters of the source text
        uint32_t end;
    };

    using MyProducer::MyProducer;
    // Nested regions open longest first and close shortest first.
    void GenerateSelectionRegionTokens(std::vector<SelectionRegion> const& regions);

protected:
    void InjectSpecialTokensAtPosition(unsigned long position) override;

private:
    std::vector<SelectionRegion> fRegions;
    // Each region's tokens are made once, however often the end of the
    // text is read.
    std::vector<bool> fStarted;
    std::vector<bool> fEnded;
};

class AltTranslationTerminalConsumer : public MyTerminalConsumer {
public:
    AltTranslationTerminalConsumer(MemoryTranslationSink* sink, Producer* upstream, TokenStringDatabase* strings,
                                   MyProducer* producer, SimpleTranslationProgress* progress,
                                   BasicTranslationOptions const* options, unsigned short maxAlternates,
                                   AltTransInfo* info);

protected:
    void WriteSentence(std::vector<Token> const& tokens) override;

private:
    BasicTranslationOptions const* fOptions;
    unsigned short fMaxAlternates;
    AltTransInfo* fInfo;
};

class QWAltTranslator : public BasicTranslator {
public:
    // A selection with either end at 0xFFFF (as 16 bits) is no selection.
    QWAltTranslator(MemoryTranslationSource* source, MemoryTranslationSink* sink, SimpleTranslationProgress* progress,
                    BasicTranslationOptions const& options, short selStart, short selEnd, unsigned short maxAlternates,
                    AltTransInfo* info);

    void Terminate();
    uint32_t GetInputCharactersTranslated() const { return fTerminal.GetInputCharactersTranslated(); }

protected:
    void LinkTogetherChainOnce() override;
    Producer* InsertFiltersAfterTranslator(Producer* upstream) override;

private:
    AltTranslationProducer fProducer;
    POSRetriever fPOSRetriever;
    AltTranslationTerminalConsumer fTerminal;
    std::set<uint32_t> fMissingWordSerials;
    POSDatabase fPOSDatabase;
    bool fTerminated = false;
    EtoJAltTranslator fStage;
};
