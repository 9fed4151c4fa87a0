#include "engine/parse/sword_registry.h"

#include "engine/foundation/sjis_chars.h"
#include "engine/parse/parse_chart.h"
#include "engine/parse/sentence.h"

namespace {

// Longest S-word kept: as long as a name of a semantic record, one more for
// a name marked with "!".
constexpr std::size_t kSWordLength = 10;
constexpr std::size_t kMarkedSWordLength = 11;

bool CarriesSWordMark(Paraphrase_EX const& paraphrase) {
    Dict_Semantics_E_Source const* peeked = paraphrase.PeekSemantics();
    Dict_Semantics_E_Source const semantics = peeked != nullptr ? *peeked : paraphrase.GetSemantics();
    return semantics.records[0].IsNounLike();
}

// The headword's last word, cut as the semantic names are: 11 bytes when it
// begins with "!", else 10, never inside a double-byte character.
std::string SWordOf(FinePOS_EX const& fp) {
    std::string text = fp.GetBaseForm().GetEntry().GetSrcText();
    std::size_t const space = text.rfind(' ');
    if (space != std::string::npos) text.erase(0, space + 1);
    std::size_t const limit = !text.empty() && text[0] == '!' ? kMarkedSWordLength : kSWordLength;
    std::size_t kept = 0;
    while (kept < text.size()) {
        std::size_t const next = kept + SJISCharSize(text.c_str() + kept, text.c_str() + text.size());
        if (next > limit) break;
        kept = next;
    }
    text.resize(kept);
    return text;
}

}  // namespace

void SWordRegistry::RegisterAllSWord(Sentence* sentence) {
    ParseChart const& chart = sentence->Chart();
    for (PCHART_CELL const& cell : chart.Cells())
        for (ParseChartEntry const& entry : cell.entries)
            if (entry.kind == ParseChartEntry::kDictionaryReading) MaybeRegisterSWord(chart.FinePOSOf(entry));
}

void SWordRegistry::MaybeRegisterSWord(FinePOS_EX const& fp) {
    for (auto paraphrases = fp.GetParaphraseIterator(); !paraphrases.IsAtEnd(); ++paraphrases) {
        if (CarriesSWordMark(*paraphrases)) {
            fWords.insert(SWordOf(fp));
            return;
        }
    }
}
