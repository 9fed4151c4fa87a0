#pragma once
// The priority of each dictionary of a run, as the part-of-speech expert
// weighs the readings it gives.  The translation options build it once; every
// sentence holds a copy.
#include <cstdint>
#include <map>

class DictionaryPriorityMap {
public:
    // Not normalised, range -32768, no dictionary.
    DictionaryPriorityMap() = default;

    // Adds the dictionary with its priority; a dictionary already present
    // keeps the priority it had.
    void Set(uint16_t id, double priority);
    // Lowers every priority by the smallest, so the smallest becomes 0, and
    // sets the range to largest minus smallest.  An empty map keeps range 0:
    // dynamic dictionaries then rank at 1, as after any other list.
    void Normalize();
    // For a dynamic dictionary (temporary readings made while translating)
    // 1 + range, above every listed dictionary (before Normalize, 1 + the
    // largest priority); otherwise the stored priority.  A dictionary that
    // was never set ranks with the last listed one (the largest priority; 0
    // for an empty map).  Never throws, never inserts.
    double Get(uint16_t id) const;

    bool IsNormalized() const { return fNormalized; }
    double GetRange() const { return fRange; }
    std::map<uint16_t, double> const& GetPriorities() const { return fPriorities; }

private:
    // The largest stored priority; 0 for an empty map.
    double Largest() const;

    bool fNormalized = false;
    double fRange = -32768.0;
    std::map<uint16_t, double> fPriorities;
};

// The base weight of the user-total scoring expert; the learning strength
// scales it.  A constant, so no option read at start-up can see it unset.
constexpr float fOriginalUserTotWeight = 0.11f;
