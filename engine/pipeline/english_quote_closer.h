#pragma once
// The stage before the sentence-end finder that decides what the scanner left
// open: whether a quotation mark opens or closes, whether an apostrophe
// belongs to a word ("don" "'t"), whether a hyphen is a minus, part of a word
// or a hyphen left hanging ("pre- and post-"), whether a plus or a bullet is
// a word, and whether a period starts a word (".NET").  It looks one token
// back and one ahead; every token leaves one step late.  At each sentence
// end the finder has it pair the sentence's quotation marks again.
#include <deque>
#include <string>
#include <vector>

#include "engine/pipeline/pipeline_stages.h"

class MarkupTags;

class EnglishQuoteCloser : public Filter {
public:
    // markup: what the stage knows of markup tokens; not owned, may be null.
    EnglishQuoteCloser(TokenStringDatabase* strings, TokenCreator* creator, Producer* upstream,
                       MarkupTags* markup = nullptr);

    // With markup set, a markup token waits with the token before it and
    // leaves right after it; the decisions look past it as if it were not
    // there.  Without, a markup token is a token like any other.
    void SetMarkupTags(MarkupTags* markup) { fMarkupTags = markup; }

    Token Produce() override;
    // Forgets what was read and held: a new input starts.
    void Restart();

    // Sets the quotation and "previous" flags again from the tokens the
    // sentence ender still buffers (they come after everything released).
    virtual void Reset(std::vector<Token> const& tokens);
    // Pairs the quotation marks at positions 0..end of the sentence again,
    // retyping them; may replace a mark by a new Word "'".
    void MatchQuotesWithinSentence(std::vector<Token>* tokens, std::size_t end);

    // "d", "ll", "m", "re", "s", "t", "ve" in any letter case.
    static bool IsAllowableContraction(std::wstring const& text);

protected:
    // A new Word: the mark's text followed by the text of next, when next is
    // a token with text that is not white.
    virtual Token CreateApostropheWord(Token quote, Token next);

private:
    static constexpr Token kNoToken = 0xFFFFFF00u;

    void FillOutput();
    void Release(Token token, bool white, bool period);
    Token PeekNextToken();
    Token GetNextToken();
    Token GetPendingToken() const { return fPending.empty() ? kNoToken : fPending.front(); }
    TokenTypeID PendingType() const;
    bool Text(Token token, std::wstring* text) const;
    bool IsWhite(Token token) const;
    bool IsComma(Token token) const;
    bool IsDoubleQuote(Token token) const;
    bool IsMarkup(Token token) const;
    // The pending token ends a clause: a period, "!", "?", a closing quote or a comma.
    bool PendingEndsClause() const;
    bool StartsWithAsciiAlnum(Token token) const;
    Token Retyped(Token token, TokenTypeID type) const { return (token & ~Token{0xFF}) | type; }

    void DoubleQuote(Token token);
    void SingleQuote(Token token);
    void DashToken(Token token);
    void PlusToken(Token token);
    void BulletToken(Token token);
    void PeriodToken(Token token);

    bool fPrevWhite = true;
    bool fPrevPeriod = false;
    bool fInDoubleQuote = false;
    bool fInSingleQuote = false;
    std::deque<Token> fOutputQueue;
    std::vector<Token> fPending;
    std::deque<Token> fIncoming;
    MarkupTags* fMarkupTags;
};
