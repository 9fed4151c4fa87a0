#pragma once
// A word with its translation, or one alternative for it, as post-editing and
// learning pass them to the alternate-word service.  All Japanese is
// Shift-JIS.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "engine/foundation/can_be_null.h"
#include "engine/foundation/entry.h"
#include "engine/pipeline/dict_source.h"

struct AW_SET;

struct AltWordInfo {
    std::string source;  // the English word, or an alternative's particle phrase
    std::string target;  // its Japanese
    uint32_t englishPOS = 0;
    uint32_t japanesePOS = 0;  // a word's Japanese POS number; an alternative's JPOSID
    uint32_t translationLength = 0;
    uint32_t dictionary = 0;  // the number of the dictionary it comes from
};

// An alternative with the dictionary reading it comes from.
struct BiggieAltWordInfo : AltWordInfo {
    CanBeNull<POSAndParaphrase> reading;
    bool enabled = true;  // false: the reading is disabled in its dictionary
};

// The alternatives of one word in the order the service reports them, and the
// set they belong to (freed with the last copy of the list).
struct AltWordList {
    std::vector<BiggieAltWordInfo> words;
    std::shared_ptr<AW_SET> set;
};

// The dictionary source the alternate-word service takes for a word: its
// Japanese POS, translation length and English POS, every other field 0.
inline DICT_SOURCE DictSourceOfWord(AltWordInfo const& w) {
    DICT_SOURCE source;
    source.japanesePOS = static_cast<uint16_t>(w.japanesePOS);
    source.translationLength = static_cast<uint16_t>(w.translationLength);
    source.englishPOS = w.englishPOS;
    return source;
}
