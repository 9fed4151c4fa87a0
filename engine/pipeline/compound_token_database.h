#pragma once
// Token lists stored under a token's serial: a compound token made by the
// scanner stands for the tokens it replaced, and a sentence token (the
// EndOfSentence token that closes it) for the tokens of its sentence.  One
// store belongs to one pipeline; the stages get pointers and never own it.
#include <cstdint>
#include <map>
#include <vector>

#include "engine/foundation/token.h"

class CompoundTokenDatabase {
public:
    CompoundTokenDatabase() = default;
    virtual ~CompoundTokenDatabase() = default;
    CompoundTokenDatabase(CompoundTokenDatabase const&) = delete;
    CompoundTokenDatabase& operator=(CompoundTokenDatabase const&) = delete;

    // Stores a copy of the list under the token's serial.  The first list
    // stored under a serial stays: a second Add for it is dropped.
    virtual void Add(Token token, std::vector<Token> const& tokens);
    // Appends part to the list of compound.  A compound never added throws
    // std::logic_error and the store is unchanged.
    virtual void AppendToTokenList(Token compound, Token part);

    // True and *out replaced by a copy of the list; false and *out untouched
    // when the serial has no list.
    bool Find(Token token, std::vector<Token>* out) const;
    // Removes the serial's list if it has one.
    void Erase(Token token);

private:
    std::map<uint32_t, std::vector<Token>> fLists;
};

// The sentences of a pipeline: under the serial of each EndOfSentence token,
// the sentence's tokens in order with that token last.
class SentenceTokensDatabase : public CompoundTokenDatabase {
public:
    void Add(Token sentence, std::vector<Token> const& tokens) override;
    virtual void AppendToSent(Token sentence, Token part);
};
