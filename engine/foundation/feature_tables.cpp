// The grammar's feature data: three feature sets (nouns, verbs, adjectives)
// and the free-feature set, and the parts of speech that carry them.  The
// layout is fixed (feature_tables.h); the checks at the end make a
// malformed record fail to compile, so readers may trust every index.
#include "engine/foundation/feature_tables.h"

#include <cstddef>

#include "engine/foundation/pos_codes.h"

namespace {

template <std::size_t N>
constexpr FeaturePositionRecord Position(uint16_t bitWidth, uint16_t firstBit, FeatureValue const (&values)[N],
                                         char defaultLetter) {
    static_assert(N <= FeaturePositionRecord::kMaxValues, "too many values for one position");
    FeaturePositionRecord record{};
    record.bitWidth = bitWidth;
    record.firstBit = firstBit;
    record.valueCount = static_cast<uint16_t>(N);
    for (std::size_t i = 0; i < N; ++i)
        record.values[i] = values[i];
    record.defaultLetter = defaultLetter;
    return record;
}

// A one-bit yes/no position, "N" by default.
constexpr FeaturePositionRecord YesNo(uint16_t bit) { return Position(1, bit, {{'Y', 1}, {'N', 0}}, 'N'); }

constexpr char kNoDefault = 0;

}  // namespace

// Sets 1 to 3 take their positions from kFeatPos in this order.
constexpr FeaturePositionRecord kFeatPos[kFeatPosCount] = {
    // Set 1, "NOUN": one word.
    Position(2, 0, {{'S', 0b10}, {'P', 0b01}, {'M', 0b11}}, 'S'),     // number (read by agreement)
    Position(2, 2, {{'1', 0b01}, {'2', 0b10}, {'3', 0b11}}, '3'),     // person
    Position(1, 4, {{'C', 1}, {'U', 0}}, 'C'),                        // countable
    Position(1, 5, {{'Y', 1}, {'N', 0}}, 'N'),                        // proper
    Position(2, 6, {{'H', 0b10}, {'T', 0b01}, {'B', 0b11}}, kNoDefault),  // human, thing, both

    // Set 2, "VERB": two words.
    Position(3, 0, {{'B', 1}, {'S', 2}, {'D', 3}, {'G', 4}, {'N', 5}, {'T', 6}}, 'B'),  // form
    Position(2, 3, {{'S', 0b10}, {'P', 0b01}}, kNoDefault),           // subject number
    Position(2, 5, {{'1', 0b01}, {'2', 0b10}, {'3', 0b11}}, kNoDefault),  // subject person
    Position(1, 7, {{'T', 1}, {'I', 0}}, 'I'),                        // transitive
    YesNo(8),                                                         // passive
    YesNo(9),                                                         // progressive
    YesNo(10),                                                        // perfect
    YesNo(11),                                                        // negated
    YesNo(12),                                                        // modal
    YesNo(13),                                                        // takes a that-clause
    YesNo(14),                                                        // takes a to-infinitive
    YesNo(15),                                                        // takes an -ing form
    YesNo(16),                                                        // phrasal
    // The particle of a phrasal verb: its letters are open-ended, so an
    // unknown one is not an error (see FeatureSetsToBits).
    Position(4, 17, {{'U', 1}, {'O', 2}, {'D', 3}, {'F', 4}, {'I', 5}, {'A', 6}, {'B', 7}}, kNoDefault),

    // Set 3, "ADJ": one word.
    Position(2, 0, {{'P', 0b01}, {'C', 0b10}, {'S', 0b11}}, 'P'),     // degree
    Position(2, 2, {{'A', 0b10}, {'R', 0b01}, {'B', 0b11}}, 'B'),     // attributive, predicative, both
    Position(1, 4, {{'Y', 1}, {'N', 0}}, kNoDefault),                 // gradable
};

constexpr FeatureSetRecord kFeatSets[kFeatSets_SIZE] = {
    {0, 0, 0, 0, ""},
    {1, 0, 5, 0, "NOUN"},
    {2, 0, 14, 5, "VERB"},
    {1, 0, 3, 19, "ADJ"},
    {}, {}, {}, {}, {}, {}, {}, {}, {}, {}, {},
    {1, 0, 0, 0, "FREE"},  // kFreeFeatureSet: one atom, no positions
};

