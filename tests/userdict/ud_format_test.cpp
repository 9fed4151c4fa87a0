#include "engine/userdict/ud_format.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "userdict/ud_fixture.h"

namespace {

TEST(UDPOSString, MapsGroupKindVariantAndFormToTheStoredString) {
    struct Case {
        uint32_t kind, variant, form;
        std::string pos;
    };
    Case const cases[] = {
        {1, 0, 0, "ADJ"},
        {2, 0, 0, "ADV"},
        {3, 0, 0, "N_SING"},
        {3, 0, 1, "N_PLURAL"},
        {4, 0, 0, "VT_INF"},
        {4, 0, 4, "VT_GER"},
        {4, 1, 1, "VI_PAST"},
        {4, 1, 2, "VI_PASTP"},
        {4, 2, 3, "V_3RD"},
        {4, 2, 0, "V_INF"},
        {5, 0, 0, "CONJ"},
        {6, 0, 0, "PREPADJ"},
        {6, 1, 0, "PREPADV"},
        {7, 0, 0, "PP"},
        // The variant only matters to verbs and prepositions.
        {1, 7, 0, "ADJ"},
        {3, 2, 1, "N_PLURAL"},
        // Every other combination.
        {0, 0, 0, ""},
        {8, 0, 0, ""},
        {1, 0, 1, ""},
        {3, 0, 2, ""},
        {4, 3, 0, ""},
        {4, 0, 5, ""},
        {6, 2, 0, ""},
        {6, 0, 1, ""},
        {7, 0, 1, ""},
        {5, 0, 4, ""},
    };
    for (Case const& c : cases) {
        EXPECT_EQ(UDPOSString(c.kind, c.variant, c.form), c.pos) << c.kind << "/" << c.variant << "/" << c.form;
    }
}

TEST(UDHeader, EncodesTheWordsAtTheirOffsetsAndZerosTheRest) {
    UDHeader header;
    header.mapOffset = 576;
    header.indexOffset = 585;
    header.groupCount = 7;
    header.changeCount = 9;
    std::vector<unsigned char> bytes(kUDHeaderSize, 0xAA);
    EncodeUDHeader(header, bytes.data());
    uint32_t const expected[] = {0x2FAD0806, 256, 512, 576, 585, 7, 2, 1, 0, 9};
    for (std::size_t i = 0; i < std::size(expected); ++i) EXPECT_EQ(GetUlong(bytes, 4 * i), expected[i]) << i;
    for (std::size_t i = 40; i < kUDHeaderSize; ++i) EXPECT_EQ(bytes[i], 0) << i;
    EXPECT_TRUE(HasUDMagic(bytes.data()));
    UDHeader const decoded = DecodeUDHeader(bytes.data());
    EXPECT_EQ(decoded.groupCount, 7u);
    EXPECT_EQ(decoded.changeCount, 9u);
}

TEST(UDBlock, HeadAndContinuationKeepTheirFieldsAtFixedPlaces) {
    dblock_t head;
    head.kind = kUDHeadBlock;
    head.link = 3;
    head.interactiveFreq = 4;
    head.batchFreq = 5;
    head.prevID = 6;
    head.nextID = 7;
    for (std::size_t i = 0; i < kUDContinuationTextSize; ++i) head.text[i] = static_cast<unsigned char>(i + 1);
    std::vector<unsigned char> bytes(kUDBlockSize);
    EncodeUDBlock(head, bytes.data());
    uint32_t const words[] = {2, 3, 4, 5, 6, 7, 0, 0};
    for (std::size_t i = 0; i < std::size(words); ++i) EXPECT_EQ(GetUlong(bytes, 4 * i), words[i]) << i;
    EXPECT_EQ(bytes[32], 1);
    EXPECT_EQ(bytes[63], 32);  // only 32 bytes of text in a head

    dblock_t continuation;
    continuation.kind = kUDContinuationBlock;
    continuation.link = 9;
    std::fill(std::begin(continuation.text), std::end(continuation.text), 'x');
    EncodeUDBlock(continuation, bytes.data());
    EXPECT_EQ(GetUlong(bytes, 0), 3u);
    EXPECT_EQ(GetUlong(bytes, 4), 9u);
    EXPECT_EQ(std::string(bytes.begin() + 8, bytes.end()), std::string(56, 'x'));

    dblock_t decoded;
    ASSERT_EQ(DecodeUDBlock(bytes.data(), 10, &decoded), kUDNoError);
    EXPECT_EQ(decoded.kind, kUDContinuationBlock);
    EXPECT_EQ(decoded.link, 9u);
    EXPECT_EQ(decoded.TextSize(), kUDContinuationTextSize);
}

TEST(UDBlock, DecodeRefusesUnknownKindsAndNumbersOutsideTheFile) {
    struct Case {
        char const* what;
        uint32_t firstWord;
        uint32_t link, prevID, nextID;
        unsigned short code;
    };
    constexpr uint32_t kCount = 10;
    Case const cases[] = {
        {"free", 1, 0, 0, 0, kUDNoError},
        {"head", 2, 9, 1, 9, kUDNoError},
        {"continuation", 3, 9, 0, 0, kUDNoError},
        {"kind in the low 4 bits only", 0x12345672, 0, 0, 0, kUDNoError},
        {"kind 0", 0, 0, 0, 0, kUDFileCorrupt},
        {"kind 4", 4, 0, 0, 0, kUDFileCorrupt},
        {"kind 15", 15, 0, 0, 0, kUDFileCorrupt},
        {"head link past the end", 2, kCount, 0, 0, kUDFileCorrupt},
        {"continuation link past the end", 3, 0xFFFFFFFF, 0, 0, kUDFileCorrupt},
        {"previous ID past the end", 2, 0, kCount, 0, kUDFileCorrupt},
        {"next ID past the end", 2, 0, 0, 12345, kUDFileCorrupt},
    };
    for (Case const& c : cases) {
        std::vector<unsigned char> bytes(kUDBlockSize, 0);
        PutUlong(&bytes, 0, c.firstWord);
        PutUlong(&bytes, 4, c.link);
        PutUlong(&bytes, 16, c.prevID);
        PutUlong(&bytes, 20, c.nextID);
        dblock_t block;
        EXPECT_EQ(DecodeUDBlock(bytes.data(), kCount, &block), c.code) << c.what;
    }
}

}  // namespace
