#include "engine/foundation/token_types.h"

#include <cstring>
#include <initializer_list>

#include "engine/foundation/token_string_database.h"

namespace {

struct NamedType {
    TokenTypeID id;
    char const* name;
};

constexpr NamedType kEnglishTypes[] = {
    {EnglishTokens::kEndOfSentence, "EndOfSentence"},
    {EnglishTokens::kSeparator, "Separator"},
    {EnglishTokens::kNewline, "Newline"},
    {EnglishTokens::kSemicolon, "Semicolon"},
    {EnglishTokens::kDash, "Dash"},
    {EnglishTokens::kNonClosingHyphen, "NonClosingHyphen"},
    {EnglishTokens::kQuestionMark, "QuestionMark"},
    {EnglishTokens::kExclamationMark, "ExclamationMark"},
    {EnglishTokens::kOpenQuote, "OpenQuote"},
    {EnglishTokens::kCloseQuote, "CloseQuote"},
    {EnglishTokens::kOpenParen, "OpenParen"},
    {EnglishTokens::kCloseParen, "CloseParen"},
    {EnglishTokens::kOpenBracket, "OpenBracket"},
    {EnglishTokens::kCloseBracket, "CloseBracket"},
    {EnglishTokens::kOpenBrace, "OpenBrace"},
    {EnglishTokens::kCloseBrace, "CloseBrace"},
    {EnglishTokens::kPeriod, "Period"},
    {EnglishTokens::kNumber, "Number"},
    {EnglishTokens::kBullet, "Bullet"},
    {EnglishTokens::kSpace, "Space"},
    {EnglishTokens::kTab, "Tab"},
    {EnglishTokens::kWord, "Word"},
    {EnglishTokens::kSingleOpenQuote, "SingleOpenQuote"},
    {EnglishTokens::kSingleCloseQuote, "SingleCloseQuote"},
    {EnglishTokens::kContinueSentence, "ContinueSentence"},
    {EnglishTokens::kNumberSequence, "NumberSequence"},
    {EnglishTokens::kPhoneNumber, "PhoneNumber"},
    {EnglishTokens::kInternetName, "InternetName"},
    {EnglishTokens::kColon, "Colon"},
    {EnglishTokens::kIgnoredEndOfSentence, "IgnoredEndOfSentence"},
    {EnglishTokens::kMinus, "Minus"},
    {EnglishTokens::kPlus, "Plus"},
    {EnglishTokens::kUserCancel, "UserCancel"},
    {EnglishTokens::kStopTranslating, "StopTranslating"},
    {EnglishTokens::kStartTranslating, "StartTranslating"},
    {EnglishTokens::kNoTranslate, "NoTranslate"},
    {EnglishTokens::kSkippedSent, "SkippedSent"},
    {EnglishTokens::kTokenBreak, "TokenBreak"},
    {EnglishTokens::kStartSelectionRegion, "StartSelectionRegion"},
    {EnglishTokens::kEndSelectionRegion, "EndSelectionRegion"},
};

// Each pair's start name; the end type is "End" + the name at start + 1.
struct POSPair {
    TokenTypeID start;
    char const* name;
    uint16_t value;
};

constexpr POSPair kPOSPairs[] = {
    {POSTokens::kPOSNoun, "POSNoun", 1},
    {POSTokens::kPOSVerb, "POSVerb", 2},
    {POSTokens::kPOSAdjective, "POSAdjective", 3},
    {POSTokens::kPOSAdverb, "POSAdverb", 4},
    {POSTokens::kPOSAuxiliary, "POSAuxiliary", 5},
    {POSTokens::kPOSConjunction, "POSConjunction", 6},
    {POSTokens::kPOSGroup, "POSGroup", 129},
    {POSTokens::kPOSNounPhrase, "POSNounPhrase", 65},
    {POSTokens::kPOSVerbPhrase, "POSVerbPhrase", 66},
    {POSTokens::kPOSPrepPhrase, "POSPrepPhrase", 67},
    {POSTokens::kPOSLiteral, "POSLiteral", 32768},
    {POSTokens::kPOSAdjPhrase, "POSAdjPhrase", 68},
    {POSTokens::kPOSAdverbPhrase, "POSAdverbPhrase", 69},
};

char const* const ppcExcludedUCs[] = {
    "Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday",    "Saturday", "January",  "February", "March",
    "April",  "May",    "June",    "July",      "August",   "September", "October",  "November", "December",
};

bool OneOf(TokenTypeID type, std::initializer_list<TokenTypeID> types) {
    for (TokenTypeID t : types)
        if (t == type) return true;
    return false;
}

bool InRange(TokenTypeID type, TokenTypeID first, TokenTypeID last) { return type >= first && type <= last; }

// The stored text of a Word, or null for another type or a Word without one.
wchar_t const* WordText(Token token, TokenStringDatabase const* strings) {
    wchar_t const* text = nullptr;
    if (TokenTypeOf(token) != EnglishTokens::kWord || strings == nullptr || !strings->Find(token, &text))
        return nullptr;
    return text;
}

template <class ByteTest>
bool EveryByte(std::string const& word, ByteTest test) {
    for (unsigned char c : word)
        if (!test(c)) return false;
    return true;
}

bool IsAsciiUpper(unsigned char c) { return c >= 'A' && c <= 'Z'; }
bool IsAsciiLower(unsigned char c) { return c >= 'a' && c <= 'z'; }
bool IsAsciiDigit(unsigned char c) { return c >= '0' && c <= '9'; }

}  // namespace

