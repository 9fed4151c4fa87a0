#include "engine/pipeline/scanner_char_classes.h"

#include <array>
#include <iterator>
#include <utility>

namespace lex {

namespace {

// Each line: first and last code point, and the rule whose class they are.
// Rules 1 to 34 take runs of their block; 70 are digits, 71 Latin letters,
// 75 blanks; the others match their characters one at a time (or in the
// longer patterns of the rule table).
// clang-format off
constexpr CharClassRange kRanges[] = {
    {0x0001, 0x0001, 77},   // TokenBreak
    {0x0002, 0x0008, 78},
    {0x0009, 0x0009, 75},   // TAB
    {0x000A, 0x000A, 76},   // LF
    {0x000B, 0x000B, 78},
    {0x000C, 0x000D, 76},   // FF, CR
    {0x000E, 0x001F, 78},
    {0x0020, 0x0020, 75},   // space
    {0x0021, 0x0021, 37},   // !
    {0x0022, 0x0022, 53},   // "
    {0x0023, 0x0023, 73},   // #
    {0x0024, 0x0026, 78},   // $ % &
    {0x0027, 0x0027, 47},   // '
    {0x0028, 0x0028, 40},   // (
    {0x0029, 0x0029, 41},   // )
    {0x002A, 0x002A, 78},   // *
    {0x002B, 0x002B, 59},   // +
    {0x002C, 0x002C, 73},   // ,
    {0x002D, 0x002D, 55},   // -
    {0x002E, 0x002E, 35},   // .
    {0x002F, 0x002F, 78},   // /
    {0x0030, 0x0039, 70},   // digits
    {0x003A, 0x003A, 38},   // :
    {0x003B, 0x003B, 39},   // ;
    {0x003C, 0x003C, 78},   // <
    {0x003D, 0x003D, 73},   // =
    {0x003E, 0x003E, 78},   // >
    {0x003F, 0x003F, 36},   // ?
    {0x0040, 0x0040, 78},   // at sign
    {0x0041, 0x005A, 71},   // A-Z
    {0x005B, 0x005B, 42},   // [
    {0x005C, 0x005C, 78},   // backslash
    {0x005D, 0x005D, 43},   // ]
    {0x005E, 0x005E, 78},   // ^
    {0x005F, 0x005F, 73},   // _
    {0x0060, 0x0060, 51},   // backquote
    {0x0061, 0x007A, 71},   // a-z
    {0x007B, 0x007B, 44},   // {
    {0x007C, 0x007C, 78},   // vertical bar
    {0x007D, 0x007D, 45},   // }
    {0x007E, 0x0094, 78},
    {0x0095, 0x0095, 57},
    {0x0096, 0x0097, 55},
    {0x0098, 0x00B6, 78},
    {0x00B7, 0x00B7, 57},   // middle dot
    {0x00B8, 0x00BE, 78},
    {0x00BF, 0x00FF, 32},   // Latin-1 letters
    {0x0100, 0x024F, 71},   // Latin extended
    {0x0250, 0x02AF, 2},    // IPA
    {0x02B0, 0x02BB, 31},   // spacing modifiers
    {0x02BC, 0x02BC, 47},   // modifier apostrophe
    {0x02BD, 0x02FF, 31},
    {0x0300, 0x036F, 71},   // combining marks
    {0x0370, 0x03FF, 3},    // Greek
    {0x0400, 0x04FF, 4},    // Cyrillic
    {0x0500, 0x052F, 78},
    {0x0530, 0x058F, 5},    // Armenian
    {0x0590, 0x05FF, 6},    // Hebrew
    {0x0600, 0x06FF, 7},    // Arabic
    {0x0700, 0x08FF, 78},
    {0x0900, 0x097F, 8},    // Devanagari
    {0x0980, 0x09FF, 9},    // Bengali
    {0x0A00, 0x0A7F, 10},   // Gurmukhi
    {0x0A80, 0x0AFF, 11},   // Gujarati
    {0x0B00, 0x0B7F, 12},   // Oriya
    {0x0B80, 0x0BFF, 13},   // Tamil
    {0x0C00, 0x0C7F, 14},   // Telugu
    {0x0C80, 0x0CFF, 15},   // Kannada
    {0x0D00, 0x0D7F, 16},   // Malayalam
    {0x0D80, 0x0DFF, 78},
    {0x0E00, 0x0E7F, 17},   // Thai
    {0x0E80, 0x0EFF, 18},   // Lao
    {0x0F00, 0x0FBF, 19},   // Tibetan
    {0x0FC0, 0x109F, 78},
    {0x10A0, 0x10FF, 20},   // Georgian
    {0x1100, 0x1DFF, 78},
    {0x1E00, 0x1EFF, 71},   // Latin extended additional
    {0x1F00, 0x1FFF, 21},   // Greek extended
    {0x2000, 0x200F, 78},
    {0x2010, 0x2015, 55},   // hyphens and dashes
    {0x2016, 0x2017, 78},
    {0x2018, 0x2018, 48},   // left single quotation mark
    {0x2019, 0x2019, 49},   // right single quotation mark
    {0x201A, 0x201B, 33},
    {0x201C, 0x201C, 53},   // left double quotation mark
    {0x201D, 0x201D, 54},   // right double quotation mark
    {0x201E, 0x2021, 33},
    {0x2022, 0x2023, 57},   // bullets
    {0x2024, 0x2FFF, 33},   // general punctuation and symbols
    {0x3000, 0x3000, 75},   // ideographic space
    {0x3001, 0x303F, 34},   // CJK punctuation
    {0x3040, 0x30FF, 1},    // kana
    {0x3100, 0x312F, 22},   // Bopomofo
    {0x3130, 0x318F, 23},   // Hangul compatibility jamo
    {0x3190, 0x319F, 1},
    {0x31A0, 0x31FF, 78},
    {0x3200, 0x33FF, 1},
    {0x3400, 0x4DFF, 78},
    {0x4E00, 0x9FFF, 1},    // CJK ideographs
    {0xA000, 0xABFF, 78},
    {0xAC00, 0xD7A3, 24},   // Hangul syllables
    {0xD7A4, 0xD7FF, 78},
    {0xE000, 0xF8FF, 30},   // private use
    {0xF900, 0xFAFF, 1},    // CJK compatibility ideographs
    {0xFB00, 0xFB4F, 71},   // ligatures
    {0xFB50, 0xFDFF, 25},   // Arabic presentation forms
    {0xFE00, 0xFE1F, 78},
    {0xFE20, 0xFE2F, 26},   // combining half marks
    {0xFE30, 0xFE4F, 1},    // CJK compatibility forms
    {0xFE50, 0xFE6F, 27},   // small forms
    {0xFE70, 0xFEFF, 28},   // Arabic presentation forms B
    {0xFF00, 0xFF00, 1},
    {0xFF01, 0xFF01, 37},   // full-width !
    {0xFF02, 0xFF02, 53},   // full-width "
    {0xFF03, 0xFF06, 1},
    {0xFF07, 0xFF07, 48},   // full-width '
    {0xFF08, 0xFF08, 40},   // full-width (
    {0xFF09, 0xFF09, 41},   // full-width )
    {0xFF0A, 0xFF0B, 1},
    {0xFF0C, 0xFF0C, 73},   // full-width comma
    {0xFF0D, 0xFF0D, 56},   // full-width hyphen-minus
    {0xFF0E, 0xFF0E, 35},   // full-width period
    {0xFF0F, 0xFF19, 1},    // full-width slash and digits
    {0xFF1A, 0xFF1A, 38},   // full-width :
    {0xFF1B, 0xFF1B, 39},   // full-width ;
    {0xFF1C, 0xFF1E, 1},
    {0xFF1F, 0xFF1F, 36},   // full-width ?
    {0xFF20, 0xFF3A, 1},    // full-width at sign and capitals
    {0xFF3B, 0xFF3B, 42},   // full-width [
    {0xFF3C, 0xFF3C, 1},
    {0xFF3D, 0xFF3D, 43},   // full-width ]
    {0xFF3E, 0xFF3F, 1},
    {0xFF40, 0xFF40, 52},   // full-width backquote
    {0xFF41, 0xFF5A, 1},    // full-width small letters
    {0xFF5B, 0xFF5B, 44},   // full-width {
    {0xFF5C, 0xFF5C, 1},
    {0xFF5D, 0xFF5D, 45},   // full-width }
    {0xFF5E, 0xFFFF, 1},    // half-width kana and the rest
};
// clang-format on

constexpr bool SortedAndDisjoint() {
    for (unsigned i = 0; i < std::size(kRanges); ++i) {
        if (kRanges[i].first > kRanges[i].last || kRanges[i].last > 0xFFFF) return false;
        if (i > 0 && kRanges[i - 1].last >= kRanges[i].first) return false;
    }
    return true;
}
static_assert(SortedAndDisjoint(), "the class ranges must be sorted, disjoint and inside the BMP");

using ClassMap = std::array<CharClass, 0x10000>;

constexpr ClassMap BuildClassMap() {
    ClassMap map{};
    for (CharClassRange const& range : kRanges)
        for (uint32_t c = range.first; c <= range.last; ++c) map[c] = range.charClass;
    return map;
}

// Built by the compiler: a lookup needs no start-up step.
constexpr ClassMap kClassMap = BuildClassMap();

}  // namespace

std::pair<CharClassRange const*, unsigned> CharClassRanges() { return {kRanges, unsigned(std::size(kRanges))}; }

CharClass CharClassOf(uint32_t c) { return c < kClassMap.size() ? kClassMap[c] : 0; }

}  // namespace lex
