#pragma once
// Category lists: numbered lists of parts of speech that the grammar, the
// transfer rules and the part-of-speech setting test membership in
// ("is this category verb-like?").  Each list is sorted by part of speech and
// may hold a part of speech more than once with different flags.
#include <array>
#include <cstdint>

struct CatListEntry {
    uint16_t pos;  // a `POS_E_Source`
    uint16_t flag;
};

constexpr int kCatListCount = 39;
constexpr int kMaxCatListLength = 200;

// List i is kCatLists[i][0 .. kNumCats[i]), sorted by pos.
extern CatListEntry const kCatLists[kCatListCount][kMaxCatListLength];
extern std::array<uint16_t, kCatListCount> const kNumCats;

// Whether pos belongs to the list `category`.  With checkFlag, only an entry
// whose flag is set (flag true) or clear (flag false) counts.  When the list
// has no suitable entry, some lists accept parts of speech by name: 14 and
// 19 "VI" or "VT" plus two digits; 15 "ADJ", "HOWADJ" or "HOW2ADJ" plus two
// digits; 37 names beginning "AUX"; 38 names beginning "CONJ".  An unknown
// list and a pos above 14,999 never match.
bool CatMatch(int category, unsigned short pos, bool checkFlag, bool flag);

// Whether a tree node's category (a wider number, temporary ones included)
// is on the list, flags not asked.
inline bool InCategoryList(int list, uint32_t category) {
    return category <= 0xFFFF && CatMatch(list, static_cast<unsigned short>(category), false, false);
}
