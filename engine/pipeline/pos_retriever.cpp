#include "engine/pipeline/pos_retriever.h"

#include "engine/foundation/token_types.h"
#include "engine/pipeline/compound_token_database.h"

namespace {
constexpr uint16_t kPOSFlag = 32768;
}

POSRetriever::POSRetriever(Producer* upstream, TokenCreator* creator, SentenceTokensDatabase const* sentences,
                           POSDatabase* settings)
    : Filter(upstream, creator, nullptr), fSentences(sentences), fSettings(settings) {}

Token POSRetriever::Produce() {
    Token const token = PullUpstream();
    if (TokenTypeOf(token) == EnglishTokens::kEndOfSentence) SetPOSSettings(token);
    return token;
}

void POSRetriever::SetPOSSettings(Token sentence) {
    std::vector<Token> tokens;
    if (fSentences == nullptr || fSettings == nullptr || !fSentences->Find(sentence, &tokens)) return;
    std::vector<TokenPOS> settings;
    if (TokensToPOSs(&settings, tokens)) fSettings->Insert(TokenSerialOf(sentence), settings);
}

bool POSRetriever::TokensToPOSs(std::vector<TokenPOS>* out, std::vector<Token> const& tokens) {
    bool made = false;
    std::vector<std::size_t> open;
    for (std::size_t i = 0; i < tokens.size(); ++i) {
        TokenTypeID const type = TokenTypeOf(tokens[i]);
        if (POSTokens::IsStartPOSTokenType(type)) {
            open.push_back(i);
            continue;
        }
        if (!POSTokens::IsEndPOSTokenType(type) || open.empty()) continue;
        std::size_t const start = open.back();
        open.pop_back();
        TokenPOS setting;
        setting.pos = POSTokens::POSTokenTypeToPOSValue(TokenTypeOf(tokens[start]));
        for (std::size_t j = start + 1; j < i; ++j)
            if (!POSTokens::IsPOSTokenType(TokenTypeOf(tokens[j]))) setting.tokens.push_back(tokens[j]);
        made = true;
        if (!out->empty() && out->back().tokens == setting.tokens &&
            (out->back().pos == kPOSFlag || setting.pos == kPOSFlag)) {
            out->back().pos |= setting.pos;
        } else {
            out->push_back(std::move(setting));
        }
    }
    return made;
}
