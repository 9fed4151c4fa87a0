#pragma once
// The grammar's feature tables: which feature sets each part of speech
// carries, and how each set lays its letters out as bits.  The parser and the
// dictionary side share them, so their record layouts are fixed.
//
// A feature set is a string of letters, one per position ("SC3" ...).  Each
// position owns a run of bits of the set's 16-bit words; a letter stands for
// a bit pattern of that run.  Bits count from the most significant end:
// bit k of a set is word k / 16, mask kFPUBits[k % 16], and a pattern's first
// bit is its most significant one.
#include <array>
#include <cstdint>

#include "engine/foundation/grammar_data_sizes.h"
#include "engine/foundation/name_tables.h"

// Set numbers: 0 is "no set"; set 15 holds a free (lower-case) feature as one
// word holding its atom.
constexpr unsigned kFeatSets_SIZE = 16;
constexpr uint16_t kNoFeatureSet = 0;
constexpr uint16_t kFreeFeatureSet = 15;

// A feature vector is a header word and the words of up to three sets; no set
// is longer than 8 words, so 25 words always suffice.
constexpr unsigned kFeatureSlotCount = 3;
constexpr unsigned kMaxFeatureSetWords = 8;
constexpr unsigned kMaxFeatureVectorWords = 1 + kFeatureSlotCount * kMaxFeatureSetWords;

struct FeatureSetRecord {
    static constexpr unsigned kNameSize = 16;

    uint16_t wordCount;  // 16-bit words the set takes in a feature vector
    uint16_t reserved;
    uint16_t positionCount;
    uint16_t firstPosition;  // index of its first record in kFeatPos
    char name[kNameSize];    // NUL-terminated
};
static_assert(sizeof(FeatureSetRecord) == 24, "a feature-set record is 12 words");

struct FeatureValue {
    char letter;
    uint8_t pattern;  // the position's bits, its first bit the most significant
};

struct FeaturePositionRecord {
    static constexpr unsigned kMaxValues = 50;

    uint16_t bitWidth;  // at most 8
    uint16_t firstBit;
    uint16_t reserved;
    uint16_t valueCount;
    FeatureValue values[kMaxValues];
    char defaultLetter;  // 0: the position has no default
    char padding[7];
};
static_assert(sizeof(FeaturePositionRecord) == 116, "a feature-position record is 116 bytes");

// Generated from the grammar (tools/grammar/features.gram).
extern FeatureSetRecord const kFeatSets[kFeatSets_SIZE];

extern FeaturePositionRecord const kFeatPos[kFeatPosCount];

// The feature set of each of the three slots, per `POS_E_Source` (0: none).
constexpr unsigned kCatFeatICount = kE_Source_POSNameCount;
using CategoryFeatureSets = std::array<uint16_t, kFeatureSlotCount>;
extern std::array<CategoryFeatureSets, kCatFeatICount> const kCatFeatI;

// The one-bit masks of a 16-bit word, most significant first.
extern uint16_t const kFPUBits[16];
