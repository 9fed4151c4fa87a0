#include "engine/pipeline/english_sentence_end_finder.h"

#include <algorithm>
#include <iterator>

#include "engine/foundation/token_string_database.h"
#include "engine/foundation/token_types.h"
#include "engine/foundation/wide_ctype.h"
#include "engine/pipeline/sgml_markup_tags.h"

namespace {

using T = EnglishTokens;

// Words that name a chapter or section before its number ("Chapter 5.").
wchar_t const* const kChapterWords[] = {L"act", L"book",    L"bk",   L"chapter", L"chapt",  L"chap", L"part",
                                        L"pt",  L"section", L"sect", L"sec",     L"volume", L"vol"};

// Sentence length limits, in counted (non-white text) tokens.
constexpr std::size_t kHardCut = 150;
constexpr std::size_t kRelaxedCut = 130;
constexpr std::size_t kSemicolonCut = 50;

// The elements whose text keeps its line ends.
wchar_t const* const kLineTags[] = {L"PRE", L"SCRIPT", L"STYLE"};

// The token is markup of SGML syntax whose tag is `name` in any case.  Other
// markup syntaxes have no such tags.
bool SGMLTagNamed(MarkupTags const* tags, Token token, TokenStringDatabase const* strings, wchar_t const* name) {
    std::wstring text;
    return dynamic_cast<SGMLMarkupTags const*>(tags) != nullptr && tags->TokenCanBeMarkup(token) &&
           strings != nullptr && strings->Find(token, &text) && tags->IsThisTag(text.c_str(), name);
}

}  // namespace

// ---- The ender --------------------------------------------------------------

EnglishSentenceEnder::EnglishSentenceEnder()
    : Filter(nullptr, nullptr, nullptr),
      fQuoteCloser(&fOwnQuoteCloser),
      fOwnQuoteCloser(nullptr, nullptr, nullptr),
      fNewlineDetector(&fOwnNewlineDetector) {}

void EnglishSentenceEnder::SetUpstreamProducer(Producer* upstream) {
    Filter::SetUpstreamProducer(upstream);
    if (fQuoteCloser != nullptr) {
        fQuoteCloser->SetUpstreamProducer(upstream);
        fQuoteCloser->Restart();
    }
    fOutputQueue.clear();
    fSentenceTokens.clear();
    BufferChanged();
    fAtLineStart = true;
}

void EnglishSentenceEnder::SetTokenCreator(TokenCreator* creator) {
    Filter::SetTokenCreator(creator);
    if (fQuoteCloser != nullptr) fQuoteCloser->SetTokenCreator(creator);
}

void EnglishSentenceEnder::SetTokenStringDatabase(TokenStringDatabase* strings) {
    Filter::SetTokenStringDatabase(strings);
    if (fQuoteCloser != nullptr) fQuoteCloser->SetTokenStringDatabase(strings);
}

void EnglishSentenceEnder::SetQuoteCloser(EnglishQuoteCloser* closer) {
    fQuoteCloser = closer;
    LinkQuoteCloser();
}

void EnglishSentenceEnder::LinkQuoteCloser() {
    if (fQuoteCloser == nullptr) return;
    fQuoteCloser->SetUpstreamProducer(fUpstream);
    fQuoteCloser->SetTokenCreator(fTokenCreator);
    fQuoteCloser->SetTokenStringDatabase(fTokenStringDatabase);
    fQuoteCloser->SetMarkupTags(fMarkupTags);
}

void EnglishSentenceEnder::SetNewlineLikeTokenDetector(NewlineLikeTokenDetector* detector) {
    fNewlineDetector = detector != nullptr ? detector : &fOwnNewlineDetector;
}

void EnglishSentenceEnder::SetMarkupTags(MarkupTags* tags) {
    fMarkupTags = tags;
    fOwnNewlineDetector.SetMarkupTags(tags);
    if (fNewlineDetector != &fOwnNewlineDetector) fNewlineDetector->SetMarkupTags(tags);
    if (fQuoteCloser != nullptr) fQuoteCloser->SetMarkupTags(tags);
}

