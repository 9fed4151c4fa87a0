#include "engine/foundation/cat_lists.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "engine/foundation/atom_databases.h"
#include "engine/foundation/english_pos_classes.h"

namespace {

unsigned short Code(char const* name) {
    POS_E_Source pos{};
    EXPECT_TRUE(gSourcePOSDatabase().Lookup(name, &pos)) << name;
    return pos;
}

TEST(CatMatchTest, MembershipFlagsAndNameRules) {
    struct Case {
        int list;
        char const* name;
        bool checkFlag, flag, matches;
    } const cases[] = {
        {28, "VT01", false, false, true},
        {28, "N", false, false, false},
        {27, "N", false, false, true},
        // List 14 holds VT01 twice, with the flag clear and set.
        {14, "VT01", true, true, true},
        {14, "VT01", true, false, true},
        {14, "BE", true, true, true},
        {14, "BE", true, false, false},  // listed only with the flag set; "BE" is no numbered verb
        {14, "BE", false, false, true},
        // Name rules when the list has no suitable entry.
        {14, "VI01", true, true, true},  // listed with the flag clear, accepted by name
        {14, "VT16b", false, false, true},
        {19, "VI03", false, false, true},
        {14, "VP", false, false, false},
        {15, "ADJ01", false, false, true},
        {15, "ADJONLY", true, false, false},  // flagged, and "ONLY" is no number
        {15, "ADJONLY", true, true, true},
        {37, "AUXCAN", false, false, true},
        {37, "ART", false, false, false},
        {38, "CONJthat", false, false, true},
        {38, "XCONJ", false, false, false},
        // Other lists accept only what they hold.
        {28, "VT16b", false, false, false},
        {30, "AUXYCAN", false, false, false},
        {6, "CONJ", false, false, false},
    };
    for (auto const& c : cases) {
        SCOPED_TRACE(std::to_string(c.list) + " " + c.name);
        EXPECT_EQ(CatMatch(c.list, Code(c.name), c.checkFlag, c.flag), c.matches);
    }
}

TEST(CatMatchTest, RefusesUnknownListsAndCodesAbove14999) {
    unsigned short const vt01 = Code("VT01");
    for (int list : {-1, kCatListCount, 1000}) EXPECT_FALSE(CatMatch(list, vt01, false, false)) << list;
    for (unsigned pos : {15000u, 30000u, 65535u})
        EXPECT_FALSE(CatMatch(14, static_cast<unsigned short>(pos), false, false)) << pos;
    EXPECT_FALSE(CatMatch(14, 14999, false, false));  // valid, but no name and not listed
}

// The gross-class lists hold what their class names: a wrong code in the
// data shows up here.
TEST(CatListsTest, GrossClassListsHoldTheirKind) {
    struct Case {
        int list;
        char const* kind;
    } const cases[] = {
        {29, "ADJ"}, {30, "AUX"}, {32, "ADV"}, {33, "PREP"}, {34, "CONJ"}, {35, "INTERJ"}, {37, "AUX"}, {38, "CONJ"},
    };
    for (auto const& c : cases) {
        for (int i = 0; i < kNumCats[c.list]; ++i) {
            char const* name = EnglishPOSName(POS_E_Source(kCatLists[c.list][i].pos));
            EXPECT_NE(std::strstr(name, c.kind), nullptr) << c.list << ": " << name;
        }
    }
    for (int list : {14, 19, 28}) {
        for (int i = 0; i < kNumCats[list]; ++i) {
            std::string const name = EnglishPOSName(POS_E_Source(kCatLists[list][i].pos));
            EXPECT_TRUE(name == "BE" || name == "VP" || IsNumberedVerbName(name.c_str())) << list << ": " << name;
        }
    }
}

}  // namespace
