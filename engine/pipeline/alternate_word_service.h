#pragma once
// What post-editing and learning ask of the alternate words of the
// dictionaries: a word's alternatives, one of them inflected the way the
// word's translation is, and a recorded choice.  The transfer side, which
// owns those words, installs the service; until it does a word has no
// alternatives and a choice records nothing.
#include <string>

#include "engine/pipeline/alt_word_info.h"
#include "engine/pipeline/basic_translation_options.h"

class AlternateWordService {
public:
    virtual ~AlternateWordService() = default;

    // w's alternatives in report order.  Errors of the dictionaries pass out.
    virtual AltWordList List(AltWordInfo const& w, BasicTranslationOptions const* options) = 0;
    // Alternative a of list inflected as w's translation is, with the
    // dictionary source of the result; false when it cannot be inflected.
    virtual bool Inflect(AltWordInfo const& w, AltWordList const& list, BiggieAltWordInfo const& a, std::string* out,
                         DICT_SOURCE* inflected) = 0;
    // Records one more choice of alternative a of list.
    virtual void Learn(AltWordList const& list, BiggieAltWordInfo const& a) = 0;
};

// The installed service; null when none is.
AlternateWordService* InstalledAlternateWords();
// Installs service (not owned) for the whole process; null removes it.
void InstallAlternateWords(AlternateWordService* service);
