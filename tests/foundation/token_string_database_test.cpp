#include "engine/foundation/token_string_database.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Lengths = std::vector<unsigned long>;

// Requests in order, and the blocks and free pieces they leave.
TEST(TSDBBlockList, BlockBoundaries) {
    struct {
        char const* what;
        std::vector<unsigned long> requests;
        Lengths blocks, freePieces;
    } const cases[] = {
        {"16,383 characters and their NUL fill a block exactly", {16384}, {16384}, {}},
        {"a short text leaves the rest free", {11}, {16384}, {16373}},
        {"L - n of 2 drops the piece", {11, 16371}, {16384}, {}},
        {"L - n of 3 keeps it", {11, 16370}, {16384}, {3}},
        {"n + 2 at the block size gets a block of exactly n", {16382}, {16382}, {}},
        {"n + 3 at the block size leaves 3", {16381}, {16384}, {3}},
        {"a larger text gets a block of its own", {20000}, {20000}, {}},
        {"no piece fits: a new block, its rest at the end", {16000, 1000}, {16384, 16384}, {384, 15384}},
        {"the first piece that fits is cut", {16000, 1000, 300}, {16384, 16384}, {84, 15384}},
    };
    for (auto const& c : cases) {
        TSDBBlockList list;
        for (unsigned long n : c.requests) ASSERT_NE(list.GetPointer(n), nullptr) << c.what;
        EXPECT_EQ(list.BlockLengths(), c.blocks) << c.what;
        EXPECT_EQ(list.FreePieceLengths(), c.freePieces) << c.what;
    }
}

TEST(TSDBBlockList, PiecesAreCutFromTheStart) {
    TSDBBlockList list;
    wchar_t* const first = list.GetPointer(11);
    EXPECT_EQ(list.GetPointer(5), first + 11);
}

// Every block of 21-character texts leaves a 4-character piece; the list
// keeps only a few of them, so a scan stays short.
TEST(TSDBBlockList, KeepsOnlyAFewFreePieces) {
    TSDBBlockList list;
    for (int i = 0; i < 20000; ++i) list.GetPointer(21);
    EXPECT_GT(list.BlockLengths().size(), TSDBBlockList::kMaxFreePieces);
    EXPECT_LE(list.FreePieceLengths().size(), TSDBBlockList::kMaxFreePieces);
}

TEST(TSDBBlockList, DropsTheSmallestPieceWhenFull) {
    TSDBBlockList list;
    // Each block leaves a piece of 16384 - n; the last one is the largest.
    for (unsigned long n = 16000; n > 16000 - 10 * 100; n -= 100) list.GetPointer(n);
    Lengths const pieces = list.FreePieceLengths();
    ASSERT_EQ(pieces.size(), TSDBBlockList::kMaxFreePieces);
    EXPECT_EQ(pieces.front(), 16384ul - 15800);  // 384 and 484 were dropped
    EXPECT_EQ(pieces.back(), 16384ul - 15100);
}

class TokenStringDatabaseTest : public ::testing::Test {
protected:
    Token const fWord = MakeToken(1, 23);
    TokenStringDatabase fStrings;
};

TEST_F(TokenStringDatabaseTest, StoresTextsBySerial) {
    fStrings.Insert(fWord, L"walk");
    std::wstring text;
    ASSERT_TRUE(fStrings.Find(MakeToken(1, 21), &text)) << "the type plays no part";
    EXPECT_EQ(text, L"walk");

    unsigned long length = 0;
    ASSERT_TRUE(fStrings.FindLength(fWord, &length));
    EXPECT_EQ(length, 4u);

    bool equal = false;
    EXPECT_TRUE(fStrings.FindMatching(fWord, L"walk", &equal));
    EXPECT_TRUE(equal);
    EXPECT_TRUE(fStrings.FindMatching(fWord, L"walks", &equal));
    EXPECT_FALSE(equal);
    EXPECT_TRUE(fStrings.FindMatching(fWord, L"wal", nullptr));

    Token const other = MakeToken(2, 23);
    wchar_t const* pointer = L"unchanged";
    EXPECT_FALSE(fStrings.Find(other, &pointer));
    EXPECT_EQ(pointer, nullptr);
    EXPECT_FALSE(fStrings.Find(other, &text));
    EXPECT_FALSE(fStrings.FindLength(other, &length));
    EXPECT_FALSE(fStrings.FindMatching(other, L"walk", &equal));
}