int EnglishSentenceEnder::NewlineLikeTokenDetector::IsTokenNewlineLike(Token token,
                                                                       TokenStringDatabase const* strings) const {
    if (TokenTypeOf(token) == T::kNewline) return 0;
    if (TokenTypeOf(token) == kMarkupStartTagToken && SGMLTagNamed(fMarkupTags, token, strings, L"PRE")) return 0;
    return EnglishTokens::IsWhite(token, strings) ? 2 : 1;
}

void EnglishSentenceEnder::SetDictionaries(std::vector<Dictionary_EX> const& /*dictionaries*/) {}

Token EnglishSentenceEnder::Produce() {
    while (fOutputQueue.empty()) FindNextSentence();
    Token const token = fOutputQueue.front();
    fOutputQueue.pop_front();
    return token;
}

Token EnglishSentenceEnder::CreateEndSentToken() { return NewToken(fTokenCreator, T::kEndOfSentence); }

void EnglishSentenceEnder::AddEndSentBeforeEOF() { fOutputQueue.push_back(CreateEndSentToken()); }

Token EnglishSentenceEnder::GetNextToken() {
    if (fUpstream == nullptr) throw std::logic_error("sentence ender has no upstream stage");
    Token const token = fQuoteCloser != nullptr ? fQuoteCloser->Produce() : fUpstream->Produce();
    // Inside preformatted text, scripts and styles a line end is a line end;
    // in the rest of a marked-up text it is white space like any other.
    if (TokenTypeOf(token) == kMarkupStartTagToken && IsLineTag(token)) {
        SetNewlineCanEndSentence(true);
        fAtLineStart = true;
    } else if (TokenTypeOf(token) == kMarkupEndTagToken && IsLineTag(token)) {
        SetNewlineCanEndSentence(false);
    }
    return token;
}

bool EnglishSentenceEnder::IsLineTag(Token token) const {
    return std::any_of(std::begin(kLineTags), std::end(kLineTags), [&](wchar_t const* name) {
        return SGMLTagNamed(fMarkupTags, token, fTokenStringDatabase, name);
    });
}

bool EnglishSentenceEnder::EnsureSentenceTokens(std::size_t i) {
    while (fSentenceTokens.size() <= i) {
        if (!fSentenceTokens.empty() && TokenTypeOf(fSentenceTokens.back()) == kEOFTokenType) return false;
        fSentenceTokens.push_back(GetNextToken());
    }
    return true;
}

bool EnglishSentenceEnder::Is(std::size_t i, TokenTypeID type) {
    return EnsureSentenceTokens(i) && TokenTypeOf(At(i)) == type;
}

bool EnglishSentenceEnder::IsBlankAt(std::size_t i) {
    if (!EnsureSentenceTokens(i)) return true;
    TokenTypeID const type = TokenTypeOf(At(i));
    return type == T::kNewline || type == T::kSpace || type == T::kTab;
}

bool EnglishSentenceEnder::PreceedingWord(std::size_t i, std::size_t* j) {
    if (i == 0 || !HaveSentence(i - 1)) return false;
    while (i-- > 0) {
        if (!IsBlankAt(i)) {
            *j = i;
            return true;
        }
    }
    return false;
}

bool EnglishSentenceEnder::PreceededBy(std::size_t i, TokenTypeID type) {
    std::size_t j;
    return PreceedingWord(i, &j) && TokenTypeOf(At(j)) == type;
}

bool EnglishSentenceEnder::PreceededByNewline(std::size_t i) {
    while (i-- > 0) {
        if (Is(i, T::kNewline)) return true;
        if (!IsBlankAt(i)) return false;
    }
    return false;
}

bool EnglishSentenceEnder::FollowingWord(std::size_t i, std::size_t* j) {
    for (std::size_t k = i + 1; EnsureSentenceTokens(k); ++k) {
        Token const token = At(k);
        TokenTypeID const type = TokenTypeOf(token);
        if (type == T::kEndOfSentence || type == kEOFTokenType) return false;
        if (EnglishTokens::IsTextToken(token) && !IsBlankAt(k)) {
            *j = k;
            return true;
        }
    }
    return false;
}

