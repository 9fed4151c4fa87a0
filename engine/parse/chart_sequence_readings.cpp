// Readings of the word sequences the preparser marked: hyphenated sequences
// ("well-known", "12-34") and sequences of capitalised words ("New York").
// All of them are fine parts of speech of two shared entries of the special
// dictionary, "(hyphenseq)" and "(capseq)", weighted by the number of words
// they span so that a long unit competes with the readings of its parts.
#include <algorithm>
#include <cstdint>
#include <limits>

#include "engine/compiled/missing_word_entries.h"
#include "engine/foundation/sjis_chars.h"
#include "engine/foundation/sjis_wide_text.h"
#include "engine/parse/parse_chart_creator.h"
#include "engine/parse/sentence.h"

namespace {

constexpr char kHyphenSequenceHeadword[] = "(hyphenseq)";
constexpr char kCapitalSequenceHeadword[] = "(capseq)";

// A hyphenated sequence of words may be any of these.
constexpr char const* kHyphenTable[] = {"N_HYPHEN", "VI01_HYPHEN", "VT01_HYPHEN", "ADJ_HYPHEN", "ADV_HYPHEN"};
// One of numbers is a noun.
constexpr char kHyphenNumSeqName[] = "N_HYPHEN";
constexpr char kCapitalSequenceName[] = "N_CAPSEQ";

bool IsASCIIDigit(char c) { return c >= '0' && c <= '9'; }
bool IsASCIIAlnum(char c) { return IsASCIIDigit(c) || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

// ASCII digits of a Shift-JIS text; a double-byte character counts none.
unsigned ASCIIDigitCount(std::string const& text) {
    unsigned digits = 0;
    char const* const end = text.data() + text.size();
    for (char const* p = text.data(); p < end; p += SJISCharSize(p, end))
        if (IsASCIIDigit(*p)) ++digits;
    return digits;
}

std::size_t SJISCharCount(std::string const& text) {
    std::size_t count = 0;
    char const* const end = text.data() + text.size();
    for (char const* p = text.data(); p < end; p += SJISCharSize(p, end)) ++count;
    return count;
}

// Clears the per-word counters however handling the senses ends.
class ForcedUnitsScope {
public:
    ForcedUnitsScope(std::vector<ParseChartCreator::ForcedUnitCounts>& counts, std::size_t words) : fCounts(counts) {
        fCounts.assign(words, {});
    }
    ~ForcedUnitsScope() { std::vector<ParseChartCreator::ForcedUnitCounts>().swap(fCounts); }
    ForcedUnitsScope(ForcedUnitsScope const&) = delete;
    ForcedUnitsScope& operator=(ForcedUnitsScope const&) = delete;

private:
    std::vector<ParseChartCreator::ForcedUnitCounts>& fCounts;
};

}  // namespace

void ParseChartCreator::MakeHyphenSeqs(std::vector<PreparsedWord> const& words) {
    bool open = false;
    std::size_t start = 0;
    unsigned digits = 0;
    for (std::size_t i = 0; i < words.size(); ++i) {
        PreparsedWord const& word = words[i];
        if (word.fHyphenSequencesBegun != 0) {
            open = true;
            start = i;
            digits = 0;
        }
        if (!open) continue;
        digits += ASCIIDigitCount(word.fText);
        if (word.fHyphenSequencesEnded == 0) continue;
        open = false;

        std::string const& first = words[start].fText;
        if (first.empty() || word.fText.empty() || !IsASCIIAlnum(first[0]) || !IsASCIIAlnum(word.fText[0])) continue;
        bool const numeric = digits >= 2 || (IsASCIIDigit(first[0]) && SJISCharCount(word.fText) <= 2);
        PreparseSense sense;
        sense.fKind = numeric ? PreparseSense::kNumericHyphenSequence : PreparseSense::kHyphenSequence;
        sense.fFirstWord = static_cast<uint16_t>(start);
        sense.fLastWord = static_cast<uint16_t>(i);
        sense.fMarker = MapWideToSJISChars(fSentence->MakeETrans(start, i).c_str());
        fSentence->MutableSenses().push_back(sense);
    }
}

void ParseChartCreator::HandleSenses(Dictionary_EX special) {
    std::size_t const n = Chart().WordCount();
    ForcedUnitsScope const counters(fForcedUnits, n);
    for (PreparseSense const& sense : fSentence->Senses()) {
        std::size_t const first = sense.fFirstWord;
        std::size_t const last = sense.fLastWord;
        if (first > last || last >= n) continue;  // names no span of this chart
        switch (sense.fKind) {
            case PreparseSense::kHyphenSequence:
            case PreparseSense::kNumericHyphenSequence:
                ++fForcedUnits[first].starts;
                ++fForcedUnits[last].ends;
                // Dictionary readings of the span win over a made-up one.
                if (Chart().Cell(last - first, last).Count() != 0) break;
                if (sense.fKind == PreparseSense::kHyphenSequence)
                    MakeHyphenSequenceEntries(sense, special);
                else
                    MakeNumericHyphenSequenceEntries(sense, special);
                break;
            case PreparseSense::kCapitalSequence: {
                FinePOS_EX const fp =
                    CreateParaphraseInTempDict(special, kCapitalSequenceHeadword, sense.fMarker, kCapitalSequenceName)
                        .GetFinePOS();
                DoctorPValueForSynthesizedMultiWordEntries(fp, static_cast<int>(last - first));
                FillChartEntry(fp, static_cast<int>(first), static_cast<int>(last - first), true);
                break;
            }
            default:
                break;
        }
    }
    MarkForcedUnits();
}

void ParseChartCreator::MakeHyphenSequenceEntries(PreparseSense const& sense, Dictionary_EX special) {
    for (char const* name : kHyphenTable) MakeOneHyphenSequenceEntryAndPutIntoChart(sense, name, special);
}

void ParseChartCreator::MakeNumericHyphenSequenceEntries(PreparseSense const& sense, Dictionary_EX special) {
    MakeOneHyphenSequenceEntryAndPutIntoChart(sense, kHyphenNumSeqName, special);
}

void ParseChartCreator::MakeOneHyphenSequenceEntryAndPutIntoChart(PreparseSense const& sense, char const* posName,
                                                                  Dictionary_EX special) {
    FinePOS_EX const fp =
        CreateParaphraseInTempDict(special, kHyphenSequenceHeadword, sense.fMarker, posName).GetFinePOS();
    int const d = sense.fLastWord - sense.fFirstWord;
    // The hyphens are words of their own, so a sequence weighs one more word
    // than a capital sequence of the same span.
    DoctorPValueForSynthesizedMultiWordEntries(fp, d + 1);
    FillChartEntry(fp, sense.fFirstWord, d, false);
}

Paraphrase_EX CreateParaphraseInTempDict(Dictionary_EX dictionary, std::string const& headword,
                                         std::string const& japanese, char const* posName) {
    Entry_EX entry = MakeOrCreateEntry(dictionary, headword);
    FinePOS_EX fp = entry.CreateNewFinePOS();
    Paraphrase_EX paraphrase = fp.CreateNewParaphrase();
    SetFinePOSAndParaphraseFromMWTable(fp, paraphrase, headword.c_str(), japanese.c_str(), posName);
    return paraphrase;
}

void DoctorPValueForSynthesizedMultiWordEntries(FinePOS_EX fp, int words) {
    long const product = static_cast<long>(fp.GetPValue()) * words;
    long const clamped =
        std::clamp<long>(product, std::numeric_limits<short>::min(), std::numeric_limits<short>::max());
    fp.SetPValue(static_cast<short>(clamped));
}
