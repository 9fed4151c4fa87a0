#pragma once
// The stages that cut the token stream into sentences: each sentence's
// tokens are handed on followed by one EndOfSentence token.
//
// Until the full end decisions are in place the finder ends a sentence after
// a period, question or exclamation mark (as a token of that type or a Word
// of that text) and at the end of input when text is pending; white space
// after the last end is handed on before the EOF token, never dropped.
#include <cstdint>
#include <deque>
#include <set>
#include <vector>

#include "engine/foundation/dictionary.h"
#include "engine/pipeline/pipeline_stages.h"

class EnglishSentenceEnder : public Filter {
public:
    EnglishSentenceEnder();

    // The dictionaries whose word lists the end decisions read.
    virtual void SetDictionaries(std::vector<Dictionary_EX> const& dictionaries);
    // The chain's set of token serials that belong to chapter and section
    // numbers; not owned.
    void SetMarkedSerials(std::set<uint32_t>* serials) { fMarkedSerials = serials; }

    Token Produce() override;

protected:
    // Reads tokens until a sentence end and queues them for output.
    virtual void FindNextSentence();
    // A new EndOfSentence token with the next serial.
    Token CreateEndSentToken();

    std::deque<Token> fOutputQueue;
    std::set<uint32_t>* fMarkedSerials = nullptr;
};

class EnglishSentenceEndFinder : public EnglishSentenceEnder {
public:
    EnglishSentenceEndFinder() = default;

    void SetDictionaries(std::vector<Dictionary_EX> const& dictionaries) override;

protected:
    void FindNextSentence() override;

private:
    bool EndsSentence(Token token) const;

    std::vector<Dictionary_EX> fDictionaries;
};
