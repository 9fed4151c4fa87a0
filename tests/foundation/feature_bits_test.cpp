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
constexpr POS_E_Source kAUX = kCatAUX;  // carries no feature sets

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

// Noun set (one word): number S=10 P=01 (bits 0-1), person 3=11 (2-3),
// countable C=1 (4), proper (5), animacy H=10 T=01 (6-7, no default).
// Verb set (two words): form B=001 G=100 (0-2), number (3-4), person (5-6),
// transitive (7), nine yes/no flags (8-16), particle U=0001 (17-20).
std::vector<BitsCase> const kBitsCases = {
    {"all defaults", kCatN, Text("#"), {0x1000, 0xB800}, "", ""},
    {"default asked", kCatN, Text("?"), {0x1000, 0xB800}, "No default found for missing feature value in '?'", ""},
    {"short string", kCatN, Text("P3"), {0x1000, 0x7800}, "No default found for missing feature value in 'P3'", ""},
    {"explicit unset", kCatN, Text("S3CN_"), {0x1000, 0xB800}, "", ""},
    {"illegal value", kCatN, Text("SXCN_"), {0x1000, 0x8800}, "string SXCN_, char 1 has illegal value X for set NOUN",
     "SXCN_, 1, X, NOUN"},
    // The fourteenth position (the particle) is open-ended.
    {"unknown particle is no error", kCatVI01, Text("B" + std::string(12, '_') + "Z"), {0x2000, 0x2000, 0x0000},
     "", ""},
    {"unknown letter before the particle is", kCatVI01, Text("B" + std::string(11, '_') + "Z_"),
     {0x2000, 0x2000, 0x0000}, "string B___________Z_, char 12 has illegal value Z for set VERB",
     "B___________Z_, 12, Z, VERB"},
    {"three full strings", kVT02, std::string("GP3TYNNNNNNNYU\0S3CNH\0P1UYT\0", 27),
     {0x2110, 0x8F80, 0x8800, 0xBA00, 0x5500}, "", ""},
    {"text ends after the first string", kVT02, Text("GP3TYNNNNNNNYU"), {0x2000, 0x8F80, 0x8800}, "", ""},
    {"no feature sets", kAUX, Text("SCN"), {0x0000}, "", ""},
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
    EXPECT_EQ(noun, (std::vector<unsigned short>{0x1F00, 0xB800, atom}));

    std::vector<unsigned short> const verb = Bits(kCatVT01, std::string("#\0#\0inanimate\0", 14));
    EXPECT_EQ(verb, (std::vector<unsigned short>{0x21F0, 0x2000, 0x0000, 0xB800, atom}));
    EXPECT_EQ(gFreeFeatures_E_SourceDBase().GetName(atom), "inanimate");
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
        {"S3CN_", 0, kCatN, "S3CN_"},     // nothing asked
        {"???", 0, kCatN, "S3C"},
        {"?????", 0, kCatN, "S3CN_"},     // animacy has no default
        {"??????", 0, kCatN, "S3CN__"},   // a sixth position does not exist
        {"P?U", 0, kCatN, "P3U"},
        {"??", 1, kVT02, "S3"},           // slot 1 of VT02 is a noun set
        {"??", 0, kVT02, "B_"},           // verb number has no default
        // No set there: unchanged.
        {"??", 2, kCatN, "??"},
        {"??", 3, kCatN, "??"},
        {"??", -1, kCatN, "??"},
        {"??", 0, kAUX, "??"},
        {"??", 0, POS_E_Source(kCatFeatICount), "??"},
    };
    for (auto const& c : cases) {
        SCOPED_TRACE(std::string(c.feats) + " set " + std::to_string(c.set));
        EXPECT_EQ(FillDefaultFeats(c.feats, c.set, c.pos), c.expected);
    }
    EXPECT_EQ(FillDefaultFeats(nullptr, 0, kCatN), "");
}

TEST(FeatureTablesTest, OneBitMasksCountFromTheTop) {
    for (unsigned k = 0; k < 16; ++k)
        EXPECT_EQ(kFPUBits[k], 0x8000u >> k);
}

}  // namespace
