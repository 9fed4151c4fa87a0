// Technical dictionaries rarely carry semantics of their own.  A technical
// reading takes the semantics of a system noun reading of the same span with
// the same Japanese, or else of all the span's system nouns; the re-made
// reading lives in an aliasing dictionary bearing the technical dictionary's
// number, so it still counts as technical.  A technical reading that a
// system reading of exactly its dictionary's domains covers is dropped.
//
// Re-made readings carry their learning values over (the aliasing
// dictionaries learn in memory).
#include <cstring>
#include <vector>

#include "engine/compiled/missing_word_entries.h"
#include "engine/foundation/pos_codes.h"
#include "engine/foundation/shallow_clone.h"
#include "engine/parse/chart_filters.h"
#include "engine/parse/parse_chart_creator.h"
#include "engine/parse/sentence.h"
#include "engine/pipeline/dictionary_priorities.h"

namespace {

bool IsReading(ParseChartEntry const& entry) { return entry.kind == ParseChartEntry::kDictionaryReading; }

Dictionary_EX DictionaryOf(FinePOS_EX const& fp) { return fp.GetEntry().GetDictionary(); }

int DictTypeOf(FinePOS_EX const& fp) { return GetDictType(DictionaryOf(fp)); }

// The set of domains the fine part of speech weights.
DomainIDSet WeightedDomains(FinePOS_EX const& fp) {
    DomainIDSet domains;
    if (fp.PeekDomainWeightsListSize() == 0) return domains;
    for (DomainWeightInfoRecord const& weight : fp.GetDomainWeights()) domains.Set(weight.domain);
    return domains;
}

Dict_Semantics_E_Source SemanticsOf(Paraphrase_EX const& paraphrase) {
    Dict_Semantics_E_Source const* peeked = paraphrase.PeekSemantics();
    return peeked != nullptr ? *peeked : paraphrase.GetSemantics();
}

// One noun-like one-slot record holding the atoms.
Dict_Semantics_E_Source NounRecordOf(std::vector<uint16_t> const& atoms) {
    Dict_Semantics_E_Source semantics;
    SemanticRecord& record = semantics.records[0];
    record.flags = SemanticRecord::kOneSlot | SemanticRecord::kNounLike;
    for (std::size_t i = 0; i < atoms.size() && i < SemanticRecord::kMaxAtoms; ++i) record.atoms[i] = atoms[i];
    return semantics;
}

}  // namespace

bool EntryIsObsolete(ParseChart const& chart, PCHART_CELL const& cell, ParseChartEntry const& entry) {
    Dictionary_EX const dictionary = DictionaryOf(chart.FinePOSOf(entry));
    if (GetDictType(dictionary) != kTechnicalDictType) return false;
    DomainIDSet const domains = dictionary.GetDomainIDSet();
    if (domains.Empty()) return false;
    for (ParseChartEntry const& other : cell.entries) {
        if (!IsReading(other)) continue;
        FinePOS_EX const fp = chart.FinePOSOf(other);
        if (DictTypeOf(fp) != kSystemDictType) continue;
        DomainIDSet const weighted = WeightedDomains(fp);
        if (!weighted.Empty() && weighted == domains) return true;
    }
    return false;
}

CanBeNull<Paraphrase_EX> FindSDParaphraseWithSameJapanese(ParseChart const& chart, PCHART_CELL const& cell,
                                                          ParseChartEntry const& entry) {
    auto own = chart.FinePOSOf(entry).GetParaphraseIterator();
    if (own.IsAtEnd()) return {};
    std::string const japanese = (*own).GetCookedTranslation();
    for (ParseChartEntry const& other : cell.entries) {
        if (&other == &entry || !IsReading(other)) continue;
        FinePOS_EX const fp = chart.FinePOSOf(other);
        if (fp.GetFinePOS() != kCatN || DictTypeOf(fp) != kSystemDictType) continue;
        for (auto paraphrases = fp.GetParaphraseIterator(); !paraphrases.IsAtEnd(); ++paraphrases)
            if ((*paraphrases).GetCookedTranslation() == japanese) return *paraphrases;
    }
    return {};
}

std::set<uint16_t> UnionOfSemanticFeatures(ParseChart const& chart, PCHART_CELL const& cell, POS_E_Source pos,
                                           int dictType) {
    std::set<uint16_t> atoms;
    for (ParseChartEntry const& entry : cell.entries) {
        if (!IsReading(entry)) continue;
        FinePOS_EX const fp = chart.FinePOSOf(entry);
        if (fp.GetFinePOS() != pos || DictTypeOf(fp) != dictType) continue;
        for (auto paraphrases = fp.GetParaphraseIterator(); !paraphrases.IsAtEnd(); ++paraphrases) {
            Dict_Semantics_E_Source const semantics = SemanticsOf(*paraphrases);
            if (semantics.IsBlank()) continue;
            SemanticRecord const& record = semantics.records[0];
            atoms.insert(record.atoms, record.atoms + record.AtomCount());
        }
    }
    return atoms;
}

