#pragma once
// The preparser: turns the tokens of one sentence into the words the parser
// works on (Shift-JIS texts with byte offsets and flags), the capitalised
// name sequences over them, and the extra words of the chart.  Punctuation
// and layout become the made-up words of pseudo_words.h.
//
// One preparser serves one sentence: build it, give it the dictionary and the
// token texts, call CreatePreparsedWords once.
#include <cstdint>
#include <set>
#include <string>
#include <vector>

#include "engine/foundation/can_be_null.h"
#include "engine/foundation/dictionary.h"
#include "engine/foundation/token.h"
#include "engine/parse/preparsed_word.h"

class TokenStringDatabase;
class GrammaticalFormWordsInterface_;
class LowerCaseWordsInterface_;

class EtoJPreparser {
public:
    // The type a run of periods takes: an ellipsis word.
    static constexpr TokenTypeID kEllipsisType = 32;
    // The longest sentence, in Shift-JIS bytes, whose offsets the words can
    // hold; a longer one throws HitLimitException.
    static constexpr uint32_t kMaxSentenceBytes = UINT16_MAX;

    // The creator gives the serial of a line-end word the preparser makes up
    // (may be null: that word then has serial 0).
    explicit EtoJPreparser(TokenCreator* creator);
    EtoJPreparser(EtoJPreparser const&) = delete;
    EtoJPreparser& operator=(EtoJPreparser const&) = delete;

    void SetTokenStringDatabase(TokenStringDatabase const* strings) { fStrings = strings; }
    // Keeps the dictionary and its grammatical-form and lower-case word lists.
    void SetDictionary(Dictionary_EX const& dictionary);
    // Periods and hyphens whose serials are in the set are never absorbed or
    // tallied into hyphen sequences.  Not owned; may be null.
    void SetPreparserTokenSet(std::set<uint32_t> const* serials) { fProtectedSerials = serials; }

    // The whole pass over the sentence's tokens (its EndOfSentence last); the
    // vectors are appended to.  A sentence longer than kMaxSentenceBytes
    // throws HitLimitException and appends nothing.
    void CreatePreparsedWords(std::vector<PreparsedWord>* words, std::vector<PreparseSense>* senses,
                              std::vector<ExtraChartWord>* extra, std::vector<Token> const& tokens);

    // Text tokens other than Newline, Space and Tab.
    static bool Translatable(TokenTypeID type);
    // A tab after this token may become a word.
    bool CanPrecedeTab(Token token) const;
    static bool CanFollowTab(Token token);
    bool HasLowercaseForm(std::string const& word) const;
    bool IsGrammaticalFormPOS(std::string const& word) const;
    // A NonClosingHyphen, or a Word "-", "for", "of", "on", "the" or "to".
    static bool IsConnector(PreparsedWord const& word);
    static bool IsLCConnector(wchar_t const* text);
    static bool IsHyphen(std::vector<PreparsedWord> const& words, std::size_t i);
    // The first word after i that is no line end, blank or tab; false at the
    // end of the words or at an EndOfSentence.
    static bool NextNonWhite(std::vector<PreparsedWord> const& words, std::size_t i, std::size_t* j);
    // The texts of the sentence's tokens from first's serial through last's
    // (or to the end), joined.
    std::wstring GetSourceString(Token first, Token last) const;

private:
    // The twelve steps, in the order CreatePreparsedWords runs them.
    void TokensToPreparseWords(std::vector<PreparsedWord>* words) const;
    void AddCRWordIfNecessary(std::vector<PreparsedWord>* words);
    static void ConvertToZXJWords(std::vector<PreparsedWord>* words);
    static void RemoveTrailingTabs(std::vector<PreparsedWord>* words);
    static void SplitAMPM(std::vector<PreparsedWord>* words);
    void AbsorbPeriods(std::vector<PreparsedWord>* words) const;
    static void RewriteQuotePunct(std::vector<PreparsedWord>* words);
    void ComputeTrueCapStatus(std::vector<PreparsedWord>* words) const;
    static void ComputeAllUCStatus(std::vector<PreparsedWord>* words);
    void CapSequences(std::vector<PreparsedWord> const& words, std::vector<PreparseSense>* senses) const;
    void TallyForHyphenSequences(std::vector<PreparsedWord>* words) const;
    static void AddColonsWithoutSpace(std::vector<PreparsedWord> const& words, std::vector<ExtraChartWord>* extra);

    bool CheckIfCanAbsorbPeriod(std::vector<PreparsedWord>* words, std::size_t i, bool notLast) const;
    bool IsProtected(Token token) const;
    bool IsWhiteToken(std::size_t index) const;
    // The Shift-JIS byte length of the token's text (0 without text).
    uint32_t TextLength(Token token) const;
    std::string TextOf(Token token) const;
    std::size_t IndexOfSerial(Token token) const;

    TokenCreator* fCreator;
    std::vector<Token> fTokens;
    TokenStringDatabase const* fStrings = nullptr;
    std::set<uint32_t> const* fProtectedSerials = nullptr;
    CanBeNull<Dictionary_EX> fDictionary;
    GrammaticalFormWordsInterface_ const* fGrammaticalForms = nullptr;
    LowerCaseWordsInterface_ const* fLowerCaseWords = nullptr;
};
