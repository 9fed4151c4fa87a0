#include "engine/parse/sentence_segmenter.h"

#include <cctype>
#include <cstring>

#include "engine/foundation/string_compare.h"
#include "engine/parse/parse_chart_creator.h"
#include "engine/parse/sentence.h"

std::FILE* gfpSegF_Knob = nullptr;

namespace {

bool IsAsciiAlnum(char c) { return std::isalnum(static_cast<unsigned char>(c)) != 0 && (c & 0x80) == 0; }
bool IsAsciiDigit(char c) { return c >= '0' && c <= '9'; }
bool IsAsciiLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

bool OneOf(std::string const& text, std::initializer_list<char const*> words) {
    for (char const* word : words)
        if (StrUpMatch(text.c_str(), word)) return true;
    return false;
}

bool Pronoun(std::string const& text) {
    return OneOf(text, {"I", "you", "he", "she", "it", "we", "they", "anybody", "anyone", "everybody", "everyone",
                        "somebody", "someone", "nobody", "there"});
}

bool AuxV(std::string const& text) {
    return OneOf(text, {"are",     "aren",  "is",     "isn", "am",    "was",  "wasn",  "were",   "weren", "have",
                        "haven",   "has",   "hasn",   "do",  "don",   "does", "doesn", "did",    "didn",  "should",
                        "shouldn", "would", "wouldn", "can", "might", "must", "could", "couldn", "shall"});
}

bool MonthName(std::string const& text) {
    return OneOf(text, {"January", "February", "March", "April", "May", "June", "July", "August", "September",
                        "October", "November", "December"});
}

bool DayOfWeek(std::string const& text) {
    return OneOf(text, {"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"});
}

bool AllOf(std::string const& text, char const* letters) {
    for (char c : text)
        if (std::strchr(letters, c) == nullptr) return false;
    return true;
}

// A section label: one letter or digit, two or three of letters and digits
// in the usual shapes, or a short roman numeral.
bool SectionLabel(std::string const& t) {
    switch (t.size()) {
        case 0:
            return false;
        case 1:
            return IsAsciiAlnum(t[0]);
        case 2:
            if ((IsAsciiDigit(t[0]) || IsAsciiLetter(t[0])) && IsAsciiDigit(t[1])) return true;
            if (IsAsciiDigit(t[0]) && IsAsciiLetter(t[1])) return true;
            break;
        case 3:
            if (IsAsciiLetter(t[0]) && IsAsciiDigit(t[1]) && IsAsciiDigit(t[2])) return true;
            if (IsAsciiDigit(t[0]) && IsAsciiDigit(t[1]) && IsAsciiLetter(t[2])) return true;
            break;
        default:
            break;
    }
    return t.size() <= 4 && (AllOf(t, "ivx") || AllOf(t, "IVX"));
}

// One of the word's readings is a one-word noun entry.
bool NounWord(PreparsedWord const& word) {
    bool const capital = !word.fText.empty() && word.fText[0] >= 'A' && word.fText[0] <= 'Z';
    for (FinePOS_EX const& reading : word.fEntries) {
        if (reading.GetEntry().GetSrcText().find(' ') != std::string::npos) continue;
        uint16_t const pos = reading.GetFinePOS();
        if (pos == 33 || pos == 8 || (pos == 22 && capital)) return true;
    }
    return false;
}

bool Opener(std::string const& t) { return t == "(" || t == "[" || t == "{" || t == "zxjOPENQ"; }

// The closer that pairs with an opener.
char const* CloserOf(std::string const& opener) {
    if (opener == "(") return ")";
    if (opener == "[") return "]";
    if (opener == "{") return "}";
    return "zxjCLOSEQ";
}

constexpr std::size_t kMostOpenBrackets = 9;

}  // namespace

SentenceSegmenter::SentenceSegmenter(Sentence* sentence) : fSentence(sentence) {}

