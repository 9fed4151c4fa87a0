#include "engine/pipeline/compound_token_database.h"

#include <stdexcept>

void CompoundTokenDatabase::Add(Token token, std::vector<Token> const& tokens) {
    fLists.emplace(TokenSerialOf(token), tokens);
}

void CompoundTokenDatabase::AppendToTokenList(Token compound, Token part) {
    auto const found = fLists.find(TokenSerialOf(compound));
    if (found == fLists.end()) throw std::logic_error("token list appended to before it was added");
    found->second.push_back(part);
}

bool CompoundTokenDatabase::Find(Token token, std::vector<Token>* out) const {
    auto const found = fLists.find(TokenSerialOf(token));
    if (found == fLists.end()) return false;
    *out = found->second;
    return true;
}

void CompoundTokenDatabase::Erase(Token token) { fLists.erase(TokenSerialOf(token)); }

void SentenceTokensDatabase::Add(Token sentence, std::vector<Token> const& tokens) {
    CompoundTokenDatabase::Add(sentence, tokens);
}

void SentenceTokensDatabase::AppendToSent(Token sentence, Token part) { AppendToTokenList(sentence, part); }
