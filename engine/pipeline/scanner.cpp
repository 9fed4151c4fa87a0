#include "engine/pipeline/scanner.h"

#include <cstring>
#include <iterator>

#include "engine/foundation/token_types.h"
#include "engine/pipeline/markup_tags.h"
#include "engine/pipeline/scanner_char_classes.h"

namespace lex {

namespace {

using T = EnglishTokens;

// Markup tokens are made here, so their types are named here.
MarkupTokens const sMarkupTokens;

// What a rule saw at the front of the text.  matched 0: no match.  type 0:
// the rule's own type.
struct Candidate {
    std::size_t matched = 0;
    std::size_t kept = 0;
    TokenTypeID type = 0;
};

constexpr uint32_t kPastEnd = 0xFFFFFFFFu;

// The text being scanned.  Reading past its end answers kPastEnd and, unless
// the text is final, notes that the answer depended on characters not yet
// there.
class Text {
public:
    Text(wchar_t const* data, std::size_t size, bool final) : fData(data), fSize(size), fFinal(final) {}

    uint32_t operator[](std::size_t i) const {
        if (i < fSize) return static_cast<uint32_t>(fData[i]);
        if (!fFinal) fWantsMore = true;
        return kPastEnd;
    }
    bool WantsMore() const { return fWantsMore; }

private:
    wchar_t const* fData;
    std::size_t fSize;
    bool fFinal;
    mutable bool fWantsMore = false;
};

// ---- Character tests -----------------------------------------------------

bool IsDigit(uint32_t c) { return c >= '0' && c <= '9'; }
bool IsAsciiLetter(uint32_t c) { return (c | 0x20) >= 'a' && (c | 0x20) <= 'z'; }
bool IsAsciiAlnum(uint32_t c) { return IsAsciiLetter(c) || IsDigit(c); }
// Latin letters of words: ASCII, Latin extended, combining marks, ligatures,
// and the Latin-1 letters U+00C0 to U+00FF.
bool IsLatinLetter(uint32_t c) { return (c >= 0xC0 && c <= 0xFF) || CharClassOf(c) == 71; }
bool IsBlank(uint32_t c) { return c == ' ' || c == '\t' || c == 0x3000; }
uint32_t AsciiLower(uint32_t c) { return c >= 'A' && c <= 'Z' ? c + 0x20 : c; }

std::size_t CountWhile(Text const& text, std::size_t from, bool (*test)(uint32_t)) {
    std::size_t i = from;
    while (test(text[i])) ++i;
    return i - from;
}

// The text at from starts with the ASCII word, in any letter case.
bool StartsWithFolded(Text const& text, std::size_t from, char const* word) {
    for (std::size_t i = 0; word[i] != '\0'; ++i)
        if (AsciiLower(text[from + i]) != static_cast<uint32_t>(word[i])) return false;
    return true;
}

Candidate Whole(std::size_t n) { return {n, n, 0}; }

// ---- Rules of one character class ----------------------------------------

// The rules of the first character's class: runs of a script block (1 to 34),
// hyphen runs, blank runs, line ends and single characters.  Digits and Latin
// letters are left to their pattern rules.
Candidate MatchClass(Text const& text, CharClass charClass) {
    uint32_t const first = text[0];
    if ((charClass >= 1 && charClass <= 34 && charClass != 29)) {
        std::size_t n = 1;
        while (CharClassOf(text[n]) == charClass) ++n;
        return Whole(n);
    }
    switch (charClass) {
        case 55:  // "-" and "--"; "---" is a separator
            return Whole(first == '-' && text[1] == '-' ? 2 : 1);
        case 75: {
            std::size_t const n = CountWhile(text, 0, IsBlank);
            bool tab = false;
            for (std::size_t i = 0; i < n; ++i) tab = tab || text[i] == '\t';
            return {n, n, (tab || n >= 3) ? TokenTypeID{T::kTab} : TokenTypeID{T::kSpace}};
        }
        case 76:
            return Whole(first == '\r' && text[1] == '\n' ? 2 : 1);
        default:
            return Whole(1);
    }
}

// ---- Pattern rules --------------------------------------------------------

Candidate TwoApostrophes(Text const& text) { return Whole(text[0] == '\'' && text[1] == '\'' ? 2 : 0); }
Candidate TwoBackquotes(Text const& text) { return Whole(text[0] == '`' && text[1] == '`' ? 2 : 0); }
Candidate DoublePlus(Text const& text) { return Whole(text[0] == '+' && text[1] == '+' ? 2 : 0); }

// A run of one repeated "#", "=", "_" (two or more), "-" or "~" (three or
// more) or "*" (four or more), with the blanks after it.  "~" underlines
// headings as "=" and "-" do; a run of them as words made a chart of
// seventy words of one heading.
Candidate SeparatorRun(Text const& text) {
    uint32_t const c = text[0];
    std::size_t least;
    switch (c) {
        case '#':
        case '=':
        case '_':
            least = 2;
            break;
        case '-':
        case '~':
            least = 3;
            break;
        case '*':
            least = 4;
            break;
        default:
            return {};
    }
    std::size_t n = 1;
    while (text[n] == c) ++n;
    if (n < least) return {};
    return Whole(n + CountWhile(text, n, IsBlank));
}

// Two or more digits and a capitalised ordinal ending: "12ND", "00TH".
Candidate Ordinal(Text const& text) {
    std::size_t const digits = CountWhile(text, 0, IsDigit);
    if (digits < 2) return {};
    uint32_t const a = text[digits], b = text[digits + 1];
    bool const ending =
        (a == 'S' && b == 'T') || (a == 'N' && b == 'D') || (a == 'R' && b == 'D') || (a == 'T' && b == 'H');
    return Whole(ending ? digits + 2 : 0);
}

// "." and digits, repeated: the decimal part of a number.
std::size_t DecimalGroups(Text const& text, std::size_t from) {
    std::size_t i = from;
    while (text[i] == '.' && IsDigit(text[i + 1])) i += 1 + CountWhile(text, i + 1, IsDigit);
    return i - from;
}

// Thousands groups: one to three digits, then groups of "," and exactly three
// digits, then a decimal part: "1,000,000.50".
Candidate GroupedNumber(Text const& text) {
    std::size_t const lead = CountWhile(text, 0, IsDigit);
    if (lead < 1 || lead > 3) return {};
    std::size_t i = lead;
    while (text[i] == ',' && IsDigit(text[i + 1]) && IsDigit(text[i + 2]) && IsDigit(text[i + 3]) &&
           !IsDigit(text[i + 4]))
        i += 4;
    if (i == lead) return {};
    if (text[i] == '.' && IsDigit(text[i + 1])) i += 1 + CountWhile(text, i + 1, IsDigit);
    return Whole(i);
}

// Digits with "." groups ("3.14", "800.555.1212"), or "." groups alone (".5").
Candidate DecimalNumber(Text const& text) {
    std::size_t const digits = CountWhile(text, 0, IsDigit);
    return Whole(digits + DecimalGroups(text, digits));
}

// Latin letters, then letters and digits with inner periods: "U.S.A", "ab12".
Candidate LatinWord(Text const& text) {
    if (!IsLatinLetter(text[0])) return {};
    std::size_t i = 1;
    for (;;) {
        uint32_t const c = text[i];
        if (IsLatinLetter(c) || IsDigit(c)) {
            ++i;
        } else if (c == '.' && (IsLatinLetter(text[i + 1]) || IsDigit(text[i + 1]))) {
            i += 2;
        } else {
            return Whole(i);
        }
    }
}

// Digits, then a letter, then letters and digits: "1st", "50km", "1a2b".
Candidate DigitsThenLetters(Text const& text) {
    std::size_t const digits = CountWhile(text, 0, IsDigit);
    if (digits == 0 || !IsLatinLetter(text[digits])) return {};
    std::size_t i = digits + 1;
    while (IsLatinLetter(text[i]) || IsDigit(text[i])) ++i;
    return Whole(i);
}

// "*" before any character but "*": the asterisk alone is kept.
Candidate BulletStar(Text const& text) {
    if (text[0] != '*') return {};
    uint32_t const next = text[1];
    if (next == '*' || next == kPastEnd) return {};
    return {2, 1, 0};
}

Candidate EndMark(Text const& text) { return Whole(StartsWithFolded(text, 0, "%end%") ? 5 : 0); }
Candidate ContinueMark(Text const& text) { return Whole(StartsWithFolded(text, 0, "%cont%") ? 6 : 0); }

// "$" and letters before a digit; the letters stay with the "$".
Candidate DollarLetter(Text const& text) {
    if (text[0] != '$' || !IsAsciiLetter(text[1]) || !IsDigit(text[2])) return {};
    return {3, 2, 0};
}
Candidate DollarLetters(Text const& text) {
    if (text[0] != '$') return {};
    std::size_t const letters = CountWhile(text, 1, IsAsciiLetter);
    if (letters == 0 || !IsDigit(text[1 + letters])) return {};
    return {letters + 2, letters + 1, 0};
}

// Digit groups joined by one kind of joiner: "555-1234", "1/2/3".
Candidate JoinedDigits(Text const& text, uint32_t joiner) {
    std::size_t i = CountWhile(text, 0, IsDigit);
    if (i == 0) return {};
    std::size_t const first = i;
    while (text[i] == joiner && IsDigit(text[i + 1])) i += 1 + CountWhile(text, i + 1, IsDigit);
    return Whole(i > first ? i : 0);
}
Candidate HyphenSequence(Text const& text) { return JoinedDigits(text, '-'); }
Candidate SlashSequence(Text const& text) { return JoinedDigits(text, '/'); }

// "(ddd) ddd-dddd" and "(ddd)ddd-dddd", not followed by a further digit.
Candidate Phone(Text const& text) {
    if (text[0] != '(' || CountWhile(text, 1, IsDigit) != 3 || text[4] != ')') return {};
    std::size_t i = text[5] == ' ' ? 6 : 5;
    if (CountWhile(text, i, IsDigit) != 3 || text[i + 3] != '-') return {};
    if (CountWhile(text, i + 4, IsDigit) != 4) return {};
    return Whole(i + 8);
}

// ---- Internet names -------------------------------------------------------

// Limits that keep a failing look-ahead short: no scheme or local part is
// longer in practice.
constexpr std::size_t kMaxSchemeLength = 32;
constexpr std::size_t kMaxLocalPartLength = 64;

bool IsUrlChar(uint32_t c) {
    static char const kPunctuation[] = "-._~:/?#[]@!$&'()*+,;=%";
    return IsAsciiAlnum(c) || (c < 0x80 && c != 0 && std::strchr(kPunctuation, static_cast<int>(c)) != nullptr);
}

// The end of a name's run of URL characters from `from`, less trailing
// punctuation that belongs to the sentence: a final period, comma, quote, or
// a closing parenthesis or bracket the name did not open.
std::size_t UrlRunEnd(Text const& text, std::size_t from) {
    std::size_t end = from;
    long parens = 0, brackets = 0;
    while (IsUrlChar(text[end])) {
        uint32_t const c = text[end++];
        parens += c == '(' ? 1 : c == ')' ? -1 : 0;
        brackets += c == '[' ? 1 : c == ']' ? -1 : 0;
    }
    while (end > from) {
        uint32_t const c = text[end - 1];
        if (c == '.' || c == ',' || c == ';' || c == ':' || c == '!' || c == '?' || c == '\'' || c == '*') {
            --end;
        } else if (c == ')' && parens < 0) {
            --end, ++parens;
        } else if (c == ']' && brackets < 0) {
            --end, ++brackets;
        } else {
            break;
        }
    }
    return end;
}

// Host labels joined by inner periods: "example.co.uk".
std::size_t DomainLength(Text const& text, std::size_t from) {
    auto const isLabelChar = [](uint32_t c) { return IsAsciiAlnum(c) || c == '-'; };
    if (!IsAsciiAlnum(text[from])) return 0;
    std::size_t i = from;
    for (;;) {
        while (isLabelChar(text[i])) ++i;
        if (text[i] == '.' && IsAsciiAlnum(text[i + 1])) {
            ++i;
        } else {
            return i - from;
        }
    }
}

bool IsLocalPartChar(uint32_t c) { return IsAsciiAlnum(c) || c == '.' || c == '_' || c == '%' || c == '+' || c == '-'; }

// An e-mail address: a local part, an at sign and a domain.
Candidate EmailAddress(Text const& text) {
    if (!IsAsciiAlnum(text[0])) return {};
    std::size_t local = 1;
    while (local < kMaxLocalPartLength && IsLocalPartChar(text[local])) ++local;
    if (text[local] != '@') return {};
    std::size_t const domain = DomainLength(text, local + 1);
    return Whole(domain == 0 ? 0 : local + 1 + domain);
}

// A scheme and "://", then the rest of the name: "ftp://x/y".
Candidate SchemeUrl(Text const& text) {
    if (!IsAsciiLetter(text[0])) return {};
    std::size_t i = 1;
    while (i < kMaxSchemeLength && (IsAsciiAlnum(text[i]) || text[i] == '+' || text[i] == '.' || text[i] == '-')) ++i;
    if (text[i] != ':' || text[i + 1] != '/' || text[i + 2] != '/') return {};
    std::size_t const end = UrlRunEnd(text, i + 3);
    return Whole(end > i + 3 ? end : 0);
}

// A prefix that makes a name without "://": "www." and "mailto:".
Candidate PrefixedName(Text const& text, char const* prefix, std::size_t prefixLength) {
    if (!StartsWithFolded(text, 0, prefix) || !IsAsciiAlnum(text[prefixLength])) return {};
    return Whole(UrlRunEnd(text, prefixLength));
}
Candidate WebName(Text const& text) { return PrefixedName(text, "www.", 4); }
Candidate MailtoName(Text const& text) { return PrefixedName(text, "mailto:", 7); }

// ---- Markup ----------------------------------------------------------------

// A tag longer than this is taken for text, so that a "<" that never closes
// does not make the scanner read far ahead at every one.
constexpr std::size_t kMaxTagLength = 4096;

bool IsLineEnd(uint32_t c) { return c == '\n' || c == '\r' || c == '\f'; }

// The length of a tag whose name starts at `from`, through the ">" that
// closes it; 0 when none does.  A quoted attribute value may hold ">" and
// "<"; outside one, a "<" means this tag never closed (the next may).
std::size_t TagThroughClose(Text const& text, std::size_t from) {
    uint32_t quote = 0, lastMark = 0;
    for (std::size_t i = from; i < kMaxTagLength; ++i) {
        uint32_t const c = text[i];
        if (c == kPastEnd) return 0;
        if (quote != 0) {
            if (c == quote) quote = 0;
            continue;
        }
        if (c == '>') return i + 1;
        if (c == '<') return 0;
        if ((c == '"' || c == '\'') && lastMark == '=') quote = c;
        if (!IsBlank(c) && !IsLineEnd(c)) lastMark = c;
    }
    return 0;
}

// "<!--" through the first "-->".
std::size_t CommentThroughClose(Text const& text) {
    for (std::size_t i = 4; i + 2 < kMaxTagLength; ++i) {
        uint32_t const c = text[i];
        if (c == kPastEnd) return 0;
        if (c == '-' && text[i + 1] == '-' && text[i + 2] == '>') return i + 3;
    }
    return 0;
}

// A start tag ('<IMG SRC="a b.gif">'), a declaration ('<!DOCTYPE html>', a
// comment) or a processing instruction ('<?xml ...?>'), closed by its ">".
Candidate StartTag(Text const& text) {
    if (text[0] != '<') return {};
    if (IsAsciiLetter(text[1])) return Whole(TagThroughClose(text, 2));
    if (text[1] == '!' && text[2] == '-' && text[3] == '-') return Whole(CommentThroughClose(text));
    if ((text[1] == '!' || text[1] == '?') && IsAsciiLetter(text[2])) return Whole(TagThroughClose(text, 3));
    return {};
}

// An end tag: '</TABLE>'.
Candidate EndTag(Text const& text) {
    if (text[0] != '<' || text[1] != '/' || !IsAsciiLetter(text[2])) return {};
    return Whole(TagThroughClose(text, 3));
}

// ---- The rule table -------------------------------------------------------

struct Rule {
    unsigned number;
    TokenTypeID type;
    Candidate (*pattern)(Text const&);  // null: the rule of a character class
    bool (*canStart)(uint32_t);         // the pattern's possible first characters
    char const* description;
};

// First characters of the patterns: the scanner skips a pattern that cannot
// start with the text's first character.
template <char... kChars>
bool OneOf(uint32_t c) {
    return ((c == static_cast<uint32_t>(kChars)) || ...);
}
bool DigitOrPeriod(uint32_t c) { return IsDigit(c) || c == '.'; }

// Every rule, in priority order.  Rules without a pattern match through the
// class of the first character (MatchClass).
constexpr Rule kRules[] = {
    {1, T::kWord, nullptr, nullptr, "run of kana, CJK and full-width forms"},
    {2, T::kWord, nullptr, nullptr, "run of IPA"},
    {3, T::kWord, nullptr, nullptr, "run of Greek"},
    {4, T::kWord, nullptr, nullptr, "run of Cyrillic"},
    {5, T::kWord, nullptr, nullptr, "run of Armenian"},
    {6, T::kWord, nullptr, nullptr, "run of Hebrew"},
    {7, T::kWord, nullptr, nullptr, "run of Arabic"},
    {8, T::kWord, nullptr, nullptr, "run of Devanagari"},
    {9, T::kWord, nullptr, nullptr, "run of Bengali"},
    {10, T::kWord, nullptr, nullptr, "run of Gurmukhi"},
    {11, T::kWord, nullptr, nullptr, "run of Gujarati"},
    {12, T::kWord, nullptr, nullptr, "run of Oriya"},
    {13, T::kWord, nullptr, nullptr, "run of Tamil"},
    {14, T::kWord, nullptr, nullptr, "run of Telugu"},
    {15, T::kWord, nullptr, nullptr, "run of Kannada"},
    {16, T::kWord, nullptr, nullptr, "run of Malayalam"},
    {17, T::kWord, nullptr, nullptr, "run of Thai"},
    {18, T::kWord, nullptr, nullptr, "run of Lao"},
    {19, T::kWord, nullptr, nullptr, "run of Tibetan"},
    {20, T::kWord, nullptr, nullptr, "run of Georgian"},
    {21, T::kWord, nullptr, nullptr, "run of Greek extended"},
    {22, T::kWord, nullptr, nullptr, "run of Bopomofo"},
    {23, T::kWord, nullptr, nullptr, "run of Hangul jamo"},
    {24, T::kWord, nullptr, nullptr, "run of Hangul syllables"},
    {25, T::kWord, nullptr, nullptr, "run of Arabic presentation forms"},
    {26, T::kWord, nullptr, nullptr, "run of combining half marks"},
    {27, T::kWord, nullptr, nullptr, "run of small forms"},
    {28, T::kWord, nullptr, nullptr, "run of Arabic presentation forms B"},
    {29, T::kWord, nullptr, nullptr, "(takes no character)"},
    {30, T::kWord, nullptr, nullptr, "run of private use characters"},
    {31, T::kWord, nullptr, nullptr, "run of spacing modifiers"},
    {32, T::kWord, nullptr, nullptr, "run of Latin-1 letters"},
    {33, T::kWord, nullptr, nullptr, "run of general punctuation and symbols"},
    {34, T::kWord, nullptr, nullptr, "run of CJK punctuation"},
    {35, T::kPeriod, nullptr, nullptr, "period"},
    {36, T::kQuestionMark, nullptr, nullptr, "question mark"},
    {37, T::kExclamationMark, nullptr, nullptr, "exclamation mark"},
    {38, T::kColon, nullptr, nullptr, "colon"},
    {39, T::kSemicolon, nullptr, nullptr, "semicolon"},
    {40, T::kOpenParen, nullptr, nullptr, "opening parenthesis"},
    {41, T::kCloseParen, nullptr, nullptr, "closing parenthesis"},
    {42, T::kOpenBracket, nullptr, nullptr, "opening bracket"},
    {43, T::kCloseBracket, nullptr, nullptr, "closing bracket"},
    {44, T::kOpenBrace, nullptr, nullptr, "opening brace"},
    {45, T::kCloseBrace, nullptr, nullptr, "closing brace"},
    {46, T::kOpenQuote, TwoApostrophes, OneOf<'\''>, "two apostrophes"},
    {47, T::kSingleOpenQuote, nullptr, nullptr, "apostrophe"},
    {48, T::kSingleOpenQuote, nullptr, nullptr, "left single quotation mark"},
    {49, T::kSingleCloseQuote, nullptr, nullptr, "right single quotation mark"},
    {50, T::kOpenQuote, TwoBackquotes, OneOf<'`'>, "two backquotes"},
    {51, T::kSingleOpenQuote, nullptr, nullptr, "backquote"},
    {52, T::kSingleOpenQuote, nullptr, nullptr, "full-width backquote"},
    {53, T::kOpenQuote, nullptr, nullptr, "double quotation mark"},
    {54, T::kCloseQuote, nullptr, nullptr, "right double quotation mark"},
    {55, T::kDash, nullptr, nullptr, "hyphen, two hyphens, dash"},
    {56, T::kDash, nullptr, nullptr, "full-width hyphen-minus"},
    {57, T::kDash, nullptr, nullptr, "bullet character or middle dot"},
    {58, T::kWord, DoublePlus, OneOf<'+'>, "\"++\""},
    {59, T::kPlus, nullptr, nullptr, "plus"},
    {60, T::kSeparator, SeparatorRun, OneOf<'#', '=', '_', '-', '*', '~'>, "separator run and the blanks after it"},
    {61, T::kWord, Ordinal, IsDigit, "digits with a capital ordinal ending"},
    {69, T::kNumber, GroupedNumber, IsDigit, "number with thousands groups"},
    {70, T::kNumber, DecimalNumber, DigitOrPeriod, "number with decimal groups"},
    {71, T::kWord, LatinWord, IsLatinLetter, "Latin word with digits and inner periods"},
    {72, T::kWord, DigitsThenLetters, IsDigit, "digits followed by letters"},
    {73, T::kWord, nullptr, nullptr, "#, comma, =, _"},
    {74, T::kBullet, BulletStar, OneOf<'*'>, "asterisk before another character"},
    {75, T::kSpace, nullptr, nullptr, "blanks (Tab when holding a TAB or 3 long)"},
    {76, T::kNewline, nullptr, nullptr, "line end"},
    {77, T::kTokenBreak, nullptr, nullptr, "token break"},
    {78, T::kWord, nullptr, nullptr, "other single character"},
    {79, T::kEndOfSentence, EndMark, OneOf<'%'>, "%END%"},
    {80, T::kContinueSentence, ContinueMark, OneOf<'%'>, "%CONT%"},
    {81, T::kWord, DollarLetter, OneOf<'$'>, "$ and a letter before a digit"},
    {82, T::kWord, DollarLetters, OneOf<'$'>, "$ and letters before a digit"},
    {83, T::kNumberSequence, HyphenSequence, IsDigit, "digit groups joined by hyphens"},
    {84, T::kNumberSequence, SlashSequence, IsDigit, "digit groups joined by slashes"},
    {86, T::kPhoneNumber, Phone, OneOf<'('>, "phone number"},
    {91, T::kInternetName, EmailAddress, IsAsciiAlnum, "e-mail address"},
    {92, T::kInternetName, SchemeUrl, IsAsciiLetter, "scheme://name"},
    {93, T::kInternetName, WebName, OneOf<'w', 'W'>, "www. name"},
    {94, T::kInternetName, MailtoName, OneOf<'m', 'M'>, "mailto: name"},
    {kDefaultRule, T::kWord, nullptr, nullptr, "character no rule takes"},
    {kStartTagRule, kMarkupStartTagToken, StartTag, OneOf<'<'>, "start tag, declaration or processing instruction"},
    {kEndTagRule, kMarkupEndTagToken, EndTag, OneOf<'<'>, "end tag"},
};
// Rules 62 to 68 (one per ordinal ending) are one pattern here; 85 (a third
// joiner) has no character of its own.  Rules 87 to 90 repeat 83 to 86 for a
// sequence that ends the input: these patterns need no following character,
// so they match there already and give the same tokens.

constexpr bool RulesAscend() {
    for (unsigned i = 1; i < std::size(kRules); ++i)
        if (kRules[i - 1].number >= kRules[i].number) return false;
    return true;
}
static_assert(RulesAscend(), "the rule table is in priority order");

Rule const* FindRule(unsigned number) {
    for (Rule const& rule : kRules)
        if (rule.number == number) return &rule;
    return nullptr;
}

// Rules indexed by number, for the class rules.
struct RuleIndex {
    Rule const* byNumber[kHighestRule + 1] = {};
    RuleIndex() {
        for (Rule const& rule : kRules) byNumber[rule.number] = &rule;
    }
};

RuleIndex const& Index() {
    static RuleIndex const index;
    return index;
}

}  // namespace

ScanStatus ScanToken(wchar_t const* text, std::size_t size, bool final, Match* match) {
    if (size == 0) return final ? ScanStatus::kEnd : ScanStatus::kNeedMore;
    Text const input(text, size, final);

    Match best;
    auto const consider = [&best](Rule const& rule, Candidate const& candidate) {
        if (candidate.matched == 0) return;
        if (candidate.matched < best.matched || (candidate.matched == best.matched && rule.number >= best.rule)) return;
        best.rule = rule.number;
        best.type = candidate.type != 0 ? candidate.type : rule.type;
        best.length = candidate.kept;
        best.matched = candidate.matched;
    };

    CharClass const charClass = CharClassOf(input[0]);
    if (charClass == 0) {
        consider(*Index().byNumber[kDefaultRule], Whole(1));
    } else if (charClass != 70 && charClass != 71) {
        consider(*Index().byNumber[charClass], MatchClass(input, charClass));
    }
    uint32_t const first = input[0];
    for (Rule const& rule : kRules)
        if (rule.pattern != nullptr && rule.canStart(first)) consider(rule, rule.pattern(input));

    if (input.WantsMore()) return ScanStatus::kNeedMore;
    *match = best;
    return ScanStatus::kToken;
}

char const* RuleDescription(unsigned rule) {
    Rule const* found = FindRule(rule);
    return found != nullptr ? found->description : "";
}

}  // namespace lex
