#include "engine/compiled/respelling_candidates.h"

#include <cctype>
#include <cstring>

#include "engine/compiled/respelling_drawn_out.h"
#include "engine/compiled/suffix_pattern.h"

namespace {

struct AnywherePattern {
    char const* pattern;
    char const* replacement;     // none for a stop row
    unsigned long minRemaining;  // the word must be this much longer than the pattern
    bool stop;                   // ends the rows at this position
};

AnywherePattern const fpAnywhere[] = {
    {"ourth", nullptr, 1, true},
    {"ae", "e", 3, false},
    {"our", "or", 2, false},
    {"ise", "ize", 3, false},
};

struct SuffixPattern {
    char const* pattern;
    char const* replacement;
    unsigned short minStem;
};

SuffixPattern const fpSuffix[] = {
    {"Vlling", "Vling", 2},
    {"Vling", "Vlling", 2},
    {"Vlled", "Vled", 2},
    {"Vled", "Vlled", 2},
    {"Ci", "Cuses", 6},
    {"Cuses", "Ci", 3},
    {"os", "oes", 3},
    {"oes", "os", 3},
    {"ges", "xes", 6},
    {"xes", "ges", 6},
    {"ces", "xes", 3},
    {"xes", "ces", 3},
    {"og", "ogue", 3},
    {"ogue", "og", 3},
    {"ogs", "ogues", 3},
    {"ogues", "ogs", 3},
    {"eaux", "eaus", 2},
    {"eaus", "eaux", 2},
    {"ae", "as", 3},
    {"as", "ae", 3},
    {"ising", "izing", 2},
    {"isation", "ization", 2},
    {"isations", "izations", 2},
    {"tre", "ter", 2},
    {"tres", "ters", 2},
    {"tred", "tered", 2},
    {"tring", "tering", 2},
};

// Room for a suffix variant; longer words have none.
constexpr unsigned long kSuffixBufferSize = 91;

constexpr unsigned long kMinWordInternalLength = 5;

}  // namespace

bool StrNUpMatch(char const* a, char const* b, unsigned short n) {
    for (unsigned short i = 0; i < n; ++i) {
        unsigned char const ca = static_cast<unsigned char>(a[i]);
        unsigned char const cb = static_cast<unsigned char>(b[i]);
        if (std::toupper(ca) != std::toupper(cb)) return false;
        if (ca == '\0') return true;
    }
    return true;
}

void AppendWordInternalRespellings(char const* word, std::vector<RespellingCandidate>& out) {
    std::size_t const length = std::strlen(word);
    if (length < kMinWordInternalLength) return;
    for (std::size_t at = 0; at < length; ++at) {
        for (AnywherePattern const& row : fpAnywhere) {
            std::size_t const patternLength = std::strlen(row.pattern);
            if (length < patternLength + row.minRemaining) continue;
            if (at + patternLength > length) continue;
            if (!StrNUpMatch(word + at, row.pattern, static_cast<unsigned short>(patternLength))) continue;
            if (row.stop) break;
            std::string rewritten(word, at);
            rewritten += row.replacement;
            rewritten += word + at + patternLength;
            out.push_back({RespellingKind::kWordInternal, rewritten});
        }
    }
}

void AppendSuffixRespellings(char const* word, std::vector<RespellingCandidate>& out) {
    char buffer[kSuffixBufferSize];
    for (SuffixPattern const& row : fpSuffix) {
        if (MakeVCSubst(buffer, sizeof buffer, word, row.replacement, row.pattern, row.minStem))
            out.push_back({RespellingKind::kSuffix, buffer});
    }
}

std::vector<RespellingCandidate> ProduceRespellings(char const* word) {
    std::vector<RespellingCandidate> candidates;
    AppendWordInternalRespellings(word, candidates);
    AppendSuffixRespellings(word, candidates);
    std::string drawnOut[kRewriteSlots];
    unsigned long count = 0;
    GetRewrites(drawnOut, count, word);
    for (unsigned long i = 0; i < count; ++i) candidates.push_back({RespellingKind::kRepeatedLetters, drawnOut[i]});
    return candidates;
}
