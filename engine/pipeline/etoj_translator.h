#pragma once
// The translator stage of the chain: it takes one sentence's tokens at a time
// and hands on the translation's tokens, followed by the sentence's end token.
//
// The sentence-level work (preparsing, parsing, transfer, generation) lives
// with the parser, which this library cannot see; it plugs in as an
// EtoJSentenceWork, installed once for the process (or per stage).  Without
// one every sentence takes the untranslated road: its tokens are handed on
// unchanged, with an empty dictionary-source list.
#include <cstdint>
#include <deque>
#include <set>
#include <string>
#include <vector>

#include "engine/foundation/dictionary.h"
#include "engine/pipeline/dict_source.h"
#include "engine/pipeline/pipeline_stages.h"
#include "engine/pipeline/sentence_user_options.h"
#include "engine/pipeline/token_dict_source.h"

class CompoundTokenDatabase;
class EtoJTranslator;
class SentenceTokensDatabase;

// A word no dictionary knew: its Shift-JIS text and the Shift-JIS byte
// offset where it starts in the sentence text.
struct MissingWordInfo {
    MissingWordInfo(std::string text, uint16_t offset) : fText(std::move(text)), fOffset(offset) {}
    std::string fText;
    uint16_t fOffset;
};

// A part-of-speech markup range of the sentence: the markup's value (bit
// 0x8000 marks literal text) and its start and end in characters of the
// sentence text.
struct POSMarkupRange {
    uint16_t value = 0;
    uint16_t start = 0;
    uint16_t end = 0;
};

// Translates one sentence for a stage: fills *out with the Japanese tokens and
// *sources with their dictionary sources (TranslationToTokens makes both), or
// answers false to leave the sentence untranslated.
class EtoJSentenceWork {
public:
    virtual ~EtoJSentenceWork() = default;
    virtual bool Translate(EtoJTranslator& stage, std::vector<Token>* out, std::vector<TokenDictSource>* sources,
                           bool quick, std::vector<Token> const& source) = 0;
};

class EtoJTranslator : public Filter {
public:
    // Sentence types NotParseableWarning is told.
    enum NotParseableReason { kWordTooLong = 3, kHasSeparator = 4 };
    static constexpr std::size_t kLongestWord = 80;  // characters
    // The serial SetMissingWords records for a word that starts at no token.
    static constexpr uint32_t kUnalignedSerial = 0xFFFFFF;

    EtoJTranslator();

    // The work every stage built afterwards uses (null: none).  Not owned.
    static void InstallSentenceWork(EtoJSentenceWork* work);
    // This stage's work (null: none).  Not owned.
    void SetSentenceWork(EtoJSentenceWork* work) { fWork = work; }

    void SetDictionary(std::vector<Dictionary_EX> const& dictionaries) { fDictionaries = dictionaries; }
    std::vector<Dictionary_EX> const& GetDictionary() const { return fDictionaries; }

    // The three flags the chain copies from the translation options.
    void SetOptionFlags(bool userDictPreferred, bool posPreferred, bool documentMode);
    bool GetUserDictPreferred() const { return fUserDictPreferred; }
    bool GetPOSPreferred() const { return fPOSPreferred; }
    bool GetDocumentMode() const { return fDocumentMode; }

    void SetSentenceUserOptions(SentenceUserOptions const& options) { fOptions = options; }
    SentenceUserOptions const& GetSentenceUserOptions() const { return fOptions; }
    // The sentence work raises the speed for a retry and restores it.
    SentenceUserOptions& MutableSentenceUserOptions() { return fOptions; }

    // The chain's stores and sets; none is owned, each may be null.
    void SetSentenceTokensDatabase(SentenceTokensDatabase* sentences) { fSentences = sentences; }
    void SetDictSourceDatabase(DictSourceDatabase* sources) { fDictSources = sources; }
    void SetCompoundTokenDatabase(CompoundTokenDatabase* compounds) { fCompoundTokens = compounds; }
    void SetPreparserTokenSet(std::set<uint32_t>* serials) { fPreparserTokens = serials; }
    std::set<uint32_t> const* GetPreparserTokenSet() const { return fPreparserTokens; }
    void SetMissingWordSet(std::set<uint32_t>* serials) { fMissingWords = serials; }
    // When set, sentences are only looked up for missing words, never translated.
    void SetWordCheckOnly(bool on) { fWordCheckOnly = on; }
    bool GetWordCheckOnly() const { return fWordCheckOnly; }

