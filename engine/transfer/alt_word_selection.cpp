#include "engine/transfer/alt_word_selection.h"

#include <algorithm>

#include "engine/foundation/english_pos_classes.h"
#include "engine/foundation/sjis_chars.h"
#include "engine/foundation/string_compare.h"
#include "engine/transfer/alt_duplicate_rules.h"

namespace {

bool IsBestMatch(std::vector<BestMatch_t> const& bestMatches, std::size_t index) {
    return std::any_of(bestMatches.begin(), bestMatches.end(),
                       [&](BestMatch_t const& match) { return match.entry == index; });
}

std::string HeadwordOf(ALTWORD_ENTRY const& entry) { return entry.reading.GetFinePOS().GetEntry().GetSrcText(); }

// The text that names the entry's English: its particle phrase, else its
// headword.
std::string EnglishOf(ALTWORD_ENTRY const& entry) {
    return entry.particlePhrase.empty() ? HeadwordOf(entry) : entry.particlePhrase;
}

void AddSourceForm(std::vector<std::string>& forms, std::string const& form) {
    bool const known = std::any_of(forms.begin(), forms.end(),
                                   [&](std::string const& f) { return StrUpMatch(f.c_str(), form.c_str()) == 0; });
    if (!known) forms.push_back(form);
}

DuplicateFacts FactsOf(std::vector<ALTWORD_ENTRY> const& entries, std::size_t index,
                       std::vector<BestMatch_t> const& bestMatches, std::string const& sourceWord) {
    ALTWORD_ENTRY const& entry = entries[index];
    FinePOS_EX const& finePOS = entry.reading.GetFinePOS();
    Paraphrase_EX const& paraphrase = entry.reading.GetParaphrase();
    DuplicateFacts facts;
    facts.bestMatch = IsBestMatch(bestMatches, index);
    facts.hasBestMatchPOS = !bestMatches.empty() && entry.englishPOS == entries[bestMatches[0].entry].englishPOS;
    facts.caseMatches = CaseMatches(sourceWord, HeadwordOf(entry));
    facts.altOnly = paraphrase.GetAltOnly() || finePOS.GetAltOnly();
    facts.finePOSPValue = finePOS.GetPValue();
    facts.paraphrasePValue = paraphrase.GetPValue();
    return facts;
}

}  // namespace

std::vector<std::string> ParticleWordsOf(ALTWORD_ENTRY const& entry) {
    if (entry.particlePhrase.empty() || entry.particleOffset > entry.particlePhrase.size()) return {};
    return SplitParticleWords(entry.particlePhrase.substr(entry.particleOffset));
}

uint16_t ReadingDictionaryID(ALTWORD_ENTRY const& entry) {
    return entry.reading.GetFinePOS().GetEntry().GetDictionary().GetID();
}

void PiggyBack(ALTWORD_ENTRY& dropped, ALTWORD_ENTRY& holder) {
    dropped.japanese.clear();
    holder.hiddenReadings.push_back(dropped.reading);
    holder.hiddenReadings.insert(holder.hiddenReadings.end(), dropped.hiddenReadings.begin(),
                                 dropped.hiddenReadings.end());
    dropped.hiddenReadings.clear();
}

void FoldSameMeaningEntries(std::vector<ALTWORD_ENTRY>& entries) {
    for (std::size_t e = 0; e < entries.size(); ++e) {
        ALTWORD_ENTRY& entry = entries[e];
        if (entry.japanese.empty() || (entry.udpos.wordClass != 0 && entry.udpos.subclass == 0)) continue;
        for (std::size_t f = 0; f < entries.size(); ++f) {
            ALTWORD_ENTRY& other = entries[f];
            if (f == e || other.japanese.empty() || other.japanese != entry.japanese) continue;
            if (ReadingDictionaryID(other) != ReadingDictionaryID(entry) || other.enabledState != entry.enabledState ||
                other.particlePhrase != entry.particlePhrase)
                continue;
            if (other.udpos.wordClass == 0 || (entry.udpos.wordClass == 0 && other.udpos.subclass != 0)) continue;
            PiggyBack(entry, other);
            break;
        }
    }
}

std::size_t SharedPrefixMeasure(std::string const& a, std::string const& b) {
    std::size_t characters = 0;
    std::size_t i = 0;
    while (i < a.size() && i < b.size()) {
        std::size_t const size = SJISCharSize(a.c_str() + i);
        if (size != SJISCharSize(b.c_str() + i) || a.compare(i, size, b, i, size) != 0) return characters;
        i += size;
        ++characters;
    }
    return characters + (i == a.size() && i == b.size() ? 1 : 0);
}

