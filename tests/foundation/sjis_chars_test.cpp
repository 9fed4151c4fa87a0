#include "engine/foundation/sjis_chars.h"

#include <gtest/gtest.h>

#include "foundation/exact_text.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <string>

namespace {

// Offset of a found position, -1 for null.
long OffsetIn(char const* s, char const* found) { return found != nullptr ? found - s : -1; }

TEST(SjisCharsTest, ByteClassesFollowTheirRangeBounds) {
    struct Case {
        unsigned char byte;
        bool lead;
        bool trail;
    } const cases[] = {
        {0x3F, false, false}, {0x40, false, true},  {0x7E, false, true},  {0x7F, false, false}, {0x80, false, true},
        {0x81, true, true},   {0x9F, true, true},   {0xA0, false, true},  {0xDF, false, true},  {0xE0, true, true},
        {0xFC, true, true},   {0xFD, false, false}, {0xFF, false, false}, {0x00, false, false},
    };
    for (auto const& c : cases) {
        EXPECT_EQ(IsSJISLeadByte(c.byte), c.lead) << std::hex << int{c.byte};
        EXPECT_EQ(IsSJISTrailByte(c.byte), c.trail) << std::hex << int{c.byte};
    }
}

TEST(SjisCharsTest, LoneLeadByteAtTheEndIsOneCharacter) {
    struct Case {
        std::string text;
        std::size_t terminatedSize;  // SJISCharSize(p)
        std::size_t rangeSize;       // SJISCharSize(p, end) over the bytes alone
    } const cases[] = {
        {"\x82\xA0", 2, 2}, {"\x82", 1, 1}, {"a", 1, 1}, {"\x82\x20", 2, 2},  // the walk does not judge the trail byte
    };
    for (auto const& c : cases) {
        ExactText terminated(c.text);
        ExactText range(c.text, false);
        EXPECT_EQ(SJISCharSize(terminated.begin()), c.terminatedSize) << c.text;
        EXPECT_EQ(SJISCharSize(range.begin(), range.end()), c.rangeSize) << c.text;
    }
    ExactText empty("");
    EXPECT_EQ(SJISCharSize(empty.begin()), 0u);
}

TEST(SjisCharsTest, ForwardSearchMatchesAtAnyByte) {
    struct Case {
        std::string text, needle;
        long offset;
    } const cases[] = {
        {"abcabc", "bc", 1},  {"abc", "x", -1}, {"abc", "", 3},  // empty needle: the terminating NUL
        {"\x82\x41", "A", 1},                                    // plain bytes: a trail byte matches
        {"a\x82", "\x82", 1},
    };
    for (auto const& c : cases) {
        ExactText text(c.text);
        EXPECT_EQ(OffsetIn(text.begin(), DBCSstrchr(text.begin(), c.needle.c_str())), c.offset) << c.text;
        if (c.needle.size() == 1) {
            EXPECT_EQ(OffsetIn(text.begin(), DBCSstrchr(text.begin(), c.needle[0])), c.offset) << c.text;
        }
    }
}

TEST(SjisCharsTest, BackwardSearchNeverStepsPastTheEnd) {
    struct Case {
        std::string text, needle;
        long offset;
    } const cases[] = {
        {"abcabc", "bc", 4},
        {"abc", "x", -1},
        {"abc", "", 3},
        {"x\x81", "\x81", 1},         // match on a lone lead byte just before the NUL
        {"\x81\x81\x81", "\x81", 2},  // pair, then a lone lead byte
        {"\x82\xA0\x82\xA0", "\x82\xA0", 2},
    };
    for (auto const& c : cases) {
        ExactText text(c.text);
        EXPECT_EQ(OffsetIn(text.begin(), DBCSstrrchr(text.begin(), c.needle.c_str())), c.offset) << c.text;
        if (c.needle.size() == 1) {
            EXPECT_EQ(OffsetIn(text.begin(), DBCSstrrchr(text.begin(), c.needle[0])), c.offset) << c.text;
        }
    }
}

TEST(SjisCharsTest, CharacterSearchSkipsTrailBytes) {
    struct Case {
        std::string text, wanted;
        long offset;
    } const cases[] = {
        {"\x82\x41"
         "A",
         "A", 2},  // the trail byte 0x41 is not an "A"
        {"\x82\x41", "\x82\x41", 0},
        {"ab", "", -1},
        {"ab", "c", -1},
        {"x\x82", "\x82", 1},  // lone lead byte: one byte, end of the walk
        {"a\x82", "\x82\x41", -1},
        {"\x82\xA0"
         "b",
         "bcd", 2},  // only the first character of the needle counts
    };
    for (auto const& c : cases) {
        ExactText text(c.text);
        ExactText wanted(c.wanted);
        EXPECT_EQ(OffsetIn(text.begin(), MyDBCSstrchr(text.begin(), wanted.begin())), c.offset) << c.text;
    }
}

TEST(SjisCharsTest, ClassifiesSpacesAndDigitsByTheirFirstCharacter) {
    struct Case {
        std::string text;
        int jOrESpace;
        bool dbcsSpace;
        bool dbcsDigit;
    } const cases[] = {
        {"\x81\x40", 2, true, false},
        {"\x81\x40\x80", 2, true, false},  // what follows does not matter, valid or not
        {" x", 1, false, false},
        {"\tx", 1, false, false},
        {"\xA0", 0, false, false},  // high bytes are never white space
        {"\x81", 0, false, false},
        {"", 0, false, false},
        {"\x82\x4F", 0, false, true},
        {"\x82\x58"
         "x",
         0, false, true},
        {"\x82\x4E", 0, false, false},
        {"\x82\x59", 0, false, false},
        {"\x82", 0, false, false},
    };
    for (auto const& c : cases) {
        ExactText text(c.text);
        EXPECT_EQ(ISJorESpace(text.begin()), c.jOrESpace) << c.text;
        EXPECT_EQ(IsDBCSSpace(text.begin()), c.dbcsSpace) << c.text;
        EXPECT_EQ(IsDBCSDigit(text.begin()), c.dbcsDigit) << c.text;
    }
}

TEST(SjisCharsTest, AllWhiteAcceptsOnlyWhiteCharacters) {
    struct Case {
        std::string text;
        bool white;
    } const cases[] = {
        {"", true},          {" \t\r\n", true}, {"\x81\x40 \x81\x40", true}, {" \x81", false},  // lone lead byte
        {"\x81\x41", false}, {" a ", false},
    };
    for (auto const& c : cases) {
        ExactText text(c.text);
        EXPECT_EQ(AllWhite(text.begin()), c.white) << c.text;
    }
}

TEST(SjisCharsTest, FindsTheFirstInvalidCharacterOfARange) {
    struct Case {
        std::string bytes;
        long offset;       // of the first invalid character; the size when none
        bool validString;  // IsValidDBCSStr, which sees the text up to its first NUL
    } const cases[] = {
        {"abc", 3, true},
        {"\x81\x40"
         "a",
         3, true},
        {"a\x81", 1, false},  // trail byte missing: lead byte last in the range
        {"\x81\x7F", 0, false},
        {"\x81\xFD", 0, false},
        {"\x82\xA0\x82\x20", 2, false},
        {std::string("a\0b", 3), 1, true},
        {"", 0, true},
    };
    for (auto const& c : cases) {
        ExactText range(c.bytes, false);
        EXPECT_EQ(FindNextInvalidChar(range.begin(), range.end()) - range.begin(), c.offset) << c.bytes;
        ExactText text(c.bytes);
        EXPECT_EQ(IsValidDBCSStr(text.begin()), c.validString) << c.bytes;
    }
}

TEST(SjisCharsTest, RepairLeavesAValidRangeOfTheSameSize) {
    struct Case {
        std::string bytes, repaired;
    } const cases[] = {
        {"\x81\x20x", "\x81\xA1x"},                // invalid trail byte: "■" in place
        {std::string("a\0b", 3), "a#b"},           // embedded NUL: "#"
        {"ab\x81", "ab#"},                         // lone lead byte: no room for a pair
        {"\x82\xA0\x81\x40", "\x82\xA0\x81\x40"},  // valid text stays
        {"\x81\x7F\x81", "\x81\xA1#"},
        {std::string("\x81\0z", 3), "\x81\xA1z"},  // a NUL trail byte is an invalid trail byte
    };
    for (auto const& c : cases) {
        ExactText range(c.bytes, false);
        FixAllInvalidChars(range.begin(), range.end());
        EXPECT_EQ(range.str(), c.repaired) << c.bytes;
        EXPECT_EQ(FindNextInvalidChar(range.begin(), range.end()), range.end()) << c.bytes;
    }
}

TEST(SjisCharsTest, RepairOfOneCharacterReturnsThePositionAfterIt) {
    struct Case {
        std::string bytes;
        long next;
    } const cases[] = {
        {"\x81\x40", 2}, {"\x81\x20", 2}, {std::string("\0", 1), 1}, {"\x81", 1}, {"a", 1},
    };
    for (auto const& c : cases) {
        ExactText range(c.bytes, false);
        EXPECT_EQ(FixInvalidChar(range.begin(), range.end()) - range.begin(), c.next) << c.bytes;
    }
}

TEST(SjisCharsTest, CharsToBytesStopsAtTheEnd) {
    struct Case {
        std::string text;
        unsigned long chars, bytes;
    } const cases[] = {
        {"\x82\xA0"
         "ab",
         2, 3},
        {"ab", 5, 2},
        {"a\x82", 2, 2},  // lone lead byte counts one byte
        {"", 3, 0},
        {"abc", 0, 0},
    };
    for (auto const& c : cases) {
        ExactText text(c.text);
        unsigned long bytes = 99;
        CharsToBytes(&bytes, text.begin(), c.chars);
        EXPECT_EQ(bytes, c.bytes) << c.text;
    }
}

TEST(SjisCharsTest, BytesToCharsCountsAndChecksTheLength) {
    struct Case {
        std::string bytes;  // held with a NUL after them
        unsigned long nBytes;
        bool exact;
        unsigned long chars;
    } const cases[] = {
        {"\x82\xA0", 1, false, 1},  // the pair runs past nBytes, and is counted
        {"\x82\xA0"
         "a",
         3, true, 2},
        {"\x81\x20", 2, true, 1},  // a lead byte takes two bytes whatever follows
        {std::string("a\0b", 3), 3, false, 1},
        {"\x81", 4, false, 1},  // lead byte then NUL: the walk stops there
        {"ab", 0, true, 0},
    };
    for (auto const& c : cases) {
        ExactText text(c.bytes);
        unsigned long chars = 99;
        EXPECT_EQ(BytesToChars(text.begin(), c.nBytes, &chars), c.exact) << c.bytes;
        EXPECT_EQ(chars, c.chars) << c.bytes;
        EXPECT_EQ(BytesToChars(text.begin(), c.nBytes, nullptr), c.exact) << c.bytes;
    }
}

TEST(SjisCharsTest, NormalizeJapaneseTrimsWholeCharacters) {
    struct Case {
        std::string text, normalized;
    } const cases[] = {
        {"\x81\x40"
         "abc \x81\x40",
         "abc"},
        {"  a \x81\x40 b\t", "a \x81\x40 b"},
        {"\x81\x40\x81\x40", ""},
        {"", ""},
        {"a\x82 ", "a\x82 "},              // 0x82 0x20 is one character, not a trailing blank
        {"\x82\x81\x40", "\x82\x81\x40"},  // 0x81 0x40 here straddles two characters
        {"a\x81", "a\x81"},
    };
    for (auto const& c : cases) {
        ExactText source(c.text);
        std::unique_ptr<char[]> out(new char[c.text.size() + 1]);
        NormalizeJapanese(out.get(), source.begin());
        EXPECT_EQ(std::string(out.get()), c.normalized) << c.text;

        NormalizeJapanese(source.begin(), source.begin());  // in place
        EXPECT_EQ(std::string(source.begin()), c.normalized) << c.text;
    }
}

TEST(SjisCharsTest, HomegeniseLineEndsRewritesOnlyCrLfInsideTheCount) {
    struct Case {
        std::string text;
        unsigned long n;
        std::string result;
    } const cases[] = {
        {"a\r\nb\rc\n\r\n", 9, "a \nb\rc\n \n"},
        {"a\r\n", 2, "a\r\n"},  // the LF lies outside the count
        {"\r\n", 0, "\r\n"},
    };
    for (auto const& c : cases) {
        ExactText text(c.text, false);
        HomegeniseLineEnds(text.begin(), c.n);
        EXPECT_EQ(text.str(), c.result);
    }
}

TEST(SjisCharsTest, AppendStringNeverWritesPastTheCapacity) {
    struct Case {
        std::string dst;
        unsigned long cap;
        std::string src, result;
    } const cases[] = {
        {"ab", 10, "cd", "abcd"},   {"ab", 5, "cdef", "abcd"}, {"abcd", 5, "x", "abcd"},  // already full
        {"abcdefg", 4, "x", "abc"},  // longer than the capacity: cut at cap - 1
        {"", 1, "x", ""},
    };
    for (auto const& c : cases) {
        std::size_t const size = std::max<std::size_t>(c.cap, c.dst.size() + 1);
        std::unique_ptr<char[]> buffer(new char[size]);
        std::memcpy(buffer.get(), c.dst.c_str(), c.dst.size() + 1);
        EXPECT_EQ(AppendString(buffer.get(), c.src.c_str(), c.cap), buffer.get());
        EXPECT_EQ(std::string(buffer.get()), c.result) << c.dst << " + " << c.src;
        EXPECT_EQ(buffer[c.cap - 1], '\0');
    }
}

TEST(SjisCharsTest, StrdupMakesIndependentCopies) {
    char const narrow[] = "ab\x82\xA0";
    std::unique_ptr<char[]> narrowCopy(STRDUP(narrow));
    EXPECT_STREQ(narrowCopy.get(), narrow);
    EXPECT_NE(narrowCopy.get(), narrow);

    wchar_t const wide[] = L"ab\x3042";
    std::unique_ptr<wchar_t[]> wideCopy(STRDUP(wide));
    EXPECT_STREQ(wideCopy.get(), wide);
    EXPECT_NE(wideCopy.get(), wide);

    EXPECT_EQ(STRDUP(static_cast<char const*>(nullptr)), nullptr);
}

}  // namespace
