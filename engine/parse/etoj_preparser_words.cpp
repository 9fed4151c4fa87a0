// The first steps of preparsing: tokens become words with their byte offsets,
// a sentence cut short gets a line end, layout and marks get their made-up
// texts, trailing tabs go, and "am"/"pm" is split off numbers.
#include <algorithm>
#include <cstring>
#include <iterator>

#include "engine/foundation/token_types.h"
#include "engine/parse/etoj_preparser.h"
#include "engine/parse/hit_limit_exception.h"
#include "engine/parse/pseudo_words.h"
#include "engine/pipeline/english_sentence_end_finder.h"

namespace {

using T = EnglishTokens;

// Offsets are 16-bit: a longer sentence is given up, not wrapped.
uint16_t CheckedOffset(uint32_t offset) {
    if (offset > EtoJPreparser::kMaxSentenceBytes) throw HitLimitException();
    return static_cast<uint16_t>(offset);
}

PreparsedWord MakeWord(Token token, char const* text, uint32_t start, uint32_t end) {
    PreparsedWord word;
    word.fToken = token;
    word.fText = text;
    word.fStart = CheckedOffset(start);
    word.fEnd = CheckedOffset(end);
    return word;
}

bool EndsWith(std::string const& text, char const* suffix) {
    std::size_t const n = std::strlen(suffix);
    return text.size() >= n && text.compare(text.size() - n, n, suffix) == 0;
}

// The value of the leading digits, as atoi reads them, but held at a bound
// instead of overflowing: only "below 25" is asked of it.
unsigned long LeadingNumber(std::string const& text) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        if (text[i] == '-') return 0;  // negative: below 25 too
        ++i;
    }
    unsigned long value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i)
        value = std::min(value * 10 + (text[i] - '0'), 1000000ul);
    return value;
}

// The suffixes tried in this order; the canonical form is what a dictionary
// may list them under.  The split word keeps the suffix as written.
struct CanonicalAMPM {
    char const* suffix;
    char const* canonical;
};
constexpr CanonicalAMPM kCanonicalAMPM[] = {
    {"am", "a.m"}, {"AM", "a.m"}, {"a.m", "a.m"}, {"A.M", "a.m"},
    {"pm", "p.m"}, {"PM", "p.m"}, {"p.m", "p.m"}, {"P.M", "p.m"},
};

// The made-up text of a layout or mark token, or null.
char const* PseudoWordOf(TokenTypeID type) {
    switch (type) {
        case T::kNewline:
            return pseudo_words::kLineEnd;
        case T::kDash:
            return pseudo_words::kDash;
        case T::kNonClosingHyphen:
            return pseudo_words::kHyphen;
        case T::kOpenQuote:
            return pseudo_words::kOpenQuote;
        case T::kCloseQuote:
            return pseudo_words::kCloseQuote;
        case T::kBullet:
            return pseudo_words::kBullet;
        case T::kTab:
            return pseudo_words::kTab;
        case T::kMinus:
            return pseudo_words::kMinus;
        case T::kPlus:
            return pseudo_words::kPlus;
        default:
            return nullptr;
    }
}

// The one-byte form of a punctuation mark written full-width, or null.
char const* OneByteMarkOf(TokenTypeID type) {
    switch (type) {
        case T::kSemicolon:
            return ";";
        case T::kQuestionMark:
            return "?";
        case T::kExclamationMark:
            return "!";
        case T::kOpenParen:
            return "(";
        case T::kCloseParen:
            return ")";
        case T::kOpenBracket:
            return "[";
        case T::kCloseBracket:
            return "]";
        case T::kOpenBrace:
            return "{";
        case T::kCloseBrace:
            return "}";
        case T::kPeriod:
            return ".";
        case T::kColon:
            return ":";
        default:
            return nullptr;
    }
}

}  // namespace

