#include "engine/pipeline/english_quote_closer.h"

#include <algorithm>
#include <iterator>

#include "engine/foundation/token_string_database.h"
#include "engine/foundation/token_types.h"
#include "engine/foundation/wide_ctype.h"
#include "engine/pipeline/markup_tags.h"

namespace {

using T = EnglishTokens;

bool IsAsciiAlnum(wchar_t c) { return (c >= '0' && c <= '9') || ((c | 0x20) >= 'a' && (c | 0x20) <= 'z'); }

}  // namespace

EnglishQuoteCloser::EnglishQuoteCloser(TokenStringDatabase* strings, TokenCreator* creator, Producer* upstream,
                                       MarkupTags* markup)
    : Filter(upstream, creator, strings), fMarkupTags(markup) {}

Token EnglishQuoteCloser::Produce() {
    while (fOutputQueue.empty()) FillOutput();
    Token const token = fOutputQueue.front();
    fOutputQueue.pop_front();
    return token;
}

void EnglishQuoteCloser::Restart() {
    fPrevWhite = true;
    fPrevPeriod = fInDoubleQuote = fInSingleQuote = false;
    fOutputQueue.clear();
    fPending.clear();
    fIncoming.clear();
}

bool EnglishQuoteCloser::IsAllowableContraction(std::wstring const& text) {
    static wchar_t const* const kContractions[] = {L"d", L"ll", L"m", L"re", L"s", L"t", L"ve"};
    return std::any_of(std::begin(kContractions), std::end(kContractions),
                       [&text](wchar_t const* c) { return CaseInsensitiveStrCmp(text, c) == 0; });
}

bool EnglishQuoteCloser::Text(Token token, std::wstring* text) const {
    return token != kNoToken && fTokenStringDatabase != nullptr && fTokenStringDatabase->Find(token, text);
}

bool EnglishQuoteCloser::IsWhite(Token token) const {
    return token != kNoToken && EnglishTokens::IsWhite(token, fTokenStringDatabase);
}

bool EnglishQuoteCloser::IsComma(Token token) const {
    return token != kNoToken && EnglishTokens::IsComma(token, fTokenStringDatabase);
}

bool EnglishQuoteCloser::IsDoubleQuote(Token token) const {
    std::wstring text;
    if (!Text(token, &text) || text.empty()) return false;
    if (text[0] == L'"' || text[0] == 0x201C || text[0] == 0x201D) return true;
    auto const single = [](wchar_t c) { return c == L'\'' || c == L'`'; };
    return text.size() >= 2 && single(text[0]) && single(text[1]);
}

bool EnglishQuoteCloser::IsMarkup(Token token) const {
    std::wstring text;
    return fMarkupTags != nullptr && fMarkupTags->TokenCanBeMarkup(token) && Text(token, &text) &&
           fMarkupTags->GetKey(text.c_str(), text.size(), nullptr, nullptr);
}

TokenTypeID EnglishQuoteCloser::PendingType() const {
    return fPending.empty() ? TokenTypeID{0} : TokenTypeOf(fPending.front());
}

bool EnglishQuoteCloser::PendingEndsClause() const {
    TokenTypeID const type = PendingType();
    return type == T::kPeriod || type == T::kExclamationMark || type == T::kQuestionMark || type == T::kCloseQuote ||
           IsComma(GetPendingToken());
}

bool EnglishQuoteCloser::StartsWithAsciiAlnum(Token token) const {
    std::wstring text;
    return Text(token, &text) && !text.empty() && IsAsciiAlnum(text[0]);
}

Token EnglishQuoteCloser::PeekNextToken() {
    if (fIncoming.empty()) fIncoming.push_back(PullUpstream());
    return fIncoming.front();
}

Token EnglishQuoteCloser::GetNextToken() {
    Token const token = PeekNextToken();
    fIncoming.pop_front();
    if (TokenTypeOf(token) == kEOFTokenType) {
        fPrevWhite = true;
        fPrevPeriod = fInDoubleQuote = fInSingleQuote = false;
    }
    return token;
}

