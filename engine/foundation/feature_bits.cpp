#include "engine/foundation/feature_bits.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "engine/foundation/feature_tables.h"
#include "engine/foundation/free_features_database.h"

char gErrBuf[kErrBufSize];
char gErrDataBuf[kErrBufSize];

namespace {

// Letters of this position (the fourteenth) are open-ended: an unknown one
// sets no bits and is no error.
constexpr unsigned kOpenValuePosition = 13;

constexpr char kAskDefault = '?';
constexpr char kUnset = '_';
constexpr char kAllDefaults = '#';

// The set number of the slot, 0 when the part of speech or slot has none.
uint16_t SetNumberOf(POS_E_Source pos, unsigned slot) {
    if (pos >= kCatFeatICount || slot >= kFeatureSlotCount) return kNoFeatureSet;
    uint16_t const set = kCatFeatI[pos][slot];
    return set < kFeatSets_SIZE ? set : kNoFeatureSet;
}

bool IsFreeFeature(char const* text) { return *text >= 'a' && *text <= 'z'; }

FeatureValue const* FindValue(FeaturePositionRecord const& position, char letter) {
    for (unsigned i = 0; i < position.valueCount; ++i) {
        if (position.values[i].letter == letter) return &position.values[i];
    }
    return nullptr;
}

void SetPatternBits(unsigned short* words, FeaturePositionRecord const& position, uint8_t pattern) {
    for (unsigned j = 0; j < position.bitWidth; ++j) {
        if ((pattern >> (position.bitWidth - 1 - j)) & 1u) {
            unsigned const bit = position.firstBit + j;
            words[bit / 16] = static_cast<unsigned short>(words[bit / 16] | kFPUBits[bit % 16]);
        }
    }
}

// The letter that decides position p of the string: its own letter, or the
// position's default for "?", a missing letter or "#".  Without a default it
// is "_", and gErrBuf tells of it unless "#" asked for defaults only.
char LetterAt(FeaturePositionRecord const& position, char const* text, std::size_t length, unsigned p) {
    bool const allDefaults = text[0] == kAllDefaults;
    char const letter = allDefaults || p >= length ? kAskDefault : text[p];
    if (letter != kAskDefault) return letter;
    if (position.defaultLetter != 0) return position.defaultLetter;
    if (!allDefaults) std::snprintf(gErrBuf, kErrBufSize, "No default found for missing feature value in '%s'", text);
    return kUnset;
}

// Sets the bits of one feature string in the set's words.
void WriteFeatureSet(unsigned short* words, FeatureSetRecord const& set, char const* text) {
    std::fill(words, words + set.wordCount, 0);
    std::size_t const length = std::strlen(text);
    for (unsigned p = 0; p < set.positionCount; ++p) {
        FeaturePositionRecord const& position = kFeatPos[set.firstPosition + p];
        char const letter = LetterAt(position, text, length, p);
        if (FeatureValue const* value = FindValue(position, letter)) {
            SetPatternBits(words, position, value->pattern);
        } else if (letter != kUnset && p != kOpenValuePosition) {
            std::snprintf(gErrBuf, kErrBufSize, "string %s, char %u has illegal value %c for set %s", text, p, letter,
                          set.name);
            std::snprintf(gErrDataBuf, kErrBufSize, "%s, %u, %c, %s", text, p, letter, set.name);
        }
    }
}

}  // namespace

std::string FillDefaultFeats(char const* feats, short set, POS_E_Source pos) {
    if (feats == nullptr) return std::string();
    std::string result(feats);
    if (result.find(kAskDefault) == std::string::npos || set < 0) return result;
    uint16_t const setNumber = SetNumberOf(pos, static_cast<unsigned>(set));
    if (setNumber == kNoFeatureSet) return result;
    FeatureSetRecord const& record = kFeatSets[setNumber];
    for (std::size_t p = 0; p < result.size(); ++p) {
        if (result[p] != kAskDefault) continue;
        char const letter = p < record.positionCount ? kFeatPos[record.firstPosition + p].defaultLetter : 0;
        result[p] = letter != 0 ? letter : kUnset;
    }
    return result;
}

void FeatureSetsToBits(unsigned short* out, POS_E_Source pos, char const* feats) {
    unsigned header = 0;
    unsigned next = 1;
    char const* text = feats != nullptr ? feats : "";
    // Only the first three strings are read; an empty one ends the text.
    for (unsigned slot = 0; slot < kFeatureSlotCount && *text != '\0'; ++slot) {
        unsigned const shift = 12 - 4 * slot;
        if (IsFreeFeature(text)) {
            header |= unsigned{kFreeFeatureSet} << shift;
            out[next++] = gFreeFeatures_E_SourceDBase().Enter(text);
        } else if (uint16_t const set = SetNumberOf(pos, slot); set != kNoFeatureSet) {
            header |= unsigned{set} << shift;
            WriteFeatureSet(out + next, kFeatSets[set], text);
            next += kFeatSets[set].wordCount;
        }
        text += std::strlen(text) + 1;
    }
    out[0] = static_cast<unsigned short>(header);
}