bool EnglishSentenceEnder::FollowedBy(std::size_t i, TokenTypeID type) {
    std::size_t j;
    return FollowingWord(i, &j) && TokenTypeOf(At(j)) == type;
}

bool EnglishSentenceEnder::FollowedByNewline(std::size_t i) {
    for (std::size_t k = i + 1; EnsureSentenceTokens(k); ++k) {
        if (Is(k, T::kNewline)) return true;
        if (!IsBlankAt(k)) return false;
    }
    return false;
}

bool EnglishSentenceEnder::FirstNonWhiteInSentence(std::size_t* j) {
    LeadingWhite& known = fLeadingWhite;
    if (known.firstWord < 0) {
        if (!IsBlankAt(0)) {
            known.firstWordAt = 0;
            known.firstWord = 1;
        } else {
            known.firstWord = FollowingWord(0, &known.firstWordAt) ? 1 : 0;
        }
    }
    *j = known.firstWordAt;
    return known.firstWord == 1;
}

bool EnglishSentenceEnder::HaveSentence(std::size_t i) {
    LeadingWhite& known = fLeadingWhite;
    while (!known.nonBlankFound && known.blanks <= i) {
        if (IsBlankAt(known.blanks)) {
            ++known.blanks;
        } else {
            known.nonBlankFound = true;
        }
    }
    return known.nonBlankFound && known.blanks <= i;
}

bool EnglishSentenceEnder::SentenceTokenToString(std::size_t i, std::wstring* text) {
    return EnsureSentenceTokens(i) && fTokenStringDatabase != nullptr && fTokenStringDatabase->Find(At(i), text);
}

bool EnglishSentenceEnder::DigitOrLessThan3(std::size_t i) {
    std::wstring text;
    if (!SentenceTokenToString(i, &text)) return false;
    return text.size() < 3 || text.find_first_of(L"0123456789") != std::wstring::npos;
}

bool EnglishSentenceEnder::ChapterWord(std::size_t i) {
    std::wstring text;
    if (!Is(i, T::kWord) || !SentenceTokenToString(i, &text)) return false;
    return std::any_of(std::begin(kChapterWords), std::end(kChapterWords),
                       [&text](wchar_t const* word) { return StrUpMatch(text, word); });
}

bool EnglishSentenceEnder::IsChapterHeading(std::size_t i) {
    std::size_t f, p, q, r;
    if (!PreceedingWord(i, &p)) return false;
    bool const haveF = FirstNonWhiteInSentence(&f);
    bool const haveQ = PreceedingWord(p, &q);
    bool const haveR = haveQ && PreceedingWord(q, &r);
    if (!haveF || FollowedByNewline(i)) return false;
    auto const isNumber = [&](std::size_t k) { return TokenTypeOf(At(k)) == T::kNumber; };
    auto const hasDigit = [&](std::size_t k) {
        std::wstring text;
        return SentenceTokenToString(k, &text) && text.find_first_of(L"0123456789") != std::wstring::npos;
    };
    auto const mark = [&](std::size_t k) {
        if (fMarkedSerials != nullptr) fMarkedSerials->insert(TokenSerialOf(At(k)));
    };
    bool heading = false;
    if ((isNumber(p) || hasDigit(p)) && p == f) {
        heading = true;
    } else if (isNumber(p) && haveQ && ChapterWord(q) && q == f) {
        heading = true;
    } else if (ChapterWord(p) && p == f) {
        heading = true;
    } else if (isNumber(p) && haveQ && Is(q, T::kPeriod) && haveR && ChapterWord(r) && r == f) {
        heading = true;
    } else if (DigitOrLessThan3(p) && haveQ && haveR && DigitOrLessThan3(r) && r == f) {
        std::wstring hyphen;
        bool const joiner =
            (Is(q, T::kWord) || Is(q, T::kNonClosingHyphen)) && SentenceTokenToString(q, &hyphen) && hyphen == L"-";
        if (joiner) {
            mark(q);
            heading = true;
        }
    }
    if (heading) mark(i);
    return heading;
}

