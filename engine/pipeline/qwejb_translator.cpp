#include "engine/pipeline/qwejb_translator.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "engine/foundation/sjis_wide_text.h"
#include "engine/foundation/token_string_database.h"
#include "engine/foundation/token_types.h"
#include "engine/pipeline/translation_globals.h"
#include "engine/pipeline/user_canceled.h"
#include "platform/clock/tick_count.h"

// ---- Source ------------------------------------------------------------------

MyProducer::MyProducer(MemoryTranslationSource* source, TokenCreator* creator) : fSource(source) {
    fTokenCreator = creator;
}

void MyProducer::InjectSpecialTokensAtPosition(unsigned long /*position*/) {}

Token MyProducer::Produce() {
    if (gStop.load() != 0 || fTerminated) throw UserCanceledException();
    if (fQueue.empty()) {
        if (!fRead) {
            std::string text;
            if (fSource != nullptr) fSource->ReadCharacters(&text);
            SetText(std::move(text));
            fRead = true;
        }
        InjectSpecialTokensAtPosition(GetPosition());
        fQueue.push_back(CharacterTokenProducer::Produce());
    }
    Token const token = fQueue.front();
    fQueue.pop_front();
    return token;
}

// ---- Terminal ------------------------------------------------------------------

namespace {

// Ticks between notices from a frequency; a negative or undefined one gives
// none, a huge one the largest interval.
uint32_t IntervalFromFrequency(float frequency) {
    if (!(frequency >= 0.0f)) return 0;
    double const ticks = static_cast<double>(frequency) * 1000.0;
    if (ticks >= 4294967295.0) return 0xFFFFFFFFu;
    return static_cast<uint32_t>(ticks);
}

// The span covering every token of tokens found in map; false when none is.
bool SpanOf(std::vector<Token> const& tokens, std::map<uint32_t, DSExtent> const& map, Word_X* word) {
    bool found = false;
    uint32_t start = 0;
    uint32_t end = 0;
    for (Token token : tokens) {
        auto const at = map.find(TokenSerialOf(token));
        if (at == map.end()) continue;
        uint32_t const spanEnd = at->second.start + at->second.length;
        if (!found) {
            start = at->second.start;
            end = spanEnd;
            found = true;
        } else {
            start = std::min(start, at->second.start);
            end = std::max(end, spanEnd);
        }
    }
    word->start = start;
    word->length = end - start;
    return found;
}

}  // namespace

MyTerminalConsumer::MyTerminalConsumer(MemoryTranslationSink* sink, Producer* upstream, TokenStringDatabase* strings,
                                       MyProducer* producer, SimpleTranslationProgress* progress, CPostEdit* postEdit)
    : TerminalConsumer(upstream), fProducer(producer), fSink(sink), fProgress(progress), fPostEdit(postEdit) {
    fTokenStringDatabase = strings;
    if (fProgress != nullptr) {
        float frequency = -1.0f;
        fProgress->get_NotificationFrequency(&frequency);
        fInterval = IntervalFromFrequency(frequency);
    }
}

void MyTerminalConsumer::TokensToStringNMap(std::vector<Token> const& tokens, std::string* out,
                                            std::map<uint32_t, DSExtent>* map) const {
    for (Token token : tokens) {
        std::wstring text;
        if (fTokenStringDatabase == nullptr || !fTokenStringDatabase->Find(token, &text)) continue;
        std::string const bytes = EncodeSJISLenient(text.data(), text.size());
        if (map != nullptr) {
            DSExtent extent;
            extent.start = static_cast<uint32_t>(out->size());
            extent.length = static_cast<uint32_t>(bytes.size());
            map->emplace(TokenSerialOf(token), extent);
        }
        *out += bytes;
    }
}

bool MyTerminalConsumer::ConsumeSome() {
    if (fUpstream == nullptr) throw std::logic_error("terminal stage has no upstream stage");
    std::vector<Token> tokens;
    tokens.reserve(100);
    for (;;) {
        // The stages before may have read all of the source already, so the
        // stop flag is also looked at here, sentence by sentence.
        if (fTerminated || gStop.load() != 0) throw UserCanceledException();
        Token const token = fUpstream->Produce();
        TokenTypeID const type = TokenTypeOf(token);
        if (type == kEOFTokenType) {
            // What no stage ended is written as it stands, never dropped.
            WriteLeftover(tokens);
            if (fProducer != nullptr) fCharactersTranslated = fProducer->GetReadOffset();
            if (fProgress != nullptr) fProgress->NoteBytesProcessed(static_cast<int>(fCharactersTranslated));
            return false;
        }
        tokens.push_back(token);
        if (type == EnglishTokens::kEndOfSentence) {
            WriteSentence(tokens);
            tokens.clear();
        }
    }
}

void MyTerminalConsumer::WriteLeftover(std::vector<Token> const& tokens) {
    std::string text;
    TokensToStringNMap(tokens, &text, nullptr);
    if (!text.empty() && fSink != nullptr) fSink->WriteCharacters(text);
}

