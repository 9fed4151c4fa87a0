#include "engine/foundation/copula_rewrites.h"

#include <string_view>

#include "engine/foundation/char_suffix.h"

namespace {

constexpr int kNoPair = -1;

// The pair the last analysis on this thread used; kNoPair when none.
thread_local int lastform = kNoPair;

enum Side { kSurface = 0, kCooked = 1 };

char const* FormOf(int pair, Side side) { return kAltWordDearu[pair][side]; }

std::size_t FormStart(std::string const& s, int pair, Side side) { return CharSuffixStart(s, FormOf(pair, side)); }

// The first pair whose form on the given side ends s, kNoPair when none.
int FirstPairEnding(std::string const& s, Side side) {
    for (std::size_t pair = 0; pair < kCopulaPairCount; ++pair) {
        if (FormStart(s, static_cast<int>(pair), side) != std::string::npos) return static_cast<int>(pair);
    }
    return kNoPair;
}

void Rewrite(std::string& s, int pair, Side from, Side to) {
    s.replace(FormStart(s, pair, from), std::string::npos, FormOf(pair, to));
}

bool HoldsCookedCopula(std::string const& s) {
    return s.find("dear") != std::string::npos || s.find("deaQ") != std::string::npos;
}

}  // namespace

bool MaybeVCrFromSurface(std::string& s, unsigned short jposn) {
    if (jposn != kCopulaJPOSN) return false;
    lastform = FirstPairEnding(s, kSurface);
    if (lastform == kNoPair) return false;
    Rewrite(s, lastform, kSurface, kCooked);
    return true;
}

bool MaybeVCrToSurface(std::string& s, unsigned short jposn) {
    if (jposn != kCopulaJPOSN) return false;
    // The remembered pair may belong to another word: it is only taken when
    // its cooked form is the one this text ends with.
    bool const reuse =
        lastform != kNoPair && HoldsCookedCopula(s) && FormStart(s, lastform, kCooked) != std::string::npos;
    int const pair = reuse ? lastform : FirstPairEnding(s, kCooked);
    if (pair == kNoPair) return false;
    Rewrite(s, pair, kCooked, kSurface);
    return true;
}
