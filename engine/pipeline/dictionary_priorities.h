#pragma once
// The priority map a translation builds from its dictionary list.
#include <vector>

#include "engine/foundation/dictionary.h"
#include "engine/pipeline/dictionary_priority_map.h"

// What GetDictType tells a dictionary to be.
enum DictType : int {
    kSystemDictType = 0,  // also anything unclassified
    kUserDictType = 1,
    kTechnicalDictType = 2,
    kMissingWordDictType = 3,
    kSpecialDictType = 4,
};

// By number: system, user, technical, tested in that order; then the
// missing-word and special dictionaries; anything else counts as system.
int GetDictType(Dictionary_EX const& dictionary);

// Users 1.0, 1.01, ... in list order; system 2.0; technical 3.0, 3.01, ...;
// missing-word and special 32767.0; then normalised.
DictionaryPriorityMap MakeDictionaryPriorityMap(std::vector<Dictionary_EX> const& dictionaries);
