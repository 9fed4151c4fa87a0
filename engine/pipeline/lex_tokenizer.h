#pragma once
// The stage that scans text tokens into words, numbers and punctuation.
//
// Upstream text tokens are read as one stream of characters and fed to the
// scanner (lex::ScanToken); every match becomes a new token with its text.
// Tokens without text meaning (sentence marks, selection and markup tokens)
// are not scanned: each leaves after every token whose text began before it
// and before any token whose text began after it.  A TokenBreak separates
// the tokens on either side of it and never leaves the stage.  When upstream
// ends the stage hands on everything it still holds, then EOF tokens for ever,
// without pulling upstream again.
#include <cstddef>
#include <deque>
#include <string>
#include <utility>
#include <vector>

#include "engine/pipeline/pipeline_stages.h"

class CompoundTokenDatabase;

class LexTokenizer : public Filter {
public:
    // At most this many characters are taken into the scanner's buffer at a
    // time; the rest of a longer text waits.
    static constexpr int kMaxRead = 8192;

    // compounds may be null: then no substitutes are recorded.
    LexTokenizer(Producer* upstream, TokenCreator* creator, TokenStringDatabase* strings,
                 CompoundTokenDatabase* compounds);

    Token Produce() override;
    // A new upstream is new input: the stage forgets what it read and held.
    void SetUpstreamProducer(Producer* upstream) override;
    // Forgets what was read and held, the end of input included.
    void Restart();

protected:
    // Runs the scanner once: the new token, its text (pointing into the
    // scanner's buffer, valid until the next call) and the text's length.
    // At the end of input the token is EOF, without text.
    virtual void CreateToken(Token* token, wchar_t const** text, unsigned long* length);
    virtual Token ConsumeToken() { return PullUpstream(); }
    virtual void SaveNonLexToken(Token token, unsigned long position);
    virtual void SaveSubstToken(Token token, unsigned long position);
    // Copies the next characters of upstream text into buffer, at most
    // maxSize; 0 at the end of input.
    virtual int LexerInput(wchar_t* buffer, int maxSize);
    // Writes the message to standard error and throws std::runtime_error.
    [[noreturn]] virtual void LexerError(char const* message);

    // Moves the non-lexical tokens that stood at or before position into the
    // output queue; true when it moved any.
    bool QueueNonLexTokens(unsigned long position);
    // Records the token as a compound of the pieces it covers, where it
    // covers substitutes; true when it did.  end: the position after it.
    bool AddSubstTokensFor(Token token, unsigned long end);

private:
    // Takes more characters into the buffer; false at the end of input.
    bool Fill();

    CompoundTokenDatabase* fCompoundTokens;
    std::deque<Token> fOutputQueue;
    unsigned long fInputPosition = 0;
    unsigned long fOutputPosition = 0;
    std::wstring fPendingText;
    std::deque<std::pair<unsigned long, Token>> fNonLexQueue;
    std::deque<std::pair<unsigned long, Token>> fSubstQueue;

    // Characters read and not yet scanned are fBuffer[fScanStart...].
    std::wstring fBuffer;
    std::size_t fScanStart = 0;
    std::vector<wchar_t> fReadBuffer;  // what one LexerInput call brings
    bool fUpstreamEnded = false;
};
