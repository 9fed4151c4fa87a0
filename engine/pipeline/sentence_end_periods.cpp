// The sentence-end decisions that rest on word knowledge: whether a period
// ends a sentence, whether a sentence may end at a position at all, the
// idioms that protect punctuation inside them, and the word lists (fixed
// ones and those the open dictionaries serve).
#include <algorithm>
#include <iterator>
#include <set>

#include "engine/compiled/rewriting_composite_dictionary.h"
#include "engine/foundation/common_words.h"
#include "engine/foundation/idiom_lists.h"
#include "engine/foundation/lower_case_words.h"
#include "engine/foundation/sjis_wide_text.h"
#include "engine/foundation/string_utils.h"
#include "engine/foundation/token_string_database.h"
#include "engine/foundation/token_types.h"
#include "engine/foundation/wide_ctype.h"
#include "engine/foundation/word_list_interfaces.h"
#include "engine/pipeline/english_sentence_end_finder.h"

namespace {

using T = EnglishTokens;

// Words before a number that keep their period inside the sentence ("Fig. 3").
wchar_t const* const kNumberIntros[] = {L"no",  L"nos",  L"fig", L"figs", L"a.d",  L"b.c", L"Op",    L"Dist", L"Rte",
                                        L"Vol", L"Sec",  L"eq",  L"eqn",  L"eqns", L"Jan", L"Feb",   L"Mar",  L"Apr",
                                        L"Jun", L"Jul",  L"Aug", L"Sep",  L"Sept", L"Oct", L"Nov",   L"Dec",  L"Mon",
                                        L"M",   L"Tues", L"Tue", L"Tu",   L"Wed",  L"W",   L"Thurs", L"Thur", L"Thu",
                                        L"Th",  L"Fri",  L"F",   L"Sat",  L"Sa",   L"Sun", L"Su"};

// Titles after which a period never ends a sentence, whatever follows.
std::set<std::wstring> const& SuperCannotEndSentWords() {
    static std::set<std::wstring> const kWords = {L"Mr", L"Mrs", L"Ms", L"Prof", L"Profs", L"P.S", L"vs", L"v"};
    return kWords;
}

// Company forms, and the titles that follow a company's name ("Acme Corp.
// President").
std::set<std::wstring> const kCompanyForms = {L"Corp", L"Ltd", L"Pty", L"Inc", L"Cos", L"Co"};
std::set<std::wstring> const kCompanyTitles = {L"President", L"Chief", L"Chairman", L"Vice", L"International"};

// Letters judged as ASCII only when the whole code is ASCII, so that no
// other script's character passes for a capital by its low byte.
bool IsAsciiUpper(wchar_t c) { return c >= 'A' && c <= 'Z'; }
bool IsAsciiLetter(wchar_t c) { return IsAsciiUpper(c) || (c >= 'a' && c <= 'z'); }
bool IsAsciiDigit(wchar_t c) { return c >= '0' && c <= '9'; }
bool IsDigitChar(wchar_t c) { return IsWideDigit(c); }

bool AllUpper(std::wstring const& text) { return std::all_of(text.begin(), text.end(), IsAsciiUpper); }

template <class List>
bool Listed(List const* list, std::wstring const& text) {
    return list != nullptr && !text.empty() && list->IsInInitialStringTable(MapWideToSJISChars(text.c_str()));
}

}  // namespace

bool StrUpMatch(std::wstring const& a, std::wstring const& b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        wchar_t const x = a[i] >= 'a' && a[i] <= 'z' ? a[i] - 0x20 : a[i];
        wchar_t const y = b[i] >= 'a' && b[i] <= 'z' ? b[i] - 0x20 : b[i];
        if (x != y) return false;
    }
    return true;
}

