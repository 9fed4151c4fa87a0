#pragma once
// The simplest ends of a chain: a source that hands out a text one character
// at a time, and a terminal that collects the text of every token it pulls.
// The translation facade's own source and terminal build on them.
#include <cstdint>
#include <string>
#include <vector>

#include "engine/pipeline/pipeline_stages.h"

// Hands out one Word token per character of its text, each with that
// character as its text, then EOF tokens for ever.  The Shift-JIS text is
// decoded once, on the first Produce, so a byte that starts no character
// becomes one replacement character and the rest is kept.
class CharacterTokenProducer : public Producer {
public:
    explicit CharacterTokenProducer(std::string sjis = std::string());

    // Replaces the text; the next Produce starts from its beginning.
    void SetText(std::string sjis);
    Token Produce() override;

    // The decoded text and, per character, the offset of its first byte (one
    // more entry than characters: the text's length).  Empty until the first
    // Produce.
    std::wstring const& GetWideText() const { return fWide; }
    std::vector<uint32_t> const& GetByteOffsets() const { return fByteOffsets; }
    // Characters handed out so far.
    std::size_t GetPosition() const { return fPosition; }

protected:
    // Called before each token is made; a subclass may throw to stop the run.
    virtual void BeforeEachToken() {}

private:
    std::string fText;
    std::wstring fWide;
    std::vector<uint32_t> fByteOffsets;
    bool fDecoded = false;
    std::size_t fPosition = 0;
};

// Pulls one token per ConsumeSome and appends its text, in Shift-JIS, to its
// output; an EOF token ends the run.  Tokens without text add nothing.
class TextCollectingTerminal : public TerminalConsumer {
public:
    explicit TextCollectingTerminal(Producer* upstream = nullptr) : TerminalConsumer(upstream) {}

    bool ConsumeSome() override;

    std::string const& GetText() const { return fText; }
    // Empties the collected text.
    std::string TakeText();

protected:
    // Called with every token before its text is appended.
    virtual void NoteToken(Token /*token*/) {}

    std::string fText;
};
