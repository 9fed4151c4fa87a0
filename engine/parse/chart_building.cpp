// Chart building in its fixed order: the lookups of every word span, the
// readings of the extra chart words, domination marks, cell flags, trimming,
// and the entry point the translator calls before parsing.
#include <algorithm>
#include <cstring>

#include "engine/foundation/dictionary_learning.h"
#include "engine/foundation/english_pos_classes.h"
#include "engine/foundation/string_compare.h"
#include "engine/foundation/string_utils.h"
#include "engine/parse/analysis_settings.h"
#include "engine/parse/parse_chart_creator.h"
#include "engine/parse/sentence.h"
#include "engine/parse/word_sense_expert.h"

namespace {

// A lookup key longer than this finds nothing, so no longer span is tried.
constexpr std::size_t kLongestLookupText = 255;
// From this speed on, spans of more than kLongestSpanAtSpeed words are not
// looked up.
constexpr unsigned kSpeedThatShortensSpans = 50;
constexpr int kLongestSpanAtSpeed = 10;

bool IsASCIIUpper(char c) { return c >= 'A' && c <= 'Z'; }
bool IsASCIILower(char c) { return c >= 'a' && c <= 'z'; }
bool IsASCIIWhite(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v'; }

bool IsPeriodWord(std::string const& text) { return text == kPeriod || text == kzxjPRDor0; }

// Told by the dictionaries that a longer headword may begin with the text
// looked up, and asked for the speed (affix rewriting does less when fast).
class ReasonForFurtherLookupsHelper : public MaybeAnyLongerCallback {
public:
    explicit ReasonForFurtherLookupsHelper(int speed) : fSpeed(speed) {}
    void FoundOne() override { fFound = true; }
    int GetCoreSpeed() override { return fSpeed; }
    bool Found() const { return fFound; }

private:
    bool fFound = false;
    int fSpeed;
};

// The text looked up for words first..last.  The first pass writes a space
// after a comma that the source had none after and says so in *commaSpaced;
// the second pass leaves it out.
std::string BuildLookupText(std::vector<PreparsedWord> const& words, int first, int last, bool firstPass,
                            bool* commaSpaced) {
    std::string text;
    bool const longer = last > first;
    for (int w = first; w <= last; ++w) {
        PreparsedWord const& word = words[static_cast<std::size_t>(w)];
        bool const zxj = ParseChartCreator::Iszxj(word.fText);
        if (longer && word.fText == kzxjPRDor0) {
            text += kPeriod;
        } else {
            if (zxj && !text.empty() && text.back() != ' ') text += ' ';
            text += word.fText;
        }
        if (w == last) break;
        if (word.WhiteFollows() || zxj) text += ' ';
        if (firstPass && !text.empty() && text.back() == ',' && !word.WhiteFollows()) {
            text += ' ';
            *commaSpaced = true;
        }
    }
    return text;
}

// Whether the text of words first..last+1 begins with that of first..last
// (on both passes), as it does unless a lone period word is spelt out.
bool LongerSpanExtends(std::vector<PreparsedWord> const& words, int first, int last) {
    for (bool const firstPass : {true, false}) {
        bool commaSpaced = false;
        std::string const shorter = BuildLookupText(words, first, last, firstPass, &commaSpaced);
        std::string const longer = BuildLookupText(words, first, last + 1, firstPass, &commaSpaced);
        if (longer.compare(0, shorter.size(), shorter) != 0) return false;
    }
    return true;
}

}  // namespace

ParseChartCreator::ParseChartCreator(Sentence* sentence) : fSentence(sentence) {}
ParseChartCreator::~ParseChartCreator() = default;

ParseChart& ParseChartCreator::Chart() { return fSentence->Chart(); }

uint16_t ParseChartCreator::MakeAndFillChart(bool, Dictionary_EX lookup, Dictionary_EX special, Dictionary_EX missing) {
    std::vector<PreparsedWord>& words = fSentence->MutableWords();
    Chart().Allocate(fSentence->WordCount());
    DoSetCoreSpeed(fSentence);
    uint16_t const unknown = FillChart(words, lookup, special, missing);
    MakeHyphenSeqs(words);
    HandleSenses(special);
    MarkLiteralBrackets(special);
    MarkChartForSetPOS(special);
    AlwaysUse();
    if (fSentence->Flags() & Sentence::kOneParseKept) AlmightySeek();
    DictEntrySeek();
    ZZZInitSentenceForWSAN(fSentence);
    CountDomains();
    EliminateAlternateOnlyEntries();
    TrimCells();
    SetCellFlags(words);
    return unknown;
}

uint16_t ParseChartCreator::FillChart(std::vector<PreparsedWord>& words, Dictionary_EX lookup, Dictionary_EX special,
                                      Dictionary_EX missing) {
    int const n = static_cast<int>(Chart().WordCount());
    bool const shortSpansOnly = fSentence->Speed() >= kSpeedThatShortensSpans;
    for (int i = 0; i < n; ++i) {
        for (int j = i; j < n; ++j) {
            int const d = j - i;
            if (shortSpansOnly && d + 1 > kLongestSpanAtSpeed) break;
            bool commaSpaced = false;
            std::string text = BuildLookupText(words, i, j, true, &commaSpaced);
            // Every longer span's text is longer still.
            if (text.size() > kLongestLookupText) break;
            bool longerMayExist = false;
            for (int pass = 0; pass < 2; ++pass) {
                ReasonForFurtherLookupsHelper helper(fSentence->Speed());
                LookUpSpan(lookup, text, i, j, &helper);
                longerMayExist = longerMayExist || helper.Found();
                if (pass == 1 || !commaSpaced || !helper.Found()) break;
                text = BuildLookupText(words, i, j, false, &commaSpaced);
            }
            // No headword begins with this span's text, so none equals a
            // longer span's text that begins with it: the lookups of every
            // span would make chart building quadratic in dictionary work.
            // A text ending in a hyphen is the exception: the hyphen rewriter
            // joins "S-O-B" whole, though "S-O-" rewrites to nothing.
            bool const mayJoinHyphen = !text.empty() && text.back() == '-';
            if (!longerMayExist && !mayJoinHyphen && j + 1 < n && LongerSpanExtends(words, i, j)) break;
        }
    }
    LoadExtraChartWords(lookup);
    EliminateEntriesWithAbsentParticles();
    EliminateEntriesWithNoEnabledParaphrases();
    fSentence->SWords().RegisterAllSWord(fSentence);
    FindAUFinePOSForEachCell();
    CreateAllCapWordEntries(words, special);
    uint16_t const unknown = GenerateMissingWordEntries(words, special, missing);
    InheritFromSD();
    return unknown;
}

void ParseChartCreator::LookUpSpan(Dictionary_EX const& lookup, std::string const& text, int first, int last,
                                   MaybeAnyLongerCallback* callback) {
    std::vector<PreparsedWord> const& words = fSentence->Words();
    int const d = last - first;
    // A span that ends in a period also stands without it; inside the
    // sentence it stands with it as well.
    bool const periodLast = d > 0 && IsPeriodWord(words[static_cast<std::size_t>(last)].fText);
    bool const periodInside = periodLast && last + 1 < static_cast<int>(words.size());
    for (ForwardIterator<Entry_EX> found = lookup.Lookup(text, callback); !found.IsAtEnd(); ++found) {
        Entry_EX const entry = *found;
        MarkWordsAccordingToCaseMatch(first, last + 1, entry.GetSrcText(), text);
        for (ForwardIterator<FinePOS_EX> fp = entry.GetFinePOSIterator(); !fp.IsAtEnd(); ++fp) {
            FinePOS_EX const reading = *fp;
            if (!IsPOSEnabled(reading) || IsSuppressedTBEEntry(reading)) continue;
            if (periodInside) FillChartEntry(reading, first, d, false);
            FillChartEntry(reading, first, periodLast ? d - 1 : d, false);
        }
    }
}

void ParseChartCreator::MarkWordsAccordingToCaseMatch(int first, int end, std::string const& dictForm,
                                                      std::string const& lookupText) {
    std::vector<PreparsedWord>& words = fSentence->MutableWords();
    end = std::min(end, static_cast<int>(words.size()));
    auto const markByInitial = [](PreparsedWord& word, char initial) {
        if (IsASCIIUpper(initial))
            word.fFlags |= PreparsedWord::kMatchedCapitalised;
        else if (IsASCIILower(initial))
            word.fFlags |= PreparsedWord::kMatchedLowerCase;
    };
    if (CaseInsensitiveEqual(dictForm.c_str(), lookupText.c_str())) {
        // The form is the lookup text: walk it word by word, as it was built.
        std::size_t at = 0;
        bool const longer = end - first > 1;
        for (int w = first; w < end && at < dictForm.size(); ++w) {
            PreparsedWord& word = words[static_cast<std::size_t>(w)];
            markByInitial(word, dictForm[at]);
            at += longer && word.fText == kzxjPRDor0 ? kPeriod.size() : word.fText.size();
            while (at < dictForm.size() && IsASCIIWhite(dictForm[at])) ++at;
        }
        return;
    }
    // Otherwise each token of the form starts at a word that the source
    // writes after white space; words joined to the next belong to it.
    char const* form = dictForm.c_str();
    int w = first;
    for (std::string token = GetNextToken(&form); !token.empty() && w < end; token = GetNextToken(&form)) {
        markByInitial(words[static_cast<std::size_t>(w)], token[0]);
        while (w < end && !words[static_cast<std::size_t>(w)].WhiteFollows()) {
            words[static_cast<std::size_t>(w)].fFlags |= PreparsedWord::kMatchedLowerCase;
            ++w;
        }
        ++w;
    }
}

void ParseChartCreator::LoadExtraChartWords(Dictionary_EX lookup) {
    int const n = static_cast<int>(Chart().WordCount());
    for (ExtraChartWord const& extra : fSentence->ExtraWords()) {
        if (extra.fFirst > extra.fLast || extra.fLast >= n) continue;
        for (ForwardIterator<Entry_EX> found = lookup.Lookup(extra.fText, nullptr); !found.IsAtEnd(); ++found) {
            for (ForwardIterator<FinePOS_EX> fp = (*found).GetFinePOSIterator(); !fp.IsAtEnd(); ++fp) {
                FinePOS_EX const reading = *fp;
                if (IsPOSEnabled(reading) && !IsSuppressedTBEEntry(reading))
                    FillChartEntry(reading, extra.fFirst, extra.fLast - extra.fFirst, false);
            }
        }
    }
}

bool ParseChartCreator::IsPOSEnabled(FinePOS_EX const& fp) const {
    auto* learning = Dictionary_EX(fp.GetEntry().GetDictionary()).GetDictionaryLearningInterface(false);
    if (learning == nullptr) return true;
    for (ForwardIterator<Paraphrase_EX> paraphrase = fp.GetParaphraseIterator(); !paraphrase.IsAtEnd(); ++paraphrase)
        if (!learning->IsDisabled(fp, *paraphrase)) return true;
    return false;
}

bool ParseChartCreator::IsSuppressedTBEEntry(FinePOS_EX const& fp) const {
    if (!fSentence->OptionSwitch(Sentence::kSwitchSuppressKReadings)) return false;
    return std::strncmp(EnglishPOSName(fp.GetFinePOS()), "K-", 2) == 0;
}

void ParseChartCreator::DictEntrySeek() {
    // Whether the word-sense expert runs is this sentence's business: the
    // process-wide switch is read, never cleared.
    fSentence->SetUsingWordSenseExpert(gbUsingSWAN && !fSentence->OptionSwitch(Sentence::kSwitchWordSenseExpertOff));
    ParseChart& chart = Chart();
    int const n = static_cast<int>(chart.WordCount());
    for (int d = n - 1; d >= 1; --d) {
        for (int e = d; e < n; ++e) {
            PCHART_CELL const& cell = chart.Cell(d, e);
            if (cell.Count() == 0) continue;
            // Everything inside a cell already marked is marked too.
            if (cell.Has(PCHART_CELL::kDominated)) continue;
            if (cell.Has(PCHART_CELL::kCapitalSequence) && cell.Count() == 1) continue;
            DominatedMark(d, e);
        }
    }
}

void ParseChartCreator::DominatedMark(int d, int e) {
    ParseChart& chart = Chart();
    int const first = e - d;
    for (int x = 0; x < d; ++x)
        for (int y = first + x; y <= e; ++y) chart.Cell(x, y).flags |= PCHART_CELL::kDominated;
}

void ParseChartCreator::TrimCells() {
    for (PCHART_CELL& cell : Chart().Cells()) {
        if (cell.entries.capacity() == cell.entries.size()) continue;
        std::vector<ParseChartEntry>(cell.entries.begin(), cell.entries.end()).swap(cell.entries);
    }
}

void ParseChartCreator::SetCellFlags(std::vector<PreparsedWord> const& words) {
    ParseChart& chart = Chart();
    std::size_t const n = std::min(words.size(), chart.WordCount());
    for (std::size_t w = 0; w < n; ++w) {
        PreparsedWord const& word = words[w];
        PCHART_CELL& cell = chart.Cell(0, w);
        if (!word.fText.empty() && IsASCIIUpper(word.fText[0])) cell.flags |= PCHART_CELL::kCapitalInitial;
        if (word.Has(PreparsedWord::kTrulyCapitalised)) cell.flags |= PCHART_CELL::kTrulyCapitalised;
        if (word.Has(PreparsedWord::kMatchedCapitalised)) cell.flags |= PCHART_CELL::kMatchedCapitalised;
        if (word.Has(PreparsedWord::kMatchedLowerCase)) cell.flags |= PCHART_CELL::kMatchedLowerCase;
    }
}

bool ParseChartCreator::Iszxj(std::string const& text) { return text.size() >= 3 && text.compare(0, 3, "zxj") == 0; }

void SetTDtoSDSemanticAliasing(bool, bool) {}
void SetPartitionSize(short* size, long) { *size = 50; }

int CBeforeParse(Sentence* sentence, Sentence::UnknownWordCallback callback, void* data, bool, Dictionary_EX lookup) {
    sentence->SetUnknownWordCallback(callback, data);
    if (sentence->GetMaxSavedParses() == 1) sentence->SetFlags(sentence->Flags() | Sentence::kOneParseKept);
    ParseChartCreator creator(sentence);
    uint16_t const unknown =
        creator.MakeAndFillChart(false, lookup, sentence->SpecialDictionary(), sentence->MissingWordDictionary());
    return unknown != 0 ? 56 : 0;
}
