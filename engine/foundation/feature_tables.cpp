// The one-bit masks, and the checks that make a malformed feature table fail
// to compile, so readers may trust every index.  The tables themselves are
// generated from the grammar (feature_table_data.cpp).
#include "engine/foundation/feature_tables.h"

#include <cstddef>

#include "engine/foundation/pos_codes.h"

namespace {

constexpr char kNoDefault = 0;

}  // namespace

#include "engine/foundation/feature_table_data.inc"

constexpr uint16_t kFPUBits[16] = {
    0x8000, 0x4000, 0x2000, 0x1000, 0x0800, 0x0400, 0x0200, 0x0100,
    0x0080, 0x0040, 0x0020, 0x0010, 0x0008, 0x0004, 0x0002, 0x0001,
};

// ---- Checks ------------------------------------------------------------------

namespace {

constexpr bool PositionIsWellFormed(FeaturePositionRecord const& position, unsigned setBits) {
    if (position.bitWidth == 0 || position.bitWidth > 8 || position.firstBit + position.bitWidth > setBits)
        return false;
    if (position.valueCount > FeaturePositionRecord::kMaxValues) return false;
    bool defaultFound = position.defaultLetter == kNoDefault;
    for (unsigned i = 0; i < position.valueCount; ++i) {
        FeatureValue const& value = position.values[i];
        if ((value.pattern >> position.bitWidth) != 0 || value.letter == '_' || value.letter == '?') return false;
        for (unsigned j = 0; j < i; ++j) {
            if (position.values[j].letter == value.letter) return false;
        }
        defaultFound = defaultFound || value.letter == position.defaultLetter;
    }
    return defaultFound;
}

constexpr bool SetIsWellFormed(FeatureSetRecord const& set) {
    if (set.wordCount > kMaxFeatureSetWords || set.firstPosition + set.positionCount > kFeatPosCount) return false;
    for (unsigned p = 0; p < set.positionCount; ++p) {
        if (!PositionIsWellFormed(kFeatPos[set.firstPosition + p], set.wordCount * 16u)) return false;
    }
    return true;
}

constexpr bool AllSetsWellFormed() {
    for (FeatureSetRecord const& set : kFeatSets) {
        if (!SetIsWellFormed(set)) return false;
    }
    return kFeatSets[kFreeFeatureSet].wordCount == 1 && kFeatSets[kFreeFeatureSet].positionCount == 0;
}

constexpr bool CategorySetsExist() {
    for (CategoryFeatureSets const& sets : kCatFeatI) {
        for (uint16_t set : sets) {
            if (set >= kFeatSets_SIZE || (set != kNoFeatureSet && kFeatSets[set].wordCount == 0)) return false;
        }
    }
    return true;
}

static_assert(AllSetsWellFormed(), "a feature set or position record is malformed");
static_assert(CategorySetsExist(), "a part of speech names a feature set that does not exist");

}  // namespace
