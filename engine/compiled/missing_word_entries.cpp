#include "engine/compiled/missing_word_entries.h"

#include <cstring>
#include <stdexcept>

#include "engine/foundation/module_init.h"
#include "engine/foundation/pos_codes.h"
#include "engine/foundation/semantics.h"
#include "engine/foundation/sjis_chars.h"

namespace {

ModuleCounters const sModuleCounters;

}  // namespace

template <>
Entry_EX MakeOrCreateEntry<Entry_EX>(Dictionary<Entry_EX> dictionary, std::string const& headword) {
    if (headword.size() > kMaxLookupHeadwordLength)
        throw std::length_error("headword too long for a dictionary entry: " + headword.substr(0, 32) + "...");
    for (ForwardIterator<Entry_EX> found = dictionary.Lookup(headword, nullptr); !found.IsAtEnd(); ++found) {
        if ((*found).GetSrcText() == headword) return *found;
    }
    return dictionary.CreateNewEntry(headword);
}

namespace {

constexpr char kUseSurfaceForm[] = "zxqUSE_SURFACE_FORM";

bool StartsWithASCIICapital(char const* word) { return word[0] >= 'A' && word[0] <= 'Z'; }

std::string TrimBlanksRight(std::string text) {
    while (!text.empty() && text.back() == ' ') text.pop_back();
    return text;
}

// Whether two assignment rows make the same reading.
bool SameReading(MW_POS const& a, MW_POS const& b) {
    return a.sourcePOS == b.sourcePOS && a.targetPOS == b.targetPOS && a.featureSets == b.featureSets;
}

std::size_t RowOf(MW_POS const& assignment) { return static_cast<std::size_t>(&assignment - kMissingWordAssignments); }

}  // namespace

bool EndsWithCI(char const* text, char const* ending) {
    std::size_t const textLength = std::strlen(text);
    std::size_t const endingLength = std::strlen(ending);
    if (endingLength > textLength) return false;
    std::size_t const start = textLength - endingLength;
    // The ending must begin on a character of its own, not on the trail byte
    // of a double-byte one.
    std::size_t at = 0;
    while (at < start) at += SJISCharSize(text + at);
    if (at != start) return false;
    for (std::size_t i = 0; i < endingLength; ++i) {
        if (ASCIIToLower(text[start + i]) != ending[i]) return false;
    }
    return true;
}

void SetFinePOSAndParaphraseFromMWTable(FinePOS_EX finePOS, Paraphrase_EX paraphrase, char const* word,
                                        char const* japanese, MW_POS const& assignment) {
    finePOS.SetFinePOS(assignment.sourcePOS);
    finePOS.SetPrimed(assignment.primed != 0);
    finePOS.SetPValue(static_cast<short>(assignment.pValue / 2));

    FeatureSets_E_Source features = assignment.featureSets;
    if (std::strcmp(features.GetSet(0), "#") == 0) features.SetSet(0, word);
    finePOS.SetFeatureSets(features);

    paraphrase.SetCookedTranslation(TrimBlanksRight(std::string(japanese) + " " + assignment.japaneseEnding));
    paraphrase.SetTransPOS(assignment.targetPOS);
    if (assignment.sourcePOS == kCatN)
        paraphrase.SetSemantics(StartsWithASCIICapital(word) ? GetDefaultProperNounSemantics()
                                                             : GetDefaultNounSemantics());
}

void SetFinePOSAndParaphraseFromMWTable(FinePOS_EX finePOS, Paraphrase_EX paraphrase, char const* word,
                                        char const* japanese, char const* key) {
    if (MW_POS const* const assignment = FindMWAssignment(key))
        SetFinePOSAndParaphraseFromMWTable(finePOS, paraphrase, word, japanese, *assignment);
}

void CreateVHNDictEntry(std::vector<Paraphrase_EX>* out, char const* word, char const* key, bool,
                        Dictionary<Entry_EX> const& dictionary, MWRowsUsed& used) {
    // Keys are distinct, so the row named is the only candidate.
    MW_POS const* const assignment = FindMWAssignment(key);
    if (assignment == nullptr || used[RowOf(*assignment)]) return;
    for (std::size_t row = 0; row < kMissingWordAssignmentCount; ++row) {
        if (used[row] && SameReading(kMissingWordAssignments[row], *assignment)) return;
    }
    used[RowOf(*assignment)] = true;

    Entry_EX entry = MakeOrCreateEntry(dictionary, word);
    FinePOS_EX finePOS = entry.CreateNewFinePOS();
    Paraphrase_EX const paraphrase = finePOS.CreateNewParaphrase();
    SetFinePOSAndParaphraseFromMWTable(finePOS, paraphrase, word, kUseSurfaceForm, *assignment);
    out->push_back(paraphrase);
}
