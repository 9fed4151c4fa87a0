// The category lists, generated from the grammar (tools/grammar/lists.gram).
// A list ends at its first zero entry (code 0, "<<BAD>>", is never listed);
// the checks at the end keep every list sorted.
#include <array>

#include "engine/foundation/cat_lists.h"

constexpr CatListEntry kCatLists[kCatListCount][kMaxCatListLength] = {
#include "engine/foundation/cat_list_data.inc"
};

namespace {

constexpr uint16_t LengthOf(CatListEntry const (&list)[kMaxCatListLength]) {
    uint16_t length = 0;
    while (length < kMaxCatListLength && list[length].pos != 0) ++length;
    return length;
}

constexpr bool ListIsSortedAndEnded(CatListEntry const (&list)[kMaxCatListLength]) {
    uint16_t const length = LengthOf(list);
    for (int j = 1; j < length; ++j) {
        if (list[j - 1].pos > list[j].pos) return false;
    }
    for (int j = length; j < kMaxCatListLength; ++j) {
        if (list[j].pos != 0 || list[j].flag != 0) return false;
    }
    return true;
}

constexpr std::array<uint16_t, kCatListCount> MakeLengths() {
    std::array<uint16_t, kCatListCount> lengths{};
    for (int i = 0; i < kCatListCount; ++i) lengths[i] = LengthOf(kCatLists[i]);
    return lengths;
}

constexpr bool AllListsSortedAndEnded() {
    for (auto const& list : kCatLists) {
        if (!ListIsSortedAndEnded(list)) return false;
    }
    return true;
}

static_assert(AllListsSortedAndEnded(), "a category list is out of order or has an entry after its end");

}  // namespace

constexpr std::array<uint16_t, kCatListCount> kNumCats = MakeLengths();
