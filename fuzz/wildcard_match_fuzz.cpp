// Arbitrary pattern, replacement and text (split at the first two newlines)
// through the wildcard matcher: no read past any terminator (exactly sized
// heap copies let the sanitizers see one), the two matchers agree, the
// regions are one per wildcard and lie in order on character boundaries, and
// on small inputs they are the ones a plain backtracking search finds.
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "engine/transfer/wildcard_match.h"

namespace {

void Check(bool condition) {
    if (!condition) __builtin_trap();
}

std::vector<char> ExactCopy(char const* bytes, std::size_t size) {
    std::vector<char> copy(bytes, bytes + size);
    copy.push_back('\0');
    return copy;
}

std::size_t CharLength(char const* p) {
    auto const byte = static_cast<unsigned char>(*p);
    if (byte == 0) return 0;
    bool const lead = (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
    return lead && p[1] != '\0' ? 2 : 1;
}

// The plain search: each '*' tries the shortest run first, and the regions
// of a failed try are dropped.  Exponential, so only for small inputs.
bool Search(char const* p, char const* t, std::vector<AsteriskMatchRegion>* regions) {
    if (*p == '*') {
        std::size_t const kept = regions->size();
        for (char const* end = t;; end += CharLength(end)) {
            regions->resize(kept);
            regions->push_back({p, t, end});
            if (Search(p + 1, end, regions)) return true;
            if (*end == '\0') break;
        }
        regions->resize(kept);
        return false;
    }
    if (*p == '?') {
        if (*t == '\0') return false;
        regions->push_back({p, t, t + CharLength(t)});
        if (Search(p + 1, t + CharLength(t), regions)) return true;
        regions->pop_back();
        return false;
    }
    if (*p == '\0') return *t == '\0';
    char const* literal = *p == '\\' && p[1] != '\0' ? p + 1 : p;
    if (!DBCharsEqual(literal, t) || *t == '\0') return false;
    return Search(literal + CharLength(literal), t + CharLength(t), regions);
}

std::size_t CountWildcards(char const* p, std::size_t* stars) {
    std::size_t count = 0;
    *stars = 0;
    while (*p != '\0') {
        if (*p == '\\') {
            p += p[1] == '\0' ? 1 : 1 + CharLength(p + 1);
            continue;
        }
        if (*p == '*') ++*stars;
        if (*p == '*' || *p == '?') ++count;
        p += CharLength(p);
    }
    return count;
}

bool OnBoundary(char const* text, char const* at) {
    char const* p = text;
    while (p < at && *p != '\0') p += CharLength(p);
    return p == at;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    char const* bytes = reinterpret_cast<char const*>(data);
    if (bytes == nullptr) bytes = "";
    std::string const input(bytes, size);
    std::size_t const first = input.find('\n');
    std::size_t const second = first == std::string::npos ? std::string::npos : input.find('\n', first + 1);
    std::string const patternText = input.substr(0, first);
    std::string const replacementText =
        first == std::string::npos ? std::string() : input.substr(first + 1, second - first - 1);
    std::string const textText = second == std::string::npos ? std::string() : input.substr(second + 1);
    std::vector<char> const pattern = ExactCopy(patternText.data(), patternText.size());
    std::vector<char> const replacement = ExactCopy(replacementText.data(), replacementText.size());
    std::vector<char> const text = ExactCopy(textText.data(), textText.size());
    std::size_t const textLength = std::strlen(text.data());

    DBCharsEqual(pattern.data(), text.data());
    bool const matches = FancyWildcardMatch(pattern.data(), text.data());
    std::vector<AsteriskMatchRegion> regions;
    Check(WildcardMatchForReplacement(&regions, pattern.data(), text.data()) == matches);
    std::size_t stars = 0;
    std::size_t const wildcards = CountWildcards(pattern.data(), &stars);
    Check(regions.size() == (matches ? wildcards : 0));
    char const* previousEnd = text.data();
    for (AsteriskMatchRegion const& region : regions) {
        Check(region.wildcard >= pattern.data() && region.wildcard < pattern.data() + pattern.size());
        Check(*region.wildcard == '*' || *region.wildcard == '?');
        Check(previousEnd <= region.start && region.start <= region.end);
        Check(region.end <= text.data() + textLength);
        Check(OnBoundary(text.data(), region.start) && OnBoundary(text.data(), region.end));
        previousEnd = region.end;
    }

    if (stars <= 4 && textLength <= 24) {
        std::vector<AsteriskMatchRegion> searched;
        Check(Search(pattern.data(), text.data(), &searched) == matches);
        if (matches) {
            Check(searched.size() == regions.size());
            for (std::size_t i = 0; i < regions.size(); ++i) {
                Check(searched[i].wildcard == regions[i].wildcard && searched[i].start == regions[i].start &&
                      searched[i].end == regions[i].end);
            }
        }
    }

    std::string const replaced = DoWildcardReplacement(pattern.data(), replacement.data(), text.data());
    if (!matches) Check(replaced == text.data());
    return 0;
}
