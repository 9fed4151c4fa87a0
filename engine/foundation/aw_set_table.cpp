#include "engine/foundation/aw_set_table.h"

#include <cstring>

#include "engine/foundation/pos_class_tests.h"

AltWordInflectionSet const* GetAWSet(ePOSForAWSet n) {
    return n >= 0 && static_cast<std::size_t>(n) < kAWSetCount ? &kAWSet[n] : nullptr;
}

AltWordInflectionSet const* GetAWSetOfGrossJPOS(int grossJPOS) {
    switch (grossJPOS) {
        case kGrossJPOSVerb:
            return GetAWSet(eAWSetVerb);
        case kGrossJPOSAdjectival:
            return GetAWSet(eAWSetAdjectival);
        default:
            return nullptr;
    }
}

int FindAWSetRow(AltWordInflectionSet const& set, JPOSN jposn) {
    std::size_t const rows = set.rowCount < kAWMaxRows ? set.rowCount : kAWMaxRows;
    for (std::size_t row = 0; row < rows; ++row) {
        if (set.rowJPOSNs[row] == jposn) return static_cast<int>(row);
    }
    return -1;
}

int FindAWFormSlot(AltWordInflectionSet const& set, char const* name) {
    if (name == nullptr) return -1;
    for (std::size_t slot = 0; slot < kAWFormCount; ++slot) {
        char const* const formName = set.formNames[slot];
        if (formName != nullptr && std::strcmp(formName, name) == 0) return static_cast<int>(slot);
    }
    return -1;
}
