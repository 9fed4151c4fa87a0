#pragma once
// The alternate-word service of post-editing and learning over this side's
// alternate words: GetTranslations lists, CInflectAltword inflects and
// IncStatistics records a choice.
#include <cstdint>
#include <string>
#include <vector>

#include "engine/pipeline/alternate_word_service.h"
#include "engine/transfer/aw_set.h"

class DictionaryAlternateWords : public AlternateWordService {
public:
    AltWordList List(AltWordInfo const& w, BasicTranslationOptions const* options) override;
    bool Inflect(AltWordInfo const& w, AltWordList const& list, BiggieAltWordInfo const& a, std::string* out,
                 DICT_SOURCE* inflected) override;
    void Learn(AltWordList const& list, BiggieAltWordInfo const& a) override;
};

// Appends one reported alternative to *words: its particle phrase as source,
// its Japanese as target, the Japanese POS number of its JPOSID, its
// dictionary's number, its reading and whether that is enabled.
void AltWordCallback(std::vector<BiggieAltWordInfo>* words, uint16_t dictionaryID, std::string const& japanese,
                     std::string const& particles, JPOSID jposID, ParaphraseEnabledState enabled,
                     CanBeNull<POSAndParaphrase> const& reading);

// Installs one DictionaryAlternateWords for the process.
void InstallPostEditAlternateWords();
