#include "engine/transfer/wildcard_match.h"

#include <cstring>

namespace {

// Bytes of the character at p: a lead byte opens a two-byte character, the
// terminator is 0.  A lead byte right before the terminator counts as one
// byte, so no walk ever steps past the end.
std::size_t CharLength(char const* p) {
    auto const byte = static_cast<unsigned char>(p[0]);
    if (byte == 0) return 0;
    bool const lead = (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
    return lead && p[1] != '\0' ? 2 : 1;
}

// One element of a pattern.
struct PatternItem {
    enum Kind { kEnd, kLiteral, kOne, kRun } kind;
    char const* at;    // the wildcard, or the literal character
    char const* next;  // the pattern after the element
};

PatternItem ReadPatternItem(char const* p) {
    switch (*p) {
        case '\0':
            return {PatternItem::kEnd, p, p};
        case '?':
            return {PatternItem::kOne, p, p + 1};
        case '*':
            return {PatternItem::kRun, p, p + 1};
        case '\\':
            // A '\' with nothing after it stands for itself.
            if (p[1] == '\0') return {PatternItem::kLiteral, p, p + 1};
            return {PatternItem::kLiteral, p + 1, p + 1 + CharLength(p + 1)};
        default:
            return {PatternItem::kLiteral, p, p + CharLength(p)};
    }
}

// Whole-text match.  On a mismatch only the latest '*' grows by one
// character: every text an earlier '*' could still take is also reachable
// through the latest one, so the walk is O(pattern × text), not exponential,
// and it still gives each '*' the shortest run the successful path needs.
// regions, when given, ends up holding the successful path's regions only.
bool Match(char const* pattern, char const* text, std::vector<AsteriskMatchRegion>* regions) {
    if (regions != nullptr) regions->clear();
    char const* p = pattern;
    char const* t = text;
    char const* afterRun = nullptr;  // the pattern after the latest '*'
    char const* runEnd = nullptr;    // where the text after its run starts
    std::size_t runRegion = 0;       // its region's index
    while (*t != '\0') {
        PatternItem const item = ReadPatternItem(p);
        std::size_t const length = CharLength(t);
        if (item.kind == PatternItem::kRun) {
            afterRun = item.next;
            runEnd = t;
            if (regions != nullptr) {
                runRegion = regions->size();
                regions->push_back({item.at, t, t});
            }
            p = item.next;
            continue;
        }
        if (item.kind == PatternItem::kOne || (item.kind == PatternItem::kLiteral && DBCharsEqual(item.at, t))) {
            if (regions != nullptr && item.kind == PatternItem::kOne) regions->push_back({item.at, t, t + length});
            p = item.next;
            t += length;
            continue;
        }
        if (afterRun == nullptr) {
            if (regions != nullptr) regions->clear();
            return false;
        }
        runEnd += CharLength(runEnd);
        t = runEnd;
        p = afterRun;
        if (regions != nullptr) {
            // The regions recorded after the '*' belonged to the failed path.
            regions->resize(runRegion + 1);
            regions->back().end = runEnd;
        }
    }
    // At the end of the text only '*'s may remain, each covering nothing.
    for (PatternItem item = ReadPatternItem(p);; item = ReadPatternItem(item.next)) {
        if (item.kind == PatternItem::kEnd) return true;
        if (item.kind != PatternItem::kRun) break;
        if (regions != nullptr) regions->push_back({item.at, t, t});
    }
    if (regions != nullptr) regions->clear();
    return false;
}

}  // namespace

bool DBCharsEqual(char const* a, char const* b) {
    std::size_t const length = CharLength(a);
    return length == CharLength(b) && std::memcmp(a, b, length) == 0;
}

bool FancyWildcardMatch(char const* pattern, char const* text) { return Match(pattern, text, nullptr); }

bool WildcardMatchForReplacement(std::vector<AsteriskMatchRegion>* regions, char const* pattern, char const* text) {
    return Match(pattern, text, regions);
}

std::string DoWildcardReplacement(char const* pattern, char const* replacement, char const* text) {
    std::vector<AsteriskMatchRegion> regions;
    if (!Match(pattern, text, &regions)) return text;
    std::string result;
    for (char const* r = replacement; *r != '\0';) {
        if (*r != '\\' || r[1] == '\0') {
            // Plain characters, and a '\' with nothing after it, copy as they are.
            std::size_t const length = CharLength(r);
            result.append(r, length);
            r += length;
            continue;
        }
        char const* const escaped = r + 1;
        std::size_t const length = CharLength(escaped);
        if (*escaped >= '1' && *escaped <= '9') {
            std::size_t const index = static_cast<std::size_t>(*escaped - '1');
            if (index < regions.size()) {
                result.append(regions[index].start, regions[index].end);
            } else {
                result += *escaped;  // no such region: the digit itself
            }
        } else {
            result.append(escaped, length);
        }
        r = escaped + length;
    }
    return result;
}
