// Arbitrary feature text through FeatureSetsToBits and FillDefaultFeats for a
// few parts of speech.  Input: one byte choosing the part of speech, one byte
// the slot for FillDefaultFeats (as a signed number), then the text.  The
// text and the output live in heap blocks of exactly their size, so that the
// sanitizers see any step past either.
#include <cstdint>
#include <cstring>
#include <iterator>
#include <memory>
#include <stdexcept>
#include <string>

#include "engine/foundation/feature_bits.h"
#include "engine/foundation/feature_tables.h"
#include "engine/foundation/pos_codes.h"

namespace {

void Check(bool condition) {
    if (!condition) __builtin_trap();
}

// Nouns, verbs with one to three sets, adjectives, a part of speech without
// sets, and codes past the tables.
constexpr POS_E_Source kCategories[] = {
    kCatN,
    kCatNP,
    kCatVI01,
    kCatVT01,
    POS_E_Source{298},
    kCatADJ,
    kCatAUX,
    POS_E_Source{kCatFeatICount},
    POS_E_Source{65535},
};

// Words the header says the vector holds.
unsigned VectorLength(unsigned short header) {
    unsigned words = 1;
    for (unsigned slot = 0; slot < kFeatureSlotCount; ++slot)
        words += kFeatSets[(header >> (12 - 4 * slot)) & 0xF].wordCount;
    return words;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 2) return 0;
    POS_E_Source const pos = kCategories[data[0] % std::size(kCategories)];
    auto const set = static_cast<short>(static_cast<int8_t>(data[1]));
    char const* text = reinterpret_cast<char const*>(data + 2);
    std::size_t const length = size - 2;

    // The text ends with an empty string, as stored feature texts do.
    std::unique_ptr<char[]> feats(new char[length + 2]);
    std::memcpy(feats.get(), text, length);
    feats[length] = '\0';
    feats[length + 1] = '\0';

    std::unique_ptr<unsigned short[]> out(new unsigned short[kMaxFeatureVectorWords]);
    try {
        FeatureSetsToBits(out.get(), pos, feats.get());
        Check(VectorLength(out[0]) <= kMaxFeatureVectorWords);
    } catch (std::length_error const&) {
        // Every new lower-case string is a new free feature; a long run fills
        // the process-wide database (65,536 names), which then refuses more.
    }
    Check(std::memchr(gErrBuf, '\0', kErrBufSize) != nullptr);
    Check(std::memchr(gErrDataBuf, '\0', kErrBufSize) != nullptr);

    std::string const filled = FillDefaultFeats(feats.get(), set, pos);
    Check(filled.size() == std::strlen(feats.get()));
    return 0;
}