void EnglishQuoteCloser::Release(Token token, bool white, bool period) {
    if (IsMarkup(token)) {
        // Markup leaves with the token before it; the flags describe text.
        if (fPending.empty()) {
            fOutputQueue.push_back(token);
        } else {
            fPending.push_back(token);
        }
        return;
    }
    fOutputQueue.insert(fOutputQueue.end(), fPending.begin(), fPending.end());
    fPending.assign(1, token);
    fPrevWhite = white;
    fPrevPeriod = period;
}

void EnglishQuoteCloser::FillOutput() {
    Token const token = GetNextToken();
    switch (TokenTypeOf(token)) {
        case T::kOpenQuote:
        case T::kCloseQuote:
            return DoubleQuote(token);
        case T::kSingleOpenQuote:
        case T::kSingleCloseQuote:
            return SingleQuote(token);
        case T::kDash:
            return DashToken(token);
        case T::kPlus:
            return PlusToken(token);
        case T::kBullet:
            return BulletToken(token);
        case T::kPeriod:
            return PeriodToken(token);
        default:
            return Release(token, IsWhite(token), false);
    }
}

void EnglishQuoteCloser::DoubleQuote(Token token) {
    auto const close = [&] {
        fInDoubleQuote = false;
        Release(Retyped(token, T::kCloseQuote), false, false);
    };
    auto const open = [&] {
        fInDoubleQuote = true;
        Release(Retyped(token, T::kOpenQuote), false, false);
    };
    Token const next = PeekNextToken();
    if (!fPrevWhite) {
        // After a word: closes, unless it sits between a word and a word.
        bool const between = !PendingEndsClause() && StartsWithAsciiAlnum(next);
        if (!between) return close();
    } else if (!IsWhite(next) && TokenTypeOf(next) != kEOFTokenType) {
        return open();
    }
    return fInDoubleQuote ? close() : open();
}

void EnglishQuoteCloser::SingleQuote(Token token) {
    auto const close = [&] {
        fInSingleQuote = false;
        Release(Retyped(token, T::kCloseQuote), false, false);
    };
    auto const open = [&] {
        fInSingleQuote = true;
        Release(Retyped(token, T::kOpenQuote), false, false);
    };
    if (fPending.empty()) return open();

    Token const pending = GetPendingToken();
    Token const next = PeekNextToken();
    std::wstring nextText;
    bool const nextHasText = Text(next, &nextText) && !nextText.empty();
    bool const afterWord = EnglishTokens::IsNonWhiteTextToken(pending) && !IsWhite(pending) &&
                           !EnglishTokens::IsPunctuation(pending, fTokenStringDatabase);
    if (afterWord) {
        if (!nextHasText) return close();
        bool const isNumber = TokenTypeOf(next) == T::kNumber;
        if ((!IsWideAlpha(nextText[0]) && !isNumber) || (isNumber && nextText.size() > 2)) return close();
        std::wstring mark;
        Text(token, &mark);
        bool const typographic = (!mark.empty() && mark.front() == 0x2018) || (!mark.empty() && mark.back() == 0x2019);
        if (!typographic) return Release(CreateApostropheWord(token, GetNextToken()), false, false);
        return Release(CreateApostropheWord(token, kNoToken), false, false);
    }
    if (nextHasText && IsAsciiAlnum(nextText[0])) {
        TokenTypeID const type = PendingType();
        bool const afterEnd = type == T::kPeriod || type == T::kExclamationMark || type == T::kQuestionMark;
        if (afterEnd && IsAllowableContraction(nextText))
            return Release(CreateApostropheWord(token, GetNextToken()), false, false);
        return PendingEndsClause() ? close() : open();
    }
    return !fInSingleQuote && !PendingEndsClause() ? open() : close();
}

