#pragma once
// The normal translation road of the facade: a chain whose source reads the
// caller's text from a memory source, whose terminal writes each finished
// sentence to a memory sink with its word correspondence, and which records
// the part-of-speech settings of each sentence behind the digit converter.
#include <cstdint>
#include <deque>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "engine/pipeline/basic_translator.h"
#include "engine/pipeline/memory_translation.h"
#include "engine/pipeline/pos_retriever.h"
#include "engine/pipeline/post_edit.h"
#include "engine/pipeline/text_stages.h"

// Hands out the memory source's text one character at a time; stops the run
// when the facade's stop flag is set or the road was terminated.
class MyProducer : public CharacterTokenProducer {
public:
    MyProducer(MemoryTranslationSource* source, TokenCreator* creator);

    Token Produce() override;
    void Terminate() { fTerminated = true; }
    // Characters handed out so far.
    uint32_t GetReadOffset() const { return static_cast<uint32_t>(GetPosition()); }

protected:
    // Called before each character; a subclass may queue tokens of its own.
    virtual void InjectSpecialTokensAtPosition(unsigned long position);
    std::deque<Token> fQueue;

private:
    MemoryTranslationSource* fSource;
    bool fRead = false;
    bool fTerminated = false;
};

// A byte span of a Shift-JIS string.
struct DSExtent {
    uint32_t start = 0;
    uint32_t length = 0;
};

class MyTerminalConsumer : public TerminalConsumer {
public:
    MyTerminalConsumer(MemoryTranslationSink* sink, Producer* upstream, TokenStringDatabase* strings,
                       MyProducer* producer, SimpleTranslationProgress* progress, CPostEdit* postEdit);

    void SpecifyDictSourceDatabase(DictSourceDatabase* sources) { fDictSources = sources; }
    void SpecifySentenceDatabase(SentenceTokensDatabase* sentences) { fSentences = sentences; }

    // Pulls until EOF, writing every sentence as its end token arrives, and
    // then what came after the last end unchanged; false (nothing left).
    bool ConsumeSome() override;
    void Terminate() { fTerminated = true; }
    uint32_t GetInputCharactersTranslated() const { return fCharactersTranslated; }

    // The tokens' texts in Shift-JIS, appended to out; each serial's first
    // span in map when map is given.
    void TokensToStringNMap(std::vector<Token> const& tokens, std::string* out,
                            std::map<uint32_t, DSExtent>* map) const;

protected:
    // Called with each sentence's tokens, through its end token.
    virtual void WriteSentence(std::vector<Token> const& tokens);
    // The sentence's Shift-JIS target and source texts, and, when postEdit
    // is given, its word correspondence from the sentence's dictionary
    // sources.
    void ReadSentence(std::vector<Token> const& tokens, std::string* target, std::string* source,
                      CPostEdit* postEdit) const;
    void NoteProgress();

    uint32_t fCharactersTranslated = 0;
    MyProducer* fProducer;

private:
    void WriteLeftover(std::vector<Token> const& tokens);

    MemoryTranslationSink* fSink;
    DictSourceDatabase* fDictSources = nullptr;
    SentenceTokensDatabase* fSentences = nullptr;
    SimpleTranslationProgress* fProgress;
    uint32_t fInterval = 0;
    uint32_t fLastTick = 0;
    bool fNotified = false;
    bool fTerminated = false;
    CPostEdit* fPostEdit;
};

class QWEJBTranslator : public BasicTranslator {
public:
    QWEJBTranslator(MemoryTranslationSource* source, MemoryTranslationSink* sink, SimpleTranslationProgress* progress,
                    BasicTranslationOptions const& options, CPostEdit* postEdit);

    // Any further pull stops the run.
    void Terminate();
    uint32_t GetInputCharactersTranslated() const { return fTerminal.GetInputCharactersTranslated(); }
    std::set<uint32_t> const& GetMissingWordSerials() const { return fMissingWordSerials; }

protected:
    void LinkTogetherChainOnce() override;
    Producer* InsertFiltersAfterTranslator(Producer* upstream) override;

private:
    MyProducer fProducer;
    POSRetriever fPOSRetriever;
    MyTerminalConsumer fTerminal;
    std::set<uint32_t> fMissingWordSerials;
    POSDatabase fPOSDatabase;
    bool fTerminated = false;
};
