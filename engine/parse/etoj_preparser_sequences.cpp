// Capitals and sequences: which capitalised words are capitalised inside
// running text (not merely at the start of a sentence or of a quote), which
// are written in capitals, which runs of them form a name ("Bank of New
// York"), and where hyphen sequences ("well-known") begin and end.
#include "engine/foundation/token_types.h"
#include "engine/parse/etoj_preparser.h"

namespace {

using T = EnglishTokens;

constexpr int kDepthStart = 10;
constexpr int kDepthLevels = 20;

bool StartsWithCapital(std::string const& text) { return !text.empty() && text[0] >= 'A' && text[0] <= 'Z'; }
bool StartsWithLowerCase(std::string const& text) { return !text.empty() && text[0] >= 'a' && text[0] <= 'z'; }
bool IsPseudoWord(std::string const& text) { return text.compare(0, 3, "zxj") == 0; }

bool IsOpener(TokenTypeID type) { return type == T::kOpenQuote || type == T::kOpenParen || type == T::kOpenBracket; }

// Quotes and parentheses nest the text: a capital counts as inside running
// text only where lower-case words are found at the same depth.
class NestingDepth {
public:
    // The depth of the word: an opener raises it first, a closer lowers it
    // after the word.
    int Enter(TokenTypeID type) {
        if ((type == T::kOpenParen || type == T::kOpenQuote) && fDepth < kDepthLevels - 1) ++fDepth;
        int const depth = fDepth;
        if ((type == T::kCloseParen || type == T::kCloseQuote) && fDepth > 0) --fDepth;
        return depth;
    }

private:
    int fDepth = kDepthStart;
};

}  // namespace

void EtoJPreparser::ComputeTrueCapStatus(std::vector<PreparsedWord>* words) const {
    bool lowerCaseAt[kDepthLevels] = {};
    NestingDepth marking;
    for (PreparsedWord const& word : *words) {
        int const depth = marking.Enter(word.Type());
        if (StartsWithLowerCase(word.fText) && !IsPseudoWord(word.fText) && !IsGrammaticalFormPOS(word.fText))
            lowerCaseAt[depth] = true;
    }
    NestingDepth reading;
    for (std::size_t i = 0; i < words->size(); ++i) {
        PreparsedWord& word = (*words)[i];
        int const depth = reading.Enter(word.Type());
        bool const leading = i == 0 || IsOpener((*words)[i - 1].Type()) || (*words)[i - 1].Type() == T::kColon;
        if (StartsWithCapital(word.fText) && lowerCaseAt[depth] && !leading)
            word.fFlags |= PreparsedWord::kTrulyCapitalised;
    }
}

void EtoJPreparser::ComputeAllUCStatus(std::vector<PreparsedWord>* words) {
    for (PreparsedWord& word : *words) {
        if (word.fText.size() >= 2 && T::AllUpper(word.fText)) word.fFlags |= PreparsedWord::kAllCapitals;
    }
}

void EtoJPreparser::CapSequences(std::vector<PreparsedWord> const& words, std::vector<PreparseSense>* senses) const {
    std::size_t count = 0;  // words in the current sequence, which ends at the word before the current one
    auto const endSequence = [&](std::size_t end) {  // one past the sequence's last word
        while (count > 0 && IsConnector(words[end - 1])) {
            --count;
            --end;
        }
        if (count >= 2) {
            PreparseSense sense;
            sense.fKind = PreparseSense::kCapitalSequence;
            sense.fFirstWord = static_cast<uint16_t>(end - count);
            sense.fLastWord = static_cast<uint16_t>(end - 1);
            senses->push_back(sense);
        }
        count = 0;
    };

    for (std::size_t i = 0; i < words.size(); ++i) {
        PreparsedWord const& word = words[i];
        if (StartsWithCapital(word.fText)) {
            if (T::IsUCDateWord(word.fText) ||
                (!word.Has(PreparsedWord::kTrulyCapitalised) && HasLowercaseForm(word.fText))) {
                endSequence(i);
            } else {
                ++count;
            }
            continue;
        }
        if (count == 0) continue;
        bool const initialBefore = i > 0 && words[i - 1].fText.size() == 1 && StartsWithCapital(words[i - 1].fText);
        if (IsConnector(word)) {
            if (i > 0 && IsConnector(words[i - 1]))
                endSequence(i);
            else
                ++count;
        } else if (word.fText == "&" || (word.Type() == T::kPeriod && initialBefore)) {
            ++count;
        } else {
            endSequence(i);
        }
    }
    endSequence(words.size());
}

void EtoJPreparser::TallyForHyphenSequences(std::vector<PreparsedWord>* words) const {
    std::vector<PreparsedWord>& w = *words;
    std::size_t const n = w.size();
    auto const isWordOrNumber = [&](std::size_t i) {
        return i < n && (w[i].Type() == T::kWord || w[i].Type() == T::kNumber);
    };
    // The hyphen is written against both its neighbours in the source.
    auto const hyphenJoins = [&](Token hyphen) {
        std::size_t const at = IndexOfSerial(hyphen);
        if (at == 0 || at >= fTokens.size()) return false;
        if (IsWhiteToken(at - 1) || at + 1 >= fTokens.size()) return false;
        return !IsWhiteToken(at + 1) || TokenTypeOf(fTokens[at + 1]) == T::kNewline;
    };

    bool inSequence = false;
    for (std::size_t i = 0; i < n; ++i) {
        if (!inSequence) {
            if (i + 1 < n && w[i + 1].Type() == T::kWord && w[i + 1].fText == "-" && !IsProtected(w[i + 1].fToken) &&
                isWordOrNumber(i) && hyphenJoins(w[i + 1].fToken) && isWordOrNumber(i + 2)) {
                ++w[i].fHyphenSequencesBegun;
                inSequence = true;
            }
            continue;
        }
        if (IsHyphen(w, i) || w[i].Type() == T::kNewline) continue;
        bool const goesOn =
            IsHyphen(w, i + 1) && i + 3 < n && (w[i + 2].Type() == T::kWord || w[i + 3].Type() == T::kWord);
        if (!goesOn) {
            ++w[i].fHyphenSequencesEnded;
            inSequence = false;
        }
    }
}
