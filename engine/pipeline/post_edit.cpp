#include "engine/pipeline/post_edit.h"

#include "engine/foundation/english_pos_classes.h"

void CPostEdit::Clear() {
    constexpr std::size_t kRoomPerSentence = 50;
    fEntries.clear();
    fSourceWords.clear();
    fTargetWords.clear();
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

void CPostEdit::GetPostInfo(std::vector<PostIF>& out, std::string const& /*source*/,
                            std::string const& /*target*/) const {
    for (Word_X const& word : fSourceWords) {
        out.emplace_back();
        PostIF& info = out.back();
        info.sourceStart = word.start;
        info.sourceLength = word.length;
        info.englishPOS = word.pos;
        info.grossClass = GrossClassOfEnglishPOS(word.pos);
        for (Word_X const& target : fTargetWords) {
            if (target.entry != word.entry) continue;
            info.targetStart = target.start;
            info.targetLength = target.length;
            info.japanesePOS = target.pos;
            break;
        }
        if (word.entry < fEntries.size()) {
            info.entryDictionary = fEntries[word.entry].dictionary;
            info.entryTranslationLength = fEntries[word.entry].translationLength;
        }
    }
}