void NormalizeIdiomChars(std::wstring* text) {
    for (wchar_t& c : *text) {
        if (c == 0xFF0D || (c >= 0x2010 && c <= 0x2015) || c == 0x2022 || c == 0x2023 || c == 0x00B7) {
            c = L'-';
        } else if (c == 0xFF1F) {
            c = L'?';
        } else if (c == 0xFF0E) {
            c = L'.';
        } else if (c == 0xFF3D) {
            c = L']';
        } else if (c == 0xFF40 || c == 0xFF07 || c == 0x02BC || c == 0x0060 || c == 0x2018 || c == 0x2019) {
            c = L'\'';
        } else if (c == 0xFF02 || c == 0x201C || c == 0x201D) {
            c = L'"';
        } else if (c == 0xFF01) {
            c = L'!';
        } else if (c == 0xFF09) {
            c = L')';
        }
    }
}

// ---- Dictionary word lists --------------------------------------------------

void EnglishSentenceEndFinder::ResetDictionary() {
    fSentencesSinceReset = 0;
    fAlmightyIdioms = nullptr;
    fCannotBeginSent = nullptr;
    fCannotEndSent = nullptr;
    fCannotBeginAndEndSent = nullptr;
    fCanUseUpPeriod = nullptr;
    fSingleWordsWithPeriods = nullptr;
    fLowerCaseWords = nullptr;
    if (fDictionaries.empty()) {
        fWordListDictionary.Clear();
        return;
    }
    fWordListDictionary.Set(Dictionary_EX(mkRewritingCompositeDictionary(fDictionaries)));
    Dictionary_EX const& dictionary = fWordListDictionary.Get();
    fAlmightyIdioms = dictionary.GetAlmightyIdiomInterface();
    fCannotBeginSent = dictionary.GetCannotBeginSentInterface();
    fCannotEndSent = dictionary.GetCannotEndSentInterface();
    fCannotBeginAndEndSent = dictionary.GetCannotBeginAndEndSentInterface();
    fCanUseUpPeriod = dictionary.GetCanUseUpPeriodInterface();
    fSingleWordsWithPeriods = dictionary.GetSingleWordsWithPeriodsInterface();
    fLowerCaseWords = dictionary.GetLowerCaseWordsInterface();
}

// A missing list answers as if the word were not in it, which for two lists
// means the permissive answer.
bool EnglishSentenceEndFinder::CanStartSentence(std::wstring const& text) const {
    return !Listed(fCannotBeginSent, text);
}
bool EnglishSentenceEndFinder::CannotEndSentDictEntry(std::wstring const& text) const {
    return Listed(fCannotEndSent, text);
}
bool EnglishSentenceEndFinder::CannotBeginAndEndSentDictEntry(std::wstring const& text) const {
    return Listed(fCannotBeginAndEndSent, text);
}
bool EnglishSentenceEndFinder::CanUseUpPeriod(std::wstring const& text) const {
    return fCanUseUpPeriod == nullptr || Listed(fCanUseUpPeriod, text);
}
bool EnglishSentenceEndFinder::WordWithPeriodHasSingleWordEntries(std::wstring const& text) const {
    return Listed(fSingleWordsWithPeriods, text);
}
bool EnglishSentenceEndFinder::LowerCaseDictEntry(std::wstring const& text) const {
    return Listed(fLowerCaseWords, text);
}

// ---- Position tests ---------------------------------------------------------

bool EnglishSentenceEndFinder::CanStartSentenceAt(std::size_t i) {
    std::wstring text;
    if (!SentenceTokenToString(i, &text)) return false;
    if (Is(i + 1, T::kPeriod)) return CanStartSentence(text + L".");
    return CanStartSentence(text);
}

bool EnglishSentenceEndFinder::CanUseUpPeriodAt(std::size_t i) {
    std::wstring text;
    return SentenceTokenToString(i, &text) && CanUseUpPeriod(text + L".");
}

bool EnglishSentenceEndFinder::LowerCaseDictEntryAt(std::size_t i) {
    std::wstring text;
    return !SentenceTokenToString(i, &text) || LowerCaseDictEntry(text);
}

bool EnglishSentenceEndFinder::CommonGrammaticalWordAt(std::size_t i) {
    if (IsSingleUppercaseLetter(i) && Is(i + 1, T::kPeriod)) return false;
    std::wstring text;
    return SentenceTokenToString(i, &text) && CommonGrammaticalWord(text.c_str());
}

