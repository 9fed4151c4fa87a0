#include "engine/pipeline/sentence_user_options.h"

LearningStrengthUserOption::LearningStrengthUserOption() { Set(kDefaultStrength); }

void LearningStrengthUserOption::Set(unsigned long strength) {
    fStrength = static_cast<uint32_t>(strength);
    fWeight = static_cast<float>(strength) * fOriginalUserTotWeight / 100.0f;
}

bool PolitenessLevelUserOption::SetPolitenessLevel(uint32_t level) {
    if (level < kPlainStyle || level > kWrittenStyle) return false;
    fLevel = static_cast<CPVAL_POLITE>(level);
    return true;
}

AuxiliaryVerbsUserOption_J::AuxiliaryVerbsUserOption_J() : fWords{}, fFlags{} { fFlags[kDefaultFlag] = 1; }