Token EnglishQuoteCloser::CreateApostropheWord(Token quote, Token next) {
    // The mark keeps its own characters (a typographic apostrophe is two
    // bytes in Shift-JIS), so the texts still add up to the input.
    std::wstring text;
    Text(quote, &text);
    std::wstring nextText;
    if (next != kNoToken && TokenTypeOf(next) != 0 && !IsWhite(next) && Text(next, &nextText)) text += nextText;
    Token const word = NewToken(fTokenCreator, T::kWord);
    fTokenStringDatabase->Insert(word, text);
    return word;
}

void EnglishQuoteCloser::DashToken(Token token) {
    std::wstring text;
    if (!Text(token, &text) || text != L"-") return Release(token, false, false);
    Token const next = PeekNextToken();
    bool const nextWhite = IsWhite(next) || TokenTypeOf(next) == kEOFTokenType;
    if (!fPending.empty() && !IsWhite(GetPendingToken())) {
        TokenTypeID const type = nextWhite && TokenTypeOf(next) != T::kNewline ? T::kNonClosingHyphen : T::kWord;
        return Release(Retyped(token, type), false, false);
    }
    if (nextWhite) return Release(token, false, false);
    bool const minus = TokenTypeOf(next) == T::kNumber || TokenTypeOf(next) == T::kPeriod;
    Release(Retyped(token, minus ? TokenTypeID{T::kMinus} : TokenTypeID{T::kWord}), false, false);
}

void EnglishQuoteCloser::PlusToken(Token token) {
    if (!fPending.empty() && !IsWhite(GetPendingToken())) return Release(Retyped(token, T::kWord), false, false);
    TokenTypeID const next = TokenTypeOf(PeekNextToken());
    bool const sign = next == T::kNumber || next == T::kPeriod;
    Release(sign ? token : Retyped(token, T::kWord), false, false);
}

void EnglishQuoteCloser::BulletToken(Token token) {
    bool const inWord = !fPending.empty() && !IsWhite(GetPendingToken());
    Release(inWord ? Retyped(token, T::kWord) : token, false, false);
}

void EnglishQuoteCloser::PeriodToken(Token token) {
    Token const next = PeekNextToken();
    if (!fPrevPeriod && TokenTypeOf(next) == T::kWord && StartsWithAsciiAlnum(next)) {
        std::wstring text, nextText;
        Text(token, &text);
        Text(GetNextToken(), &nextText);
        fTokenStringDatabase->Insert(token, text + nextText);
        token = Retyped(token, T::kWord);
    }
    Release(token, false, true);
}

void EnglishQuoteCloser::Reset(std::vector<Token> const& tokens) {
    // The ender's look-ahead, then what this stage still holds, in text order.
    std::vector<Token> later(tokens);
    later.insert(later.end(), fOutputQueue.begin(), fOutputQueue.end());
    later.insert(later.end(), fPending.begin(), fPending.end());
    fInDoubleQuote = fInSingleQuote = false;
    for (Token token : later) {
        TokenTypeID const type = TokenTypeOf(token);
        if (type != T::kOpenQuote && type != T::kCloseQuote) continue;
        std::wstring text;
        bool const isDouble = Text(token, &text) && text == L"\"";
        (isDouble ? fInDoubleQuote : fInSingleQuote) = type == T::kOpenQuote;
    }
    // The last token of text decides the "previous" flags; markup after it
    // changes them no more than on release.
    auto const last = std::find_if(later.rbegin(), later.rend(), [this](Token token) { return !IsMarkup(token); });
    if (last == later.rend()) return;
    fPrevWhite = IsWhite(*last);
    fPrevPeriod = TokenTypeOf(*last) == T::kPeriod;
}