void EnglishSentenceEnder::InsertNewToken(std::size_t i, TokenTypeID type) {
    fSentenceTokens.insert(fSentenceTokens.begin() + static_cast<std::ptrdiff_t>(i), NewToken(fTokenCreator, type));
    BufferChanged();
}

void EnglishSentenceEnder::Retype(std::size_t i, TokenTypeID type) {
    fSentenceTokens[i] = (fSentenceTokens[i] & ~Token{0xFF}) | type;
    BufferChanged();  // an end mark retyped no longer stops the walk to the first word
}

int EnglishSentenceEnder::NewlineLikeness(Token token) const {
    return fNewlineDetector->IsTokenNewlineLike(token, fTokenStringDatabase);
}

bool EnglishSentenceEnder::FoundSemi(std::size_t i) {
    return (Is(i, T::kSemicolon) || Is(i, T::kColon)) && IsBlankAt(i + 1);
}

bool EnglishSentenceEnder::EndOfSentenceRelaxed(std::size_t i) {
    return EnsureSentenceTokens(i) && EnglishTokens::IsPunctuation(At(i), fTokenStringDatabase) && Is(i + 1, T::kSpace);
}

void EnglishSentenceEnder::FindNextSentence() {
    std::size_t count = 0, depth = 0, semicolon = 0;
    int state = 0;  // 1: a semicolon is remembered; 2: the sentence is long, the next one ends it
    std::size_t end = 0;
    for (std::size_t i = 0;; ++i) {
        if (i >= kMaxSentenceTokens || !EnsureSentenceTokens(i)) {
            // Cut where the buffer ends if the input does not reach that far.
            end = EnsureSentenceTokens(kMaxSentenceTokens) ? kMaxSentenceTokens : fSentenceTokens.size() - 1;
            break;
        }
        if (count > kHardCut || (count > kRelaxedCut && EndOfSentenceRelaxed(i))) {
            end = i;
            AtEndOfSentence(&end);
            break;
        }
        Token const token = At(i);
        if (EnglishTokens::IsNonWhiteTextToken(token)) ++count;
        if (TokenTypeOf(token) == T::kOpenParen) ++depth;
        if (TokenTypeOf(token) == T::kCloseParen && depth > 0) --depth;
        if (depth == 0 && FoundSemi(i)) {
            if (state == 2) {
                end = i;
                AtEndOfSentence(&end);
                break;
            }
            if (state == 0) {
                semicolon = i;
                state = 1;
            }
        }
        if (count > kSemicolonCut) {
            if (state == 1) {
                end = semicolon;
                AtEndOfSentence(&end);
                break;
            }
            state = 2;
        }
        if (EndOfSentence(i, &end)) {
            AtEndOfSentence(&end);
            break;
        }
    }
    ReleaseSentenceTokens(end);
}

void EnglishSentenceEnder::ReleaseSentenceTokens(std::size_t end) {
    end = std::min(end, fSentenceTokens.size() - 1);
    bool lineStart = fAtLineStart;
    bool text = false;
    for (std::size_t k = 0; k <= end; ++k) {
        Token const token = At(k);
        int const likeness = NewlineLikeness(token);
        if (likeness == 0) lineStart = true;
        if (likeness == 1) lineStart = false;
        if (TokenTypeOf(token) == kEOFTokenType && k > 0 && text) AddEndSentBeforeEOF();
        if (!IsBlankAt(k)) text = true;
        fOutputQueue.push_back(token);
    }
    fSentenceTokens.erase(fSentenceTokens.begin(), fSentenceTokens.begin() + static_cast<std::ptrdiff_t>(end + 1));
    BufferChanged();
    fAtLineStart = lineStart;
    if (fQuoteCloser != nullptr) fQuoteCloser->Reset(fSentenceTokens);
}

