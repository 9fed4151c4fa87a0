#pragma once
// The stages that cut the token stream into sentences: each sentence's
// tokens are handed on followed by one EndOfSentence token.
//
// EnglishSentenceEnder buffers tokens (read through the quote closer it
// owns), searches the next end within the length limits and releases the
// sentence; its own end decisions are the basic ones (end marks from
// upstream, skipped sentences, the end of input).  EnglishSentenceEndFinder,
// the stage a chain builds by default, decides by token type with look-around
// and by the word lists of the open dictionaries.
//
// Positions are indices into the buffer of the sentence under search; a
// query fetches the tokens it needs, and a position past the input is absent.
#include <cstddef>
#include <cstdint>
#include <deque>
#include <set>
#include <string>
#include <vector>

#include "engine/foundation/can_be_null.h"
#include "engine/foundation/dictionary.h"
#include "engine/pipeline/english_quote_closer.h"
#include "engine/pipeline/pipeline_stages.h"

class AlmightyIdiomInterface_;
class CannotBeginSentInterface_;
class CannotEndSentInterface_;
class CannotBeginAndEndSentInterface_;
class CanUseUpPeriodInterface_;
class SingleWordsWithPeriodsInterface_;
class LowerCaseWordsInterface_;
class MarkupTags;

class EnglishSentenceEnder : public Filter {
public:
    // The most tokens a sentence takes before it is cut.
    static constexpr std::size_t kMaxSentenceTokens = 5000;

    // Tells whether a token starts a line, for the line tests: 0 for a
    // Newline (and, with SGML markup, a PRE start tag), 1 for a token that
    // is not white, 2 for other white tokens.
    class NewlineLikeTokenDetector {
    public:
        virtual ~NewlineLikeTokenDetector() = default;
        virtual void SetMarkupTags(MarkupTags* tags) { fMarkupTags = tags; }
        virtual int IsTokenNewlineLike(Token token, TokenStringDatabase const* strings) const;

    protected:
        MarkupTags* fMarkupTags = nullptr;
    };

    EnglishSentenceEnder();

    // The ender reads through its quote closer, which reads from upstream.
    // A new upstream is new input: what was read and held is forgotten.
    void SetUpstreamProducer(Producer* upstream) override;
    void SetTokenCreator(TokenCreator* creator) override;
    void SetTokenStringDatabase(TokenStringDatabase* strings) override;
    // The dictionaries whose word lists the end decisions read.
    virtual void SetDictionaries(std::vector<Dictionary_EX> const& dictionaries);
    virtual void SetNewlineCanEndSentence(bool /*can*/) {}
    // The chain's set of serials of periods (and hyphens) that belong to
    // chapter and section numbers; not owned, may be null.
    void SetMarkedSerials(std::set<uint32_t>* serials) { fMarkedSerials = serials; }
    // The stage the ender reads through, which it links to its own upstream,
    // creator, string store and markup; not owned.  Null reads upstream
    // directly, and quotes are then not paired again at sentence ends.  The
    // ender starts with an embedded closer of its own.
    void SetQuoteCloser(EnglishQuoteCloser* closer);
    // Replaces the line-start test; not owned.  Null restores the embedded one.
    void SetNewlineLikeTokenDetector(NewlineLikeTokenDetector* detector);
    // What the stages know of the markup that the tokenizer made into
    // tokens; not owned, null (the default) for none.  With SGML markup a
    // PRE, SCRIPT or STYLE start tag lets line ends end sentences and its end
    // tag stops them from doing so; markup tokens wait with the token before
    // them in the quote closer, and a PRE start tag starts a line.
    void SetMarkupTags(MarkupTags* tags);

    Token Produce() override;

protected:
    virtual void FindNextSentence();
    // Hands on the tokens at 0..end and drops them from the buffer.
    virtual void ReleaseSentenceTokens(std::size_t end);
    // A new EndOfSentence token with the next serial.
    Token CreateEndSentToken();
    virtual bool EndOfSentence(std::size_t i, std::size_t* end);
    virtual void AtEndOfSentence(std::size_t* end);

    // ---- Position queries -------------------------------------------------
    bool EnsureSentenceTokens(std::size_t i);
    Token At(std::size_t i) const { return fSentenceTokens[i]; }
    bool Is(std::size_t i, TokenTypeID type);
    // Absent, or a Newline, Space or Tab.
    bool IsBlankAt(std::size_t i);
    bool PreceedingWord(std::size_t i, std::size_t* j);
    bool PreceededBy(std::size_t i, TokenTypeID type);
    bool PreceededByNewline(std::size_t i);
    bool FollowingWord(std::size_t i, std::size_t* j);
    bool FollowedBy(std::size_t i, TokenTypeID type);
    bool FollowedByNewline(std::size_t i);
    bool FirstNonWhiteInSentence(std::size_t* j);
    bool HaveSentence(std::size_t i);
    bool SentenceTokenToString(std::size_t i, std::wstring* text);
    bool DigitOrLessThan3(std::size_t i);
    bool ChapterWord(std::size_t i);
    bool IsChapterHeading(std::size_t i);
    // Puts a new token of the type at i, before what was there.
    void InsertNewToken(std::size_t i, TokenTypeID type);
    void Retype(std::size_t i, TokenTypeID type);
    // The detector's answer for the token.
    int NewlineLikeness(Token token) const;

