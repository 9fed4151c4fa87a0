#include "engine/pipeline/dictionary_priority_map.h"

#include <algorithm>

#include "engine/foundation/dictionary.h"

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
    // Before normalising the range means nothing yet: dynamic dictionaries
    // still rank one above the last listed one.
    if (id >= kMinDynamicDictionaryID && id <= kMaxDynamicDictionaryID) return 1.0 + (fNormalized ? fRange : Largest());
    auto const found = fPriorities.find(id);
    if (found != fPriorities.end()) return found->second;
    // A dictionary nobody ranked comes after every ranked one.
    return fNormalized ? fRange : Largest();
}

double DictionaryPriorityMap::Largest() const {
    if (fPriorities.empty()) return 0.0;
    auto const last = std::max_element(fPriorities.begin(), fPriorities.end(),
                                       [](auto const& a, auto const& b) { return a.second < b.second; });
    return last->second;
}
