#pragma once
// The word correspondence of the last translated sentence, as post-editing
// reads it: which span of the source produced which span of the translation,
// and the dictionary entry behind each.  The terminal stage fills the lists;
// the facade hands them to its host.
#include <cstdint>
#include <string>
#include <vector>

#include "engine/pipeline/alt_word_info.h"
#include "engine/pipeline/basic_translation_options.h"

// One word of a sentence: a byte span of its Shift-JIS text, a part-of-speech
// value (English for source words, Japanese for target words) and the index
// of its entry; a source and a target word correspond by that index.  A
// source word without Japanese has the entry kNoEntry and no target word.
struct Word_X {
    static constexpr uint32_t kNoEntry = 0xFFFFFFFF;

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

// Which text a selection position lies in.
using LANG = int;
constexpr LANG kSourceSide = 0;
constexpr LANG kTargetSide = 1;

class CPostEdit {
public:
    explicit CPostEdit(BasicTranslationOptions* options) : fOptions(options) {}

    // Empties the three lists and the texts and makes room for a sentence.
    void Clear();

    // One record per source word, in source-word order, appended to out.
    // source and target are the sentence's Shift-JIS texts the word spans
    // index; spans that lie outside them are cut to what they hold.  A word
    // without Japanese has target, Japanese POS and count 0.  Errors of the
    // alternate-word service while listing pass out.
    void GetPostInfo(std::vector<PostIF>& out, std::string const& source, std::string const& target) const;

    // Selects the word at position (a byte offset of source for kSourceSide,
    // of target for kTargetSide) and puts its alternatives into out (empty
    // when the position selects no word with words on both sides).
    void GenerateAlternatesForWordAtSelection(long position, LANG side, char const* source, char const* target,
                                              std::vector<AltWordInfo>& out);
    // The target text with the selected word replaced by its alternative k;
    // by the word's own Japanese when k names no alternative that inflects.
    void AltTranslation(short k, std::string& out);
    // The alternative k of w, inflected; w's own Japanese when there is none.
    std::string NewAlternateWord(AltWordInfo const& w, int k);
    // Alternative k of w inflected like w's translation, with the Japanese POS,
    // translation length and dictionary of the result.  False when k names no
    // alternative or the inflection fails.
    bool GenerateChosenInflection(AltWordInfo const& w, int k, std::string* out, unsigned* jpos, unsigned* length,
                                  unsigned* dictionary);
    // w's alternatives, in report order.
    void GenerateAlternateWords(std::vector<AltWordInfo>& out, AltWordInfo const& w);
    AltWordList GenerateAlternateWordsList(AltWordInfo const& w);

    // The word at position and its twin on the other side, with their starts
    // and the entry values; false when the position lies in no word (a word
    // spans [start, start + length)) or the word has no twin.
    bool GetTwinWordsAtSelection(long position, LANG side, Word_X& sourceWord, long& sourceStart, Word_X& targetWord,
                                 long& targetStart, unsigned& entryFirst, unsigned& entrySecond) const;
    // Selects the word at position and fills w from it; false, with the
    // selection emptied, when there is none.
    bool FillInAltWordInfo(long position, LANG side, char const* source, char const* target, AltWordInfo& w);

    std::vector<SharedWordEntry_X> fEntries;
    std::vector<Word_X> fSourceWords;
    std::vector<Word_X> fTargetWords;
    // The sentence's Shift-JIS source and translation, which the spans index.
    std::string fSentenceSource;
    std::string fSentenceTarget;

private:
    // The first target word with the source word's entry; null when none.
    Word_X const* FindCorrespondingTrgWord(Word_X const& source) const;
    Word_X const* FindCorrespondingSrcWord(Word_X const& target) const;
    void ForgetSelection();
    void ListAlternatives(AltWordInfo const& w, PostIF& info) const;

    BasicTranslationOptions* fOptions;
    std::string fTargetText;
    AltWordInfo fAltWordInfo;
    Word_X fSourceWord;
    Word_X fTargetWord;
    uint32_t fSourceStart = 0;
    uint32_t fTargetStart = 0;
    uint32_t fEntryFirst = 0;
    uint32_t fEntrySecond = 0;
};

// A verb's or adjective's output tokens hold only its stem; the ending the
// transfer writes follows up to the next word.  Each such target word is
// widened to reach the next word's start (the text's end for the last), so
// that its span is the inflected word a chosen alternative replaces.
void TakeInEndings(std::vector<Word_X>& targets, uint32_t textSize);

// The gross class PostIF reports for an English part-of-speech number.
uint32_t GrossClassOfEnglishPOS(uint32_t englishPOS);

// The bytes of text from start for length, as far as text holds them.
std::string BytesWithin(std::string const& text, uint64_t start, uint64_t length);
