#pragma once
// One translation chain: its stages, linked once in a fixed order with four
// hook points for more filters, the stores its stages share, and the options
// of the run mapped onto the per-sentence options.
//
// Order, upstream to downstream:
//   source, [hook 3], tokenizer, measure-unit splitter, [hook 4],
//   sentence ender, sentence retriever, [hook 5], translator,
//   digit converter, [hook 6], terminal.
#include <cstdint>
#include <memory>
#include <set>
#include <vector>

#include "engine/foundation/token_string_database.h"
#include "engine/pipeline/basic_translation_options.h"
#include "engine/pipeline/compound_token_database.h"
#include "engine/pipeline/digit_converter.h"
#include "engine/pipeline/english_sentence_end_finder.h"
#include "engine/pipeline/etoj_translator.h"
#include "engine/pipeline/lex_tokenizer.h"
#include "engine/pipeline/measure_unit_splitter.h"
#include "engine/pipeline/sentence_retriever.h"
#include "engine/pipeline/sentence_user_options.h"
#include "engine/pipeline/token_dict_source.h"

class BasicTranslator {
public:
    // The hook points, numbered as in the order above.
    enum Hook : int {
        kBeforeTokenizer = 3,
        kAfterTokenizer = 4,
        kBeforeTranslator = 5,
        kAfterTranslator = 6,
    };

    // Source and terminal stay with the caller.  Every stage slot gets its
    // default stage; a default stage that cannot be made leaves nothing
    // behind.
    BasicTranslator(Producer* source, TerminalConsumer* terminal, BasicTranslationOptions const& options);
    virtual ~BasicTranslator();
    BasicTranslator(BasicTranslator const&) = delete;
    BasicTranslator& operator=(BasicTranslator const&) = delete;

    // Each setter frees the default (owned) stage it replaces and installs
    // the given one, not owned; null installs a new default stage.  Installing
    // the stage a slot already holds changes nothing.  The chain is linked
    // again before the next translation.
    void SetTokenizer(LexTokenizer* stage);
    void SetSentenceEnder(EnglishSentenceEnder* stage);
    void SetSentenceRetriever(SentenceRetriever* stage);
    void SetEtoJTranslator(EtoJTranslator* stage);
    void SetDigitConverter(DigitConverter* stage);
    void SetMeasureUnitSplitter(MeasureUnitSplitter* stage);

    LexTokenizer* GetTokenizer() const { return fTokenizer.stage; }
    EnglishSentenceEnder* GetSentenceEnder() const { return fSentenceEnder.stage; }
    SentenceRetriever* GetSentenceRetriever() const { return fSentenceRetriever.stage; }
    EtoJTranslator* GetEtoJTranslator() const { return fTranslator.stage; }
    DigitConverter* GetDigitConverter() const { return fDigitConverter.stage; }
    MeasureUnitSplitter* GetMeasureUnitSplitter() const { return fMeasureUnitSplitter.stage; }

    // Adds a filter (not owned) at a hook point, after those added before;
    // the base hooks put them into the chain.  A hook that is not one of the
    // four throws std::out_of_range.
    void AddHookFilter(int hook, Filter* filter);

    void LinkTogetherChainIfNeeded();
    // Links if needed, prepares, then runs the terminal until it reports that
    // nothing is left.  Exceptions of the stages pass out.
    void TranslateAllDeferringGlobalSetting();
    // Sets the options into the stages first.
    void TranslateAll();

    BasicTranslationOptions const& GetOptions() const { return fOptions; }
    SentenceUserOptions const& GetSentenceUserOptions() const { return fSentenceOptions; }
    TokenCreator GetTokenCount() const { return fTokenCreator; }
    TokenStringDatabase& GetTokenStringDatabase() { return fStrings; }
    SentenceTokensDatabase& GetSentenceTokensDatabase() { return fSentences; }
    DictSourceDatabase& GetDictSourceDatabase() { return fDictSources; }
    std::set<uint32_t>& GetMarkedSerials() { return fMarkedSerials; }

protected:
    virtual void AboutToTranslate() {}
    virtual void SetOptionsIntoGlobals();
    virtual void LinkTogetherChainOnce();
    // Each returns the producer the next stage reads from: its argument, or
    // the last filter put behind it.
    virtual Producer* InsertFiltersBeforeTokenizer(Producer* upstream);
    virtual Producer* InsertFiltersAfterTokenizer(Producer* upstream);
    virtual Producer* InsertFiltersBeforeTranslator(Producer* upstream);
    virtual Producer* InsertFiltersAfterTranslator(Producer* upstream);

    Producer* GetSource() const { return fSource; }
    TerminalConsumer* GetTerminal() const { return fTerminal; }
    TokenCreator* GetTokenCreator() { return &fTokenCreator; }

private:
    // A stage and, when the chain made it itself, its ownership.
    template <class Stage>
    struct Slot {
        Stage* stage = nullptr;
        std::unique_ptr<Stage> owned;
    };
    template <class Stage, class MakeDefault>
    void Install(Slot<Stage>& slot, Stage* stage, MakeDefault makeDefault);
    Producer* InsertHookFilters(int hook, Producer* upstream);

    BasicTranslationOptions fOptions;
    bool fLinked = false;
    Producer* fSource;
    TerminalConsumer* fTerminal;
    TokenCreator fTokenCreator = 0;
    TokenStringDatabase fStrings;
    SentenceTokensDatabase fSentences;
    std::set<uint32_t> fMarkedSerials;
    DictSourceDatabase fDictSources;
    SentenceUserOptions fSentenceOptions;
    std::vector<Filter*> fHookFilters[4];
    // Declared last, so stages go before the stores they point into.
    Slot<LexTokenizer> fTokenizer;
    Slot<EnglishSentenceEnder> fSentenceEnder;
    Slot<SentenceRetriever> fSentenceRetriever;
    Slot<EtoJTranslator> fTranslator;
    Slot<DigitConverter> fDigitConverter;
    Slot<MeasureUnitSplitter> fMeasureUnitSplitter;
};