void MyTerminalConsumer::ReadSentence(std::vector<Token> const& tokens, std::string* target, std::string* source,
                                      CPostEdit* postEdit) const {
    Token const end = tokens.back();
    target->reserve(1024);
    std::map<uint32_t, DSExtent> targetMap;
    TokensToStringNMap(tokens, target, &targetMap);

    std::vector<Token> sourceTokens;
    if (fSentences != nullptr) fSentences->Find(end, &sourceTokens);
    std::map<uint32_t, DSExtent> sourceMap;
    TokensToStringNMap(sourceTokens, source, &sourceMap);

    std::vector<TokenDictSource> sources;
    if (postEdit == nullptr) return;
    postEdit->Clear();
    postEdit->fSentenceSource = *source;
    postEdit->fSentenceTarget = *target;
    if (fDictSources == nullptr || !fDictSources->Find(TokenSerialOf(end), &sources)) return;
    for (TokenDictSource const& record : sources) {
        uint32_t const entry = static_cast<uint32_t>(postEdit->fEntries.size());
        Word_X sourceWord;
        SpanOf(record.fSourceTokens, sourceMap, &sourceWord);
        sourceWord.pos = record.fEnglishPOS;
        Word_X targetWord;
        bool const hasTarget = SpanOf(record.fOutputTokens, targetMap, &targetWord);
        // Entries are kept only for words with Japanese; a word without
        // names none, or it would take the next word's.
        sourceWord.entry = hasTarget ? entry : Word_X::kNoEntry;
        postEdit->fSourceWords.push_back(sourceWord);
        if (!hasTarget) continue;
        targetWord.pos = record.fJapanesePOS;
        targetWord.entry = entry;
        postEdit->fTargetWords.push_back(targetWord);
        SharedWordEntry_X shared;
        shared.dictionary = static_cast<int16_t>(record.fDictionaryID);
        shared.translationLength = record.fTranslationLength;
        postEdit->fEntries.push_back(shared);
    }
    TakeInEndings(postEdit->fTargetWords, static_cast<uint32_t>(target->size()));
}

void MyTerminalConsumer::WriteSentence(std::vector<Token> const& tokens) {
    std::string target;
    std::string source;
    ReadSentence(tokens, &target, &source, fPostEdit);
    if (fSink != nullptr) fSink->MemoryTranslateSourceSize(static_cast<long>(source.size()));
    if (fSink != nullptr) fSink->WriteCharacters(target);
    // Progress counts the characters of the sentences written: the stages
    // before the terminal may have read far ahead of them.
    fCharactersTranslated += static_cast<uint32_t>(DecodeSJISLenient(source).size());
    if (fProducer != nullptr) fCharactersTranslated = std::min(fCharactersTranslated, fProducer->GetReadOffset());
    NoteProgress();
}

void MyTerminalConsumer::NoteProgress() {
    if (fProgress == nullptr) return;
    uint32_t const now = TickCount();
    if (fNotified && !TickReached(now, fLastTick, fInterval)) return;
    fProgress->NoteBytesProcessed(static_cast<int>(fCharactersTranslated));
    fLastTick = now;
    fNotified = true;
}

// ---- Translator ------------------------------------------------------------------

QWEJBTranslator::QWEJBTranslator(MemoryTranslationSource* source, MemoryTranslationSink* sink,
                                 SimpleTranslationProgress* progress, BasicTranslationOptions const& options,
                                 CPostEdit* postEdit)
    : BasicTranslator(&fProducer, &fTerminal, options),
      fProducer(source, GetTokenCreator()),
      fPOSRetriever(ProducerOf(GetEtoJTranslator()), GetTokenCreator(), &GetSentenceTokensDatabase(), &fPOSDatabase),
      fTerminal(sink, ProducerOf(&fPOSRetriever), &GetTokenStringDatabase(), &fProducer, progress, postEdit) {
    GetEtoJTranslator()->SetMissingWordSet(&fMissingWordSerials);
    GetEtoJTranslator()->SetWordCheckOnly(false);
    fTerminal.SpecifyDictSourceDatabase(&GetDictSourceDatabase());
    fTerminal.SpecifySentenceDatabase(&GetSentenceTokensDatabase());
}

void QWEJBTranslator::LinkTogetherChainOnce() {
    BasicTranslator::LinkTogetherChainOnce();
    if (GetEtoJTranslator() == nullptr) SetEtoJTranslator(nullptr);
    GetEtoJTranslator()->SetMissingWordSet(&fMissingWordSerials);
    GetEtoJTranslator()->SetWordCheckOnly(false);
}

Producer* QWEJBTranslator::InsertFiltersAfterTranslator(Producer* upstream) {
    fPOSRetriever.SetUpstreamProducer(BasicTranslator::InsertFiltersAfterTranslator(upstream));
    return ProducerOf(&fPOSRetriever);
}

void QWEJBTranslator::Terminate() {
    fTerminated = true;
    fProducer.Terminate();
    fTerminal.Terminate();
}