namespace {

constexpr uint16_t kNoun = 1, kVerb = 2, kAdj = 3, kFree = kFreeFeatureSet;

struct CategoryRow {
    POS_E_Source pos;
    CategoryFeatureSets sets;
};

constexpr CategoryRow kCategoryRows[] = {
    {kCatADJ, {kAdj, 0, 0}},
    {kCatADJP, {kAdj, 0, 0}},
    {POS_E_Source{58}, {kAdj, 0, 0}},             // "ADJ01"
    {kCatBE, {kVerb, 0, 0}},
    {kCatN, {kNoun, kFree, 0}},
    {kCatNP, {kNoun, 0, 0}},
    {kCatPRN, {kNoun, 0, 0}},
    {POS_E_Source{169}, {kNoun, 0, 0}},           // "N2"
    {kCatN1, {kNoun, 0, 0}},
    {kCatVI01, {kVerb, 0, 0}},
    {kCatVT01, {kVerb, kNoun, kFree}},            // the verb, its object, a free feature
    {POS_E_Source{264}, {kVerb, 0, 0}},           // "VI03"
    {POS_E_Source{298}, {kVerb, kNoun, kNoun}},   // "VT02": two objects
    {POS_E_Source{302}, {kVerb, kNoun, 0}},       // "VT03"
};

constexpr std::array<CategoryFeatureSets, kCatFeatICount> MakeCatFeatI() {
    std::array<CategoryFeatureSets, kCatFeatICount> table{};
    for (CategoryRow const& row : kCategoryRows)
        table[row.pos] = row.sets;
    return table;
}

}  // namespace

constexpr std::array<CategoryFeatureSets, kCatFeatICount> kCatFeatI = MakeCatFeatI();

constexpr uint16_t kFPUBits[16] = {
    0x8000, 0x4000, 0x2000, 0x1000, 0x0800, 0x0400, 0x0200, 0x0100,
    0x0080, 0x0040, 0x0020, 0x0010, 0x0008, 0x0004, 0x0002, 0x0001,
};

// ---- Checks ------------------------------------------------------------------

namespace {

constexpr bool PositionIsWellFormed(FeaturePositionRecord const& position, unsigned setBits) {
    if (position.bitWidth == 0 || position.bitWidth > 8 || position.firstBit + position.bitWidth > setBits)
        return false;
    if (position.valueCount > FeaturePositionRecord::kMaxValues)
        return false;
    bool defaultFound = position.defaultLetter == kNoDefault;
    for (unsigned i = 0; i < position.valueCount; ++i) {
        FeatureValue const& value = position.values[i];
        if ((value.pattern >> position.bitWidth) != 0 || value.letter == '_' || value.letter == '?')
            return false;
        for (unsigned j = 0; j < i; ++j) {
            if (position.values[j].letter == value.letter)
                return false;
        }
        defaultFound = defaultFound || value.letter == position.defaultLetter;
    }
    return defaultFound;
}

constexpr bool SetIsWellFormed(FeatureSetRecord const& set) {
    if (set.wordCount > kMaxFeatureSetWords || set.firstPosition + set.positionCount > kFeatPosCount)
        return false;
    for (unsigned p = 0; p < set.positionCount; ++p) {
        if (!PositionIsWellFormed(kFeatPos[set.firstPosition + p], set.wordCount * 16u))
            return false;
    }
    return true;
}

constexpr bool AllSetsWellFormed() {
    for (FeatureSetRecord const& set : kFeatSets) {
        if (!SetIsWellFormed(set))
            return false;
    }
    return kFeatSets[kFreeFeatureSet].wordCount == 1 && kFeatSets[kFreeFeatureSet].positionCount == 0;
}

constexpr bool CategorySetsExist() {
    for (CategoryFeatureSets const& sets : kCatFeatI) {
        for (uint16_t set : sets) {
            if (set >= kFeatSets_SIZE || (set != kNoFeatureSet && kFeatSets[set].wordCount == 0))
                return false;
        }
    }
    return true;
}

static_assert(AllSetsWellFormed(), "a feature set or position record is malformed");
static_assert(CategorySetsExist(), "a part of speech names a feature set that does not exist");

}  // namespace
