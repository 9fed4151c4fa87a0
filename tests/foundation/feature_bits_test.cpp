#include "engine/foundation/feature_bits.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "engine/foundation/feature_tables.h"
#include "engine/foundation/free_features_database.h"
#include "engine/foundation/pos_codes.h"

namespace {

constexpr POS_E_Source kVT02{298};  // verb, object, second object
constexpr POS_E_Source kCONJ{99};   // carries no feature sets

std::vector<unsigned short> Bits(POS_E_Source pos, std::string const& text) {
    // Heap copy of exactly the text, so that reading past it is caught.
    std::vector<char> exact(text.begin(), text.end());
    std::vector<unsigned short> out(kMaxFeatureVectorWords, 0xDEAD);
    FeatureSetsToBits(out.data(), pos, exact.data());
    unsigned words = 1;
    for (unsigned slot = 0; slot < kFeatureSlotCount; ++slot)
        words += kFeatSets[(out[0] >> (12 - 4 * slot)) & 0xF].wordCount;
    out.resize(words);
    return out;
}

// Texts end with a NUL after their last string (and an empty string when
// they hold fewer than three), as feature texts are stored.
std::string Text(std::string const& s) { return s + std::string(1, '\0') + std::string(1, '\0'); }

void ClearErrors() {
    gErrBuf[0] = '\0';
    gErrDataBuf[0] = '\0';
}

struct BitsCase {
    char const* what;
    POS_E_Source pos;
    std::string text;
    std::vector<unsigned short> bits;
    char const* error;      // gErrBuf afterwards
    char const* errorData;  // gErrDataBuf afterwards
};

// Noun set (two words, two bits a position): number S=10 P=01, agreement
// and determiner number, countable C=10 U=01, then digits 0-3 (defaults
// 1, 1, 0, 1, 1, 1, 0), origin D=00 M=01, three spare digits.
// Verb set (two words): form B=001 G=110 (bits 0-2), tense (3-4),
// transitive (5), passive (6), number (7-8) and person (9-10) without
// defaults, six flags (11-17), particle U=0001 (18-21), ten flags.
std::vector<BitsCase> const kBitsCases = {
    {"all defaults", kCatN, Text("#"), {0x1000, 0xAA51, 0x5000}, "", ""},
    {"default asked",
     kCatVI01,
     Text("?"),
     {0x2000, 0x2000, 0x0000},
     "No default found for missing feature value in '?'",
     ""},
    {"short string",
     kCatVI01,
     Text("S1"),
     {0x2000, 0x6800, 0x0000},
     "No default found for missing feature value in 'S1'",
     ""},
    {"explicit unset", kCatN, Text("SSSC_"), {0x1000, 0xAA11, 0x5000}, "", ""},
    {"illegal value",
     kCatN,
     Text("SXSC"),
     {0x1000, 0x8A51, 0x5000},
     "string SXSC, char 1 has illegal value X for set NOUN",
     "SXSC, 1, X, NOUN"},
    {"fixed common noun", kCatN, Text("SSSC1101110M00_"), {0x1000, 0xAA51, 0x5100}, "", ""},
    // The fourteenth position (the particle) is open-ended.
    {"unknown particle is no error",
     kCatVI01,
     Text("B" + std::string(12, '_') + "Z"),
     {0x2000, 0x2000, 0x0000},
     "",
     ""},
    {"unknown letter before the particle is",
     kCatVI01,
     Text("B" + std::string(11, '_') + "Z_"),
     {0x2000, 0x2000, 0x0000},
     "string B___________Z_, char 12 has illegal value Z for set VERB",
     "B___________Z_, 12, Z, VERB"},
    {"three full strings",
     kVT02,
     std::string("G0T1S31000000U1\0PPPU\0SSSC_\0", 27),
     {0x2110, 0xC770, 0x0600, 0x5551, 0x5000, 0xAA11, 0x5000},
     "",
     ""},
    {"text ends after the first string", kVT02, Text("G0T1S31000000U1"), {0x2000, 0xC770, 0x0600}, "", ""},
    {"no feature sets", kCONJ, Text("SCN"), {0x0000}, "", ""},
    {"empty text", kCatN, Text(""), {0x0000}, "", ""},
};

TEST(FeatureSetsToBitsTest, Table) {
    for (BitsCase const& c : kBitsCases) {
        SCOPED_TRACE(c.what);
        ClearErrors();
        EXPECT_EQ(Bits(c.pos, c.text), c.bits);
        EXPECT_STREQ(gErrBuf, c.error);
        EXPECT_STREQ(gErrDataBuf, c.errorData);
    }
}

TEST(FeatureSetsToBitsTest, FreeFeatureTakesOneWordHoldingItsAtom) {
    // Slot 1 of a noun carries a free feature; slot 2 of VT01 too.
    std::vector<unsigned short> const noun = Bits(kCatN, Text(std::string("#") + '\0' + "inanimate"));
    FreeFeatures_E_Source const atom = gFreeFeatures_E_SourceDBase().Enter("inanimate");
    EXPECT_EQ(noun, (std::vector<unsigned short>{0x1F00, 0xAA51, 0x5000, atom}));

    std::vector<unsigned short> const verb = Bits(kCatVT01, std::string("#\0#\0inanimate\0", 14));
    EXPECT_EQ(verb, (std::vector<unsigned short>{0x21F0, 0x2000, 0x0000, 0xAA51, 0x5000, atom}));
    EXPECT_EQ(gFreeFeatures_E_SourceDBase().GetName(atom), "inanimate");
}

TEST(FreeFeaturesTest, TheGrammarsComeFirstAndUnknownAtomsAreBad) {
    FreeFeatures_E_SourceDBase& database = gFreeFeatures_E_SourceDBase();
    EXPECT_EQ(database.GetName(FreeFeatures_E_Source(0)), "<<FreeFeaturesBadValue>>");
    EXPECT_EQ(database.GetName(FreeFeatures_E_Source(1)), kFreeHeap + kFreeIndex[1]);
    EXPECT_EQ(database.Enter(kFreeHeap + kFreeIndex[kFreeIndex_SIZE - 1]), FreeFeatures_E_Source(kFreeIndex_SIZE - 1));
    EXPECT_EQ(database.GetName(FreeFeatures_E_Source(60000)), "<<FreeFeaturesBadValue>>");
}

TEST(FeatureSetsToBitsTest, StopsAfterThreeStringsAndAtNullText) {
    // A fourth string is never read, even without an empty string after it.
    std::vector<unsigned short> out(kMaxFeatureVectorWords, 0);
    std::string const text("#\0#\0#\0XXXX", 10);
    std::vector<char> exact(text.begin(), text.begin() + 7);  // ends after the third NUL
    FeatureSetsToBits(out.data(), kVT02, exact.data());
    EXPECT_EQ(out[0], 0x2110);

    FeatureSetsToBits(out.data(), kCatN, nullptr);
    EXPECT_EQ(out[0], 0);
}

TEST(FeatureSetsToBitsTest, OutOfRangePartOfSpeechGetsNoSets) {
    std::vector<unsigned short> out(kMaxFeatureVectorWords, 0);
    for (unsigned pos : {unsigned{kCatFeatICount}, 14999u, 15000u, 65535u}) {
        FeatureSetsToBits(out.data(), POS_E_Source(pos), Text("#").c_str());
        EXPECT_EQ(out[0], 0) << pos;
    }
}

TEST(FillDefaultFeatsTest, Table) {
    struct Case {
        char const* feats;
        short set;
        POS_E_Source pos;
        std::string expected;
    } const cases[] = {
        {"SSSC_", 0, kCatN, "SSSC_"},  // nothing asked
        {"???", 0, kCatN, "SSS"},
        {"?????", 0, kCatN, "SSSC1"},
        {"????????????????", 0, kCatN, "SSSC1101110D000_"},  // a sixteenth position does not exist
        {"P?U", 0, kCatN, "PSU"},
        {"??", 1, kVT02, "SS"},        // slot 1 of VT02 is a noun set
        {"?????", 0, kVT02, "B0I0_"},  // verb number has no default
        {"??", 2, kCatN, "__"},        // noun classes have none at all
        // No set there: unchanged.
        {"??", 2, kCatVI01, "??"},
        {"??", 3, kCatN, "??"},
        {"??", -1, kCatN, "??"},
        {"??", 0, kCONJ, "??"},
        {"??", 0, POS_E_Source(kCatFeatICount), "??"},
    };
    for (auto const& c : cases) {
        SCOPED_TRACE(std::string(c.feats) + " set " + std::to_string(c.set));
        EXPECT_EQ(FillDefaultFeats(c.feats, c.set, c.pos), c.expected);
    }
    EXPECT_EQ(FillDefaultFeats(nullptr, 0, kCatN), "");
}

TEST(FeatureTablesTest, OneBitMasksCountFromTheTop) {
    for (unsigned k = 0; k < 16; ++k) EXPECT_EQ(kFPUBits[k], 0x8000u >> k);
}

}  // namespace