bool EnglishSentenceEnder::EndOfSentence(std::size_t i, std::size_t* end) {
    if (Is(i, T::kPeriod)) IsChapterHeading(i);
    switch (TokenTypeOf(At(i))) {
        case T::kEndOfSentence:
            if (i > 0 && HaveSentence(i - 1) && !PreceededBy(i, T::kContinueSentence)) {
                *end = i;
                return true;
            }
            Retype(i, T::kIgnoredEndOfSentence);
            return false;
        case T::kSkippedSent:
            *end = i;
            return true;
        case kEOFTokenType:
            if (i > 0 && !PreceededByNewline(i)) {
                InsertNewToken(i, T::kNewline);
                *end = i + 1;
            } else {
                *end = i;
            }
            return true;
        default:
            return false;
    }
}

void EnglishSentenceEnder::AtEndOfSentence(std::size_t* end) {
    if (fQuoteCloser != nullptr) fQuoteCloser->MatchQuotesWithinSentence(&fSentenceTokens, *end);
}

// ---- The finder -------------------------------------------------------------

EnglishSentenceEndFinder::EnglishSentenceEndFinder() = default;
EnglishSentenceEndFinder::~EnglishSentenceEndFinder() = default;

void EnglishSentenceEndFinder::SetDictionaries(std::vector<Dictionary_EX> const& dictionaries) {
    fDictionaries = dictionaries;
    ResetDictionary();
}

void EnglishSentenceEndFinder::FindNextSentence() {
    fRule = "";
    EnglishSentenceEnder::FindNextSentence();
    // The word lists are built again now and then, so that a dictionary
    // changed meanwhile is seen.
    if (++fSentencesSinceReset > 99) ResetDictionary();
}

void EnglishSentenceEndFinder::ReleaseSentenceTokens(std::size_t end) {
    end = std::min(end, fSentenceTokens.size() - 1);
    TokenTypeID const type = TokenTypeOf(At(end));
    bool const addEnd = type != T::kEndOfSentence && type != kEOFTokenType;
    fLastRule = fRule;
    EnglishSentenceEnder::ReleaseSentenceTokens(end);
    if (addEnd) fOutputQueue.push_back(CreateEndSentToken());
}

void EnglishSentenceEndFinder::AtEndOfSentence(std::size_t* end) {
    EnglishSentenceEnder::AtEndOfSentence(end);
    while (Is(*end + 1, T::kEndOfSentence)) {
        if (Is(*end, T::kEndOfSentence)) Retype(*end, T::kIgnoredEndOfSentence);
        ++*end;
    }
}

bool EnglishSentenceEndFinder::IsWhiteAt(std::size_t i) {
    return !EnsureSentenceTokens(i) || EnglishTokens::IsWhite(At(i), fTokenStringDatabase);
}

bool EnglishSentenceEndFinder::BeforeNextTextToken(std::size_t end) {
    for (std::size_t k = end + 1; EnsureSentenceTokens(k); ++k) {
        Token const token = At(k);
        if (TokenTypeOf(token) == T::kContinueSentence) return true;
        if (EnglishTokens::IsNonWhiteTextToken(token) && !IsBlankAt(k)) return false;
        if (TokenTypeOf(token) == kEOFTokenType) return false;
    }
    return false;
}

bool EnglishSentenceEndFinder::EndOfSentence(std::size_t i, std::size_t* end) {
    if (!DecideByType(i, end)) return false;
    if (BeforeNextTextToken(*end)) {
        fRule = "";
        return false;
    }
    return true;
}

