// Post-editing of one selected word: finding it and its twin, its
// alternatives, and the translation with one of them in its place.
#include <limits>

#include "engine/pipeline/alternate_word_service.h"
#include "engine/pipeline/post_edit.h"

namespace {

bool Contains(Word_X const& word, long position) {
    if (position < 0) return false;
    uint64_t const at = static_cast<uint64_t>(position);
    return word.start <= at && at < uint64_t{word.start} + word.length;
}

}  // namespace

bool CPostEdit::GetTwinWordsAtSelection(long position, LANG side, Word_X& sourceWord, long& sourceStart,
                                        Word_X& targetWord, long& targetStart, unsigned& entryFirst,
                                        unsigned& entrySecond) const {
    Word_X const* source = nullptr;
    Word_X const* target = nullptr;
    if (side == kTargetSide) {
        for (Word_X const& word : fTargetWords) {
            if (!Contains(word, position)) continue;
            target = &word;
            break;
        }
        if (target == nullptr) return false;
        source = FindCorrespondingSrcWord(*target);
    } else if (side == kSourceSide) {
        for (Word_X const& word : fSourceWords) {
            if (!Contains(word, position)) continue;
            source = &word;
            break;
        }
        if (source == nullptr) return false;
        target = FindCorrespondingTrgWord(*source);
    }
    if (source == nullptr || target == nullptr) return false;
    sourceWord = *source;
    targetWord = *target;
    sourceStart = static_cast<long>(source->start);
    targetStart = static_cast<long>(target->start);
    entryFirst = 0;
    entrySecond = 0;
    if (source->entry < fEntries.size()) {
        entryFirst = static_cast<unsigned>(fEntries[source->entry].dictionary);
        entrySecond = fEntries[source->entry].translationLength;
    }
    return true;
}

void CPostEdit::ForgetSelection() {
    fAltWordInfo = AltWordInfo();
    fSourceWord = Word_X();
    fTargetWord = Word_X();
    fSourceStart = 0;
    fTargetStart = 0;
    fEntryFirst = 0;
    fEntrySecond = 0;
}

bool CPostEdit::FillInAltWordInfo(long position, LANG side, char const* source, char const* target, AltWordInfo& w) {
    long sourceStart = 0;
    long targetStart = 0;
    unsigned entryFirst = 0;
    unsigned entrySecond = 0;
    ForgetSelection();
    if (!GetTwinWordsAtSelection(position, side, fSourceWord, sourceStart, fTargetWord, targetStart, entryFirst,
                                 entrySecond)) {
        w = AltWordInfo();
        return false;
    }
    fSourceStart = static_cast<uint32_t>(sourceStart);
    fTargetStart = static_cast<uint32_t>(targetStart);
    fEntryFirst = entryFirst;
    fEntrySecond = entrySecond;
    w = AltWordInfo();
    w.source = BytesWithin(source != nullptr ? source : "", fSourceStart, fSourceWord.length);
    w.target = BytesWithin(target != nullptr ? target : "", fTargetStart, fTargetWord.length);
    w.englishPOS = fSourceWord.pos;
    w.japanesePOS = fTargetWord.pos;
    w.translationLength = fEntrySecond;
    w.dictionary = fEntryFirst;
    return true;
}

void CPostEdit::GenerateAlternatesForWordAtSelection(long position, LANG side, char const* source, char const* target,
                                                     std::vector<AltWordInfo>& out) {
    out.clear();
    fTargetText = target != nullptr ? target : "";
    if (!FillInAltWordInfo(position, side, source, target, fAltWordInfo)) return;
    GenerateAlternateWords(out, fAltWordInfo);
}

AltWordList CPostEdit::GenerateAlternateWordsList(AltWordInfo const& w) {
    AlternateWordService* service = InstalledAlternateWords();
    if (service == nullptr) return AltWordList();
    return service->List(w, fOptions);
}

void CPostEdit::GenerateAlternateWords(std::vector<AltWordInfo>& out, AltWordInfo const& w) {
    AltWordList const list = GenerateAlternateWordsList(w);
    for (BiggieAltWordInfo const& alternative : list.words) out.push_back(alternative);
}

bool CPostEdit::GenerateChosenInflection(AltWordInfo const& w, int k, std::string* out, unsigned* jpos,
                                         unsigned* length, unsigned* dictionary) {
    try {
        AlternateWordService* service = InstalledAlternateWords();
        if (service == nullptr || k < 0) return false;
        // The list frees its set however this ends.
        AltWordList const list = service->List(w, fOptions);
        if (static_cast<std::size_t>(k) >= list.words.size()) return false;
        BiggieAltWordInfo const& chosen = list.words[static_cast<std::size_t>(k)];
        std::string text;
        DICT_SOURCE inflected;
        if (!service->Inflect(w, list, chosen, &text, &inflected)) return false;
        if (out != nullptr) *out = std::move(text);
        if (jpos != nullptr) *jpos = inflected.japanesePOS;
        if (length != nullptr) *length = inflected.translationLength;
        if (dictionary != nullptr) *dictionary = inflected.dictionaryID;
        return true;
    } catch (...) {
        return false;
    }
}

std::string CPostEdit::NewAlternateWord(AltWordInfo const& w, int k) {
    std::string chosen;
    if (GenerateChosenInflection(w, k, &chosen, nullptr, nullptr, nullptr) && !chosen.empty()) return chosen;
    return w.target;
}

void CPostEdit::AltTranslation(short k, std::string& out) {
    out = fTargetText;
    std::size_t const start = std::min<std::size_t>(fTargetStart, out.size());
    std::size_t const length = std::min<std::size_t>(fTargetWord.length, out.size() - start);
    out.replace(start, length, NewAlternateWord(fAltWordInfo, k));
}
