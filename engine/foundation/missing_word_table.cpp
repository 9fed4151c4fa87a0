#include "engine/foundation/missing_word_table.h"

#include <cstring>

MW_POS const* FindMWAssignment(char const* key) {
    if (key == nullptr) return nullptr;
    for (MW_POS const& row : kMissingWordAssignments) {
        if (std::strcmp(row.key, key) == 0) return &row;
    }
    return nullptr;
}

bool ReadFromMWTable(POS_E_Source* pos, FeatureSets_E_Source* features, POS_J_Target* jpos, short* pvalue,
                     char const* key) {
    MW_POS const* row = FindMWAssignment(key);
    if (row == nullptr) return false;
    if (pos != nullptr) *pos = row->sourcePOS;
    if (features != nullptr) *features = row->featureSets;
    if (jpos != nullptr) *jpos = row->targetPOS;
    if (pvalue != nullptr) *pvalue = row->pValue;
    return true;
}
