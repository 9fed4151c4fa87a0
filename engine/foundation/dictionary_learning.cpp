#include "engine/foundation/dictionary_learning.h"

#include <algorithm>

namespace {
using LearningInterface = DictionaryLearningInterface_<FinePOS_EX, Paraphrase_EX>;

constexpr float kLearningStep = 0.0025f;
}  // namespace

void LearningInterface::SetUseLearning(char const* /*path*/, Dictionary_EX* /*dictionary*/) {}

bool LearningInterface::IsDisabled(FinePOS_EX const& finePOS, Paraphrase_EX const& paraphrase) const {
    float value = 0.0f;
    return GetLearningValue(finePOS, paraphrase, &value) && value == kDisabledValue;
}

bool LearningInterface::IsPrefferred(FinePOS_EX const& finePOS, Paraphrase_EX const& paraphrase) const {
    float value = 0.0f;
    return GetLearningValue(finePOS, paraphrase, &value) && value == kPreferredValue;
}

void LearningInterface::BumpUpLearning(FinePOS_EX const& finePOS, Paraphrase_EX const& paraphrase) {
    float value = 0.0f;
    if (!GetLearningValue(finePOS, paraphrase, &value)) value = 0.0f;
    float const bumped = value + (kPreferredValue - value) * kLearningStep;
    SetLearningValue(finePOS, paraphrase, std::min(kPreferredValue, bumped));
}
