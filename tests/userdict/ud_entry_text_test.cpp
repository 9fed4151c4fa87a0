#include "engine/userdict/ud_entry_text.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "userdict/ud_fixture.h"

namespace {

// Besides the English, MakeEntry's strings take 15 bytes with their NULs:
// "N_SING" 7, a two-byte translation 3, "" 1, "N" 2, "" 1, the seventh "" 1.
constexpr std::size_t kOtherStringBytes = 15;
std::size_t EnglishLengthForText(std::size_t textBytes) { return textBytes - kOtherStringBytes - 1; }

TEST(UDEntryText, TakesANewBlockOnlyWhenTextRemains) {
    struct Case {
        std::size_t textBytes;
        std::size_t continuations;
    };
    Case const cases[] = {{17, 0}, {32, 0}, {33, 1}, {88, 1}, {89, 2}, {144, 2}, {145, 3}};
    for (Case const& c : cases) {
        UDEntryStrings const entry = MakeEntry(std::string(EnglishLengthForText(c.textBytes), 'a'));
        UDEntryText const text = LayOutUDEntryText(entry);
        EXPECT_EQ(text.continuations.size(), c.continuations) << c.textBytes << " bytes";
    }
}

TEST(UDEntryText, FillsTheAreasInOrderAndZerosTheRest) {
    UDEntryText const text = LayOutUDEntryText(MakeEntry("ab", "ADJ", "J", "K", "NY", "wo"));
    std::string const expected("ab\0ADJ\0J\0K\0NY\0wo\0\0", 19);
    EXPECT_EQ(std::string(text.head.begin(), text.head.begin() + 19), expected);
    for (std::size_t i = 19; i < kUDHeadTextSize; ++i) EXPECT_EQ(text.head[i], 0) << i;
}

TEST(UDEntryText, ANulMayOpenAContinuation) {
    // 32 bytes of English fill the head; its NUL is the next block's first byte.
    UDEntryStrings const entry = MakeEntry(std::string(32, 'e'));
    UDEntryText const text = LayOutUDEntryText(entry);
    ASSERT_EQ(text.continuations.size(), 1u);
    EXPECT_EQ(text.continuations[0][0], '\0');
    EXPECT_EQ(text.continuations[0][1], 'N');

    UDFixture fixture;
    uint32_t const id = fixture.AddGroup({entry})[0];
    FixtureBlockSource source(fixture);
    UDEntryStrings read;
    ASSERT_EQ(ReadUDEntryText(source, fixture.Block(id), &read), kUDNoError);
    EXPECT_EQ(read.english, entry.english);
    EXPECT_EQ(read.pos, entry.pos);
}

TEST(UDEntryText, ReadsBackWhatWasLaidOut) {
    UDEntryStrings const entries[] = {
        MakeEntry("a"),
        MakeEntry(std::string(16, 'a')),  // exactly one block
        MakeEntry(std::string(17, 'a')),  // the seventh NUL opens a continuation
        MakeEntry("take off", UDPOS_VT_INF, "\x97\xa3\x97\xa4\x82\xb7\x82\xe9", "\x82\xb5\x82\xbd", "PY", "wo"),
        MakeEntry(std::string(kUDEnglishLimit, 'e'), std::string(kUDPOSStringLimit, 'p'),
                  std::string(kUDTranslationLimit, 't'), std::string(kUDAnswerLimit, 'a'), "AY",
                  std::string(kUDParticleLimit, 'r')),
    };
    UDFixture fixture;
    for (UDEntryStrings const& entry : entries) {
        uint32_t const id = fixture.AddGroup({entry})[0];
        FixtureBlockSource source(fixture);
        UDEntryStrings read;
        ASSERT_EQ(ReadUDEntryText(source, fixture.Block(id), &read), kUDNoError) << entry.english;
        EXPECT_EQ(read.english, entry.english);
        EXPECT_EQ(read.pos, entry.pos);
        EXPECT_EQ(read.translation, entry.translation);
        EXPECT_EQ(read.answer, entry.answer);
        EXPECT_EQ(read.flags, entry.flags);
        EXPECT_EQ(read.particle, entry.particle);
        std::vector<uint32_t> chain;
        ASSERT_EQ(WalkUDEntryChain(source, fixture.Block(id), &chain), kUDNoError);
        EXPECT_EQ(chain.size(), LayOutUDEntryText(entry).continuations.size());
    }
}

TEST(UDEntryText, ReadAndWalkRefuseBrokenEntries) {
    // Entry 1 spans blocks 1 (head), 2 and 3; entry 4 fits in one block; block
    // 5 is free.
    auto longEntry = MakeEntry(std::string(100, 'a'));
    struct Case {
        char const* what;
        std::function<void(UDFixture&)> damage;
        unsigned short readCode;
        unsigned short walkCode;
    };
    Case const cases[] = {
        {"sound", [](UDFixture&) {}, kUDNoError, kUDNoError},
        {"head is no head", [](UDFixture& f) { f.Block(1).kind = kUDContinuationBlock; }, kUDFileCorrupt,
         kUDFileCorrupt},
        {"text runs into link 0", [](UDFixture& f) { f.Block(2).link = 0; }, kUDFileCorrupt, kUDNoError},
        {"link to a free block", [](UDFixture& f) { f.Block(1).link = 5; }, kUDFileCorrupt, kUDFileCorrupt},
        {"link to a head", [](UDFixture& f) { f.Block(2).link = 4; }, kUDFileCorrupt, kUDFileCorrupt},
        {"link past the end", [](UDFixture& f) { f.Block(2).link = 99; }, kUDFileCorrupt, kUDFileCorrupt},
        {"cycle back to the head", [](UDFixture& f) { f.Block(3).link = 1; }, kUDNoError, kUDFileCorrupt},
        {"cycle among continuations", [](UDFixture& f) { f.Block(3).link = 2; }, kUDNoError, kUDFileCorrupt},
        {"cycle inside the text",
         [](UDFixture& f) {
             std::fill(std::begin(f.Block(2).text), std::end(f.Block(2).text), 'x');
             f.Block(2).link = 2;
         },
         kUDFileCorrupt, kUDFileCorrupt},
    };
    for (Case const& c : cases) {
        UDFixture fixture;
        fixture.AddGroup({longEntry});
        fixture.AddGroup({MakeEntry("b")});
        fixture.AddFreeBlock();
        ASSERT_EQ(fixture.BlockCount(), 6u);
        c.damage(fixture);
        FixtureBlockSource source(fixture);
        UDEntryStrings read;
        EXPECT_EQ(ReadUDEntryText(source, fixture.Block(1), &read), c.readCode) << c.what;
        std::vector<uint32_t> chain;
        EXPECT_EQ(WalkUDEntryChain(source, fixture.Block(1), &chain), c.walkCode) << c.what;
    }
}

TEST(UDEntryText, EachStringIsHeldToItsFieldLimit) {
    // One byte over the limit in each of the six fields in turn.
    std::string UDEntryStrings::*const fields[] = {&UDEntryStrings::english,     &UDEntryStrings::pos,
                                                   &UDEntryStrings::translation, &UDEntryStrings::answer,
                                                   &UDEntryStrings::flags,       &UDEntryStrings::particle};
    std::size_t const limits[] = {kUDEnglishLimit, kUDPOSStringLimit, kUDTranslationLimit,
                                  kUDAnswerLimit,  kUDFlagsLimit,     kUDParticleLimit};
    for (std::size_t i = 0; i < std::size(fields); ++i) {
        for (std::size_t length : {limits[i], limits[i] + 1}) {
            UDEntryStrings entry = MakeEntry("x");
            entry.*fields[i] = std::string(length, 'z');
            UDFixture fixture;
            uint32_t const id = fixture.AddGroup({entry})[0];
            FixtureBlockSource source(fixture);
            UDEntryStrings read;
            EXPECT_EQ(ReadUDEntryText(source, fixture.Block(id), &read),
                      length > limits[i] ? kUDFileCorrupt : kUDNoError)
                << "field " << i << ", " << length << " bytes";
        }
    }
}

}  // namespace
