#pragma once
// The translator stage of the chain: it takes one sentence's tokens at a time
// and hands on the translation's tokens, followed by the sentence's end token.
//
// The sentence-level work (preparsing, parsing, transfer, generation) plugs in
// through Translate; without it every sentence takes the untranslated road:
// its tokens are handed on unchanged, with an empty dictionary-source list.
#include <cstdint>
#include <deque>
#include <set>
#include <vector>

#include "engine/foundation/dictionary.h"
#include "engine/pipeline/pipeline_stages.h"
#include "engine/pipeline/sentence_user_options.h"
#include "engine/pipeline/token_dict_source.h"

class CompoundTokenDatabase;
class SentenceTokensDatabase;

class EtoJTranslator : public Filter {
public:
    EtoJTranslator();

    void SetDictionary(std::vector<Dictionary_EX> const& dictionaries) { fDictionaries = dictionaries; }
    std::vector<Dictionary_EX> const& GetDictionary() const { return fDictionaries; }

    // The three flags the chain copies from the translation options.
    void SetOptionFlags(bool userDictPreferred, bool posPreferred, bool documentMode);
    bool GetUserDictPreferred() const { return fUserDictPreferred; }
    bool GetPOSPreferred() const { return fPOSPreferred; }
    bool GetDocumentMode() const { return fDocumentMode; }

    void SetSentenceUserOptions(SentenceUserOptions const& options) { fOptions = options; }
    SentenceUserOptions const& GetSentenceUserOptions() const { return fOptions; }

    // The chain's stores and sets; none is owned, each may be null.
    void SetSentenceTokensDatabase(SentenceTokensDatabase* sentences) { fSentences = sentences; }
    void SetDictSourceDatabase(DictSourceDatabase* sources) { fDictSources = sources; }
    void SetCompoundTokenDatabase(CompoundTokenDatabase* compounds) { fCompoundTokens = compounds; }
    void SetPreparserTokenSet(std::set<uint32_t>* serials) { fPreparserTokens = serials; }
    void SetMissingWordSet(std::set<uint32_t>* serials) { fMissingWords = serials; }
    // When set, sentences are only looked up for missing words, never translated.
    void SetWordCheckOnly(bool on) { fWordCheckOnly = on; }
    bool GetWordCheckOnly() const { return fWordCheckOnly; }

    Token Produce() override;

protected:
    // Translates one sentence into *out with its dictionary sources; false
    // leaves the sentence untranslated.  This frame translates nothing.
    virtual bool Translate(std::vector<Token>* out, std::vector<TokenDictSource>* sources, bool quick,
                           std::vector<Token> const& source);

    // Pulls the tokens of one sentence, through its end token (or EOF);
    // *translate is false for what cannot be translated.
    void ConsumeSentenceTokens(std::vector<Token>* tokens, bool* translate, bool* quick);
    void EnsureQueueNotEmpty();
    void SetDictionarySources(Token sentenceEnd, std::vector<TokenDictSource> const& sources);

    std::deque<Token> fOutputQueue;
    SentenceTokensDatabase* fSentences = nullptr;
    DictSourceDatabase* fDictSources = nullptr;
    CompoundTokenDatabase* fCompoundTokens = nullptr;
    std::set<uint32_t>* fPreparserTokens = nullptr;
    std::set<uint32_t>* fMissingWords = nullptr;
    std::vector<Dictionary_EX> fDictionaries;
    SentenceUserOptions fOptions;

private:
    bool fUserDictPreferred = false;
    bool fPOSPreferred = false;
    bool fDocumentMode = false;
    bool fWordCheckOnly = false;
};
