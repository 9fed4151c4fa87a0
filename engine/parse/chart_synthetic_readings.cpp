// Readings made at run time for single words that no dictionary lists:
// words in capitals, initials, capitalised words and, last of all, unknown
// words, whose readings follow from their endings.  Numbers and the like are
// in chart_numeric_readings.cpp, sequences in chart_sequence_readings.cpp.
#include <string>
#include <vector>

#include "engine/compiled/missing_word_entries.h"
#include "engine/foundation/common_words.h"
#include "engine/foundation/semantics.h"
#include "engine/foundation/sjis_wide_text.h"
#include "engine/parse/parse_chart_creator.h"
#include "engine/parse/sentence.h"

namespace {

constexpr char kUseSurfaceForm[] = "zxqUSE_SURFACE_FORM";

bool IsASCIICapital(char c) { return c >= 'A' && c <= 'Z'; }

// Initials stand for people, products and organisations alike.
Dict_Semantics_E_Source const& defaultInitialSequenceSemantics() {
    static Dict_Semantics_E_Source const semantics = ConvertNounSemanticsFromText("N human product organization all");
    return semantics;
}

// A word too long to be a headword can get no entry of its own.
bool FitsAHeadword(PreparsedWord const& word) { return word.fText.size() <= kMaxLookupHeadwordLength; }

}  // namespace

void ParseChartCreator::CreateAllCapWordEntries(std::vector<PreparsedWord>& words, Dictionary_EX special) {
    bool skipping = false;  // inside a run of three or more words in capitals
    for (std::size_t i = 0; i < words.size(); ++i) {
        PreparsedWord& word = words[i];
        if (!word.Has(PreparsedWord::kAllCapitals)) {
            skipping = false;
            continue;
        }
        if (skipping) continue;
        // A heading or a shouted phrase, not a name.
        if (i + 2 < words.size() && words[i + 1].Has(PreparsedWord::kAllCapitals) &&
            words[i + 2].Has(PreparsedWord::kAllCapitals)) {
            skipping = true;
            continue;
        }
        if (!FitsAHeadword(word)) continue;
        int const w = static_cast<int>(i);
        bool const known = AnyParseChartEntriesCoveringWord(w);
        std::string const japanese = MapWideToSJISChars(fSentence->MakeETrans(i, i).c_str());
        FillChartEntry(CreateParaphraseInTempDict(special, word.fText, japanese, "N_ALLCAPWORD").GetFinePOS(), w, 0,
                       false);
        if (!known) fSentence->ReportUnknownWord(word.fText, word.fStart);
        word.fFlags |= PreparsedWord::kAllCapitalReading;
    }
}

uint16_t ParseChartCreator::GenerateMissingWordEntries(std::vector<PreparsedWord>& words, Dictionary_EX special,
                                                       Dictionary_EX missing) {
    uint16_t unknown = 0;
    for (std::size_t i = 0; i < words.size(); ++i) {
        PreparsedWord const& word = words[i];
        int const w = static_cast<int>(i);
        if (AnyParseChartEntriesCoveringWord(w)) {
            // Known only in lower case, a capitalised word may still be a name.
            if (!word.Has(PreparsedWord::kAllCapitalReading) && !word.fText.empty() && IsASCIICapital(word.fText[0]) &&
                !word.Has(PreparsedWord::kMatchedCapitalised) && !CommonGrammaticalWord(word.fText.c_str()) &&
                FitsAHeadword(word))
                CreateUppercaseTemporaryEntries(word, w, missing);
            continue;
        }
        if (FitsAHeadword(word)) {
            PreparsedWord const* const next = i + 1 < words.size() ? &words[i + 1] : nullptr;
            if (CreateInitialSequenceEntries(word, w, next, missing) || CreateNumericEntries(word, w, special) ||
                CreateInternetName(word, w, special) || CreatePhoneNumber(word, w, special))
                continue;
        }
        fSentence->ReportUnknownWord(word.fText, word.fStart);
        if (FitsAHeadword(word) && CreateIdentifier(word, w, special)) continue;
        std::vector<Paraphrase_EX> readings;
        CreateMWEntries(&readings, word.fText.c_str(), false, missing);
        for (Paraphrase_EX const& reading : readings) FillChartEntry(reading.GetFinePOS(), w, 0, false);
        ++unknown;
    }
    return unknown;
}

bool ParseChartCreator::CreateInitialSequenceEntries(PreparsedWord const& word, int index, PreparsedWord const* next,
                                                     Dictionary_EX missing) {
    std::string const& text = word.fText;
    if (text.size() < 3) return false;
    // "X.Y." alone, or "X.Y" written against a period word.
    std::size_t at = 0;
    for (; at + 2 <= text.size(); at += 2)
        if (!IsASCIICapital(text[at]) || text[at + 1] != '.') return false;
    if (at < text.size()) {
        bool const periodFollows = next != nullptr && !word.WhiteFollows() && next->fText == ".";
        if (!IsASCIICapital(text[at]) || !periodFollows) return false;
    }
    Paraphrase_EX paraphrase = CreateParaphraseInTempDict(missing, text, kUseSurfaceForm, "INITIALSEQUENCE");
    paraphrase.SetSemantics(defaultInitialSequenceSemantics());
    FillChartEntry(paraphrase.GetFinePOS(), index, 0, false);
    return true;
}

void ParseChartCreator::CreateUppercaseTemporaryEntries(PreparsedWord const& word, int index, Dictionary_EX missing) {
    if (CreateIdentifier(word, index, missing)) return;
    std::vector<Paraphrase_EX> readings;
    CreateMWEntries(&readings, word.fText.c_str(), true, missing);
    for (Paraphrase_EX const& reading : readings) FillChartEntry(reading.GetFinePOS(), index, 0, false);
}
