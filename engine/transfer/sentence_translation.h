#pragma once
// The translator stage's sentence work: one sentence at a time it is built
// over the rewriting composite of the stage's dictionaries, preparsed, given
// its chart, parsed, scored, and its best tree transferred and read off as
// Japanese tokens.  A parse that reaches a limit is tried again at a higher
// speed; whatever cannot be translated passes through as its English.
#include <functional>
#include <string>
#include <vector>

#include "engine/foundation/dictionary.h"
#include "engine/parse/parser.h"
#include "engine/pipeline/etoj_translator.h"

class Sentence;

class EtoJSentenceTranslation : public EtoJSentenceWork {
public:
    // Runs CreateSentenceAndTranslate at the stage's speed and, when a limit
    // is reached, at the higher speeds of the ladder; the speed is restored
    // on every way out.  Only LockAttemptFailed, SilentExitException and
    // UserCanceledException leave; any other failure is an untranslated
    // sentence.
    bool Translate(EtoJTranslator& stage, std::vector<Token>* out, std::vector<TokenDictSource>* sources, bool quick,
                   std::vector<Token> const& source) override;

    // The speed a retry takes after a limit at `speed`; `speed` itself when
    // there is no higher one.
    static uint16_t RaisedSpeed(uint16_t speed);

    // The parser's limits at a speed (the parser's own when unset).
    void SetParserLimits(std::function<ParserLimits(uint16_t speed)> limits) { fLimits = std::move(limits); }

protected:
    virtual bool CreateSentenceAndTranslate(EtoJTranslator& stage, std::vector<Token>* out,
                                            std::vector<TokenDictSource>* sources, bool quick,
                                            std::vector<Token> const& source, bool* notTranslated);
    virtual bool TokensToSentence(EtoJTranslator& stage, Sentence* sentence, std::vector<Token> const& source,
                                  std::wstring const& text, bool quick, Dictionary_EX const& dictionary);
    virtual bool BeforeParse(EtoJTranslator& stage, Sentence* sentence, Dictionary_EX const& dictionary);
    virtual bool TranslateSentence(EtoJTranslator& stage, std::vector<Token>* out,
                                   std::vector<TokenDictSource>* sources, Sentence* sentence,
                                   std::vector<Token> const& source, std::wstring const& text);
    // Whether the parse gave something to translate; *stopped when the user
    // stopped it.
    virtual bool ParseSentence(Sentence* sentence, bool* stopped);
    bool DoTranslateGraph(EtoJTranslator& stage, std::vector<Token>* out, std::vector<TokenDictSource>* sources,
                          Sentence* sentence, std::vector<Token> const& source, std::wstring const& text);
    bool DoTranslate(EtoJTranslator& stage, std::vector<Token>* out, std::vector<TokenDictSource>* sources,
                     Sentence* sentence, std::vector<Token> const& source, std::wstring const& text);
    // The Japanese of the sentence's selected tree and its pieces, both
    // offsets of each in characters (of the Japanese and of text).
    static bool TranslatedText(Sentence* sentence, std::wstring const& text, std::wstring* japanese,
                               std::vector<DICT_SOURCE>* pieces);
    // The texts of the sentence's tokens, joined.
    static std::wstring SentenceText(EtoJTranslator const& stage, std::vector<Token> const& source);
    // Whether the sentence is too long for the 16-bit offsets of the analysis.
    static bool TooLong(std::wstring const& text);
    // The rewriting composite of the stage's dictionaries.
    static Dictionary_EX LookupDictionary(EtoJTranslator const& stage);
    // The Shift-JIS byte offset of character `offset` of the text, kept
    // inside it.
    static uint16_t ByteOffset(std::wstring const& text, uint32_t offset);

private:
    void ApplyPOSSettings(EtoJTranslator const& stage, Sentence* sentence, std::wstring const& text) const;

    std::function<ParserLimits(uint16_t speed)> fLimits;
};

// Makes every translator stage built from now on translate through the
// parser and transfer, and post-editing and learning offer the dictionaries'
// alternate words.
void InstallSentenceTranslation();