bool EnglishSentenceEndFinder::DecideByType(std::size_t i, std::size_t* end) {
    auto const endAt = [&](std::size_t position, char const* rule) {
        *end = position;
        fRule = rule;
        return true;
    };
    bool const afterContinue = PreceededBy(i, T::kContinueSentence);
    switch (TokenTypeOf(At(i))) {
        case T::kEndOfSentence:
            if (i > 0 && HaveSentence(i - 1) && !afterContinue) return endAt(i, "end mark");
            Retype(i, T::kIgnoredEndOfSentence);
            return false;
        case T::kSeparator:
            if (i > 0 && HaveSentence(i - 1)) {
                InsertNewToken(i, T::kNewline);
            }
            return endAt(i, "separator line");
        case T::kNewline:
            if (!fNewlineCanEndSentence) return false;
            if (i > 1 && PreceededByNewline(i) && HaveSentence(i - 2) && !afterContinue)
                return endAt(i - 2, "blank line");
            if (PreceededBy(i, T::kSemicolon) && !afterContinue) {
                std::size_t f;
                std::wstring first;
                if (FirstNonWhiteInSentence(&f) && SentenceTokenToString(f, &first) && StrUpMatch(first, L"whereas"))
                    return endAt(i - 1, "semicolon at a line end after \"whereas\"");
                return false;
            }
            if (ShortTitle(i) && !afterContinue) return endAt(i - 1, "short title line");
            if (MailHeader(i) && !afterContinue) return endAt(i - 1, "mail header line");
            if (i > 0 && HaveSentence(i - 1) && OutlineItemStart(i + 1)) return endAt(i - 1, "outline item follows");
            return false;
        case T::kDash: {
            if (i == 0 || !HaveSentence(i - 1) || !CanEndHere(i)) return false;
            std::wstring text;
            SentenceTokenToString(i, &text);
            if (text == L"\u0095" || text == L"\u00B7") return endAt(i - 1, "bullet");
            if (InAlmightyIdiom(i) || !PreceededByNewline(i)) return false;
            return endAt(i - 1, "dash at a line start");
        }
        case T::kQuestionMark:
        case T::kExclamationMark:
            if (!CanEndHere(i) || InAlmightyIdiom(i) || FollowedBy(i, T::kCloseQuote) ||
                FollowedBy(i, T::kCloseParen) || FollowedBy(i, T::kCloseBracket))
                return false;
            return endAt(i, "question or exclamation mark");
        case T::kCloseQuote:
        case T::kCloseParen:
        case T::kCloseBracket: {
            TokenTypeID const type = TokenTypeOf(At(i));
            if (!FollowedByNewline(i)) {
                std::size_t w;
                if (FollowingWord(i, &w)) {
                    if (StartsWith(w, IsWideLower)) return false;
                    TokenTypeID const next = TokenTypeOf(At(w));
                    bool const allowed = next == T::kOpenQuote || next == T::kOpenParen || next == T::kCloseParen ||
                                         next == T::kOpenBracket || next == T::kCloseBracket || next == T::kBullet;
                    if (IsPunctuationAt(w) && !allowed) return false;
                }
            }
            if (InAlmightyIdiom(i) || ScopedTextIsAbbreviation(type, i)) return false;
            if (PreceededBy(i, T::kPeriod) || PreceededBy(i, T::kQuestionMark) || PreceededBy(i, T::kExclamationMark))
                return endAt(i, "closing mark after an end mark");
            return false;
        }
        case T::kPeriod:
            if (ProcessPeriod(i, end)) {
                if (*fRule == '\0') fRule = "period";
                return true;
            }
            return false;
        case T::kWord:
            return false;
        default:
            if (EnglishSentenceEnder::EndOfSentence(i, end)) {
                fRule = TokenTypeOf(At(*end)) == kEOFTokenType ? "end of input" : "skipped sentence";
                return true;
            }
            return false;
    }
}

// ---- Lines ------------------------------------------------------------------

bool EnglishSentenceEndFinder::SentenceStartsAtStartOfLine() {
    if (fAtLineStart) return true;
    for (std::size_t k = 0; EnsureSentenceTokens(k); ++k) {
        int const likeness = NewlineLikeness(At(k));
        if (likeness == 0) return true;
        if (likeness == 1) return false;
    }
    return false;
}

std::size_t EnglishSentenceEndFinder::BytesSinceLastNewline(std::size_t n) {
    std::size_t sum = 0;
    for (std::size_t k = 0; k <= n && EnsureSentenceTokens(k); ++k) {
        if (NewlineLikeness(At(k)) == 0) {
            sum = 0;
            continue;
        }
        std::wstring text;
        if (SentenceTokenToString(k, &text))
            sum += static_cast<std::size_t>(std::count_if(text.begin(), text.end(), IsWideAlnum));
    }
    return sum;
}

