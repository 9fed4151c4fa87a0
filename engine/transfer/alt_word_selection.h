#pragma once
// The steps that turn the readings found for a source word into the
// alternatives a set offers: folding readings that mean the same, finding
// the one that matches the current translation and the best matches around
// it, the English forms the set answers for, and dropping the readings whose
// particles do not fit or that repeat another's Japanese.  A dropped entry
// keeps its place with empty Japanese; an entry folded into another is
// listed among that one's hidden readings.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "engine/transfer/alt_word_particles.h"
#include "engine/transfer/aw_set.h"

// The particle words of an entry; none without particles.
std::vector<std::string> ParticleWordsOf(ALTWORD_ENTRY const& entry);

// The number of the dictionary that holds the entry's reading.
uint16_t ReadingDictionaryID(ALTWORD_ENTRY const& entry);

// Drops `dropped` and lists its reading, then its hidden readings, among
// `holder`'s.
void PiggyBack(ALTWORD_ENTRY& dropped, ALTWORD_ENTRY& holder);

// Folds a reading into another of the same Japanese, dictionary, enabled
// state and particles when the other's class says more (a class, or no
// subclass where this one has one).
void FoldSameMeaningEntries(std::vector<ALTWORD_ENTRY>& entries);

// How far two Shift-JIS texts agree: the whole characters they begin with,
// plus 1 when both end there.
std::size_t SharedPrefixMeasure(std::string const& a, std::string const& b);

// The entry that matches the current translation: the longest agreement with
// its dictionary form, then the source's English class, then particles; -1
// when every entry is dropped.
int ChooseCurrentEntry(std::vector<ALTWORD_ENTRY> const& entries, std::string const& baseForm, uint32_t sourceEPOSN);

// The current entry and, when it has particles, the entries of its Japanese
// and English part of speech with other particles, each particle text once.
std::vector<BestMatch_t> FillBestMatchList(std::vector<ALTWORD_ENTRY> const& entries, int current);

// Adds to the set's source forms every English form of the readings the best
// matches stand for, each once whatever its case.
void CollectSourceForms(AW_SET& set, std::vector<BestMatch_t> const& bestMatches);

// Drops the entries with particles that fit no best match; all of them when
// the first best match has none.
void FilterByParticles(std::vector<ALTWORD_ENTRY>& entries, std::vector<BestMatch_t> const& bestMatches);

// Of two entries with the same Japanese from the same dictionary, drops the
// one ChooseDuplicateLoser names and folds it into the other.
void ZapDuplicates(std::vector<ALTWORD_ENTRY>& entries, std::vector<BestMatch_t> const& bestMatches,
                   std::string const& sourceWord);