// ---- EnglishTokens ---------------------------------------------------------

unsigned EnglishTokens::sCount = 0;

EnglishTokens::EnglishTokens() {
    if (sCount++ == 0) RegisterTypes(*TokenTypeRegistry::Get());
}

EnglishTokens::~EnglishTokens() { --sCount; }

void EnglishTokens::RegisterTypes(TokenTypeRegistry& registry) {
    for (NamedType const& type : kEnglishTypes) registry.Register(type.name, type.id);
}

bool EnglishTokens::IsTextToken(Token token) {
    TokenTypeID const type = TokenTypeOf(token);
    return InRange(type, kSeparator, kSingleCloseQuote) || InRange(type, kNumberSequence, kColon) ||
           InRange(type, 32, kPlus);
}

bool EnglishTokens::IsNonWhiteTextToken(Token token) {
    return IsTextToken(token) && !OneOf(TokenTypeOf(token), {kNewline, kSpace, kTab});
}

bool EnglishTokens::IsWhite(Token token, TokenStringDatabase const* strings) {
    if (OneOf(TokenTypeOf(token), {kNewline, kSpace, kTab})) return true;
    wchar_t const* text = WordText(token, strings);
    if (text == nullptr) return false;
    for (; *text != 0; ++text)
        if (!IsWhiteChar(*text)) return false;
    return true;
}

bool EnglishTokens::IsPunctuation(Token token, TokenStringDatabase const* strings) {
    TokenTypeID const type = TokenTypeOf(token);
    return InRange(type, kSemicolon, kPeriod) || OneOf(type, {kBullet, kSingleOpenQuote, kSingleCloseQuote, kColon}) ||
           IsComma(token, strings);
}

bool EnglishTokens::IsComma(Token token, TokenStringDatabase const* strings) {
    wchar_t const* text = WordText(token, strings);
    return text != nullptr && text[0] == L',' && text[1] == 0;
}

bool EnglishTokens::IsScopeOpener(Token token) {
    return OneOf(TokenTypeOf(token), {kOpenQuote, kOpenParen, kOpenBracket});
}

bool EnglishTokens::IsScopeCloser(Token token) {
    return OneOf(TokenTypeOf(token), {kCloseQuote, kCloseParen, kCloseBracket});
}

bool EnglishTokens::IsEndingPunct(Token token) {
    return OneOf(TokenTypeOf(token), {kPeriod, kExclamationMark, kQuestionMark});
}

bool EnglishTokens::IsUCDateWord(std::string const& word) {
    for (char const* name : ppcExcludedUCs)
        if (word == name) return true;
    return false;
}

bool EnglishTokens::IsAlnum(std::string const& word) {
    return EveryByte(word, [](unsigned char c) { return IsAsciiUpper(c) || IsAsciiLower(c) || IsAsciiDigit(c); });
}

bool EnglishTokens::AllUpper(std::string const& word) { return EveryByte(word, IsAsciiUpper); }

bool EnglishTokens::IsWhiteChar(wchar_t c) {
    // Unicode's white space without the no-break spaces (U+00A0, U+2007,
    // U+202F), which join words, and without U+0085, which in pass-through
    // text is a Shift-JIS lead byte.
    switch (c) {
        case L'\t':
        case L'\n':
        case L'\v':
        case L'\f':
        case L'\r':
        case L' ':
        case 0x1680:
        case 0x2028:
        case 0x2029:
        case 0x205F:
        case 0x3000:
            return true;
        default:
            return (c >= 0x2000 && c <= 0x2006) || (c >= 0x2008 && c <= 0x200A);
    }
}

// ---- POSTokens -------------------------------------------------------------

unsigned POSTokens::sCount = 0;

POSTokens::POSTokens() {
    if (sCount++ == 0) RegisterTypes(*TokenTypeRegistry::Get());
}

POSTokens::~POSTokens() { --sCount; }

void POSTokens::RegisterTypes(TokenTypeRegistry& registry) {
    for (POSPair const& pair : kPOSPairs) {
        registry.Register(pair.name, pair.start);
        registry.Register((std::string("End") + pair.name).c_str(), static_cast<TokenTypeID>(pair.start + 1));
    }
}

bool POSTokens::IsStartPOSTokenType(TokenTypeID type) {
    return InRange(type, kPOSNoun, kPOSAdverbPhrase) && type % 2 == 1;
}

bool POSTokens::IsEndPOSTokenType(TokenTypeID type) {
    return InRange(type, kEndPOSNoun, kEndPOSAdverbPhrase) && type % 2 == 0;
}

bool POSTokens::IsPOSTokenType(TokenTypeID type) { return IsStartPOSTokenType(type) || IsEndPOSTokenType(type); }

bool POSTokens::MatchingPOSTypes(TokenTypeID start, TokenTypeID end) {
    return IsStartPOSTokenType(start) && end == start + 1;
}

uint16_t POSTokens::POSTokenTypeToPOSValue(TokenTypeID type) {
    for (POSPair const& pair : kPOSPairs)
        if (type == pair.start || type == pair.start + 1) return pair.value;
    return kNotPOSValue;
}
