#include "engine/transfer/post_edit_alternate_words.h"

#include "engine/foundation/english_pos_classes.h"
#include "engine/foundation/jpos_ids.h"
#include "engine/transfer/alt_inflection.h"
#include "engine/transfer/alt_word_learning.h"
#include "engine/transfer/alternate_words.h"

void AltWordCallback(std::vector<BiggieAltWordInfo>* words, uint16_t dictionaryID, std::string const& japanese,
                     std::string const& particles, JPOSID jposID, ParaphraseEnabledState enabled,
                     CanBeNull<POSAndParaphrase> const& reading) {
    BiggieAltWordInfo word;
    word.source = particles;
    word.target = japanese;
    // A word's Japanese POS value is a JPOSN everywhere else; so is this one.
    word.japanesePOS = static_cast<uint32_t>(JPOSStrToN(POS_J_TargetFromJPOSID(jposID)));
    word.dictionary = dictionaryID;
    word.reading = reading;
    word.enabled = enabled != kParaphraseDisabled;
    words->push_back(word);
}

AltWordList DictionaryAlternateWords::List(AltWordInfo const& w, BasicTranslationOptions const* options) {
    AltWordList list;
    // The words of this call only: each call has its own list.
    auto report = [&list](uint16_t dictionaryID, bool /*user*/, std::string const& japanese,
                          std::string const& particles, JPOSID jposID, UDPOS const& /*udpos*/,
                          AlwaysUseFlag /*alwaysUse*/, ParaphraseEnabledState enabled, float /*learningValue*/,
                          CanBeNull<POSAndParaphrase> const& reading) {
        AltWordCallback(&list.words, dictionaryID, japanese, particles, jposID, enabled, reading);
    };
    list.set.reset(GetTranslations(w.source, w.target, DictSourceOfWord(w), options, report), FreeTranslations);
    return list;
}

bool DictionaryAlternateWords::Inflect(AltWordInfo const& w, AltWordList const& list, BiggieAltWordInfo const& a,
                                       std::string* out, DICT_SOURCE* inflected) {
    if (list.set == nullptr) return false;
    std::optional<std::string> text =
        CInflectAltword(inflected, w.target.c_str(), DictSourceOfWord(w), *list.set, a.reading);
    if (!text) return false;
    *out = std::move(*text);
    return true;
}

void DictionaryAlternateWords::Learn(AltWordList const& list, BiggieAltWordInfo const& a) {
    IncStatistics(list.set.get(), a.reading);
}

void InstallPostEditAlternateWords() {
    static DictionaryAlternateWords sService;
    InstallAlternateWords(&sService);
}
