#pragma once
// The part-of-speech lists of the browse filter.
#include <set>
#include <string>

#include "engine/foundation/value_types.h"

// Names of the parts of speech a user may browse, as they stand in the
// English part-of-speech name table; searched by exact, case-sensitive name.
// Built on first use.
std::set<std::wstring> const& kViewablePOSSet();

// Parts of speech shown whatever the length of the headword: "N" and "PRN".
std::set<POS_E_Source> const& kNoWordLimitPOSSet();
