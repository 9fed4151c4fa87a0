#pragma once
// The user-dictionary part of speech (UDPOS) that alternate words report for
// a reading: the user-dictionary class of its gross English part of speech
// and the class's details read from its feature sets.
#include <cstdint>

#include "engine/pipeline/dict_source.h"
#include "engine/transfer/aw_set.h"

class FinePOS_EX;

// The user-dictionary class of a gross English part of speech: adjective 1,
// adverb 2, noun 3, verb 4, conjunction 5, preposition 6, prepositional
// phrase 7; 0 for any other (and for none).
uint32_t UDClassOfGrossEPOS(short grossEPOS);

// The UDPOS of a fine part of speech.  Nouns: subclass 1 for a proper noun
// (first feature set beginning "P").  Verbs: the subclass from the first
// feature set, and the missing-word map value of the first user-word category
// whose standard reading is this part of speech (5 when none).  Adjectives:
// flag B.  Prepositions: flag A 1 or 2 from the second feature set; a
// preposition with neither becomes class 0.
UDPOS POSToEType(FinePOS_EX const& finePOS);

// The user-dictionary class of the source's English part of speech; 0 when it
// has none.
uint32_t GetGrossPOSFromDictSource(DICT_SOURCE const& source);
