#include "engine/pipeline/sentence_options_mapping.h"

#include <cstring>

#include "engine/pipeline/dictionary_priorities.h"

namespace {

// The code of a selector from a table indexed by it; false when the selector
// is past the table.
template <class T, std::size_t N>
bool Mapped(uint32_t selector, T const (&table)[N], T* out) {
    if (selector >= N) return false;
    *out = table[selector];
    return true;
}

// Only these exact speeds are mapped; any other keeps the slowest setting.
uint16_t const* SpeedFor(uint32_t speed) {
    static uint16_t const kSpeeds[][2] = {{0, 10}, {25, 30}, {50, 50}, {75, 80}, {100, 100}};
    for (auto const& row : kSpeeds)
        if (row[0] == speed) return &row[1];
    return nullptr;
}

}  // namespace

SentenceUserOptions MapSentenceUserOptions(BasicTranslationOptions const& options) {
    static uint32_t const kStrengths[] = {8, 20, 50};
    static uint32_t const kProperModes[] = {11, 12, 13};
    static uint32_t const kTheyCodes[] = {41, 42, 43, 44};
    static uint32_t const kStyles[] = {21, 22, 23};
    static uint32_t const kYouModes[] = {0, 1};
    static uint32_t const kNumericModes[] = {2, 1, 0};  // selector 2 leaves digits as they are

    SentenceUserOptions mapped;
    mapped.fDictionaryPriorities = MakeDictionaryPriorityMap(options.fDictionaries);

    uint32_t code = 0;
    if (Mapped(options.fStrength, kStrengths, &code)) mapped.fLearningStrength.Set(code);
    mapped.fDialog = options.fDialog;
    mapped.fSentenceFlag1 = options.fSentenceFlag1;
    mapped.fSentenceFlag2 = options.fSentenceFlag2;
    if (uint16_t const* speed = SpeedFor(options.fSpeed)) mapped.fSpeed = *speed;
    Mapped(options.fProper, kProperModes, &mapped.fProperNounMode);
    mapped.fSentenceFlag3 = options.fSentenceFlag3;
    if (Mapped(options.fThey, kTheyCodes, &code))
        mapped.fThey.SetCPVAL_THEY_TRANS(static_cast<TheyTransUserOption::CPVAL_THEY>(code));
    mapped.fTheOption = options.fTheOption;
    if (Mapped(options.fStyle, kStyles, &code)) mapped.fPoliteness.SetPolitenessLevel(code);
    static_assert(sizeof mapped.fAuxiliaryVerbs.fWords == sizeof options.fAuxiliaryVerbWords);
    static_assert(sizeof mapped.fAuxiliaryVerbs.fFlags == sizeof options.fAuxiliaryVerbFlags);
    std::memcpy(mapped.fAuxiliaryVerbs.fWords, options.fAuxiliaryVerbWords, sizeof options.fAuxiliaryVerbWords);
    std::memcpy(mapped.fAuxiliaryVerbs.fFlags, options.fAuxiliaryVerbFlags, sizeof options.fAuxiliaryVerbFlags);
    Mapped(options.fYou, kYouModes, &mapped.fYouMode);
    Mapped(options.fNumeric, kNumericModes, &mapped.fNumericMode);
    return mapped;
}
