#pragma once
// The options of one translation run, as the user and the facade set them.
// A plain record, copied member by member; the translator maps its values
// onto the per-sentence options.
#include <cstdint>
#include <vector>

#include "engine/foundation/dictionary.h"

// The dictionaries of a run, in the order they were added.
using DictionaryList = std::vector<Dictionary_EX>;

struct BasicTranslationOptions {
    static constexpr unsigned kAuxiliaryVerbWordCount = 28;
    static constexpr unsigned kAuxiliaryVerbFlagCount = 20;
    // The one auxiliary-verb flag that is on by default.
    static constexpr unsigned kDefaultAuxiliaryVerbFlag = 10;

    // Every option at its default, no dictionary.
    BasicTranslationOptions();

    DictionaryList fDictionaries;
    uint32_t fSpeed;  // 0..100
    bool fUserDictPreferred;
    bool fPOSPreferred;
    bool fTheOption;      // how "the" is rendered
    bool fDialog;         // the text is dialogue
    bool fSentenceFlag1;  // passed on to each sentence unchanged
    bool fSentenceFlag2;  // passed on to each sentence unchanged
    uint32_t fStyle;      // politeness: 0, 1, 2
    uint32_t fAuxiliaryVerbWords[kAuxiliaryVerbWordCount];
    uint32_t fDocument;   // document mode: 1 on
    uint32_t fProper;     // proper nouns: 0, 1, 2
    uint32_t fStrength;   // learning strength: 0, 1, 2
    uint32_t fThey;       // "they": 0..3
    uint32_t fNumeric;    // numeral width: 0, 1, 2
    uint32_t fYou;        // "you": 0, 1
    bool fSentenceFlag3;  // passed on to each sentence unchanged
    uint8_t fAuxiliaryVerbFlags[kAuxiliaryVerbFlagCount];
};
