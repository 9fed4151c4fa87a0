#pragma once
// The feature vectors the parser checks and builds.  A vector is a header
// word whose nibbles 15-12, 11-8 and 7-4 name the feature sets of slots 0, 1
// and 2 (0: the slot is empty), then the words of each slot in turn, as many
// as its set takes.  Set 15 holds one free-feature atom.  A vector of size 0
// means "no features".
//
// Rules refer to kFeatureBitHeap records for their tests and settings: a
// header word (low byte the set; 0x100 a required mask follows, 0x200 a
// forbidden mask follows, in that order), then one word per word of the set.
#include <cstdint>
#include <string>

#include "engine/foundation/entry.h"
#include "engine/foundation/feature_tables.h"

struct RuleRecord;
struct PCHART_CELL;

struct FeatureVector {
    uint16_t words[kMaxFeatureVectorWords] = {};
    uint8_t size = 0;  // 0: no features

    bool Empty() const { return size == 0; }
    bool operator==(FeatureVector const& other) const;
    bool operator!=(FeatureVector const& other) const { return !(*this == other); }
};

// Sorts vectors as the parser keeps its analyses apart: none first, then by
// header, then word by word.  Negative, zero or positive.
int CompareFeatures(FeatureVector const& a, FeatureVector const& b);

// The set of slot s of a vector (0 for none or an empty vector).
uint16_t SlotSet(FeatureVector const& v, unsigned slot);
// The words a set takes in a vector (0 for no set).
unsigned SetWordCount(uint16_t set);
// 1 plus the three slots' sizes, from the header alone.
unsigned GetSizeFeatures(uint16_t const* vector);

// One slot taken out of a vector, or being built.
struct FeatureSlot {
    uint16_t set = 0;
    uint16_t words[kMaxFeatureSetWords] = {};
};
FeatureSlot GetSlot(FeatureVector const& v, unsigned slot);
// Builds a vector from three slots (all empty: a header of 0 alone).
FeatureVector MakeFeatures(FeatureSlot const slots[kFeatureSlotCount]);

// Whether the features pass the three tests (kFeatureBitHeap indexes, 0 for
// none): every required bit present, every forbidden one absent, a free
// feature equal.  No features pass only when there is no test.  A test whose
// set differs from the slot's fails.
bool FeatureMatch_Exact(uint16_t const tests[kFeatureSlotCount], FeatureVector const& features);
// The required bits only, against the OR of several vectors: whether any of
// them could pass.
bool FeatureMatch_Fuzzy(uint16_t const tests[kFeatureSlotCount], FeatureVector const& unionOfFeatures);
// ORs b into a, slot by slot (a slot empty in a takes b's).
void OrFeatures(FeatureVector& a, FeatureVector const& b);

// Runs the rule's feature program over the daughters' features (right: none
// for a unary rule) and applies its result settings.  False when an
// operation fails; the program ends at its last word or at the first
// operation that is no feature operation.
bool FeatureCopyAndMatch(RuleRecord const& rule, FeatureVector const& left, FeatureVector const& right,
                         FeatureVector& result);

// The features of a dictionary reading read as the category's sets: none
// when its three feature strings are empty.
FeatureVector TransferFeaturesFromDict(uint16_t category, FinePOS_EX const& finePOS);

// Slot s as one letter per position ("_" where no letter has the bits), the
// free feature's name for set 15, "" for an empty slot.
std::string FeatureBitsToChars(FeatureVector const& features, unsigned slot);

// The vector written at byte offset `offset` of a cell's feature heap; none
// for offset 0 or one that does not lie wholly in the heap.
FeatureVector CellFeaturesAt(PCHART_CELL const& cell, uint16_t offset);
