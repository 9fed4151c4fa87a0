#include "engine/pipeline/english_sentence_end_finder.h"

#include <cwchar>

#include "engine/foundation/token_string_database.h"
#include "engine/foundation/token_types.h"

EnglishSentenceEnder::EnglishSentenceEnder() : Filter(nullptr, nullptr, nullptr) {}

void EnglishSentenceEnder::SetDictionaries(std::vector<Dictionary_EX> const& /*dictionaries*/) {}

Token EnglishSentenceEnder::Produce() {
    if (fOutputQueue.empty()) FindNextSentence();
    Token const token = fOutputQueue.front();
    fOutputQueue.pop_front();
    return token;
}

void EnglishSentenceEnder::FindNextSentence() { fOutputQueue.push_back(PullUpstream()); }

Token EnglishSentenceEnder::CreateEndSentToken() { return NewToken(fTokenCreator, EnglishTokens::kEndOfSentence); }

void EnglishSentenceEndFinder::SetDictionaries(std::vector<Dictionary_EX> const& dictionaries) {
    fDictionaries = dictionaries;
}

bool EnglishSentenceEndFinder::EndsSentence(Token token) const {
    switch (TokenTypeOf(token)) {
        case EnglishTokens::kPeriod:
        case EnglishTokens::kQuestionMark:
        case EnglishTokens::kExclamationMark:
            return true;
        case EnglishTokens::kWord:
            break;
        default:
            return false;
    }
    wchar_t const* text = nullptr;
    if (fTokenStringDatabase == nullptr || !fTokenStringDatabase->Find(token, &text)) return false;
    return std::wcscmp(text, L".") == 0 || std::wcscmp(text, L"?") == 0 || std::wcscmp(text, L"!") == 0;
}

void EnglishSentenceEndFinder::FindNextSentence() {
    bool haveText = false;
    for (;;) {
        Token const token = PullUpstream();
        TokenTypeID const type = TokenTypeOf(token);
        if (type == kEOFTokenType) {
            if (haveText) fOutputQueue.push_back(CreateEndSentToken());
            fOutputQueue.push_back(token);
            return;
        }
        fOutputQueue.push_back(token);
        if (type == EnglishTokens::kEndOfSentence) return;
        if (!EnglishTokens::IsWhite(token, fTokenStringDatabase)) haveText = true;
        if (EndsSentence(token)) {
            fOutputQueue.push_back(CreateEndSentToken());
            return;
        }
    }
}