void MakeTDEntriesForAllSDParaphrases(ParseChartCreator& creator, int e, int d, std::size_t index) {
    ParseChart& chart = creator.Chart();
    auto const cellAt = [&chart](int dd, int ee) -> PCHART_CELL& {
        return chart.Cell(static_cast<std::size_t>(dd), static_cast<std::size_t>(ee));
    };
    std::set<uint16_t> atoms = UnionOfSemanticFeatures(chart, cellAt(d, e), kCatN, kSystemDictType);
    // A longer span without nouns of its own takes its head noun's.
    if (atoms.empty() && d > 0) atoms = UnionOfSemanticFeatures(chart, cellAt(0, e), kCatN, kSystemDictType);
    if (atoms.empty()) return;

    FinePOS_EX const original = chart.FinePOSOf(cellAt(d, e).entries.at(index));
    std::vector<uint16_t> const all(atoms.begin(), atoms.end());
    for (std::size_t first = 0; first < all.size(); first += SemanticRecord::kMaxAtoms) {
        std::vector<uint16_t> const chunk(
            all.begin() + static_cast<std::ptrdiff_t>(first),
            all.begin() + static_cast<std::ptrdiff_t>(std::min(all.size(), first + SemanticRecord::kMaxAtoms)));
        FinePOS_EX const made = AddSemanticsToTD(original, NounRecordOf(chunk), creator.GetSentence());
        PCHART_CELL& cell = cellAt(d, e);
        if (first == 0) {
            chart.AssignFinePOSToEntry(cell.entries[index], made);
        } else {
            ParseChartEntry const reading = cell.entries[index];  // the cell may grow
            creator.DuplicateEntry(cell, e, d, reading, made);
        }
    }
}

FinePOS_EX AddSemanticsToTD(FinePOS_EX const& fp, Dict_Semantics_E_Source const& semantics, Sentence* sentence) {
    FeatureSets_E_Source sets = fp.GetFeatureSets();
    char* const first = sets.sets[0];
    if (fp.GetFinePOS() == kCatN && std::strlen(first) > 11) {
        if (first[11] == 'M')
            first[11] = 'N';
        else if (first[11] == 'U')
            first[11] = '9';
    }
    Dictionary_EX const aliasing = sentence->AliasingDictionaries().GetTempDict(DictionaryOf(fp).GetID());
    FinePOS_EX clone = ShallowCloneFinePOS(fp, MakeOrCreateEntry(aliasing, fp.GetEntry().GetSrcText()));
    clone.SetFeatureSets(sets);
    for (auto paraphrases = fp.GetParaphraseIterator(); !paraphrases.IsAtEnd(); ++paraphrases)
        ShallowCloneParaphrase(fp, *paraphrases, clone).SetSemantics(semantics);
    return clone;
}

namespace {

// Gives a technical reading (not one already re-made) the semantics of the
// cell's system nouns.
void InheritOne(ParseChartCreator& creator, int e, int d, std::size_t index) {
    ParseChart& chart = creator.Chart();
    PCHART_CELL& cell = chart.Cell(static_cast<std::size_t>(d), static_cast<std::size_t>(e));
    FinePOS_EX const fp = chart.FinePOSOf(cell.entries[index]);
    Dictionary_EX const dictionary = DictionaryOf(fp);
    if (GetDictType(dictionary) != kTechnicalDictType) return;
    if (creator.GetSentence()->AliasingDictionaries().Holds(dictionary)) return;
    CanBeNull<Paraphrase_EX> const same = FindSDParaphraseWithSameJapanese(chart, cell, cell.entries[index]);
    if (same.IsNull()) {
        MakeTDEntriesForAllSDParaphrases(creator, e, d, index);
        return;
    }
    chart.AssignFinePOSToEntry(cell.entries[index],
                               AddSemanticsToTD(fp, SemanticsOf(same.Get()), creator.GetSentence()));
}

}  // namespace

void ParseChartCreator::InheritFromSD() {
    ParseChart& chart = Chart();
    int const n = static_cast<int>(chart.WordCount());
    for (int e = 0; e < n; ++e) {
        for (int d = 0; d <= e; ++d) {
            PCHART_CELL& cell = chart.Cell(static_cast<std::size_t>(d), static_cast<std::size_t>(e));
            // Copies made here are appended: only the readings present now are
            // looked at, so the pass ends.
            std::size_t present = cell.Count();
            std::size_t i = 0;
            while (i < present) {
                if (!IsReading(cell.entries[i])) {
                    ++i;
                } else if (EntryIsObsolete(chart, cell, cell.entries[i])) {
                    RemoveParseChartEntry(cell, i);
                    --present;
                } else {
                    InheritOne(*this, e, d, i++);
                }
            }
        }
    }
}
