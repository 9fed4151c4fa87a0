#include "engine/parse/etoj_preparser.h"

#include <cwchar>

#include "engine/foundation/grammatical_form_words.h"
#include "engine/foundation/lower_case_words.h"
#include "engine/foundation/sjis_wide_text.h"
#include "engine/foundation/token_string_database.h"
#include "engine/foundation/token_types.h"
#include "engine/parse/hit_limit_exception.h"

namespace {

using T = EnglishTokens;

// Keeps the token types registered while the preparser's module is loaded.
EnglishTokens const sEnglishTokens;

// Lower-case words that join the words of a capitalised name ("Bank of
// England", "Straits of the Sun").
constexpr wchar_t const* kConnectorLCs[] = {L"for", L"of", L"on", L"the", L"to"};

bool IsLCConnectorText(std::string const& text) {
    for (wchar_t const* connector : kConnectorLCs) {
        std::size_t i = 0;
        while (i < text.size() && connector[i] != 0 && static_cast<unsigned char>(text[i]) == connector[i]) ++i;
        if (i == text.size() && connector[i] == 0) return true;
    }
    return false;
}

}  // namespace

EtoJPreparser::EtoJPreparser(TokenCreator* creator) : fCreator(creator) {}

void EtoJPreparser::SetDictionary(Dictionary_EX const& dictionary) {
    fDictionary.Set(dictionary);
    fGrammaticalForms = dictionary.GetGrammaticalFormWordsInterface();
    fLowerCaseWords = dictionary.GetLowerCaseWordsInterface();
}

void EtoJPreparser::CreatePreparsedWords(std::vector<PreparsedWord>* words, std::vector<PreparseSense>* senses,
                                         std::vector<ExtraChartWord>* extra, std::vector<Token> const& tokens) {
    fTokens = tokens;
    std::vector<PreparsedWord> made;
    TokensToPreparseWords(&made);
    AddCRWordIfNecessary(&made);
    ConvertToZXJWords(&made);
    RemoveTrailingTabs(&made);
    SplitAMPM(&made);
    AbsorbPeriods(&made);
    RewriteQuotePunct(&made);
    ComputeTrueCapStatus(&made);
    ComputeAllUCStatus(&made);
    CapSequences(made, senses);
    TallyForHyphenSequences(&made);
    AddColonsWithoutSpace(made, extra);
    words->insert(words->end(), made.begin(), made.end());
}

bool EtoJPreparser::Translatable(TokenTypeID type) {
    return T::IsTextToken(type) && type != T::kNewline && type != T::kSpace && type != T::kTab;
}

bool EtoJPreparser::CanPrecedeTab(Token token) const {
    TokenTypeID const type = TokenTypeOf(token);
    if (type == T::kPeriod || type == T::kColon || type == T::kNewline) return false;
    return !(type == T::kWord && T::IsComma(token, fStrings));
}

bool EtoJPreparser::CanFollowTab(Token token) { return TokenTypeOf(token) != T::kNewline; }

bool EtoJPreparser::HasLowercaseForm(std::string const& word) const {
    return fLowerCaseWords != nullptr && fLowerCaseWords->IsWordThere(word);
}

bool EtoJPreparser::IsGrammaticalFormPOS(std::string const& word) const {
    return fGrammaticalForms != nullptr && fGrammaticalForms->IsWordThere(word);
}

bool EtoJPreparser::IsConnector(PreparsedWord const& word) {
    if (word.Type() == T::kNonClosingHyphen) return true;
    return word.Type() == T::kWord && (word.fText == "-" || IsLCConnectorText(word.fText));
}

bool EtoJPreparser::IsLCConnector(wchar_t const* text) {
    if (text == nullptr) return false;
    for (wchar_t const* connector : kConnectorLCs) {
        if (std::wcscmp(text, connector) == 0) return true;
    }
    return false;
}

bool EtoJPreparser::IsHyphen(std::vector<PreparsedWord> const& words, std::size_t i) {
    if (i >= words.size()) return false;
    return words[i].Type() == T::kNonClosingHyphen || (words[i].Type() == T::kWord && words[i].fText == "-");
}

bool EtoJPreparser::NextNonWhite(std::vector<PreparsedWord> const& words, std::size_t i, std::size_t* j) {
    for (std::size_t k = i + 1; k < words.size(); ++k) {
        TokenTypeID const type = words[k].Type();
        if (type == T::kNewline || type == T::kSpace || type == T::kTab) continue;
        if (type == T::kEndOfSentence) return false;
        *j = k;
        return true;
    }
    return false;
}

std::wstring EtoJPreparser::GetSourceString(Token first, Token last) const {
    std::wstring text;
    bool inside = false;
    for (Token const token : fTokens) {
        if (!inside && TokenSerialOf(token) != TokenSerialOf(first)) continue;
        inside = true;
        std::wstring piece;
        if (fStrings != nullptr && fStrings->Find(token, &piece)) text += piece;
        if (TokenSerialOf(token) == TokenSerialOf(last)) break;
    }
    return text;
}

bool EtoJPreparser::IsProtected(Token token) const {
    return fProtectedSerials != nullptr && fProtectedSerials->count(TokenSerialOf(token)) != 0;
}

bool EtoJPreparser::IsWhiteToken(std::size_t index) const {
    return index < fTokens.size() && T::IsWhite(fTokens[index], fStrings);
}

std::string EtoJPreparser::TextOf(Token token) const {
    std::wstring text;
    if (fStrings == nullptr || !fStrings->Find(token, &text)) return std::string();
    return EncodeSJISLenient(text.data(), text.size());
}

uint32_t EtoJPreparser::TextLength(Token token) const {
    unsigned long length = 0;
    if (fStrings == nullptr || !fStrings->FindLength(token, &length) || length == 0) return 0;
    return static_cast<uint32_t>(TextOf(token).size());
}

std::size_t EtoJPreparser::IndexOfSerial(Token token) const {
    for (std::size_t i = 0; i < fTokens.size(); ++i) {
        if (TokenSerialOf(fTokens[i]) == TokenSerialOf(token)) return i;
    }
    return fTokens.size();
}