int ChooseCurrentEntry(std::vector<ALTWORD_ENTRY> const& entries, std::string const& baseForm, uint32_t sourceEPOSN) {
    int best = -1;
    std::size_t bestMeasure = 0;
    bool bestMatchesEPOSN = false;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        ALTWORD_ENTRY const& entry = entries[i];
        if (entry.japanese.empty()) continue;
        std::size_t const measure = SharedPrefixMeasure(entry.japanese, baseForm);
        bool const matchesEPOSN = POS_E_SourceToEPOSN(entry.englishPOS) == sourceEPOSN;
        bool better = best < 0 || measure > bestMeasure;
        if (!better && measure == bestMeasure) {
            if (!bestMatchesEPOSN && matchesEPOSN)
                better = true;
            else if (!(bestMatchesEPOSN && matchesEPOSN))
                better =
                    entries[static_cast<std::size_t>(best)].particlePhrase.empty() && !entry.particlePhrase.empty();
        }
        if (!better) continue;
        best = static_cast<int>(i);
        bestMeasure = measure;
        bestMatchesEPOSN = matchesEPOSN;
    }
    return best;
}

std::vector<BestMatch_t> FillBestMatchList(std::vector<ALTWORD_ENTRY> const& entries, int current) {
    std::vector<BestMatch_t> bestMatches;
    if (current < 0) return bestMatches;
    ALTWORD_ENTRY const& chosen = entries[static_cast<std::size_t>(current)];
    if (chosen.particlePhrase.empty()) {
        bestMatches.push_back({static_cast<uint16_t>(current), {}});
        return bestMatches;
    }
    auto add = [&](std::size_t index) {
        std::vector<std::string> words = ParticleWordsOf(entries[index]);
        for (BestMatch_t const& match : bestMatches) {
            if (match.particles == words) return;
        }
        bestMatches.push_back({static_cast<uint16_t>(index), std::move(words)});
    };
    add(static_cast<std::size_t>(current));
    for (std::size_t i = 0; i < entries.size(); ++i) {
        ALTWORD_ENTRY const& entry = entries[i];
        if (!entry.japanese.empty() && !entry.particlePhrase.empty() && entry.japanese == chosen.japanese &&
            entry.englishPOS == chosen.englishPOS)
            add(i);
    }
    return bestMatches;
}

void CollectSourceForms(AW_SET& set, std::vector<BestMatch_t> const& bestMatches) {
    for (BestMatch_t const& match : bestMatches) {
        std::string const english = EnglishOf(set.entries[match.entry]);
        for (ALTWORD_ENTRY const& entry : set.entries) {
            if (EnglishOf(entry) != english) continue;
            FinePOS_EX const base = entry.reading.GetFinePOS().GetBaseForm();
            for (ForwardIterator<FinePOS_EX> form = base.GetCFIterator_start(); !form.IsAtEnd(); ++form)
                AddSourceForm(set.sourceForms, (*form).GetEntry().GetSrcText());
        }
    }
}

void FilterByParticles(std::vector<ALTWORD_ENTRY>& entries, std::vector<BestMatch_t> const& bestMatches) {
    bool const particlesFit = !bestMatches.empty() && !bestMatches[0].particles.empty();
    for (std::size_t i = 0; i < entries.size(); ++i) {
        ALTWORD_ENTRY& entry = entries[i];
        if (entry.particlePhrase.empty() || entry.japanese.empty()) continue;
        if (particlesFit && (IsBestMatch(bestMatches, i) ||
                             FindBestMatchWhichParticlesAreASubsetOf(bestMatches, ParticleWordsOf(entry)) >= 0))
            continue;
        entry.japanese.clear();
    }
}

void ZapDuplicates(std::vector<ALTWORD_ENTRY>& entries, std::vector<BestMatch_t> const& bestMatches,
                   std::string const& sourceWord) {
    bool const withBestMatchPOS = !bestMatches.empty();
    for (std::size_t a = 0; a < entries.size(); ++a) {
        if (entries[a].japanese.empty()) continue;
        uint16_t const dictionaryID = ReadingDictionaryID(entries[a]);
        for (std::size_t b = a + 1; b < entries.size(); ++b) {
            if (entries[b].japanese.empty() || entries[b].japanese != entries[a].japanese ||
                ReadingDictionaryID(entries[b]) != dictionaryID)
                continue;
            DuplicateLoser const loser =
                ChooseDuplicateLoser(FactsOf(entries, a, bestMatches, sourceWord),
                                     FactsOf(entries, b, bestMatches, sourceWord), withBestMatchPOS);
            if (loser == DuplicateLoser::kSecond) {
                PiggyBack(entries[b], entries[a]);
            } else if (loser == DuplicateLoser::kFirst) {
                PiggyBack(entries[a], entries[b]);
                break;
            }
        }
    }
}
