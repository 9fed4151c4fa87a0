#pragma once
// One piece of a sentence's Japanese output that came from a dictionary
// reading: where the piece lies in the Japanese, which English it stands for
// and the reading's dictionary numbers.  Extraction gives the offsets in
// Shift-JIS bytes; the translator stage turns them into characters before it
// makes the output tokens.
#include <cstdint>

struct DICT_SOURCE {
    uint16_t japaneseStart = 0;
    uint16_t japaneseLength = 0;
    uint16_t englishStart = 0;
    uint16_t englishLength = 0;
    // The five fields a TokenDictSource takes over unchanged.
    uint16_t dictionaryID = 0;
    uint16_t japanesePOS = 0;
    uint16_t translationLength = 0;  // 0xFFFF: nothing known of the reading's inflection
    uint32_t englishPOS = 0;
    uint16_t kind = 0;  // kAlwaysUseReading or kOtherAlwaysUseReading, plus kFromAnalysisTop

    static constexpr uint16_t kNoInflectionInfo = 0xFFFF;
    // How the reading was chosen: an always-use idiom supplied it, or an
    // always-use reading other than the chosen one did.
    static constexpr uint16_t kAlwaysUseReading = 1;
    static constexpr uint16_t kOtherAlwaysUseReading = 2;
    static constexpr uint16_t kFromAnalysisTop = 4;
};

// Orders by Japanese start.
inline bool DictSorceCompareJOffsets(DICT_SOURCE const& a, DICT_SOURCE const& b) {
    return a.japaneseStart < b.japaneseStart;
}
