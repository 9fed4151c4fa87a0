#include "engine/pipeline/post_edit.h"

#include <algorithm>

#include "engine/foundation/english_pos_classes.h"
#include "engine/foundation/pos_class_tests.h"
#include "engine/pipeline/alternate_word_service.h"

void CPostEdit::Clear() {
    constexpr std::size_t kRoomPerSentence = 50;
    fEntries.clear();
    fSourceWords.clear();
    fTargetWords.clear();
    fSentenceSource.clear();
    fSentenceTarget.clear();
    fEntries.reserve(kRoomPerSentence);
    fSourceWords.reserve(kRoomPerSentence);
    fTargetWords.reserve(kRoomPerSentence);
}

uint32_t GrossClassOfEnglishPOS(uint32_t englishPOS) {
    POS_E_Source const pos = EPOSNToPOS_E_Source(static_cast<EPOSN>(englishPOS));
    if (pos == 0) return 0;
    switch (FindGrossEPOS(pos)) {
        case 27:
            return 1;
        case 28:
            return 2;
        case 29:
            return 3;
        case 32:
            return 4;
        case 34:
            return 5;
        case 31:
            return 6;
        case 33:
            return 7;
        default:
            return 0;
    }
}

void TakeInEndings(std::vector<Word_X>& targets, uint32_t textSize) {
    for (Word_X& word : targets) {
        short const gross = FindGrossJPOS(JPOSNToStr(word.pos & 0xFFu));
        if (gross != kGrossJPOSVerb && gross != kGrossJPOSAdjectival) continue;
        uint32_t const end = word.start + word.length;
        uint32_t next = std::max(textSize, end);
        for (Word_X const& other : targets) {
            if (other.start >= end && other.start < next) next = other.start;
        }
        word.length = next - word.start;
    }
}

std::string BytesWithin(std::string const& text, uint64_t start, uint64_t length) {
    if (start >= text.size()) return std::string();
    return text.substr(static_cast<std::size_t>(start),
                       static_cast<std::size_t>(std::min<uint64_t>(length, text.size() - start)));
}

Word_X const* CPostEdit::FindCorrespondingTrgWord(Word_X const& source) const {
    if (source.entry == Word_X::kNoEntry) return nullptr;
    for (Word_X const& target : fTargetWords) {
        if (target.entry == source.entry) return &target;
    }
    return nullptr;
}

Word_X const* CPostEdit::FindCorrespondingSrcWord(Word_X const& target) const {
    if (target.entry == Word_X::kNoEntry) return nullptr;
    for (Word_X const& source : fSourceWords) {
        if (source.entry == target.entry) return &source;
    }
    return nullptr;
}

void CPostEdit::GetPostInfo(std::vector<PostIF>& out, std::string const& source, std::string const& target) const {
    for (Word_X const& word : fSourceWords) {
        out.emplace_back();
        PostIF& info = out.back();
        info.sourceStart = word.start;
        info.sourceLength = word.length;
        info.englishPOS = word.pos;
        info.grossClass = GrossClassOfEnglishPOS(word.pos);
        Word_X const* twin = FindCorrespondingTrgWord(word);
        // A word without Japanese has nothing to replace.
        if (twin == nullptr) continue;
        info.targetStart = twin->start;
        info.targetLength = twin->length;
        info.japanesePOS = twin->pos;
        if (word.entry < fEntries.size()) {
            info.entryDictionary = fEntries[word.entry].dictionary;
            info.entryTranslationLength = fEntries[word.entry].translationLength;
        }

        AltWordInfo w;
        w.source = BytesWithin(source, word.start, word.length);
        w.target = BytesWithin(target, twin->start, twin->length);
        w.englishPOS = info.englishPOS;
        w.japanesePOS = info.japanesePOS;
        w.translationLength = info.entryTranslationLength;
        w.dictionary = static_cast<uint32_t>(info.entryDictionary);
        ListAlternatives(w, info);
    }
}

void CPostEdit::ListAlternatives(AltWordInfo const& w, PostIF& info) const {
    AlternateWordService* service = InstalledAlternateWords();
    if (service == nullptr) return;
    AltWordList const list = service->List(w, fOptions);
    for (BiggieAltWordInfo const& alternative : list.words) {
        if (info.count == PostIF::kMaxAlternatives) break;
        std::string text;
        DICT_SOURCE inflected;
        // An alternative that cannot be inflected ends the word's list; the
        // ones before it stay.
        try {
            if (!service->Inflect(w, list, alternative, &text, &inflected)) break;
        } catch (...) {
            break;
        }
        AltInfo& shown = info.alternatives[info.count++];
        shown.text = std::move(text);
        shown.dictionary = static_cast<uint16_t>(alternative.dictionary);
    }
    // Only the word's own translation is no choice.
    if (info.count == 1) {
        info.count = 0;
        info.alternatives[0] = AltInfo();
    }
}