void EnglishQuoteCloser::MatchQuotesWithinSentence(std::vector<Token>* tokens, std::size_t end) {
    std::vector<Token>& sentence = *tokens;
    end = std::min(end, sentence.empty() ? 0 : sentence.size() - 1);
    std::vector<std::size_t> quotes;
    for (std::size_t i = 0; i <= end && i < sentence.size(); ++i) {
        TokenTypeID const type = TokenTypeOf(sentence[i]);
        if (type == T::kOpenQuote || type == T::kCloseQuote) quotes.push_back(i);
    }
    auto const typeAt = [&](std::size_t position) { return TokenTypeOf(sentence[position]); };
    auto const retype = [&](std::size_t position, TokenTypeID type) {
        sentence[position] = Retyped(sentence[position], type);
    };
    auto const isDouble = [&](std::size_t position) { return IsDoubleQuote(sentence[position]); };
    auto const remove = [&](std::size_t k) { quotes.erase(quotes.begin() + static_cast<std::ptrdiff_t>(k)); };

    // Runs a pass until a scan of it removes nothing; a pass answers whether
    // it removed something (and so restarts).
    auto const repeat = [&](auto pass) {
        while (pass()) {
        }
    };

    // 1. Pairs already open and closed.
    repeat([&] {
        long lastOpen[2] = {-1, -1};
        for (std::size_t k = 0; k < quotes.size(); ++k) {
            int const kind = isDouble(quotes[k]) ? 0 : 1;
            if (typeAt(quotes[k]) == T::kOpenQuote) {
                lastOpen[kind] = static_cast<long>(k);
            } else if (lastOpen[kind] >= 0) {
                remove(k);
                remove(static_cast<std::size_t>(lastOpen[kind]));
                return true;
            }
        }
        return false;
    });

    // 2. Inch and feet marks, years ('99) and possessive apostrophes.
    repeat([&] {
        for (std::size_t k = 0; k < quotes.size(); ++k) {
            std::size_t const at = quotes[k];
            bool const afterNumber = at > 0 && typeAt(at - 1) == T::kNumber;
            if (isDouble(at)) {
                if (afterNumber) return remove(k), true;
                continue;
            }
            std::wstring nextText;
            if (at + 1 < sentence.size() && typeAt(at + 1) == T::kNumber && Text(sentence[at + 1], &nextText) &&
                nextText.size() == 2)
                return remove(k), true;
            if (at == 0) continue;
            if (afterNumber) {
                retype(at, T::kWord);
                return remove(k), true;
            }
            std::wstring before;
            if (!Text(sentence[at - 1], &before) || before.empty()) continue;
            bool const shortWord = before.size() <= 2 &&
                                   std::all_of(before.begin(), before.end(), [](wchar_t c) { return IsAsciiAlnum(c); });
            bool const sibilant = std::wstring(L"sxzSXZ").find(before.back()) != std::wstring::npos;
            if (shortWord || sibilant) {
                sentence[at] = CreateApostropheWord(sentence[at], kNoToken);
                return remove(k), true;
            }
        }
        return false;
    });

    // 3. The first and second marks of one kind open and close.
    repeat([&] {
        long first[2] = {-1, -1};
        for (std::size_t k = 0; k < quotes.size(); ++k) {
            int const kind = isDouble(quotes[k]) ? 0 : 1;
            if (first[kind] < 0) {
                first[kind] = static_cast<long>(k);
                continue;
            }
            retype(quotes[static_cast<std::size_t>(first[kind])], T::kOpenQuote);
            retype(quotes[k], T::kCloseQuote);
            remove(k);
            remove(static_cast<std::size_t>(first[kind]));
            return true;
        }
        return false;
    });

    // 4. An opening mark and a later closing one, of any kind.
    repeat([&] {
        long lastOpen = -1;
        for (std::size_t k = 0; k < quotes.size(); ++k) {
            if (typeAt(quotes[k]) == T::kOpenQuote) {
                lastOpen = static_cast<long>(k);
            } else if (lastOpen >= 0) {
                remove(k);
                remove(static_cast<std::size_t>(lastOpen));
                return true;
            }
        }
        return false;
    });

    // 5. The first two marks left open and close.
    if (quotes.size() >= 2) {
        retype(quotes[0], T::kOpenQuote);
        retype(quotes[1], T::kCloseQuote);
    }
}
