#pragma once
// The stage interfaces of the translation pipeline.  Tokens are pulled: the
// terminal stage asks its upstream stage for a token, which asks its own, and
// so on up to the source.  A stage never owns its upstream stage, its token
// creator or its string store; the translator chain owns them all.
#include "engine/foundation/token.h"

class TokenStringDatabase;

// The token a source hands out, forever, once its text is used up.
constexpr TokenTypeID kEOFTokenType = 1;

// Hands out tokens one at a time.  A stage that makes tokens takes their
// serials from the chain's TokenCreator and stores their text in the chain's
// TokenStringDatabase.
class Producer {
public:
    Producer() = default;
    virtual ~Producer() = default;
    Producer(Producer const&) = delete;
    Producer& operator=(Producer const&) = delete;

    virtual void SetTokenCreator(TokenCreator* creator) { fTokenCreator = creator; }
    virtual void SetTokenStringDatabase(TokenStringDatabase* strings) { fTokenStringDatabase = strings; }
    virtual Token Produce() = 0;

    TokenCreator* GetTokenCreator() const { return fTokenCreator; }
    TokenStringDatabase* GetTokenStringDatabase() const { return fTokenStringDatabase; }

protected:
    TokenCreator* fTokenCreator = nullptr;
    TokenStringDatabase* fTokenStringDatabase = nullptr;
};

// Takes tokens from an upstream producer.
class Consumer {
public:
    explicit Consumer(Producer* upstream = nullptr) : fUpstream(upstream) {}
    virtual ~Consumer() = default;
    Consumer(Consumer const&) = delete;
    Consumer& operator=(Consumer const&) = delete;

    virtual Producer* GetUpstreamProducer() { return fUpstream; }
    virtual void SetUpstreamProducer(Producer* upstream) { fUpstream = upstream; }

protected:
    Producer* fUpstream;
};

// A stage in the middle of the chain: it takes tokens from upstream and hands
// on tokens of its own.  As a producer it is passed on by AsProducer.
class Filter : public Consumer, public Producer {
public:
    Filter(Producer* upstream, TokenCreator* creator, TokenStringDatabase* strings) : Consumer(upstream) {
        fTokenCreator = creator;
        fTokenStringDatabase = strings;
    }

    Producer* AsProducer() { return this; }

protected:
    // The next token from upstream.  A stage left without an upstream is a
    // wiring fault: std::logic_error.
    Token PullUpstream();
};

// The end of the chain: pulls tokens and writes what they say somewhere.
class TerminalConsumer : public Consumer {
public:
    explicit TerminalConsumer(Producer* upstream = nullptr) : Consumer(upstream) {}

    virtual void SetTokenStringDatabase(TokenStringDatabase* strings) { fTokenStringDatabase = strings; }
    // Consumes some tokens; false when nothing is left to consume.
    virtual bool ConsumeSome() = 0;

protected:
    TokenStringDatabase* fTokenStringDatabase = nullptr;
};

// The Producer part of a stage, or null for no stage.
inline Producer* ProducerOf(Filter* stage) { return stage != nullptr ? stage->AsProducer() : nullptr; }
