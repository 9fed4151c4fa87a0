#include "engine/transfer/tree_analyzer.h"

#include "engine/foundation/cat_lists.h"

bool IsClauseCategory(uint32_t category) {
    return InCategoryList(kClauseCategoryList, category);
}

// The topic rules' patterns: runs of categories ending at the verb (10).
CategoryFlagPair const fPattern1[3] = {{26, 1}, {26, 1}, {10, 0}};
CategoryFlagPair const fPattern2[3] = {{26, 1}, {4, 1}, {10, 0}};
CategoryFlagPair const fPattern3[4] = {{26, 1}, {7, 1}, {26, 1}, {10, 0}};
CategoryFlagPair const fPattern4[4] = {{26, 1}, {7, 1}, {4, 1}, {10, 0}};