bool EnglishSentenceEndFinder::IsPunctuationAt(std::size_t i) {
    if (!EnsureSentenceTokens(i)) return false;
    if (EnglishTokens::IsPunctuation(At(i), fTokenStringDatabase)) return true;
    return Is(i, T::kWord) && StartsWith(i, IsWidePunct);
}

bool EnglishSentenceEndFinder::IsScopeOpenerAt(std::size_t i) {
    return EnsureSentenceTokens(i) && EnglishTokens::IsScopeOpener(At(i));
}

bool EnglishSentenceEndFinder::StartsWith(std::size_t i, bool (*test)(wchar_t)) {
    std::wstring text;
    return SentenceTokenToString(i, &text) && !text.empty() && test(text[0]);
}

bool EnglishSentenceEndFinder::IsUpperWord(std::size_t i) { return Is(i, T::kWord) && StartsWith(i, IsAsciiUpper); }

bool EnglishSentenceEndFinder::IsSingleUppercaseLetter(std::size_t i) {
    std::wstring text;
    return Is(i, T::kWord) && SentenceTokenToString(i, &text) && text.size() == 1 && IsAsciiUpper(text[0]);
}

bool EnglishSentenceEndFinder::IsAcronym(std::size_t i) {
    std::wstring text;
    return Is(i, T::kWord) && SentenceTokenToString(i, &text) && text.size() >= 2 &&
           std::all_of(text.begin(), text.end(), [](wchar_t c) { return IsAsciiUpper(c) || IsAsciiDigit(c); });
}

bool EnglishSentenceEndFinder::InternalPeriod(std::size_t i) {
    std::wstring text;
    return Is(i, T::kWord) && SentenceTokenToString(i, &text) && text.size() >= 2 &&
           text.find(L'.') != std::wstring::npos;
}

std::wstring EnglishSentenceEndFinder::MakeNormalizedStringFromTokens(std::size_t from, std::size_t to) {
    if (to == 0) return std::wstring();
    std::wstring joined;
    for (std::size_t k = from; k < to && EnsureSentenceTokens(k); ++k) {
        std::wstring text;
        if (IsWhiteAt(k)) {
            joined += L' ';
        } else if (SentenceTokenToString(k, &text)) {
            joined += text;
        }
    }
    return TrimWhitespaceFromLeft(TrimWhitespaceFromRight(NormalizeInternalWhitespace(joined)));
}

// ---- Idioms -----------------------------------------------------------------

bool EnglishSentenceEndFinder::InAlmightyIdiom(std::size_t i) {
    std::wstring w;
    if (fAlmightyIdioms == nullptr || !SentenceTokenToString(i, &w) || w.empty()) return false;
    NormalizeIdiomChars(&w);
    AlmightyIdiomList const* list = fAlmightyIdioms->GetIdiomList(w.c_str());
    if (list == nullptr) return false;
    return std::any_of(list->begin(), list->end(),
                       [&](AlmightyIdiomEntry const& entry) { return MatchIdiom(entry.text, entry.position, i, w); });
}

bool EnglishSentenceEndFinder::MatchIdiom(std::string const& idiom, std::size_t p, std::size_t i,
                                          std::wstring const& w) {
    auto const byteAt = [&idiom](std::size_t k) { return static_cast<unsigned char>(idiom[k]); };
    // The text holding the mark, from its second character.
    if (p + w.size() > idiom.size()) return false;
    for (std::size_t k = 1; k < w.size(); ++k)
        if (static_cast<unsigned long>(w[k]) != byteAt(p + k)) return false;
    // A piece of text fits the idiom at k.
    auto const fits = [&](std::wstring const& piece, std::size_t k) {
        if (k + piece.size() > idiom.size()) return false;
        for (std::size_t c = 0; c < piece.size(); ++c)
            if (static_cast<unsigned long>(piece[c]) != byteAt(k + c)) return false;
        return true;
    };
    auto const pieceAt = [&](std::size_t j, std::wstring* piece) {
        if (IsWhiteAt(j)) {
            *piece = L" ";
            return true;
        }
        return SentenceTokenToString(j, piece);
    };

    // Forward.
    std::size_t k = p + w.size();
    for (std::size_t j = i + 1; k < idiom.size(); ++j) {
        if (!EnsureSentenceTokens(j)) return false;
        std::wstring piece;
        if (!pieceAt(j, &piece)) continue;
        if (!fits(piece, k)) return false;
        k += piece.size();
    }
    // Backward.
    std::size_t r = p;
    for (std::size_t j = i; j-- > 0 && r > 0;) {
        std::wstring piece;
        if (!pieceAt(j, &piece)) continue;
        if (piece.size() > r || !fits(piece, r - piece.size())) return false;
        r -= piece.size();
    }
    return r == 0;
}