bool EnglishSentenceEndFinder::ShortTitle(std::size_t i) {
    std::size_t f;
    return i > 0 && SentenceStartsAtStartOfLine() && FirstNonWhiteInSentence(&f) && f < i && CanEndHere(i) &&
           BytesSinceLastNewline(i - 1) <= 39;
}

bool EnglishSentenceEndFinder::MailHeader(std::size_t i) {
    if (i == 0 || !SentenceStartsAtStartOfLine()) return false;
    std::size_t k = 0;
    bool newlineSeen = false;
    // Past leading marks and at most one line end to the header's first word.
    for (;; ++k) {
        if (k >= i) return false;
        Token const token = At(k);
        if (!EnglishTokens::IsTextToken(token)) continue;
        if (TokenTypeOf(token) == T::kNewline) {
            if (newlineSeen || fAtLineStart) return false;
            newlineSeen = true;
            continue;
        }
        if (IsWhiteAt(k)) return false;
        break;
    }
    // The name: text tokens without white up to a colon.
    bool named = false;
    std::size_t colon = i;
    for (; k < i; ++k) {
        Token const token = At(k);
        if (!EnglishTokens::IsTextToken(token)) continue;
        if (TokenTypeOf(token) == T::kColon) {
            if (!named) return false;
            colon = k;
            break;
        }
        if (IsWhiteAt(k)) return false;
        named = true;
    }
    // Folded lines of the value start with white.
    for (k = colon + 1; k < i; ++k) {
        if (!Is(k, T::kNewline)) continue;
        std::size_t next = k + 1;
        while (next < i && !EnglishTokens::IsTextToken(At(next))) ++next;
        if (next >= i || !IsWhiteAt(next)) return false;
    }
    // The next line starts with a word (or is empty).
    for (k = i + 1; EnsureSentenceTokens(k); ++k) {
        Token const token = At(k);
        if (!EnglishTokens::IsTextToken(token)) continue;
        return TokenTypeOf(token) == T::kNewline || !IsWhiteAt(k);
    }
    return true;
}

bool EnglishSentenceEndFinder::OutlineItemStart(std::size_t j) {
    while (Is(j, T::kSpace) || Is(j, T::kTab)) ++j;
    std::wstring text;
    if (!(Is(j, T::kWord) || Is(j, T::kNumber)) || !SentenceTokenToString(j, &text)) return false;
    if (text.empty() || text.size() > 2 || text.find_first_not_of(L"0123456789") != std::wstring::npos) return false;
    return Is(j + 1, T::kPeriod);
}

bool EnglishSentenceEndFinder::SpacesAfter(std::size_t i) {
    std::wstring text;
    return Is(i + 1, T::kSpace) && SentenceTokenToString(i + 1, &text) && text.size() > 1;
}

// ---- Whole sentences --------------------------------------------------------

bool EnglishSentenceEndFinder::LooksLikeCompleteSentence(std::vector<Token> const& tokens) {
    std::size_t n = tokens.size();
    auto const skipped = [](TokenTypeID type) {
        return type == T::kSkippedSent || type == kEOFTokenType || type == T::kEndOfSentence || type == T::kSpace ||
               type == T::kTab;
    };
    while (n > 0 && skipped(TokenTypeOf(tokens[n - 1]))) --n;
    if (n == 0) return false;
    auto const ender = [](TokenTypeID type) {
        return type == T::kQuestionMark || type == T::kExclamationMark || type == T::kPeriod;
    };
    TokenTypeID const last = TokenTypeOf(tokens[n - 1]);
    if (last == T::kNewline || ender(last)) return true;
    bool const closer = last == T::kCloseQuote || last == T::kCloseParen || last == T::kCloseBracket;
    return closer && n >= 2 && ender(TokenTypeOf(tokens[n - 2]));
}