int SentenceSegmenter::WordCount() const { return static_cast<int>(fSentence->Words().size()); }

std::string const& SentenceSegmenter::Text(int w) const {
    return fSentence->Words()[static_cast<std::size_t>(w)].fText;
}

bool SentenceSegmenter::TargetMatch(PreparsedWord const& word, std::string const& target) {
    std::string const& text = word.fText;
    if (target == "*") return true;
    if (target == "NN") return NounWord(word);
    if (target == "PRO") return Pronoun(text);
    if (target == "AUXV") return AuxV(text);
    if (target == "SID") return SectionLabel(text);
    if (target == "*ING") return text.size() >= 6 && CaseInsensitiveEndsWith(text.c_str(), "ING");
    if (target == "MONTH") return MonthName(text);
    if (target == "DAYOFWEEK") return DayOfWeek(text);
    return StrUpMatch(text.c_str(), target.c_str()) != 0;
}

bool SentenceSegmenter::PatternMatchesAt(std::vector<std::string> const& words, int start) const {
    if (start < 0 || start + static_cast<int>(words.size()) > WordCount()) return false;
    for (std::size_t k = 0; k < words.size(); ++k)
        if (!TargetMatch(fSentence->Words()[static_cast<std::size_t>(start) + k], words[k])) return false;
    return true;
}

bool SentenceSegmenter::ExceptionMatch(SegmentRule const& exception, int pos, int ruleWords) const {
    int const count = static_cast<int>(exception.words.size());
    int const start = (exception.flags & SegmentRule::kExceptionBefore) != 0 ? pos - count : pos + ruleWords;
    return PatternMatchesAt(exception.words, start);
}

int SentenceSegmenter::SeekBreakOneList(int pos, std::vector<SegmentRule> const& rules, int* secondBreak) const {
    for (std::size_t r = 0; r < rules.size(); ++r) {
        SegmentRule const& rule = rules[r];
        if (rule.IsException()) continue;
        if ((rule.flags & SegmentRule::kAfterOpener) != 0 &&
            (pos == 0 || !(Opener(Text(pos - 1)) || Text(pos - 1) == ":")))
            continue;
        if (!PatternMatchesAt(rule.words, pos)) continue;
        bool rejected = false;
        for (std::size_t x = r + 1; x < rules.size() && rules[x].IsException(); ++x) {
            if (ExceptionMatch(rules[x], pos, static_cast<int>(rule.words.size()))) {
                rejected = true;
                break;
            }
        }
        if (rejected) continue;
        if (rule.connectorLength >= 1) *secondBreak = pos + rule.connectorLength;
        return 0;  // every rule cuts right at its first word
    }
    return -1;
}

bool SentenceSegmenter::NoOLap(int a, bool aMayTouch, int b, bool bMayTouch) const {
    for (ParenBreak const& paren : fParenBreaks) {
        int const s = paren.open;
        int const e = paren.after;
        if (!aMayTouch && (a == s || a == e)) return false;
        if (!bMayTouch && (b == s || b == e)) return false;
        if (a < s && s < b && b < e) return false;
        if (s < a && a < e) return false;
    }
    return true;
}

bool SentenceSegmenter::NoParenOverlap(int start, int pos, int end) const {
    return NoOLap(start, true, pos, false) && NoOLap(pos, false, end, true);
}

int SentenceSegmenter::ShouldSegment(int from, int to, int segStart, int segEnd, bool skipFirst,
                                     int* secondBreak) const {
    if (to - from < kMinWordsToCut) return -1;
    int const s = from == segStart ? from : from + 2;
    int const e = to == segEnd ? to : to - 2;
    for (int p = s; p < e; ++p) {
        if (skipFirst && p == from) continue;
        int second = -1;
        int const r = SeekBreakOneList(p, BreakRules(), &second);
        if (r >= 0 && NoParenOverlap(s, p, e)) {
            *secondBreak = second;
            return p + r;
        }
    }
    return -1;
}

