// Passes that drop readings which cannot apply to the sentence: those needing
// a particle the sentence lacks, those whose every paraphrase is disabled,
// and alternate-only readings that nothing calls for.
#include "engine/parse/chart_filters.h"

#include "engine/foundation/dictionary_learning.h"
#include "engine/parse/parse_chart_creator.h"
#include "engine/parse/particle_registry.h"
#include "engine/parse/sentence.h"

namespace {

using LearningInterface = DictionaryLearningInterface_<FinePOS_EX, Paraphrase_EX>;

LearningInterface const* LearningOf(FinePOS_EX const& fp) {
    return fp.GetEntry().GetDictionary().GetDictionaryLearningInterface(false);
}

// Removes, last to first, the dictionary readings of every cell for which
// `drop` holds.
template <class Drop>
void RemoveReadingsWhere(ParseChartCreator& creator, Drop drop) {
    ParseChart& chart = creator.Chart();
    for (PCHART_CELL& cell : chart.Cells()) {
        for (std::size_t i = cell.Count(); i-- > 0;) {
            ParseChartEntry const& entry = cell.entries[i];
            if (entry.kind == ParseChartEntry::kDictionaryReading && drop(chart.FinePOSOf(entry)))
                creator.RemoveParseChartEntry(cell, i);
        }
    }
}

}  // namespace

void ParseChartCreator::EliminateEntriesWithAbsentParticles() {
    ParticleRegistry particles;
    for (PCHART_CELL const& cell : Chart().Cells())
        for (ParseChartEntry const& entry : cell.entries)
            if (entry.kind == ParseChartEntry::kDictionaryReading)
                particles.MaybeRegisterParticle(Chart().FinePOSOf(entry));
    RemoveReadingsWhere(
        *this, [&particles](FinePOS_EX const& fp) { return !particles.ParticlesForThisEntryAppearInSentence(fp); });
}

void ParseChartCreator::EliminateEntriesWithNoEnabledParaphrases() {
    Sentence const& sentence = *fSentence;
    RemoveReadingsWhere(*this, [&sentence](FinePOS_EX const& fp) {
        if (LearningOf(fp) == nullptr) return false;
        // A reading without paraphrases has none disabled: it stays.
        bool any = false;
        for (auto paraphrases = fp.GetParaphraseIterator(); !paraphrases.IsAtEnd(); ++paraphrases) {
            if (!ParaDisabledForAnyReason(fp, *paraphrases, sentence)) return false;
            any = true;
        }
        return any;
    });
}

void ParseChartCreator::EliminateAlternateOnlyEntries() {
    ActiveDomains const& domains = fSentence->Domains();
    RemoveReadingsWhere(*this, [&domains](FinePOS_EX const& fp) {
        return fp.GetAltOnly() && !domains.AnyMatch(fp) && !WasAOFinePOSBoostedByLearning(fp);
    });
}

bool WasAOFinePOSBoostedByLearning(FinePOS_EX const& fp) {
    LearningInterface const* learning = LearningOf(fp);
    if (learning == nullptr) return false;
    for (auto paraphrases = fp.GetParaphraseIterator(); !paraphrases.IsAtEnd(); ++paraphrases) {
        float value = 0.0f;
        if (learning->GetLearningValue(fp, *paraphrases, &value)) return true;
    }
    return false;
}