// ---- May a sentence end here ------------------------------------------------

bool EnglishSentenceEndFinder::CanEndHere(std::size_t i) {
    if (FollowedByNewline(i) && FollowedByNewline(i + 1)) return true;
    std::size_t w;
    if (FollowingWord(i, &w)) {
        bool ok = true;
        if (StartsWith(w, IsWideLower)) {
            ok = false;
        } else if (IsPunctuationAt(w)) {
            TokenTypeID const type = TokenTypeOf(At(w));
            ok = type == T::kOpenQuote || type == T::kOpenParen || type == T::kCloseParen || type == T::kOpenBracket ||
                 type == T::kCloseBracket || type == T::kOpenBrace || type == T::kBullet ||
                 (type == T::kWord && StartsWith(w, [](wchar_t c) { return c == L'$'; }));
        }
        std::size_t w2;
        if (IsScopeOpenerAt(w) && FollowingWord(w, &w2) && StartsWith(w2, IsWideLower)) ok = false;
        if (!CanStartSentenceAt(w) || !ok) return false;
    }
    return !CannotBeginAndEndSentDictEntry(MakeNormalizedStringFromTokens(0, i + 1));
}

bool EnglishSentenceEndFinder::ScopedTextIsAbbreviation(TokenTypeID type, std::size_t i) {
    if (!PreceededBy(i, T::kPeriod)) return false;
    TokenTypeID opener;
    switch (type) {
        case T::kCloseParen:
            opener = T::kOpenParen;
            break;
        case T::kCloseBracket:
            opener = T::kOpenBracket;
            break;
        case T::kCloseQuote:
            opener = T::kOpenQuote;
            break;
        default:
            return false;
    }
    std::size_t o = i;
    while (o-- > 0) {
        if (!Is(o, opener)) continue;
        std::wstring const text = MakeNormalizedStringFromTokens(o + 1, i);
        return !text.empty() && CanUseUpPeriod(text);
    }
    return false;
}

bool EnglishSentenceEndFinder::PreceedingInitialSequence(std::size_t i) {
    std::wstring text;
    if (i == 0 || !Is(i - 1, T::kWord) || !SentenceTokenToString(i - 1, &text) || text.size() % 2 == 0) return false;
    for (std::size_t k = 0; k < text.size(); ++k) {
        bool const ok = k % 2 == 0 ? IsAsciiLetter(text[k]) : text[k] == L'.';
        if (!ok) return false;
    }
    // Headwords carry their final period.
    return text.size() == 1 || !WordWithPeriodHasSingleWordEntries(text + L".");
}

bool EnglishSentenceEndFinder::CannotEndSentDictEntryAt(std::size_t i) {
    std::wstring text;
    if (!SentenceTokenToString(i, &text)) return false;
    if (!CannotEndSentDictEntry(text) && !(Is(i + 1, T::kPeriod) && CannotEndSentDictEntry(text + L"."))) return false;
    if (LowerCaseDictEntry(text)) return true;
    if (!AllUpper(text)) return true;
    std::size_t f1, f2;
    if (!FollowingWord(i, &f1) || !Is(f1, T::kPeriod)) return true;
    std::wstring second;
    if (!FollowingWord(f1, &f2) || !SentenceTokenToString(f2, &second)) return true;
    if (second.size() > 1) return AllUpper(second);
    return second != L"A" && second != L"I";
}

// ---- Periods ----------------------------------------------------------------

