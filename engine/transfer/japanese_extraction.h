#pragma once
// Reading a sentence's Japanese off its finished analysis tree: the nodes'
// Japanese strings, left to right, turned into kana, with blanks around
// romaji and, where the options ask for it, the English of capitalised
// stretches added raw.  Every node records where its Japanese starts and ends
// in the output (its first extent); a second walk lists, per node that came
// from a dictionary reading, the DICT_SOURCE tying its Japanese to its
// English words and its dictionary.
#include <cstdint>
#include <string>
#include <vector>

#include "engine/foundation/dictionary.h"
#include "engine/foundation/kana_romaji.h"
#include "engine/parse/parsed_node.h"
#include "engine/parse/preparsed_word.h"
#include "engine/pipeline/dict_source.h"
#include "engine/pipeline/sentence_user_options.h"

class Sentence;

// The proper-noun option as extraction reads it: 11 drops the translation of
// capitalised stretches for their English, 12 shows no raw English, 13 (the
// default) shows both.
struct CapSequenceUserOption {
    static constexpr uint32_t kEnglishOnly = 11;
    static constexpr uint32_t kTranslationOnly = 12;
    static constexpr uint32_t kBoth = 13;
    uint32_t value = kBoth;
};

// Whether "the" keeps its translation.
struct ShowArticlesUserOption {
    bool show = false;
};

class JTranslationExtractor {
public:
    // Category of the node that holds English added raw.
    static constexpr uint32_t kRawCapSeqCategory = 37;
    // Flag of the auxiliary-verb option's flag block: no blanks around romaji.
    static constexpr unsigned kNoRomajiSpacingFlag = 18;

    JTranslationExtractor(bool showArticles, CapSequenceUserOption const& capSequence,
                          AuxiliaryVerbsUserOption_J const& auxiliaryVerbs);

    // Walks node and its right siblings (and everything below them).
    void ExtractJSubtree(PARSED_NODE* node, bool mayAddRaw, bool skip, std::vector<PreparsedWord> const& words);
    // Adds the English of node's words as a new last child of node.
    void AddRawString(PARSED_NODE* node, bool parenthesised, std::vector<PreparsedWord> const& words);
    // Adds the text as romaji to be turned into kana.
    void AddKSCheck(char const* text);
    // The text without its leading blanks when nothing is output yet.
    char const* FilterW(char const* text) const;
    bool KanaStringEndsWithWhitespace() const;
    bool KanaStringEndsWithASCII() const;
    std::string RetrieveKanaString() const { return fConverter.Output(); }
    uint16_t OutputLength() const { return fLength; }

private:
    void AddPlain(char const* text);
    void Refresh();
    bool ShownWithEnglish(PARSED_NODE const* node) const;
    bool Output(PARSED_NODE const* node, bool shownWithEnglish) const;

    uint16_t fLength = 0;
    KanaConverter fConverter;
    bool fShowArticles;
    bool fRawCapitalsShown;
    bool fTranslationKept;
    bool fNoRomajiSpacing;
};

// The Japanese of the tree (Shift-JIS kana); sets every node's Japanese start
// and end, the root's end last.  Stems left without their ending take their
// dictionary form first.
std::string ExtractTranslation(PARSED_NODE* tree, CapSequenceUserOption const& capSequence,
                               std::vector<PreparsedWord> const& words, ShowArticlesUserOption const& showArticles,
                               AuxiliaryVerbsUserOption_J const& auxiliaryVerbs);

// One record per dictionary node with a Japanese and an English stretch, in
// pre-order; offsets in Shift-JIS bytes.
std::vector<DICT_SOURCE> CreateDictSourceList(PARSED_NODE* tree, Sentence* sentence);

// The dictionary number a node's record carries, by the kind of its
// reading's dictionary.
uint16_t DictSourceDictionaryID(Dictionary_EX const& dictionary);

// Whether the dictionary is one made while the engine runs.
bool IsTemporaryDict(Dictionary_EX const& dictionary);

// The Japanese strings of node and everything below it, left to right, into
// the converter.
void SimpleGetTranslationStringHelper(PARSED_NODE const* node, KanaConverter* converter);

// The text without any wide white-space character.
std::wstring RemoveSpaces(std::wstring const& text);