    std::deque<Token> fOutputQueue;
    std::vector<Token> fSentenceTokens;
    std::set<uint32_t>* fMarkedSerials = nullptr;
    MarkupTags* fMarkupTags = nullptr;
    bool fAtLineStart = true;
    EnglishQuoteCloser* fQuoteCloser;

private:
    // What the walks from the start of the buffer found, kept until the
    // buffer changes, so that a long run of white tokens is walked once and
    // not once per position.
    struct LeadingWhite {
        std::size_t blanks = 0;      // positions 0..blanks-1 are blank
        bool nonBlankFound = false;  // position `blanks` is not blank
        int firstWord = -1;          // -1: not sought yet; 0: none; 1: at firstWordAt
        std::size_t firstWordAt = 0;
    };
    void BufferChanged() { fLeadingWhite = LeadingWhite(); }

    Token GetNextToken();
    // A markup token of SGML markup whose tag is one of those that decide
    // whether line ends end sentences (PRE, SCRIPT, STYLE).
    bool IsLineTag(Token token) const;
    void LinkQuoteCloser();
    bool FoundSemi(std::size_t i);
    bool EndOfSentenceRelaxed(std::size_t i);
    void AddEndSentBeforeEOF();

    LeadingWhite fLeadingWhite;
    EnglishQuoteCloser fOwnQuoteCloser;
    NewlineLikeTokenDetector fOwnNewlineDetector;
    NewlineLikeTokenDetector* fNewlineDetector;
};

class EnglishSentenceEndFinder : public EnglishSentenceEnder {
public:
    EnglishSentenceEndFinder();
    ~EnglishSentenceEndFinder() override;

    void SetDictionaries(std::vector<Dictionary_EX> const& dictionaries) override;
    void SetNewlineCanEndSentence(bool can) override { fNewlineCanEndSentence = can; }
    // Builds the word lists again from the dictionaries.
    void ResetDictionary();

    // Whether the tokens end like a whole sentence: a newline, a question
    // or exclamation mark or a period, perhaps inside a closing quote or
    // bracket, before trailing blanks and end marks.
    static bool LooksLikeCompleteSentence(std::vector<Token> const& tokens);

    // The rule that decided each end, for traces; "" when none was kept.
    char const* LastEndRule() const { return fLastRule; }

protected:
    void FindNextSentence() override;
    void ReleaseSentenceTokens(std::size_t end) override;
    bool EndOfSentence(std::size_t i, std::size_t* end) override;
    void AtEndOfSentence(std::size_t* end) override;

private:
    bool DecideByType(std::size_t i, std::size_t* end);
    bool BeforeNextTextToken(std::size_t end);
    bool IsWhiteAt(std::size_t i);

    // Lines.
    bool SentenceStartsAtStartOfLine();
    std::size_t BytesSinceLastNewline(std::size_t n);
    bool ShortTitle(std::size_t i);
    bool MailHeader(std::size_t i);
    bool OutlineItemStart(std::size_t j);
    bool SpacesAfter(std::size_t i);

    // Periods and word lists (sentence_end_periods.cpp).
    bool ProcessPeriod(std::size_t i, std::size_t* end);
    bool CanEndHere(std::size_t i);
    bool InAlmightyIdiom(std::size_t i);
    bool MatchIdiom(std::string const& idiom, std::size_t p, std::size_t i, std::wstring const& w);
    bool ScopedTextIsAbbreviation(TokenTypeID type, std::size_t i);
    bool PreceedingInitialSequence(std::size_t i);
    bool CannotEndSentDictEntryAt(std::size_t i);
    bool CanStartSentenceAt(std::size_t i);
    bool CanUseUpPeriodAt(std::size_t i);
    bool LowerCaseDictEntryAt(std::size_t i);
    bool CommonGrammaticalWordAt(std::size_t i);
    bool IsPunctuationAt(std::size_t i);
    bool IsScopeOpenerAt(std::size_t i);
    bool StartsWith(std::size_t i, bool (*test)(wchar_t));
    bool IsUpperWord(std::size_t i);
    bool IsSingleUppercaseLetter(std::size_t i);
    bool IsAcronym(std::size_t i);
    bool InternalPeriod(std::size_t i);
    std::wstring MakeNormalizedStringFromTokens(std::size_t from, std::size_t to);

    bool CanStartSentence(std::wstring const& text) const;
    bool CannotEndSentDictEntry(std::wstring const& text) const;
    bool CannotBeginAndEndSentDictEntry(std::wstring const& text) const;
    bool CanUseUpPeriod(std::wstring const& text) const;
    bool WordWithPeriodHasSingleWordEntries(std::wstring const& text) const;
    bool LowerCaseDictEntry(std::wstring const& text) const;

    std::vector<Dictionary_EX> fDictionaries;
    CanBeNull<Dictionary_EX> fWordListDictionary;
    AlmightyIdiomInterface_* fAlmightyIdioms = nullptr;
    CannotBeginSentInterface_* fCannotBeginSent = nullptr;
    CannotEndSentInterface_* fCannotEndSent = nullptr;
    CannotBeginAndEndSentInterface_* fCannotBeginAndEndSent = nullptr;
    CanUseUpPeriodInterface_* fCanUseUpPeriod = nullptr;
    SingleWordsWithPeriodsInterface_* fSingleWordsWithPeriods = nullptr;
    LowerCaseWordsInterface_* fLowerCaseWords = nullptr;
    bool fNewlineCanEndSentence = true;
    uint32_t fSentencesSinceReset = 0;
    char const* fLastRule = "";
    char const* fRule = "";
};

// Equality of two texts with ASCII letters compared without regard to case.
bool StrUpMatch(std::wstring const& a, std::wstring const& b);
// Full-width and typographic punctuation replaced by its ASCII form.
void NormalizeIdiomChars(std::wstring* text);