TEST_F(TokenStringDatabaseTest, KeepsLengthsAndEmptyTexts) {
    fStrings.Insert(fWord, L"a\0b", 3);
    std::wstring text;
    ASSERT_TRUE(fStrings.Find(fWord, &text));
    EXPECT_EQ(text, std::wstring(L"a\0b", 3));

    fStrings.Insert(fWord, std::wstring());
    wchar_t const* pointer = nullptr;
    ASSERT_TRUE(fStrings.Find(fWord, &pointer));
    EXPECT_EQ(pointer[0], 0);
    fStrings.Insert(fWord, nullptr);
    EXPECT_TRUE(fStrings.Find(fWord, &text));
    EXPECT_TRUE(text.empty());
}

TEST_F(TokenStringDatabaseTest, RefusesOverlongAndNullTexts) {
    fStrings.Insert(fWord, L"kept");
    wchar_t const dummy[1] = {L'x'};
    EXPECT_THROW(fStrings.Insert(fWord, dummy, TokenStringDatabase::kMaxTextLength + 1), std::length_error);
    EXPECT_THROW(fStrings.Insert(fWord, nullptr, 3), std::invalid_argument);
    std::wstring text;
    ASSERT_TRUE(fStrings.Find(fWord, &text));
    EXPECT_EQ(text, L"kept");
}

// Run under AddressSanitizer: a pointer into freed or reused storage would be
// reported, a reused piece would change the text.
TEST_F(TokenStringDatabaseTest, FoundPointersOutliveReplaceEraseAndMoreInserts) {
    Token const erased = MakeToken(2, 23);
    fStrings.Insert(fWord, L"first");
    fStrings.Insert(erased, L"gone");
    wchar_t const* first = nullptr;
    wchar_t const* gone = nullptr;
    ASSERT_TRUE(fStrings.Find(fWord, &first));
    ASSERT_TRUE(fStrings.Find(erased, &gone));

    fStrings.Insert(fWord, L"second");
    wchar_t const* second = nullptr;
    ASSERT_TRUE(fStrings.Find(fWord, &second));
    fStrings.Insert(fWord, L"third");
    fStrings.Erase(TokenSerialOf(erased));
    wchar_t const* probe = nullptr;
    EXPECT_FALSE(fStrings.Find(erased, &probe));

    std::wstring const filler(20, L'z');
    for (uint32_t serial = 10; serial < 10010; ++serial) fStrings.Insert(MakeToken(serial, 23), filler);

    EXPECT_EQ(std::wstring(first), L"first");
    EXPECT_EQ(std::wstring(second), L"second");
    EXPECT_EQ(std::wstring(gone), L"gone");
    std::wstring newest;
    ASSERT_TRUE(fStrings.Find(fWord, &newest));
    EXPECT_EQ(newest, L"third");
}

// Serials far beyond those used so far, and the texts stored under them
// before the nearer serials catch up with them.
TEST_F(TokenStringDatabaseTest, KeepsFarAndLaterReachedSerials) {
    uint32_t const far[] = {kMaxTokenSerial, 5000, 100000};
    for (uint32_t serial : far) fStrings.Insert(MakeToken(serial, 23), std::to_wstring(serial));
    for (uint32_t serial = 1; serial <= 20000; ++serial)
        if (serial != 5000) fStrings.Insert(MakeToken(serial, 23), L"near");

    for (uint32_t serial : far) {
        std::wstring text;
        ASSERT_TRUE(fStrings.Find(MakeToken(serial, 23), &text)) << serial;
        EXPECT_EQ(text, std::to_wstring(serial));
    }
    for (uint32_t serial : far) {
        fStrings.Erase(serial);
        wchar_t const* pointer = nullptr;
        EXPECT_FALSE(fStrings.Find(MakeToken(serial, 23), &pointer)) << serial;
    }
    fStrings.Erase(0xFFFFFFFFu);
    std::wstring text;
    ASSERT_TRUE(fStrings.Find(MakeToken(4999, 23), &text));
    EXPECT_EQ(text, L"near");
    EXPECT_FALSE(fStrings.Find(MakeToken(20001, 23), &text));
}

}  // namespace
