#include "engine/pipeline/etoj_translator.h"

#include "engine/foundation/token_types.h"

namespace {

// The tokens a sentence keeps for translation.
bool KeptInSentence(Token token) {
    if (EnglishTokens::IsTextToken(token)) return true;
    switch (TokenTypeOf(token)) {
        case kEOFTokenType:
        case EnglishTokens::kEndOfSentence:
        case EnglishTokens::kIgnoredEndOfSentence:
        case EnglishTokens::kUserCancel:
        case EnglishTokens::kNoTranslate:
        case EnglishTokens::kSkippedSent:
            return true;
        default:
            return false;
    }
}

bool EndsSentence(TokenTypeID type) {
    return type == EnglishTokens::kEndOfSentence || type == kEOFTokenType || type == EnglishTokens::kSkippedSent;
}

}  // namespace

EtoJTranslator::EtoJTranslator() : Filter(nullptr, nullptr, nullptr) {}

void EtoJTranslator::SetOptionFlags(bool userDictPreferred, bool posPreferred, bool documentMode) {
    fUserDictPreferred = userDictPreferred;
    fPOSPreferred = posPreferred;
    fDocumentMode = documentMode;
}

Token EtoJTranslator::Produce() {
    if (fOutputQueue.empty()) EnsureQueueNotEmpty();
    Token const token = fOutputQueue.front();
    fOutputQueue.pop_front();
    return token;
}

bool EtoJTranslator::Translate(std::vector<Token>* /*out*/, std::vector<TokenDictSource>* /*sources*/, bool /*quick*/,
                               std::vector<Token> const& /*source*/) {
    return false;
}

void EtoJTranslator::ConsumeSentenceTokens(std::vector<Token>* tokens, bool* translate, bool* quick) {
    *translate = true;
    *quick = false;
    for (;;) {
        Token const token = PullUpstream();
        TokenTypeID const type = TokenTypeOf(token);
        if (type == EnglishTokens::kContinueSentence || type == EnglishTokens::kIgnoredEndOfSentence) continue;
        if (type == EnglishTokens::kSeparator) *translate = false;
        if (KeptInSentence(token)) tokens->push_back(token);
        if (!tokens->empty() && EndsSentence(TokenTypeOf(tokens->back()))) break;
    }
    if (tokens->size() < 2) *translate = false;
}

void EtoJTranslator::SetDictionarySources(Token sentenceEnd, std::vector<TokenDictSource> const& sources) {
    if (fDictSources != nullptr) fDictSources->Insert(TokenSerialOf(sentenceEnd), sources);
}

void EtoJTranslator::EnsureQueueNotEmpty() {
    std::vector<Token> source;
    std::vector<Token> out;
    std::vector<TokenDictSource> sources;
    bool translate = false;
    bool quick = false;
    ConsumeSentenceTokens(&source, &translate, &quick);
    if (translate && Translate(&out, &sources, quick, source)) {
        SetDictionarySources(source.back(), sources);
        for (Token token : source) {
            if (!EnglishTokens::IsWhite(token, fTokenStringDatabase)) break;
            fOutputQueue.push_back(token);
        }
        fOutputQueue.insert(fOutputQueue.end(), out.begin(), out.end());
        fOutputQueue.push_back(source.back());
        return;
    }
    if (!out.empty() && TokenTypeOf(out.front()) == EnglishTokens::kUserCancel) {
        fOutputQueue.push_back(out.front());
        return;
    }
    // Keep what a filter before this stage recorded for the sentence.
    if (!fWordCheckOnly && fDictSources != nullptr) fDictSources->Append(TokenSerialOf(source.back()), {});
    fOutputQueue.insert(fOutputQueue.end(), source.begin(), source.end());
}
