#include "engine/compiled/pvalue.h"

#include <algorithm>
#include <limits>

short ClampPValue(long value) {
    long const low = std::numeric_limits<short>::min();
    long const high = std::numeric_limits<short>::max();
    return static_cast<short>(std::clamp(value, low, high));
}

short PenalizePValue(short p) { return ClampPValue(static_cast<long>(p) - kRespellingPenalty); }
