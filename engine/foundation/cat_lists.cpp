#include "engine/foundation/cat_lists.h"

#include <algorithm>
#include <cstring>

#include "engine/foundation/english_pos_classes.h"
#include "engine/foundation/value_types.h"

namespace {

bool BeginsWith(char const* name, char const* prefix) { return std::strncmp(name, prefix, std::strlen(prefix)) == 0; }

// The lists that also accept parts of speech by the form of their name.
bool MatchesByName(int category, char const* name) {
    switch (category) {
        case 14:
        case 19:
            return IsNumberedVerbName(name);
        case 15:
            return IsNumberedAdjectiveName(name);
        case 37:
            return BeginsWith(name, "AUX");
        case 38:
            return BeginsWith(name, "CONJ");
        default:
            return false;
    }
}

bool MatchesInList(int category, unsigned short pos, bool checkFlag, bool flag) {
    CatListEntry const* first = kCatLists[category];
    CatListEntry const* last = first + kNumCats[category];
    auto const byPos = [](CatListEntry const& entry, unsigned short wanted) { return entry.pos < wanted; };
    for (CatListEntry const* entry = std::lower_bound(first, last, pos, byPos); entry != last && entry->pos == pos;
         ++entry) {
        if (!checkFlag || (entry->flag != 0) == flag) return true;
    }
    return false;
}

}  // namespace

bool CatMatch(int category, unsigned short pos, bool checkFlag, bool flag) {
    if (category < 0 || category >= kCatListCount || pos > kMaxValidPOS_E_Source) return false;
    return MatchesInList(category, pos, checkFlag, flag) || MatchesByName(category, EnglishPOSName(POS_E_Source{pos}));
}
