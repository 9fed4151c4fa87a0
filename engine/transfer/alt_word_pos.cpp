#include "engine/transfer/alt_word_pos.h"

#include <string>

#include "engine/foundation/english_pos_classes.h"
#include "engine/foundation/entry.h"
#include "engine/foundation/missing_word_table.h"
#include "engine/foundation/user_word_category_map.h"

namespace {

constexpr uint32_t kNounClass = 3;
constexpr uint32_t kVerbClass = 4;
constexpr uint32_t kAdjectiveClass = 1;
constexpr uint32_t kPrepositionClass = 6;
// The missing-word map value of a verb no user-word category reads as.
constexpr uint32_t kNoCategoryMapValue = 5;

// Character i of s, NUL past its end.
char At(std::string const& s, std::size_t i) { return i < s.size() ? s[i] : '\0'; }

uint32_t VerbSubclass(std::string const& set) {
    if (set.size() < 3 || set[2] == 'I') return 0;
    if (set[2] == 'G') return 4;
    if (set[1] == '1') return 3;
    if (At(set, 3) == 'D') return set[1] == '2' ? 1 : 2;
    return 1;
}

uint32_t VerbCategoryMapValue(POS_E_Source pos) {
    for (UserWordCategoryRow const& row : fUMWMap) {
        POS_E_Source standard{};
        if (ReadFromMWTable(&standard, nullptr, nullptr, nullptr, row.assignmentKey) && standard == pos)
            return row.verbSubtype;
    }
    return kNoCategoryMapValue;
}

}  // namespace

uint32_t UDClassOfGrossEPOS(short grossEPOS) {
    switch (grossEPOS) {
        case 29:
            return 1;
        case 32:
            return 2;
        case 27:
            return 3;
        case 28:
            return 4;
        case 34:
            return 5;
        case 33:
            return 6;
        case 31:
            return 7;
        default:
            return 0;
    }
}

UDPOS POSToEType(FinePOS_EX const& finePOS) {
    UDPOS udpos;
    POS_E_Source const pos = finePOS.GetFinePOS();
    udpos.wordClass = UDClassOfGrossEPOS(FindGrossEPOS(pos));
    switch (udpos.wordClass) {
        case kNounClass:
            udpos.subclass = At(finePOS.GetFeatureSets(0), 0) == 'P' ? 1 : 0;
            break;
        case kVerbClass:
            udpos.subclass = VerbSubclass(finePOS.GetFeatureSets(0));
            udpos.missingWordMapValue = VerbCategoryMapValue(pos);
            break;
        case kAdjectiveClass:
            udpos.flagB = 1;
            break;
        case kPrepositionClass: {
            std::string const set = finePOS.GetFeatureSets(1);
            if (At(set, 3) == '1')
                udpos.flagA = 1;
            else if (At(set, 4) == '1')
                udpos.flagA = 2;
            else
                udpos.wordClass = 0;
            break;
        }
        default:
            break;
    }
    return udpos;
}

uint32_t GetGrossPOSFromDictSource(DICT_SOURCE const& source) {
    POS_E_Source const pos = EPOSNToPOS_E_Source(static_cast<EPOSN>(source.englishPOS));
    if (pos == 0) return 0;
    return UDClassOfGrossEPOS(FindGrossEPOS(pos));
}
