// The category lists.  Lists left empty are not yet used by any rule.  A
// list ends at its first zero entry (code 0, "<<BAD>>", is never listed);
// the checks at the end keep every list sorted.
#include <array>

#include "engine/foundation/cat_lists.h"

namespace {

// English parts of speech by name (codes of the English name table).
constexpr uint16_t kADJ = 3, kADJP = 4, kADV = 5, kAUX = 9, kBE = 10, kN = 22, kNP = 26, kPP = 30,
                   kPREPADJ = 31, kPRN = 33, kVI01 = 51, kVT01 = 54, kADJ01 = 58, kADJONLY = 72, kADJb = 74,
                   kADV01 = 75, kAUXCAN = 83, kAUXMAY = 84, kAUXMUST = 85, kCONJ = 99, kCONJ2 = 100,
                   kCONJthat = 112, kCONJwhen = 114, kINTERJ = 151, kINTERJ2 = 152, kN2 = 169, kN_number = 191,
                   kPREP = 201, kPREP2 = 202, kN1 = 220, kSCONJ = 235, kVI03 = 264, kVP = 293, kVT02 = 298,
                   kVT03 = 302, kXCONJ = 386, kADVP = 404;

// Flag of an entry in the verb list 14: the verb takes an object.
constexpr uint16_t kTakesObject = 1;

}  // namespace

constexpr CatListEntry kCatLists[kCatListCount][kMaxCatListLength] = {
    /* 0 */ {},
    /* 1 */ {},
    /* 2 */ {},
    /* 3 */ {},
    /* 4 */ {},
    /* 5 */ {},
    /* 6: verb-like */ {{kBE, 0}, {kVI01, 0}, {kVT01, 0}, {kVI03, 0}, {kVP, 0}, {kVT02, 0}, {kVT03, 0}},
    /* 7 */ {},
    /* 8 */ {},
    /* 9 */ {},
    /* 10 */ {},
    /* 11 */ {},
    /* 12: noun-like, rendered as Japanese nouns */ {{kN, 0}, {kNP, 0}, {kPRN, 0}, {kN2, 0}, {kN1, 0}},
    /* 13 */ {},
    /* 14: verbs */
    {{kBE, kTakesObject}, {kVI01, 0}, {kVT01, 0}, {kVT01, kTakesObject}, {kVT02, kTakesObject}},
    /* 15: adjectives */ {{kADJ, 0}, {kADJP, 0}, {kADJONLY, 1}, {kADJb, 0}},
    /* 16 */ {},
    /* 17 */ {},
    /* 18: set part of speech 1, nouns */ {{kN, 0}, {kNP, 0}, {kPRN, 0}, {kN2, 0}, {kN1, 0}},
    /* 19: set part of speech 2, verbs */ {{kBE, 0}, {kVI01, 0}, {kVT01, 0}, {kVP, 0}},
    /* 20: set part of speech 3, adjectives */ {{kADJ, 0}, {kADJP, 0}, {kADJ01, 0}, {kADJONLY, 0}, {kADJb, 0}},
    /* 21: set part of speech 4, adverbs */ {{kADV, 0}, {kADV01, 0}, {kADVP, 0}},
    /* 22 */ {},
    /* 23 */ {},
    /* 24 */ {},
    /* 25 */ {},
    /* 26 */ {},
    /* 27: gross class noun */ {{kN, 0}, {kNP, 0}, {kPRN, 0}, {kN2, 0}, {kN_number, 0}, {kN1, 0}},
    /* 28: gross class verb */ {{kBE, 0}, {kVI01, 0}, {kVT01, 0}, {kVI03, 0}, {kVP, 0}, {kVT02, 0}, {kVT03, 0}},
    /* 29: gross class adjective */ {{kADJ, 0}, {kADJP, 0}},
    /* 30: gross class auxiliary */ {{kAUX, 0}, {kAUXCAN, 0}, {kAUXMAY, 0}, {kAUXMUST, 0}},
    /* 31: gross class prepositional phrase */ {{kPP, 0}, {kPREPADJ, 0}},
    /* 32: gross class adverb */ {{kADV, 0}, {kADV01, 0}, {kADVP, 0}},
    /* 33: gross class preposition */ {{kPREP, 0}, {kPREP2, 0}},
    /* 34: gross class conjunction */
    {{kCONJ, 0}, {kCONJ2, 0}, {kCONJthat, 0}, {kCONJwhen, 0}, {kSCONJ, 0}, {kXCONJ, 0}},
    /* 35: gross class interjection */ {{kINTERJ, 0}, {kINTERJ2, 0}},
    /* 36 */ {},
    /* 37: set part of speech 5, auxiliaries */ {{kAUX, 0}, {kAUXCAN, 0}, {kAUXMAY, 0}, {kAUXMUST, 0}},
    /* 38: set part of speech 6, conjunctions */ {{kCONJ, 0}, {kSCONJ, 0}},
};

namespace {

constexpr uint16_t LengthOf(CatListEntry const (&list)[kMaxCatListLength]) {
    uint16_t length = 0;
    while (length < kMaxCatListLength && list[length].pos != 0)
        ++length;
    return length;
}

constexpr bool ListIsSortedAndEnded(CatListEntry const (&list)[kMaxCatListLength]) {
    uint16_t const length = LengthOf(list);
    for (int j = 1; j < length; ++j) {
        if (list[j - 1].pos > list[j].pos)
            return false;
    }
    for (int j = length; j < kMaxCatListLength; ++j) {
        if (list[j].pos != 0 || list[j].flag != 0)
            return false;
    }
    return true;
}

constexpr std::array<uint16_t, kCatListCount> MakeLengths() {
    std::array<uint16_t, kCatListCount> lengths{};
    for (int i = 0; i < kCatListCount; ++i)
        lengths[i] = LengthOf(kCatLists[i]);
    return lengths;
}

constexpr bool AllListsSortedAndEnded() {
    for (auto const& list : kCatLists) {
        if (!ListIsSortedAndEnded(list))
            return false;
    }
    return true;
}

static_assert(AllListsSortedAndEnded(), "a category list is out of order or has an entry after its end");

}  // namespace

constexpr std::array<uint16_t, kCatListCount> kNumCats = MakeLengths();
