#include "engine/pipeline/basic_translator.h"

#include <stdexcept>

#include "engine/pipeline/sentence_options_mapping.h"

BasicTranslator::BasicTranslator(Producer* source, TerminalConsumer* terminal, BasicTranslationOptions const& options)
    : fOptions(options), fSource(source), fTerminal(terminal) {
    SetTokenizer(nullptr);
    SetSentenceEnder(nullptr);
    SetSentenceRetriever(nullptr);
    SetEtoJTranslator(nullptr);
    SetDigitConverter(nullptr);
    SetMeasureUnitSplitter(nullptr);
    fSentenceOptions = MapSentenceUserOptions(fOptions);
}

BasicTranslator::~BasicTranslator() {
    // Owned stages go in this order, then the stores.
    fTokenizer.owned.reset();
    fSentenceEnder.owned.reset();
    fSentenceRetriever.owned.reset();
    fTranslator.owned.reset();
    fDigitConverter.owned.reset();
    fMeasureUnitSplitter.owned.reset();
}

template <class Stage, class MakeDefault>
void BasicTranslator::Install(Slot<Stage>& slot, Stage* stage, MakeDefault makeDefault) {
    if (stage != nullptr && stage == slot.stage) return;
    std::unique_ptr<Stage> made;
    if (stage == nullptr) {
        made = makeDefault();
        stage = made.get();
    }
    slot.owned = std::move(made);
    slot.stage = stage;
    fLinked = false;
}

void BasicTranslator::SetTokenizer(LexTokenizer* stage) {
    Install(fTokenizer, stage, [] { return std::make_unique<LexTokenizer>(nullptr, nullptr, nullptr, nullptr); });
}

void BasicTranslator::SetSentenceEnder(EnglishSentenceEnder* stage) {
    Install(fSentenceEnder, stage,
            []() -> std::unique_ptr<EnglishSentenceEnder> { return std::make_unique<EnglishSentenceEndFinder>(); });
}

void BasicTranslator::SetSentenceRetriever(SentenceRetriever* stage) {
    Install(fSentenceRetriever, stage, [] { return std::make_unique<SentenceRetriever>(nullptr, nullptr, nullptr); });
}

void BasicTranslator::SetEtoJTranslator(EtoJTranslator* stage) {
    Install(fTranslator, stage, [] { return std::make_unique<EtoJTranslator>(); });
}

void BasicTranslator::SetDigitConverter(DigitConverter* stage) {
    Install(fDigitConverter, stage, [] { return std::make_unique<DigitConverter>(nullptr, nullptr, 0, nullptr); });
}

void BasicTranslator::SetMeasureUnitSplitter(MeasureUnitSplitter* stage) {
    Install(fMeasureUnitSplitter, stage,
            [] { return std::make_unique<MeasureUnitSplitter>(nullptr, nullptr, nullptr); });
}

void BasicTranslator::AddHookFilter(int hook, Filter* filter) {
    if (hook < kBeforeTokenizer || hook > kAfterTranslator) throw std::out_of_range("no such hook in the chain");
    fHookFilters[hook - kBeforeTokenizer].push_back(filter);
    fLinked = false;
}

Producer* BasicTranslator::InsertHookFilters(int hook, Producer* upstream) {
    for (Filter* filter : fHookFilters[hook - kBeforeTokenizer]) {
        filter->SetUpstreamProducer(upstream);
        filter->SetTokenCreator(&fTokenCreator);
        filter->SetTokenStringDatabase(&fStrings);
        upstream = filter->AsProducer();
    }
    return upstream;
}

Producer* BasicTranslator::InsertFiltersBeforeTokenizer(Producer* upstream) {
    return InsertHookFilters(kBeforeTokenizer, upstream);
}

Producer* BasicTranslator::InsertFiltersAfterTokenizer(Producer* upstream) {
    return InsertHookFilters(kAfterTokenizer, upstream);
}

Producer* BasicTranslator::InsertFiltersBeforeTranslator(Producer* upstream) {
    return InsertHookFilters(kBeforeTranslator, upstream);
}

Producer* BasicTranslator::InsertFiltersAfterTranslator(Producer* upstream) {
    return InsertHookFilters(kAfterTranslator, upstream);
}

void BasicTranslator::LinkTogetherChainOnce() {
    if (fSource != nullptr) {
        fSource->SetTokenCreator(&fTokenCreator);
        fSource->SetTokenStringDatabase(&fStrings);
    }

    LexTokenizer* tokenizer = fTokenizer.stage;
    tokenizer->SetUpstreamProducer(InsertFiltersBeforeTokenizer(fSource));
    tokenizer->SetTokenCreator(&fTokenCreator);
    tokenizer->SetTokenStringDatabase(&fStrings);

    MeasureUnitSplitter* splitter = fMeasureUnitSplitter.stage;
    splitter->SetUpstreamProducer(ProducerOf(tokenizer));
    splitter->SetTokenCreator(&fTokenCreator);
    splitter->SetTokenStringDatabase(&fStrings);

    EnglishSentenceEnder* ender = fSentenceEnder.stage;
    ender->SetUpstreamProducer(InsertFiltersAfterTokenizer(ProducerOf(splitter)));
    ender->SetDictionaries(fOptions.fDictionaries);
    ender->SetTokenCreator(&fTokenCreator);
    ender->SetTokenStringDatabase(&fStrings);
    ender->SetMarkedSerials(&fMarkedSerials);

    SentenceRetriever* retriever = fSentenceRetriever.stage;
    retriever->SetUpstreamProducer(ProducerOf(ender));
    retriever->SetTokenCreator(&fTokenCreator);
    retriever->SetTokenStringDatabase(&fStrings);
    retriever->SetSentenceTokensDatabase(&fSentences);

    EtoJTranslator* translator = fTranslator.stage;
    translator->SetUpstreamProducer(InsertFiltersBeforeTranslator(ProducerOf(retriever)));
    translator->SetTokenCreator(&fTokenCreator);
    translator->SetTokenStringDatabase(&fStrings);
    translator->SetDictionary(fOptions.fDictionaries);
    translator->SetSentenceTokensDatabase(&fSentences);
    translator->SetDictSourceDatabase(&fDictSources);
    translator->SetSentenceUserOptions(fSentenceOptions);
    translator->SetPreparserTokenSet(&fMarkedSerials);

    DigitConverter* digits = fDigitConverter.stage;
    digits->SetUpstreamProducer(ProducerOf(translator));
    digits->SetTokenStringDatabase(&fStrings);

    if (fTerminal != nullptr) fTerminal->SetUpstreamProducer(InsertFiltersAfterTranslator(ProducerOf(digits)));
}

void BasicTranslator::SetOptionsIntoGlobals() {
    if (fTranslator.stage == nullptr) SetEtoJTranslator(nullptr);
    fTranslator.stage->SetOptionFlags(fOptions.fUserDictPreferred, fOptions.fPOSPreferred, fOptions.fDocument == 1);
    fDigitConverter.stage->SetMode(fSentenceOptions.fNumericMode);
}

void BasicTranslator::LinkTogetherChainIfNeeded() {
    if (fLinked) return;
    LinkTogetherChainOnce();
    fLinked = true;
}

void BasicTranslator::TranslateAllDeferringGlobalSetting() {
    LinkTogetherChainIfNeeded();
    AboutToTranslate();
    if (fTerminal == nullptr) throw std::logic_error("translation chain has no terminal stage");
    while (fTerminal->ConsumeSome()) {
    }
}

void BasicTranslator::TranslateAll() {
    SetOptionsIntoGlobals();
    TranslateAllDeferringGlobalSetting();
}
