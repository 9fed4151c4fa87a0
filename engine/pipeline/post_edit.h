#pragma once
// The word correspondence of the last translated sentence, as post-editing
// reads it: which span of the source produced which span of the translation,
// and the dictionary entry behind each.  The terminal stage fills the lists;
// the facade hands them to its host.
#include <cstdint>
#include <string>
#include <vector>

#include "engine/pipeline/basic_translation_options.h"

// One word of a sentence: a byte span of its Shift-JIS text, a part-of-speech
// value (English for source words, Japanese for target words) and the index
// of its entry; a source and a target word correspond by that index.
struct Word_X {
    uint32_t start = 0;
    uint32_t length = 0;
    uint32_t pos = 0;
    uint32_t entry = 0;
};

// One dictionary entry the sentence used.
struct SharedWordEntry_X {
    int32_t dictionary = 0;          // its dictionary's number
    uint32_t translationLength = 0;  // bytes of the uninflected translation's romaji
};

// One alternative shown to the host.
struct AltInfo {
    std::string text;  // inflected Japanese, Shift-JIS
    uint16_t dictionary = 0;
};

// What the host gets for one source word.
struct PostIF {
    static constexpr unsigned kMaxAlternatives = 256;

    uint32_t sourceStart = 0;
    uint32_t sourceLength = 0;
    uint32_t englishPOS = 0;
    uint32_t grossClass = 0;  // 0 none, 1 noun, 2 verb, 3 adjective, 4 adverb, 5 conjunction, 6 phrase, 7 preposition
    uint32_t targetStart = 0;
    uint32_t targetLength = 0;
    uint32_t japanesePOS = 0;
    int32_t entryDictionary = 0;
    uint32_t entryTranslationLength = 0;
    uint32_t count = 0;
    AltInfo alternatives[kMaxAlternatives];
};

class CPostEdit {
public:
    explicit CPostEdit(BasicTranslationOptions* options) : fOptions(options) {}

    // Empties the three lists and makes room for a sentence.
    void Clear();

    // One record per source word, in source-word order, appended to out.
    // The alternatives of each word come with the alternate-word service;
    // until then every count is 0.
    void GetPostInfo(std::vector<PostIF>& out, std::string const& source, std::string const& target) const;

    std::vector<SharedWordEntry_X> fEntries;
    std::vector<Word_X> fSourceWords;
    std::vector<Word_X> fTargetWords;

private:
    BasicTranslationOptions* fOptions;
};

// The gross class PostIF reports for an English part-of-speech number.
uint32_t GrossClassOfEnglishPOS(uint32_t englishPOS);
