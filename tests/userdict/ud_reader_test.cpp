// Reading whole dictionary files: opening, map, index and entries, through
// the inspection that the tool and the fuzz target use.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "engine/foundation/file_errors.h"
#include "engine/userdict/ud_file_basics.h"
#include "engine/userdict/ud_inspect.h"
#include "userdict/ud_fixture.h"

namespace {

using Bytes = std::vector<unsigned char>;

// Four entries in three groups, one free block:
//   1 "apple pie" (head) + 2   3 "apple pies" (head) + 4   5 "U.S. Army"   6 free
//   7 "don't"
struct SampleDictionary {
    UDFixture fixture;
    uint32_t apple, apples, army, freeBlock, dont;

    SampleDictionary() {
        std::string const longTranslation(60, 't');
        auto const nouns = fixture.AddGroup({MakeEntry("apple pie", UDPOS_N_SING, longTranslation),
                                             MakeEntry("apple pies", UDPOS_N_PLURAL, longTranslation)});
        apple = nouns[0];
        apples = nouns[1];
        army = fixture.AddGroup({MakeEntry("U.S. Army")})[0];
        freeBlock = fixture.AddFreeBlock();
        dont = fixture.AddGroup({MakeEntry("don't", UDPOS_CONJ)})[0];
    }

    uint64_t HeadWord(uint32_t block, uint32_t word) const { return fixture.BlockOffset(block) + 4 * word; }
    uint32_t ContinuationOf(uint32_t head) { return fixture.Block(head).link; }