void SentenceSegmenter::ExamineOneSegment(int from, int to, int segStart, int segEnd, bool skipFirst, bool afterCut) {
    int second = -1;
    int b = ShouldSegment(from, to, segStart, segEnd, skipFirst, &second);
    if (b < 0) {
        TracePiece(from, to, afterCut);
        return;
    }
    if (from < b) {
        MarkChart(from, b - 1);
        ExamineOneSegment(from, b, segStart, segEnd, false, afterCut);
    }
    if (second > b) {
        ExamineOneSegment(b, second, segStart, segEnd, false, true);
        b = second;
    }
    if (gfpSegF_Knob == nullptr) {
        fLastSplitStart = b;
        fLastSplitEnd = to;
    }
    // A cut on the segment's first word leaves the same segment: it is not
    // cut there again.
    ExamineOneSegment(b, to, segStart, segEnd, b == from, true);
}

bool SentenceSegmenter::FindParens(int from, int to) {
    struct Open {
        char const* closer;
        int position;
    };
    std::vector<Open> stack;
    for (int w = from; w < to; ++w) {
        std::string const& text = Text(w);
        if (Opener(text)) {
            if (stack.size() < kMostOpenBrackets) stack.push_back({CloserOf(text), w});
            continue;
        }
        if (stack.empty() || text != stack.back().closer) continue;
        int const open = stack.back().position;
        stack.pop_back();
        int close = w;
        if (text == "zxjCLOSEQ" && w > 0 && Text(w - 1) == "zxjPRDor0") --close;
        if (close - open > 2) {
            if (gfpSegF_Knob == nullptr) MarkChart(open + 1, close - 1);
            fParenBreaks.push_back({open, close + 1});
        }
    }
    return !stack.empty();
}

void SentenceSegmenter::MarkChart(int from, int to) {
    if (gfpSegF_Knob != nullptr || from < 0 || to < from || to >= WordCount()) return;
    int const d = to - from;
    PCHART_CELL& cell = fSentence->Chart().Cell(static_cast<std::size_t>(d), static_cast<std::size_t>(to));
    if (cell.Has(PCHART_CELL::kAlwaysUseShadow)) return;
    if (IsCellOverlap(d, to, PCHART_CELL::kParseAsUnit | PCHART_CELL::kKeepsAlmighty, fSentence)) return;
    cell.flags |= PCHART_CELL::kParseAsUnit;
}

void SentenceSegmenter::TracePiece(int from, int to, bool afterCut) const {
    if (gfpSegF_Knob == nullptr) return;
    // A piece not at the sentence's start says whether a cut made it.
    if (from != 0) std::fprintf(gfpSegF_Knob, "|%s| ", afterCut ? "1" : "");
    for (int w = from; w <= to && w < WordCount(); ++w) std::fprintf(gfpSegF_Knob, "%s ", Text(w).c_str());
}

void SentenceSegmenter::SegmentSentence() {
    int const n = WordCount();
    if (n < kMinWordsToSegment || !fSentence->Chart().Exists()) return;
    fParenBreaks.clear();
    fLastSplitStart = fLastSplitEnd = -1;
    int last = n - 1;
    std::string const& final = Text(last);
    bool const closer = final == ")" || final == "]" || final == "}" || final == "zxjCLOSEQ";
    if (!final.empty() && !IsAsciiAlnum(final[0]) && !closer) last = n - 2;
    FindParens(0, last);
    ExamineOneSegment(0, last, 0, last, false, false);
    if (fLastSplitEnd == last && fLastSplitStart > 0) MarkChart(fLastSplitStart, last - 1);
    if (gfpSegF_Knob != nullptr) std::fputc('\n', gfpSegF_Knob);
}

bool IsCellOverlap(int d, int e, uint16_t mask, Sentence* sentence) {
    return ParseChartCreator(sentence).IsCellOverlap(d, e, mask);
}
