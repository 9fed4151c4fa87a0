#include "engine/pipeline/dictionary_priority_map.h"

#include <algorithm>

#include "engine/foundation/dictionary.h"

float fOriginalUserTotWeight = 0.11f;

void DictionaryPriorityMap::Set(uint16_t id, double priority) { fPriorities.emplace(id, priority); }

void DictionaryPriorityMap::Normalize() {
    double minimum = 32767.0;
    double maximum = -32768.0;
    for (auto const& [id, priority] : fPriorities) {
        minimum = std::min(minimum, priority);
        maximum = std::max(maximum, priority);
    }
    if (fPriorities.empty()) minimum = maximum = 0.0;
    for (auto& entry : fPriorities) entry.second -= minimum;
    fRange = maximum - minimum;
    fNormalized = true;
}

double DictionaryPriorityMap::Get(uint16_t id) const {
    if (id >= kMinDynamicDictionaryID && id <= kMaxDynamicDictionaryID) return 1.0 + fRange;
    auto const found = fPriorities.find(id);
    return found == fPriorities.end() ? 0.0 : found->second;
}
