#include "engine/transfer/alternate_words.h"

#include <algorithm>
#include <memory>
#include <numeric>
#include <vector>

#include "engine/compiled/rewriting_rule_list.h"
#include "engine/foundation/english_pos_classes.h"
#include "engine/foundation/pos_class_tests.h"
#include "engine/foundation/string_utils.h"
#include "engine/transfer/inflection_pattern.h"
#include "engine/transfer/alt_sorter.h"
#include "engine/transfer/alt_word_readings.h"
#include "engine/transfer/alt_word_selection.h"

namespace {

// The class of a source whose readings are not translated (suppressed
// words): it has no alternatives.
constexpr JPOSN kSuppressedJPOSN = 2;
constexpr uint16_t kJPOSNMask = 0x00FF;

void Report(ALTWORD_ENTRY const& entry, AltFormCallback const& callback) {
    if (!callback) return;
    Dictionary_EX const dictionary = entry.reading.GetFinePOS().GetEntry().GetDictionary();
    callback(dictionary.GetID(), IsUserDict(dictionary), entry.japanese, entry.particlePhrase, entry.japanesePOSID,
             entry.udpos, entry.alwaysUse, entry.enabledState, entry.learningValue,
             CanBeNull<POSAndParaphrase>(entry.reading));
}

// The romaji width of the numeral option: 1 half width, 0 full width, else
// as written.
RomajiConversionMode RomajiModeOf(uint32_t numeric) {
    if (numeric == 1) return 1;
    if (numeric == 0) return 2;
    return 0;
}

// Sorts the entries by AltSorter; entries it finds equal keep their order.
void SortEntries(std::vector<ALTWORD_ENTRY>& entries, std::vector<BestMatch_t> const& bestMatches) {
    AltSorter const sorter(bestMatches);
    std::vector<AltSortKey> keys;
    keys.reserve(entries.size());
    for (ALTWORD_ENTRY const& entry : entries) keys.push_back(sorter.MakeKey(entry.japanese, ParticleWordsOf(entry)));
    std::vector<std::size_t> order(entries.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(),
                     [&](std::size_t a, std::size_t b) { return sorter(keys[a], keys[b]); });
    std::vector<ALTWORD_ENTRY> sorted;
    sorted.reserve(entries.size());
    for (std::size_t index : order) sorted.push_back(std::move(entries[index]));
    entries = std::move(sorted);
}

void BuildSet(AW_SET& set, std::string const& word, std::string const& japanese, DICT_SOURCE const& source,
              AltFormCallback const& callback) {
    JPOSN const jposn = source.japanesePOS & kJPOSNMask;
    short const grossJPOS = FindGrossJPOS(JPOSNToStr(jposn));
    POS_E_Source const englishPOS = EPOSNToPOS_E_Source(static_cast<EPOSN>(source.englishPOS));
    set.sourceGrossJPOS = static_cast<uint16_t>(grossJPOS);
    set.sourceForms.push_back(word);
    set.grossJPOS = jposn == 0 ? -1 : grossJPOS;
    set.grossEPOS = englishPOS == 0 ? -1 : FindGrossEPOS(englishPOS);

    set.inflectionPattern =
        FindInflectPattern(&set.japaneseBaseForm, &set.tail, japanese.c_str(), source, set.grossJPOS);
    set.inflections.push_back(
        {japanese, set.tail, set.inflectionPattern, source.japanesePOS, source.translationLength});

    if (jposn != kSuppressedJPOSN) AddReadingsOfWord(set, word);

    FoldSameMeaningEntries(set.entries);
    int const current = ChooseCurrentEntry(set.entries, set.japaneseBaseForm, source.englishPOS);
    std::vector<BestMatch_t> const bestMatches = FillBestMatchList(set.entries, current);
    CollectSourceForms(set, bestMatches);
    FilterByParticles(set.entries, bestMatches);
    ZapDuplicates(set.entries, bestMatches, word);

    if (current >= 0) {
        ALTWORD_ENTRY& chosen = set.entries[static_cast<std::size_t>(current)];
        Report(chosen, callback);
        chosen.japanese.clear();  // reported: neither sorted nor reported again
    }
    SortEntries(set.entries, bestMatches);
    for (ALTWORD_ENTRY const& entry : set.entries) {
        if (!entry.japanese.empty()) Report(entry, callback);
    }
}

}  // namespace

AW_SET* GetTranslations(std::string word, std::string const& japanese, DICT_SOURCE const& source,
                        BasicTranslationOptions const* options, AltFormCallback const& callback) {
    auto set = options != nullptr ? std::make_unique<AW_SET>(options->fDictionaries, RomajiModeOf(options->fNumeric))
                                  : std::make_unique<AW_SET>(DictionaryList(), RomajiConversionMode(0));
    BuildSet(*set, NormalizeInternalWhitespace(word), japanese, source, callback);
    return set.release();
}

void FreeTranslations(AW_SET* set) { delete set; }