    // The file with its index replaced by one changed by `change`.
    Bytes WithIndex(std::function<void(UDFirstwordIndex&)> const& change) const {
        Bytes bytes = fixture.Bytes();
        UDFirstwordIndex index = fixture.Index();
        change(index);
        bytes.resize(fixture.IndexOffset());
        Bytes const image = EncodeUDIndexImage(index, fixture.IndexOffset());
        bytes.insert(bytes.end(), image.begin(), image.end());
        return bytes;
    }
};

// Sets the map's or the index's checksum right after a change.
void ResealMap(Bytes* bytes, SampleDictionary const& d) {
    uint64_t const at = d.fixture.MapOffset();
    auto const size = static_cast<std::size_t>(UDMapImageSize(d.fixture.BlockCount()));
    PutUlong(bytes, at, UDByteSum(bytes->data() + at + 4, size - 4));
}
void ResealIndex(Bytes* bytes, SampleDictionary const& d) {
    uint64_t const at = d.fixture.IndexOffset();
    PutUlong(bytes, at, UDByteSum(bytes->data() + at + 4, bytes->size() - at - 4));
}

fword_t& RecordOf(UDFirstwordIndex& index, char const* word) {
    fword_t* record = index.FindFword(word);
    if (record == nullptr) throw std::logic_error(std::string("no record ") + word);
    return *record;
}

TEST(UDReader, TheSampleDictionaryVerifies) {
    SampleDictionary d;
    MemoryFile file(d.fixture.Bytes());
    UDInspection const r = InspectUDFile(file.Fd());
    for (std::string const& problem : r.problems) ADD_FAILURE() << problem;
    EXPECT_TRUE(r.Verified());
    EXPECT_EQ(r.basics.blockCount, 8u);
    EXPECT_EQ(r.headBlocks, 4u);
    EXPECT_EQ(r.continuationBlocks, 2u);
    EXPECT_EQ(r.freeBlocks, 1u);
    EXPECT_EQ(r.groups, 3u);
    EXPECT_EQ(r.indexedWords, 3u);  // APPLE, U.S, DON
    EXPECT_EQ(r.indexedEntries, 4u);
}

TEST(UDReader, OpeningAFileWithoutTheMagicThrowsNotAUserDictionaryFile) {
    for (Bytes const& bytes : {Bytes{}, Bytes{0x2F, 0xAD, 0x08}, Bytes{0x2F, 0xAD, 0x08, 0x07, 0, 0, 0, 0}}) {
        MemoryFile file(bytes);
        UDFileBasics basics;
        try {
            ReadUDFileBasics(file.Fd(), &basics);
            ADD_FAILURE() << bytes.size() << " bytes opened";
        } catch (NotAUserDictionaryFile const& e) {
            EXPECT_STREQ(e.Message(), "hi mom");
        }
    }
}

// What reading a damaged file must come to, part by part.
struct Outcome {
    UDFileState state;
    unsigned short openCode = kUDNoError;
    unsigned short mapCode = kUDNoError;
    unsigned short indexCode = kUDNoError;
    unsigned short blocksCode = kUDNoError;
};

constexpr Outcome kEmptyFile{UDFileState::kEmpty};
constexpr Outcome kNotADictionary{UDFileState::kNotAUserDictionary};
constexpr Outcome kUnopenable202{UDFileState::kUnopenable, kUDFileCorrupt};
constexpr Outcome kWrongVersion{UDFileState::kUnopenable, kUDWrongVersion};
constexpr Outcome kMapInvalid{UDFileState::kOpened, kUDNoError, kUDMapOrIndexInvalid};
constexpr Outcome kIndexInvalid{UDFileState::kOpened, kUDNoError, kUDNoError, kUDMapOrIndexInvalid};
constexpr Outcome kBothInvalid{UDFileState::kOpened, kUDNoError, kUDMapOrIndexInvalid, kUDMapOrIndexInvalid};
constexpr Outcome kBlocksCorrupt{UDFileState::kOpened, kUDNoError, kUDNoError, kUDNoError, kUDFileCorrupt};

TEST(UDReader, EachDamageHasItsExactOutcome) {
    SampleDictionary d;
    Bytes const sound = d.fixture.Bytes();
    uint32_t const count = d.fixture.BlockCount();
    uint32_t const map = d.fixture.MapOffset();
    uint32_t const index = d.fixture.IndexOffset();
    auto changed = [&](std::function<void(Bytes*)> const& change) {
        Bytes bytes = sound;
        change(&bytes);
        return bytes;
    };
    auto cut = [&](std::size_t size) { return Bytes(sound.begin(), sound.begin() + static_cast<long>(size)); };

    struct Case {
        char const* what;
        Bytes bytes;
        Outcome outcome;
    };
    Case const cases[] = {
        {"0 bytes: to be created", {}, kEmptyFile},
        {"3 bytes", cut(3), kNotADictionary},
        {"wrong magic", changed([](Bytes* b) { (*b)[3] = 0x07; }), kNotADictionary},
        {"23 bytes with the magic", cut(23), kUnopenable202},
        {"27 bytes: no whole version word", cut(27), kUnopenable202},
        {"version 3", changed([](Bytes* b) { PutUlong(b, 24, 3); }), kWrongVersion},
        {"version 3 in a short file",
         [&] {
             Bytes b = cut(100);
             PutUlong(&b, 24, 3);
             return b;
         }(),
         kWrongVersion},
        {"header cut", cut(200), kUnopenable202},
        {"description past the end", changed([&](Bytes* b) { PutUlong(b, 4, static_cast<uint32_t>(b->size() - 255)); }),
         kUnopenable202},
        {"block area past the end", changed([&](Bytes* b) { PutUlong(b, 8, static_cast<uint32_t>(b->size() - 3)); }),
         kUnopenable202},
        {"block count 0", changed([](Bytes* b) { PutUlong(b, 512, 0); }), kUnopenable202},
        {"huge block count", changed([](Bytes* b) { PutUlong(b, 512, 0xFFFFFFFF); }), kUnopenable202},
        {"blocks cut", cut(static_cast<std::size_t>(d.fixture.BlockOffset(count)) - 1), kUnopenable202},
        {"no map and no index on disk", changed([](Bytes* b) {
             PutUlong(b, 12, 0);
             PutUlong(b, 16, 0);
         }),
         kBothInvalid},
        {"wrong map checksum", changed([&](Bytes* b) { (*b)[map + 3] ^= 1; }), kMapInvalid},
        {"map count differs", changed([&](Bytes* b) {
             PutUlong(b, map + 4, count + 1);
             ResealMap(b, d);
         }),
         kMapInvalid},
        {"map offset past the end", changed([](Bytes* b) { PutUlong(b, 12, 0xFFFFFFF0); }), kMapInvalid},
        {"wrong index checksum", changed([&](Bytes* b) { (*b)[index + 3] ^= 1; }), kIndexInvalid},
        {"huge bucket count", changed([&](Bytes* b) { PutUlong(b, index + 4, 0xFFFFFFFF); }), kIndexInvalid},
        {"decreasing table", changed([&](Bytes* b) {
             PutUlong(b, index + 12, GetUlong(*b, index + 8 + 4 * kUDBucketCount));  // bucket 1 starts at the end
             ResealIndex(b, d);
         }),
         kIndexInvalid},
        {"index cut", cut(sound.size() - 1), kIndexInvalid},
        {"index ID out of range", d.WithIndex([&](UDFirstwordIndex& i) { RecordOf(i, "DON").ids = {count}; }),
         kIndexInvalid},
        {"duplicate ID", d.WithIndex([&](UDFirstwordIndex& i) {
             RecordOf(i, "DON").ids = {d.dont, d.dont};
         }),
         kIndexInvalid},
        {"link out of range", changed([&](Bytes* b) { PutUlong(b, d.HeadWord(d.apple, 1), count); }), kBlocksCorrupt},
        {"previous ID out of range", changed([&](Bytes* b) { PutUlong(b, d.HeadWord(d.apples, 4), 0xFFFF); }),
         kBlocksCorrupt},
        {"cycle in a chain", changed([&](Bytes* b) {
             uint32_t const continuation = d.ContinuationOf(d.apple);
             PutUlong(b, d.HeadWord(continuation, 1), continuation);
         }),
         kBlocksCorrupt},
        {"block of kind 5", changed([&](Bytes* b) { PutUlong(b, d.HeadWord(d.freeBlock, 0), 5); }), kBlocksCorrupt},
        {"chain into a free block", changed([&](Bytes* b) { PutUlong(b, d.HeadWord(d.apple, 1), d.freeBlock); }),
         kBlocksCorrupt},
    };
    for (Case const& c : cases) {
        MemoryFile file(c.bytes);
        UDInspection const r = InspectUDFile(file.Fd());
        EXPECT_EQ(r.state, c.outcome.state) << c.what;
        EXPECT_EQ(r.openCode, c.outcome.openCode) << c.what;
        EXPECT_EQ(r.mapCode, c.outcome.mapCode) << c.what;
        EXPECT_EQ(r.indexCode, c.outcome.indexCode) << c.what;
        EXPECT_EQ(r.blocksCode, c.outcome.blocksCode) << c.what;
        EXPECT_FALSE(r.Verified()) << c.what;
    }
}

// Overwrites the first `from` within the 64 bytes of the block at `at`.
void ReplaceInBlock(Bytes* bytes, uint64_t at, std::string const& from, std::string const& to) {
    auto const begin = bytes->begin() + static_cast<std::ptrdiff_t>(at);
    auto const found = std::search(begin, begin + 64, from.begin(), from.end());
    if (found == begin + 64) throw std::logic_error("not in the block: " + from);
    std::copy(to.begin(), to.end(), found);
}

TEST(UDReader, DisagreementsBetweenSoundPartsFailVerification) {
    SampleDictionary d;
    Bytes const sound = d.fixture.Bytes();
    auto changed = [&](std::function<void(Bytes*)> const& change) {
        Bytes bytes = sound;
        change(&bytes);
        return bytes;
    };
    auto mapBit = [&](Bytes* b, uint32_t block, bool isFree) {
        unsigned char& byte = (*b)[d.fixture.MapOffset() + 8 + block / 8];
        byte = static_cast<unsigned char>(isFree ? byte | (1u << (block % 8)) : byte & ~(1u << (block % 8)));
        ResealMap(b, d);
    };
    struct Case {
        char const* what;
        Bytes bytes;
        std::string problem;  // part of the one expected finding
    };
    Case const cases[] = {
        {"index lists a free block",
         d.WithIndex([&](UDFirstwordIndex& i) { RecordOf(i, "U.S").ids.push_back(d.freeBlock); }),
         "which is not an entry"},
        {"entry missing from the index", d.WithIndex([&](UDFirstwordIndex& i) { i.EraseRecord(i.Find("DON")); }),
         "entry 7 is not listed"},
        {"entry under another word", d.WithIndex([&](UDFirstwordIndex& i) {
             i.EraseRecord(i.Find("DON"));
             RecordOf(i, "U.S").ids.push_back(d.dont);
         }),
         "whose first word is \"DON\""},
        {"IDs out of entry order", d.WithIndex([&](UDFirstwordIndex& i) {
             RecordOf(i, "APPLE").ids = {d.apples, d.apple};
         }),
         "out of entry order"},
        {"map calls an entry's block free", changed([&](Bytes* b) { mapBit(b, d.ContinuationOf(d.apples), true); }),
         "in use but marked free"},
        {"map calls a free block used", changed([&](Bytes* b) { mapBit(b, d.freeBlock, false); }),
         "free but marked in use"},
        {"header group count", changed([](Bytes* b) { PutUlong(b, 20, 4); }), "the header counts 4 groups"},
        {"group chain broken", changed([&](Bytes* b) { PutUlong(b, d.HeadWord(d.apple, 5), d.army); }),
         "does not point back"},
        {"continuation of two entries",
         changed([&](Bytes* b) { PutUlong(b, d.HeadWord(d.army, 1), d.ContinuationOf(d.apple)); }),
         "continuation of entries"},
        {"continuation of no entry", changed([&](Bytes* b) {
             PutUlong(b, d.HeadWord(d.freeBlock, 0), kUDContinuationBlock);
             mapBit(b, d.freeBlock, false);
         }),
         "continuation of no entry"},
        {"a form of another kind of group",
         changed([&](Bytes* b) { ReplaceInBlock(b, d.fixture.BlockOffset(d.apple), "N_SING", "V_PAST"); }),
         "is not of the group's kind"},
        {"translations differing within a group",
         changed([&](Bytes* b) { ReplaceInBlock(b, d.fixture.BlockOffset(d.ContinuationOf(d.apples)), "t", "u"); }),
         "its translation differs"},
        {"header word 28", changed([](Bytes* b) { PutUlong(b, 28, 0); }), "word 28 is not 1"},
        {"header word 32", changed([](Bytes* b) { PutUlong(b, 32, 5); }), "word 32 is not 0"},
        {"header reserved byte", changed([](Bytes* b) { (*b)[200] = 1; }), "byte 200 is not 0"},
        {"description offset 0", changed([](Bytes* b) { PutUlong(b, 4, 0); }), "overlaps the header"},
        {"group without a leader", changed([&](Bytes* b) {
             PutUlong(b, d.HeadWord(d.dont, 4), d.dont);
             PutUlong(b, d.HeadWord(d.dont, 5), d.dont);
             PutUlong(b, 20, 2);
         }),
         "no group leader"},
    };
    for (Case const& c : cases) {
        MemoryFile file(c.bytes);
        UDInspection const r = InspectUDFile(file.Fd());
        EXPECT_EQ(r.state, UDFileState::kOpened) << c.what;
        EXPECT_EQ(r.mapCode, kUDNoError) << c.what;
        EXPECT_EQ(r.indexCode, kUDNoError) << c.what;
        EXPECT_EQ(r.blocksCode, kUDNoError) << c.what;
        EXPECT_FALSE(r.Verified()) << c.what;
        bool found = false;
        for (std::string const& problem : r.problems) found = found || problem.find(c.problem) != std::string::npos;
        EXPECT_TRUE(found) << c.what << ": no finding with \"" << c.problem << "\"";
    }
}

}  // namespace
