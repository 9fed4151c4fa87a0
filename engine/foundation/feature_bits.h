#pragma once
// The feature strings of dictionary readings, turned into the parser's
// feature vectors (layout in feature_tables.h).
//
// A reading holds up to three feature strings, one per feature slot of its
// part of speech.  In a string each letter gives the value of one position;
// "?" asks for the position's default, "_" leaves the position unset, a
// leading "#" asks for every default, and a string beginning with a
// lower-case letter is a free feature, a name entered in the free-feature
// database.
#include <cstddef>
#include <string>

#include "engine/foundation/value_types.h"

// The last diagnostic message of the engine and its data, NUL-terminated.
// Process-wide and unguarded: one request at a time writes them.
constexpr std::size_t kErrBufSize = 512;
extern char gErrBuf[kErrBufSize];
extern char gErrDataBuf[kErrBufSize];

// The string with each "?" replaced by the default letter of its position
// in the part of speech's feature slot `set` (0 to 2), "_" where the
// position has none or does not exist.  Returned unchanged when it holds no
// "?" or when the slot or part of speech has no feature set; "" for null.
std::string FillDefaultFeats(char const* feats, short set, POS_E_Source pos);

// Fills out (room for kMaxFeatureVectorWords words) with the feature vector
// of the text: up to three NUL-separated strings, ended early by an empty
// one.  Word 0 is the header, holding the set of slot i at bit 12 - 4i;
// then each slot's words follow.  A slot whose part of speech has no feature
// set takes no words.  An unknown letter (other than "_", and except at the
// open-ended fourteenth position) is reported in gErrBuf / gErrDataBuf, as
// is "?" on a position without a default; the other letters still count.
// A null text gives the header 0 alone.  Throws std::length_error when a new
// free feature finds the free-feature database full.
void FeatureSetsToBits(unsigned short* out, POS_E_Source pos, char const* feats);