    Token Produce() override;

    // ---- What the sentence work reads and fills -------------------------
    // The part-of-speech markup ranges of the sentence being translated.
    std::vector<POSMarkupRange> const& POSSettings() const { return fPOSSettings; }
    // Where the preparse reports missing words (StaticMissingWord's list).
    std::vector<MissingWordInfo>* MissingWordList() { return &fMissingWordList; }
    // Appends MissingWordInfo(text, offset) to *list (a vector of
    // MissingWordInfo) when list is not null.
    static void StaticMissingWord(char const* text, unsigned short offset, void* list);

    // Builds the output tokens from the wide Japanese and its pieces (offsets
    // in characters): a Word token for each piece and for the text before,
    // between and after them, and, with a dictionary-source database
    // attached, one TokenDictSource per piece.  Overlapping pieces are cut
    // to what is left of the text.
    void TranslationToTokens(std::vector<Token>* out, std::vector<TokenDictSource>* sources,
                             std::wstring const& japanese, std::vector<DICT_SOURCE> const& pieces,
                             std::vector<Token> const& source);
    // A new Word token with the text.
    Token CreateWordToken(std::wstring const& text);
    // The source tokens with text that cover characters [start, start + length).
    void AddSourceTokens(std::vector<Token>* list, std::vector<Token> const& source, uint32_t start,
                         uint32_t length) const;
    // The length in characters of a token's text; 0 when it has none.
    unsigned long TextLength(Token token) const;

    // ---- Utilities of the class interface --------------------------------
    // Tokens that are words (words, numbers, separators and the like).
    static std::size_t CountWords(std::vector<Token> const& tokens);
    // One record per source token, from the default dictionary, the token in
    // both token lists.
    static void CreateDictSourcesForSourceTokens(std::vector<TokenDictSource>* sources,
                                                 std::vector<Token> const& tokens);
    // A token whose text no sentence may translate: over kLongestWord
    // characters.
    bool IsWordTooLong(Token token) const;

protected:
    // Translates one sentence into *out with its dictionary sources; false
    // leaves the sentence untranslated.  Asks the sentence work.
    virtual bool Translate(std::vector<Token>* out, std::vector<TokenDictSource>* sources, bool quick,
                           std::vector<Token> const& source);
    // Told why a sentence is not translated; nothing here.
    virtual void NotParseableWarning(NotParseableReason /*reason*/) {}
    // A derived stage may take a token before its type is looked at.
    virtual bool HandleSpecialToken(Token /*token*/, unsigned long /*position*/) { return false; }

    // Pulls the tokens of one sentence, through its end token (or EOF);
    // *translate is false for what cannot be translated.
    void ConsumeSentenceTokens(std::vector<Token>* tokens, bool* translate, bool* quick);
    virtual void EnsureQueueNotEmpty();
    void SetDictionarySources(Token sentenceEnd, std::vector<TokenDictSource> const& sources);
    // The serials of the words the sentence's preparse found missing go to
    // the missing-word set; the list is emptied.
    void SetMissingWords(std::vector<Token> const& source);

    std::deque<Token> fOutputQueue;
    SentenceTokensDatabase* fSentences = nullptr;
    DictSourceDatabase* fDictSources = nullptr;
    CompoundTokenDatabase* fCompoundTokens = nullptr;
    std::set<uint32_t>* fPreparserTokens = nullptr;
    std::set<uint32_t>* fMissingWords = nullptr;
    std::vector<Dictionary_EX> fDictionaries;
    SentenceUserOptions fOptions;
    std::vector<POSMarkupRange> fPOSSettings;
    std::vector<MissingWordInfo> fMissingWordList;

private:
    void EndPOSRange(std::vector<POSMarkupRange>* open, uint16_t position);

    EtoJSentenceWork* fWork;
    bool fUserDictPreferred = false;
    bool fPOSPreferred = false;
    bool fDocumentMode = false;
    bool fWordCheckOnly = false;
};
