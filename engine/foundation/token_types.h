#pragma once
// The fixed token types of English text and of part-of-speech markup, their
// registration in the token-type registry, and the tests of a token's class.
//
// EnglishTokens and POSTokens are registration objects: sources that use the
// types hold one in their static initialisation; the first construction of
// each registers its names.  Each holds a Token_ModuleInit, so the registry
// (and so the registered names) lives at least as long as the registration.
#include <cstdint>
#include <string>

#include "engine/foundation/token.h"
#include "engine/foundation/token_type_registry.h"

class TokenStringDatabase;

class EnglishTokens {
public:
    enum Type : TokenTypeID {
        kEndOfSentence = 2,
        kSeparator = 3,
        kNewline = 4,
        kSemicolon = 5,
        kDash = 6,
        kNonClosingHyphen = 7,
        kQuestionMark = 8,
        kExclamationMark = 9,
        kOpenQuote = 10,
        kCloseQuote = 11,
        kOpenParen = 12,
        kCloseParen = 13,
        kOpenBracket = 14,
        kCloseBracket = 15,
        kOpenBrace = 16,
        kCloseBrace = 17,
        kPeriod = 18,
        kNumber = 19,
        kBullet = 20,
        kSpace = 21,
        kTab = 22,
        kWord = 23,
        kSingleOpenQuote = 24,
        kSingleCloseQuote = 25,
        kContinueSentence = 26,
        kNumberSequence = 27,
        kPhoneNumber = 28,
        kInternetName = 29,
        kColon = 30,
        kIgnoredEndOfSentence = 31,
        kMinus = 33,
        kPlus = 34,
        kUserCancel = 35,
        kStopTranslating = 36,
        kStartTranslating = 37,
        kNoTranslate = 38,
        kSkippedSent = 39,
        kTokenBreak = 40,
        kStartSelectionRegion = 41,
        kEndSelectionRegion = 42,
    };

    EnglishTokens();
    ~EnglishTokens();
    EnglishTokens(EnglishTokens const&) = delete;
    EnglishTokens& operator=(EnglishTokens const&) = delete;

    // Registers every English type with its name.
    static void RegisterTypes(TokenTypeRegistry& registry);

    // The tests look at the token's type only (a bare type passes as a token).
    // Types 3 to 25, 27 to 30, 32 to 34.
    static bool IsTextToken(Token token);
    // Text tokens other than Newline, Space and Tab.
    static bool IsNonWhiteTextToken(Token token);
    // Newline, Space, Tab, and a Word whose stored text is all white space
    // (an empty text counts); a Word without a store or stored text is not.
    static bool IsWhite(Token token, TokenStringDatabase const* strings);
    // Types 5 to 18, 20, 24, 25, 30, and a Word that IsComma.
    static bool IsPunctuation(Token token, TokenStringDatabase const* strings);
    // A Word whose stored text is exactly ",".
    static bool IsComma(Token token, TokenStringDatabase const* strings);
    // OpenQuote, OpenParen, OpenBracket.
    static bool IsScopeOpener(Token token);
    // CloseQuote, CloseParen, CloseBracket.
    static bool IsScopeCloser(Token token);
    // Period, ExclamationMark, QuestionMark: the marks that may end a sentence.
    static bool IsEndingPunct(Token token);

    // Exactly a capitalised weekday or month name (case counts).
    static bool IsUCDateWord(std::string const& word);
    // Every byte an ASCII letter or digit; true for "".
    static bool IsAlnum(std::string const& word);
    // Every byte an ASCII capital; true for "".
    static bool AllUpper(std::string const& word);

    // The white-space characters of token text.  An explicit set, so that the
    // answer does not depend on the process's locale.
    static bool IsWhiteChar(wchar_t c);

    static unsigned sCount;

private:
    Token_ModuleInit fRegistry;
};

class POSTokens {
public:
    // Start types are odd, each end type is its start + 1.
    enum Type : TokenTypeID {
        kPOSNoun = 43,
        kEndPOSNoun = 44,
        kPOSVerb = 45,
        kEndPOSVerb = 46,
        kPOSAdjective = 47,
        kEndPOSAdjective = 48,
        kPOSAdverb = 49,
        kEndPOSAdverb = 50,
        kPOSAuxiliary = 51,
        kEndPOSAuxiliary = 52,
        kPOSConjunction = 53,
        kEndPOSConjunction = 54,
        kPOSGroup = 55,
        kEndPOSGroup = 56,
        kPOSNounPhrase = 57,
        kEndPOSNounPhrase = 58,
        kPOSVerbPhrase = 59,
        kEndPOSVerbPhrase = 60,
        kPOSPrepPhrase = 61,
        kEndPOSPrepPhrase = 62,
        kPOSLiteral = 63,
        kEndPOSLiteral = 64,
        kPOSAdjPhrase = 65,
        kEndPOSAdjPhrase = 66,
        kPOSAdverbPhrase = 67,
        kEndPOSAdverbPhrase = 68,
    };
    // The markup value of a type that is no part-of-speech markup.
    static constexpr uint16_t kNotPOSValue = 130;

    POSTokens();
    ~POSTokens();
    POSTokens(POSTokens const&) = delete;
    POSTokens& operator=(POSTokens const&) = delete;

    static void RegisterTypes(TokenTypeRegistry& registry);

    static bool IsStartPOSTokenType(TokenTypeID type);
    static bool IsEndPOSTokenType(TokenTypeID type);
    static bool IsPOSTokenType(TokenTypeID type);
    // end is the end type of the start type.
    static bool MatchingPOSTypes(TokenTypeID start, TokenTypeID end);
    // Both types of a pair give the pair's value; any other type kNotPOSValue.
    static uint16_t POSTokenTypeToPOSValue(TokenTypeID type);

    static unsigned sCount;

private:
    Token_ModuleInit fRegistry;
};
