// Periods, quotes and colons: a period written against an abbreviation
// joins it ("e.g."), an end mark inside a closing quote is split around the
// quote, a comma before a closing quote moves outside it, and a colon between
// two words without spaces ("12:30") gets an extra chart word.
#include <algorithm>

#include "engine/foundation/token_types.h"
#include "engine/parse/etoj_preparser.h"
#include "engine/parse/pseudo_words.h"

namespace {

using T = EnglishTokens;

bool IsCloser(TokenTypeID type) { return type == T::kCloseQuote || type == T::kCloseParen || type == T::kCloseBracket; }

bool IsOpener(TokenTypeID type) { return type == T::kOpenQuote || type == T::kOpenParen || type == T::kOpenBracket; }

bool StartsWithPseudoPrefix(std::string const& text) { return text.compare(0, 3, "zxj") == 0; }

void SetWhiteFollows(PreparsedWord* word, bool white) {
    if (white)
        word->fFlags2 |= PreparsedWord::kWhiteFollows;
    else
        word->fFlags2 &= ~PreparsedWord::kWhiteFollows;
}

void SetFlags2Field(PreparsedWord* word, uint16_t value) {
    word->fFlags2 = static_cast<uint16_t>((word->fFlags2 & ~PreparsedWord::kFlags2Mask) | value);
}

}  // namespace

void EtoJPreparser::AbsorbPeriods(std::vector<PreparsedWord>* words) const {
    for (std::size_t i = 0; i < words->size(); ++i) CheckIfCanAbsorbPeriod(words, i, i + 1 != words->size());
    words->erase(
        std::remove_if(words->begin(), words->end(), [](PreparsedWord const& word) { return word.Type() == 0; }),
        words->end());
}

bool EtoJPreparser::CheckIfCanAbsorbPeriod(std::vector<PreparsedWord>* words, std::size_t i, bool notLast) const {
    std::vector<PreparsedWord>& w = *words;
    if (w[i].Type() != T::kPeriod || i == 0) return false;
    PreparsedWord& before = w[i - 1];
    if (before.Type() == 0 || before.WhiteFollows()) return false;
    std::size_t j = 0;
    if (!NextNonWhite(w, i, &j)) return false;
    if (IsProtected(w[i].fToken)) return false;
    if (IsCloser(w[j].Type()) || IsOpener(w[j].Type())) return false;
    if (notLast && w[i + 1].fText == "<") return false;
    if (before.fEnd != w[i].fStart && before.Type() != kEllipsisType) return false;
    if (StartsWithPseudoPrefix(before.fText) && before.fText != pseudo_words::kEllipsis) return false;

    before.fText += ".";
    before.fEnd = w[i].fEnd;
    SetWhiteFollows(&before, w[i].WhiteFollows());
    w[i].fToken &= ~Token{0xFF};
    return true;
}

void EtoJPreparser::RewriteQuotePunct(std::vector<PreparsedWord>* words) {
    std::vector<PreparsedWord>& w = *words;
    std::size_t const n = w.size();
    if (n >= 2 && w[n - 1].Type() == T::kCloseQuote && T::IsEndingPunct(w[n - 2].fToken)) {
        char const* before = nullptr;
        char const* after = nullptr;
        switch (w[n - 2].Type()) {
            case T::kExclamationMark:
                before = pseudo_words::kExclamationOrNothing;
                after = pseudo_words::kExclamationOrPeriod;
                break;
            case T::kPeriod:
                before = pseudo_words::kPeriodOrNothing;
                after = ".";
                break;
            default:
                before = pseudo_words::kQuestionOrNothing;
                after = pseudo_words::kQuestionOrPeriod;
                break;
        }
        w[n - 2].fText = before;
        SetFlags2Field(&w[n - 2], PreparsedWord::kQuotedEndMark);
        // The word after the quote stands for the quote's token, so that
        // source spans that end at it end at the quote.
        PreparsedWord mark;
        mark.fText = after;
        mark.fToken = w[n - 1].fToken;
        mark.fStart = mark.fEnd = w[n - 1].fEnd;
        mark.fFlags2 = PreparsedWord::kQuotedEndMark;
        w.push_back(std::move(mark));
    }

    // A comma before a closing quote goes outside it; the offsets and the
    // white-follows bits stay with their places.
    for (std::size_t i = 1; i < w.size(); ++i) {
        if (!(w[i - 1].Type() == T::kWord && w[i - 1].fText == "," && w[i].Type() == T::kCloseQuote)) continue;
        bool const whiteFirst = w[i - 1].WhiteFollows();
        bool const whiteSecond = w[i].WhiteFollows();
        std::swap(w[i - 1], w[i]);
        std::swap(w[i - 1].fStart, w[i].fStart);
        std::swap(w[i - 1].fEnd, w[i].fEnd);
        SetWhiteFollows(&w[i - 1], whiteFirst);
        SetWhiteFollows(&w[i], whiteSecond);
    }
}

void EtoJPreparser::AddColonsWithoutSpace(std::vector<PreparsedWord> const& words, std::vector<ExtraChartWord>* extra) {
    for (std::size_t i = 1; i < words.size(); ++i) {
        if (words[i].fText == ":" && !words[i - 1].WhiteFollows() && !words[i].WhiteFollows())
            extra->emplace_back(pseudo_words::kColonWithoutSpace, static_cast<uint16_t>(i), static_cast<uint16_t>(i));
    }
}