void EtoJPreparser::TokensToPreparseWords(std::vector<PreparsedWord>* words) const {
    std::size_t const n = fTokens.size();
    uint32_t offset = 0;
    for (std::size_t k = 0; k < n; ++k) {
        Token const token = fTokens[k];
        TokenTypeID const type = TokenTypeOf(token);

        if (type == T::kPeriod) {
            // A run of periods, whatever lies between them, is one ellipsis.
            std::size_t last = k;
            for (;;) {
                std::size_t next = last + 1;
                while (next < n && !Translatable(TokenTypeOf(fTokens[next]))) ++next;
                if (next == n || TokenTypeOf(fTokens[next]) != T::kPeriod) break;
                last = next;
            }
            if (last != k) {
                uint32_t const start = offset;
                for (std::size_t i = k; i <= last; ++i) offset += TextLength(fTokens[i]);
                Token const ellipsis = (token & ~Token{0xFF}) | kEllipsisType;
                words->push_back(MakeWord(ellipsis, pseudo_words::kEllipsis, start, offset));
                k = last;
                continue;
            }
        }

        if (!Translatable(type)) {
            uint32_t const length = TextLength(token);
            if (type == T::kTab) {
                if (!words->empty() && k > 0 && CanPrecedeTab(fTokens[k - 1]) && k + 1 < n &&
                    TokenTypeOf(fTokens[k + 1]) != T::kNewline)
                    words->push_back(MakeWord(token, pseudo_words::kTab, offset, offset + length));
            } else if (type == T::kNewline && k + 2 == n) {
                bool const quotedEnd =
                    k >= 2 && T::IsEndingPunct(fTokens[k - 2]) && TokenTypeOf(fTokens[k - 1]) == T::kCloseQuote;
                if (!words->empty() && !quotedEnd)
                    words->push_back(MakeWord(token, pseudo_words::kLineEnd, offset, offset));
            }
            offset += length;
            CheckedOffset(offset);
            continue;
        }

        std::string const text = TextOf(token);
        if (text.empty()) continue;
        PreparsedWord word = MakeWord(token, "", offset, offset + static_cast<uint32_t>(text.size()));
        word.fText = text;
        if (IsWhiteToken(k + 1)) word.fFlags2 |= PreparsedWord::kWhiteFollows;
        offset += static_cast<uint32_t>(text.size());
        words->push_back(std::move(word));
    }
}

void EtoJPreparser::AddCRWordIfNecessary(std::vector<PreparsedWord>* words) {
    if (words->empty() || EnglishSentenceEndFinder::LooksLikeCompleteSentence(fTokens)) return;
    uint32_t const serial = fCreator != nullptr ? NextTokenSerial(fCreator) : 0;
    uint16_t const end = words->back().fEnd;
    words->push_back(MakeWord(MakeToken(serial, T::kNewline), pseudo_words::kLineEnd, end, end));
}

void EtoJPreparser::ConvertToZXJWords(std::vector<PreparsedWord>* words) {
    for (PreparsedWord& word : *words) {
        if (char const* pseudo = PseudoWordOf(word.Type())) {
            word.fText = pseudo;
            if (word.Type() == T::kNewline) word.fEnd = word.fStart;
        } else if (word.fText.size() > 1) {
            if (char const* mark = OneByteMarkOf(word.Type())) word.fText = mark;
        }
    }
}

void EtoJPreparser::RemoveTrailingTabs(std::vector<PreparsedWord>* words) {
    if (words->empty()) return;
    std::size_t end = words->size();  // tabs are removed below this index
    if (words->back().fText == pseudo_words::kLineEnd) --end;
    std::size_t begin = end;
    while (begin > 0 && (*words)[begin - 1].fText == pseudo_words::kTab) --begin;
    words->erase(words->begin() + begin, words->begin() + end);
}

void EtoJPreparser::SplitAMPM(std::vector<PreparsedWord>* words) {
    auto const markNumber = [](PreparsedWord* number) {
        number->fFlags2 |= PreparsedWord::kClockSuffixSplit;
        if (LeadingNumber(number->fText) < 25) number->fFlags2 |= PreparsedWord::kHourNumber;
    };
    for (std::size_t i = 0; i < words->size(); ++i) {
        PreparsedWord& word = (*words)[i];
        // The measure-unit splitter may have split the suffix off already,
        // and "7 pm" writes it as a word of its own: the number is marked
        // all the same.
        if (word.Type() == T::kNumber && i + 1 < words->size()) {
            PreparsedWord const& next = (*words)[i + 1];
            bool const suffixWord = std::any_of(std::begin(kCanonicalAMPM), std::end(kCanonicalAMPM),
                                                [&](CanonicalAMPM const& entry) { return next.fText == entry.suffix; });
            bool const nextToIt = word.WhiteFollows() || next.fStart == word.fEnd;
            if (next.Type() == T::kWord && nextToIt && suffixWord) {
                markNumber(&word);
                ++i;
                continue;
            }
        }
        for (CanonicalAMPM const& entry : kCanonicalAMPM) {
            if (!EndsWith(word.fText, entry.suffix)) continue;
            std::size_t const cut = word.fText.size() - std::strlen(entry.suffix);
            if (cut == 0 || word.fText[cut - 1] < '0' || word.fText[cut - 1] > '9') continue;
            PreparsedWord suffix;
            suffix.fText = word.fText.substr(cut);
            suffix.fToken = word.fToken;
            suffix.fStart = suffix.fEnd = word.fEnd;
            // White space follows the suffix, not the number.
            suffix.fFlags2 = word.fFlags2 & PreparsedWord::kWhiteFollows;
            word.fFlags2 &= ~PreparsedWord::kWhiteFollows;
            word.fText.resize(cut);
            markNumber(&word);
            words->insert(words->begin() + static_cast<std::ptrdiff_t>(i) + 1, std::move(suffix));
            ++i;  // go on after the suffix
            break;
        }
    }
}
