// The byte layout of the compiled formats, record by record.
#include <gtest/gtest.h>

#include <cstring>

#include "engine/compiled/compiled_format.h"
#include "engine/foundation/file_errors.h"

namespace {

FeatureSets_E_Source Sets(char const* a, char const* b, char const* c) {
    FeatureSets_E_Source sets;
    sets.SetSet(0, a);
    sets.SetSet(1, b);
    sets.SetSet(2, c);
    return sets;
}

TEST(CompiledFormatTest, EntryRecordSplitsTheFinePOSCountAsEachFormatDoes) {
    struct Case {
        CompiledFormatTraits const* traits;
        uint32_t count;
        uint32_t word0High;  // bits 25-31 of word 0
        uint32_t word1High;  // bits 25-31 of word 1
    };
    Case const cases[] = {
        {&kFormat40Traits, 127, 0, 127}, {&kFormat40Traits, 128, 1, 1}, {&kFormat40Traits, 254, 1, 127},
        {&kFormat50Traits, 127, 0, 127}, {&kFormat50Traits, 128, 1, 0}, {&kFormat50Traits, 1023, 7, 127},
    };
    for (Case const& c : cases) {
        CompiledEntryRecord const record{0x1234, 0x1FFFFFF, c.count};
        Bytes const bytes = EncodeEntryRecord(record, *c.traits);
        ASSERT_EQ(bytes.size(), kEntryRecordSize);
        EXPECT_EQ(GetLE32(&bytes[0]) >> 25, c.word0High) << c.count;
        EXPECT_EQ(GetLE32(&bytes[4]) >> 25, c.word1High) << c.count;
        CompiledEntryRecord const back = DecodeEntryRecord(ByteView(bytes), *c.traits);
        EXPECT_EQ(back.finePOSCount, c.count);
        EXPECT_EQ(back.headword, 0x1234u);
        EXPECT_EQ(back.finePOSArray, 0x1FFFFFFu);
    }
    EXPECT_THROW(EncodeEntryRecord({1, 1, 255}, kFormat40Traits), CorruptDictionary);
    EXPECT_THROW(EncodeEntryRecord({1, 1, 1024}, kFormat50Traits), CorruptDictionary);
    EXPECT_THROW(EncodeEntryRecord({kOff25Limit, 1, 1}, kFormat40Traits), CorruptDictionary);
}

TEST(CompiledFormatTest, FinePOSRecordLengthAndOptionalWordsFollowTheFlags) {
    struct Case {
        CompiledFormatTraits const* traits;
        bool weights;
        bool successor;
        std::size_t size;
        unsigned flagBits;  // expected word 2 bits 25-31
    };
    Case const cases[] = {
        {&kFormat40Traits, false, false, 20, 0x00}, {&kFormat40Traits, true, false, 24, 0x10},
        {&kFormat40Traits, false, true, 24, 0x04},  {&kFormat40Traits, true, true, 28, 0x14},
        {&kFormat50Traits, true, true, 28, 0x28},   {&kFormat50Traits, false, true, 24, 0x08},
    };
    for (Case const& c : cases) {
        CompiledFinePOSRecord record;
        record.entry = 200;
        record.idiomType = 4;
        record.primed = record.altOnly = true;
        record.pValue = -2;
        record.featureBlock = 300;
        record.englishPOS = 0x7FFF;
        record.paraphraseCount = 63;
        record.baseOrParaphrases = 400;
        record.hasDomainWeights = c.weights;
        record.domainWeights = c.weights ? 500 : 0;
        record.hasSuccessor = c.successor;
        record.successor = c.successor ? 600 : 0;
        Bytes const bytes = EncodeFinePOSRecord(record, *c.traits);
        ASSERT_EQ(bytes.size(), c.size);
        EXPECT_EQ(GetLE32(&bytes[8]) >> 25, c.flagBits);
        EXPECT_EQ(GetLE32(&bytes[4]), 0xFFFEu) << "p-value in bits 0-15 only";
        if (c.successor) {
            EXPECT_EQ(GetLE32(&bytes[c.size - 4]), 600u);
        }
        CompiledFinePOSRecord const back = DecodeFinePOSRecord(ByteView(bytes), *c.traits);
        EXPECT_EQ(back.Size(), c.size);
        EXPECT_EQ(back.entry, 200u);
        EXPECT_EQ(back.idiomType, 4);
        EXPECT_TRUE(back.primed && back.altOnly && !back.quoted && !back.hidden);
        EXPECT_EQ(back.pValue, -2);
        EXPECT_EQ(back.englishPOS, 0x7FFF);
        EXPECT_EQ(back.paraphraseCount, 63);
        EXPECT_EQ(back.domainWeights, record.domainWeights);
        EXPECT_EQ(back.successor, record.successor);
        // Decoding needs only the declared words.
        EXPECT_THROW(DecodeFinePOSRecord(ByteView(bytes.data(), c.size - 1), *c.traits), CorruptDictionary);
    }
}

TEST(CompiledFormatTest, CannotBeginAndEndFlagExistsIn50Only) {
    CompiledFinePOSRecord record;
    record.cannotBeginAndEnd = true;
    EXPECT_TRUE(
        DecodeFinePOSRecord(ByteView(EncodeFinePOSRecord(record, kFormat50Traits)), kFormat50Traits).cannotBeginAndEnd);
    EXPECT_FALSE(
        DecodeFinePOSRecord(ByteView(EncodeFinePOSRecord(record, kFormat40Traits)), kFormat40Traits).cannotBeginAndEnd);
}

TEST(CompiledFormatTest, ParaphraseRecordCarriesOptionalWordsInOrder) {
    CompiledParaphraseRecord record;
    record.paraID = -7;
    record.finePOS = 100;
    record.cooked = 200;
    record.pValue = -1;
    record.transPOS = 0x1FF;
    record.theyType = 3;
    record.altOnly = true;
    EXPECT_EQ(EncodeParaphraseRecord(record).size(), 16u);
    record.semantics = 300;
    record.domainSet = 500;
    Bytes const bytes = EncodeParaphraseRecord(record);
    ASSERT_EQ(bytes.size(), 24u);
    EXPECT_EQ(GetLE32(&bytes[16]), 300u);
    EXPECT_EQ(GetLE32(&bytes[20]), 500u);
    CompiledParaphraseRecord const back = DecodeParaphraseRecord(ByteView(bytes));
    EXPECT_EQ(back.paraID, -7);
    EXPECT_EQ(back.pValue, -1);
    EXPECT_EQ(back.transPOS, 0x1FF);
    EXPECT_EQ(back.theyType, 3);
    EXPECT_TRUE(back.altOnly);
    EXPECT_EQ(back.semantics, 300u);
    EXPECT_EQ(back.transplant, 0u);
    EXPECT_EQ(back.domainSet, 500u);
    record.transPOS = 0x200;
    EXPECT_THROW(EncodeParaphraseRecord(record), CorruptDictionary);
}

TEST(CompiledFormatTest, HeaderRoundTripsAndIsRefusedAsAReaderMust) {
    CompiledHeader header;
    header.dictionaryID = 0;
    header.entryOrderTable = 1000;
    header.entryCount = 3;
    header.headwordEntryTable = 2000;
    header.headwordCount = 3;
    header.headwordStringTable = 3000;
    header.domains.Set(DomainID{58});
    Bytes const good = EncodeCompiledHeader(header, kFormat40Traits);
    ASSERT_EQ(good.size(), 118u);
    EXPECT_EQ(std::memcmp(good.data(), "Quorindal E2J 4.0 CompiledDictFormat", 36), 0);
    CompiledHeader const back = DecodeCompiledHeader(ByteView(good), kFormat40Traits);
    EXPECT_EQ(back.dictionaryID, 0);
    EXPECT_EQ(back.entryOrderTable, 1000u);
    EXPECT_EQ(back.headwordStringTable, 3000u);
    EXPECT_EQ(back.domains, header.domains);
    EXPECT_THROW(DecodeCompiledHeader(ByteView(good), kFormat50Traits), CorruptDictionary);

    struct Damage {
        char const* what;
        std::size_t at;  // byte to change, or the length to cut to
        bool cut;
    };
    Damage const damages[] = {
        {"short", 117, true}, {"magic", 3, false},         {"entry table", 70, false},
        {"stamp", 64, false}, {"string table", 90, false}, {"headword entry table", 78, false},
    };
    for (Damage const& d : damages) {
        Bytes bad = good;
        if (d.cut)
            bad.resize(d.at);
        else if (d.at == 3 || d.at == 64)
            bad[d.at] ^= 0x01;
        else
            PutLE32(&bad[d.at], 0);
        EXPECT_THROW(DecodeCompiledHeader(ByteView(bad), kFormat40Traits), CorruptDictionary) << d.what;
    }
    Bytes tail = good;
    tail[50] = 'x';  // past the 36 magic characters: not checked
    EXPECT_NO_THROW(DecodeCompiledHeader(ByteView(tail), kFormat40Traits));
}

TEST(CompiledFormatTest, Format40StoresDomainsUpTo58Only) {
    DomainIDSet fits;
    fits.Set(DomainID{1});
    fits.Set(DomainID{58});
    DomainIDSet beyond;
    beyond.Set(DomainID{59});
    EXPECT_TRUE(DomainSetFits(fits, kFormat40Traits));
    EXPECT_FALSE(DomainSetFits(beyond, kFormat40Traits));
    EXPECT_THROW(EncodeDomainSet(beyond, kFormat40Traits), CorruptDictionary);
    Bytes const bytes = EncodeDomainSet(fits, kFormat40Traits);
    ASSERT_EQ(bytes.size(), 8u);
    EXPECT_EQ(GetLE32(&bytes[0]), 1u);
    EXPECT_EQ(GetLE32(&bytes[4]), 1u << 25);
    EXPECT_EQ(DecodeDomainSet(ByteView(bytes), kFormat40Traits), fits);
    beyond.Set(DomainID{80});
    EXPECT_EQ(DecodeDomainSet(ByteView(EncodeDomainSet(beyond, kFormat50Traits)), kFormat50Traits), beyond);
}

TEST(CompiledFormatTest, FeatureBlockLayoutIsOneTheReaderTellsApart) {
    struct Case {
        char const* what;
        FeatureSets_E_Source sets;
        bool preferWide;
        std::size_t size;  // 0: refused
    };
    std::string const long30(30, 'a');
    Case const cases[] = {
        {"standard", Sets("abc", "def", "____x"), false, 75},
        {"empty sets would read as wide", Sets("", "", ""), false, 147},
        {"third text without the mark", Sets("a", "b", "c"), false, 147},
        {"too long for a standard slot", Sets(long30.c_str(), "", "____"), false, 147},
        {"wide asked", Sets("a", "b", "c"), true, 147},
        {"wide block would read as standard", Sets("a", "x____", "____"), true, 75},
        {"no layout reads back", Sets(long30.c_str(), "x____", ""), false, 0},
    };
    for (Case const& c : cases) {
        if (c.size == 0) {
            EXPECT_THROW(EncodeFeatureBlock(c.sets, kFormat40Traits, c.preferWide), CorruptDictionary) << c.what;
            continue;
        }
        Bytes const block = EncodeFeatureBlock(c.sets, kFormat40Traits, c.preferWide);
        EXPECT_EQ(block.size(), c.size) << c.what;
        EXPECT_EQ(DecodeFeatureBlock(ByteView(block), kFormat40Traits), c.sets) << c.what;
    }
}

TEST(CompiledFormatTest, FeatureTextsAsEachFormatStoresThem) {
    FeatureSets_E_Source const sssc = Sets("SSSC1101110M00_", "", "____");
    EXPECT_STREQ(
        DecodeFeatureBlock(ByteView(EncodeFeatureBlock(sssc, kFormat40Traits, false)), kFormat40Traits).GetSet(0),
        "SSSC1101110M0__");
    Bytes const packed = EncodeFeatureBlock(sssc, kFormat50Traits, false);
    EXPECT_EQ(packed.size(), 4u + 15 + 4);
    EXPECT_EQ(packed[0], 0xFF);
    EXPECT_EQ(DecodeFeatureBlock(ByteView(packed), kFormat50Traits), sssc);
    // Format 5.0 also reads the old standard slots.
    Bytes const standard = EncodeFeatureBlock(Sets("a", "b", "____"), kFormat40Traits, false);
    EXPECT_EQ(DecodeFeatureBlock(ByteView(standard), kFormat50Traits), Sets("a", "b", "____"));
    EXPECT_THROW(DecodeFeatureBlock(ByteView(packed.data(), packed.size() - 1), kFormat50Traits), CorruptDictionary);
}

TEST(CompiledFormatTest, SemanticsBlockStoresOnlyItsMeasuredLength) {
    auto record = [](uint16_t flags, char const* name0, char const* name1) {
        SemanticRecord r;
        r.flags = flags;
        r.atoms[0] = 151;
        r.atoms[1] = static_cast<uint16_t>(-198);
        std::strncpy(r.names[0], name0, 12);
        std::strncpy(r.names[1], name1, 12);
        return r;
    };
    struct Case {
        char const* what;
        SemanticRecord first;
        SemanticRecord third;
        std::size_t length;
    };
    Case const cases[] = {
        {"one-slot without names", record(1, "", ""), {}, 23},
        {"one-slot with a first name", record(3, "ab", ""), {}, 35},
        {"one-slot with both names", record(1, "ab", "xyz"), {}, 38},
        {"second name fills its field", record(1, "ab", "abcdefghijkl"), {}, 46},
        {"three records", record(4, "", ""), record(4, "q", ""), 92 + 35},
    };
    for (Case const& c : cases) {
        Dict_Semantics_E_Source semantics;
        semantics.records[0] = c.first;
        semantics.records[2] = c.third;
        Bytes block = EncodeSemanticsBlock(semantics);
        EXPECT_EQ(block.size(), c.length) << c.what;
        // What follows in the file is not part of the block.
        block.insert(block.end(), 138, 0x5A);
        Dict_Semantics_E_Source const back = DecodeSemanticsBlock(ByteView(block));
        for (unsigned i = 0; i < 3; ++i) EXPECT_EQ(back.records[i], semantics.records[i]) << c.what << " record " << i;
    }
    EXPECT_TRUE(EncodeSemanticsBlock(Dict_Semantics_E_Source{}).empty());
}

TEST(CompiledFormatTest, DecodersStopAtTheEndOfTheirBytes) {
    Bytes const text{'a', 'b'};
    EXPECT_THROW(DecodeCompiledString(ByteView(text)), CorruptDictionary);
    EXPECT_EQ(DecodeCompiledString(ByteView(EncodeCompiledString("ab"))), "ab");
    EXPECT_THROW(EncodeCompiledString(std::string(256, 'x')), CorruptDictionary);
    EXPECT_THROW(DecodeTerminatedOffsetArray(ByteView(EncodeOffsetArray({5, 6}, false))), CorruptDictionary);
    EXPECT_EQ(DecodeTerminatedOffsetArray(ByteView(EncodeOffsetArray({5, 6}, true))), (std::vector<uint32_t>{5, 6}));
    Bytes const weights = EncodeDomainWeights({{DomainID{3}, 70}, {DomainID{79}, 65535}});
    EXPECT_EQ(weights.size(), 13u);
    EXPECT_EQ(DecodeDomainWeights(ByteView(weights)).back().weight, 65535);
    EXPECT_THROW(DecodeDomainWeights(ByteView(weights.data(), 12)), CorruptDictionary);
    EXPECT_THROW(EncodeDomainWeights(std::vector<DomainWeightInfoRecord>(256)), CorruptDictionary);
    EXPECT_THROW(DecodeIdiomIndex(ByteView(weights)), CorruptDictionary);
}

}  // namespace
