#pragma once
// The user's options as every sentence of a translation receives them, in
// the engine's own code numbers: a value record, copied whole.
#include <cstdint>

#include "engine/foundation/they_option.h"
#include "engine/pipeline/dictionary_priority_map.h"

// How strongly the user's past choices weigh, in percent of the base weight.
class LearningStrengthUserOption {
public:
    static constexpr uint32_t kDefaultStrength = 20;

    // 20 %, with the weight Set(20) would give.
    LearningStrengthUserOption();
    // weight = strength x base weight / 100, in single precision.
    void Set(unsigned long strength);
    uint32_t GetStrength() const { return fStrength; }
    float GetWeight() const { return fWeight; }

private:
    uint32_t fStrength;
    float fWeight;
};

// The style the Japanese is written in.
class PolitenessLevelUserOption {
public:
    enum CPVAL_POLITE : uint32_t {
        kPlainStyle = 21,    // dictionary and ta forms, copula da
        kPoliteStyle = 22,   // masu and desu forms
        kWrittenStyle = 23,  // plain verbs, copula de aru
    };

    // Stores a level of 21 to 23; any other value is refused (false) and the
    // level stays, since the generation tables are indexed by it.
    bool SetPolitenessLevel(uint32_t level);
    CPVAL_POLITE GetPolitenessLevel() const { return fLevel; }

private:
    CPVAL_POLITE fLevel = kWrittenStyle;
};

// Two blocks the Japanese generation reads; carried unchanged.
struct AuxiliaryVerbsUserOption_J {
    static constexpr unsigned kWordCount = 28;
    static constexpr unsigned kFlagCount = 20;
    static constexpr unsigned kDefaultFlag = 10;

    AuxiliaryVerbsUserOption_J();

    uint32_t fWords[kWordCount];
    uint8_t fFlags[kFlagCount];
};

struct SentenceUserOptions {
    DictionaryPriorityMap fDictionaryPriorities;
    LearningStrengthUserOption fLearningStrength;
    uint16_t fMaxSavedParses = 1;
    uint8_t fDialog = 0;
    uint8_t fSentenceFlag1 = 0;
    uint8_t fSentenceFlag2 = 0;
    uint8_t fFlag = 1;
    uint16_t fSpeed = 10;
    uint32_t fProperNounMode = 13;
    uint8_t fSentenceFlag3 = 1;
    TheyTransUserOption fThey;
    uint8_t fTheOption = 0;
    PolitenessLevelUserOption fPoliteness;
    uint32_t fYouMode = 0;
    uint32_t fNumericMode = 0;  // 0 digits unchanged, 1 half-width, 2 full-width
    AuxiliaryVerbsUserOption_J fAuxiliaryVerbs;
};