bool EnglishSentenceEndFinder::ProcessPeriod(std::size_t i, std::size_t* end) {
    auto const endHere = [&](char const* rule) {
        *end = i;
        fRule = rule;
        return true;
    };
    std::size_t next, next2 = 0, prev = 0;
    if (!FollowingWord(i, &next)) return endHere("period before the end");
    bool const haveNext2 = FollowingWord(next, &next2);
    bool const havePrev = PreceedingWord(i, &prev);
    std::wstring prevText, nextText, next2Text;
    if (havePrev) SentenceTokenToString(prev, &prevText);
    SentenceTokenToString(next, &nextText);
    if (haveNext2) SentenceTokenToString(next2, &next2Text);
    bool const wideSpace = SpacesAfter(i);

    if (next == i + 1 && Is(next, T::kPeriod) && haveNext2 && next2 == i + 2 && Is(next2, T::kPeriod)) return false;
    if (FollowedByNewline(i) && FollowedByNewline(i + 1)) return endHere("period before a blank line");
    if (InAlmightyIdiom(i)) return false;
    if (FollowedByNewline(i) && havePrev && !SpacesAfter(prev) && !CanUseUpPeriodAt(prev))
        return endHere("period at a line end");
    if (IsChapterHeading(i)) return false;
    std::size_t first;
    if (!CanEndHere(i) || (FirstNonWhiteInSentence(&first) && first == i)) return false;
    if (PreceedingInitialSequence(i) && !wideSpace) {
        if (!CommonGrammaticalWordAt(next) || IsSingleUppercaseLetter(next)) return false;
    }
    if (havePrev) {
        if (nextText == L"Early" && IsSingleUppercaseLetter(prev)) return false;
        std::wstring const prefix = prevText.substr(0, 3);
        if ((prefix == L"U.S" || prefix == L"U.N") && !wideSpace && !CommonGrammaticalWordAt(next)) return false;
        if (prefix == L"a.m" || prefix == L"p.m") {
            std::string const sjis = MapWideToSJISChars(nextText.c_str());
            bool const zone =
                nextText.size() >= 3 && (nextText.substr(1, 2) == L"ST" || nextText.substr(1, 2) == L"DT");
            if (EnglishTokens::IsUCDateWord(sjis) || nextText == L"GMT" || zone || next2Text == L"time") return false;
        }
        bool const numberIntro = std::any_of(std::begin(kNumberIntros), std::end(kNumberIntros),
                                             [&](wchar_t const* word) { return StrUpMatch(prevText, word); });
        if (numberIntro && StartsWith(next, IsDigitChar)) return false;
        if (prevText == L"Inc" && StrUpMatch(nextText, L"All") && StrUpMatch(next2Text, L"rights"))
            return endHere("period after \"Inc\" before \"All rights\"");
        // The built-in titles ("Mr", "Mrs", ...) never end a sentence, whether
        // or not a dictionary lists them: without one, "Mr. Smith" would be
        // cut after "Mr.".
        bool const title = SuperCannotEndSentWords().count(prevText) != 0;
        if ((title || CannotEndSentDictEntryAt(prev)) && !wideSpace) {
            if (title || !CommonGrammaticalWordAt(next) || !StartsWith(next, IsWideUpper)) return false;
        }
        if (CanUseUpPeriodAt(prev)) {
            TokenTypeID const type = TokenTypeOf(At(next));
            bool const bracket = type == T::kOpenParen || type == T::kOpenBracket || type == T::kOpenBrace;
            if (bracket && haveNext2 && IsAcronym(next2)) return false;
            if (!StartsWith(next, IsWideUpper) && !StartsWith(next, IsDigitChar) && !IsScopeOpenerAt(next))
                return false;
        }
        if (InternalPeriod(prev) && LowerCaseDictEntry(nextText) && (!haveNext2 || IsUpperWord(next2))) return false;
        if (kCompanyForms.count(prevText) != 0 && kCompanyTitles.count(nextText) != 0) return false;
    }
    if (i == 0 || next != i + 1) return endHere("period");
    // The next word is glued to the period.
    std::size_t after;
    if (StartsWith(next, IsWideUpper) && !FollowedByNewline(next) && FollowingWord(next, &after))
        return endHere("period glued to a capitalised word");
    return false;
}
