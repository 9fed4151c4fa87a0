#include "engine/pipeline/alternate_learning.h"

#include "engine/pipeline/alternate_word_service.h"

int LearningBumpsForStrength(uint32_t strength) { return strength == 2 ? 3 : strength == 1 ? 2 : 1; }

void ZRAlternateLearning::DoLearning(PostIF const& info, std::string const& source, std::string const& japanese,
                                     int choice) {
    AlternateWordService* service = InstalledAlternateWords();
    if (service == nullptr || choice < 0) return;
    AltWordInfo w;
    w.source = source;
    w.target = japanese;
    w.englishPOS = info.englishPOS;
    w.japanesePOS = info.japanesePOS;
    w.translationLength = info.entryTranslationLength & 0xFFFFu;
    w.dictionary = static_cast<uint32_t>(info.entryDictionary);
    AltWordList const list = service->List(w, fOptions);

    std::size_t const index = static_cast<std::size_t>(choice);
    if (index >= list.words.size()) return;
    BiggieAltWordInfo const& chosen = list.words[index];
    // The dictionaries changed since the host was shown the list.
    if (index < info.count && info.alternatives[index].dictionary != static_cast<uint16_t>(chosen.dictionary)) return;
    // A bump would move a disabled value (-1.0) off the mark and so enable
    // the reading behind the user's back.
    if (!chosen.enabled) return;
    int const bumps = LearningBumpsForStrength(fOptions != nullptr ? fOptions->fStrength : 0);
    for (int i = 0; i < bumps; ++i) service->Learn(list, chosen);
}
