#include "engine/compiled/respelling_drawn_out.h"

#include <cctype>
#include <cstring>

namespace {

constexpr unsigned long kMaxRuns = 32;
// A final "i" run shorter than this is part of the word, not emphasis.
constexpr unsigned long kMinDrawnOutFinalI = 5;

enum class RunSpelling {
    kAsWritten,    // kept whole
    kOnce,         // written once only
    kOnceOrTwice,  // both spellings
};

// The word cut into runs of one repeated byte.  Each call has its own, so
// spellings of different words can be made at the same time.
struct LetterRuns {
    char chars[kMaxRuns];
    unsigned long lengths[kMaxRuns];
    RunSpelling spellings[kMaxRuns];
    unsigned long numRuns = 0;
};

char Lower(char c) { return static_cast<char>(std::tolower(static_cast<unsigned char>(c))); }

bool IsASCIILetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

bool IsRarelyDoubled(char c) { return std::strchr("ahijkquvwxy", Lower(c)) != nullptr; }

bool IsVowelLetter(char c) { return std::strchr("aeiouy", Lower(c)) != nullptr; }

// False when the word has a byte other than ASCII letters and blanks, a
// capital after its first byte, or too many runs.
bool SplitIntoRuns(char const* word, LetterRuns& runs) {
    for (char const* p = word; *p != '\0'; ++p) {
        char const c = *p;
        bool const allowed = c == ' ' || (c >= 'a' && c <= 'z') || (p == word && IsASCIILetter(c));
        if (!allowed) return false;
        if (runs.numRuns > 0 && runs.chars[runs.numRuns - 1] == c) {
            ++runs.lengths[runs.numRuns - 1];
            continue;
        }
        if (runs.numRuns == kMaxRuns) return false;
        runs.chars[runs.numRuns] = c;
        runs.lengths[runs.numRuns] = 1;
        ++runs.numRuns;
    }
    return true;
}

bool HasVowel(char const* word) {
    for (char const* p = word; *p != '\0'; ++p) {
        if (IsVowelLetter(*p)) return true;
    }
    return false;
}

bool IsShortFinalIRun(LetterRuns const& runs, unsigned long run) {
    return run == runs.numRuns - 1 && Lower(runs.chars[run]) == 'i' && runs.lengths[run] < kMinDrawnOutFinalI;
}

// Decides how each run may be written; false when the word gets no spellings.
bool ChooseSpellings(LetterRuns& runs) {
    unsigned long doubledRuns = 0;
    unsigned long commonDoubledRuns = 0;
    bool anyDrawnOut = false;
    for (unsigned long run = 0; run < runs.numRuns; ++run) {
        if (runs.lengths[run] < 2 || IsShortFinalIRun(runs, run)) continue;
        ++doubledRuns;
        if (!IsRarelyDoubled(runs.chars[run])) ++commonDoubledRuns;
        if (runs.lengths[run] > 2) anyDrawnOut = true;
    }
    unsigned long const maxDoubledRuns = 6;  // 2^6 == kMaxDrawnOutRewrites
    if (!anyDrawnOut || commonDoubledRuns > maxDoubledRuns) return false;
    bool const rareStaySingle = doubledRuns > maxDoubledRuns;
    for (unsigned long run = 0; run < runs.numRuns; ++run) {
        if (IsShortFinalIRun(runs, run))
            runs.spellings[run] = RunSpelling::kAsWritten;
        else if (runs.lengths[run] < 2 || (rareStaySingle && IsRarelyDoubled(runs.chars[run])))
            runs.spellings[run] = RunSpelling::kOnce;
        else
            runs.spellings[run] = RunSpelling::kOnceOrTwice;
    }
    return true;
}

// Writes every spelling of the runs from run on after prefix, "once" before
// "twice", so earlier runs vary slowest.
void ConstructRewrite(LetterRuns const& runs, unsigned long run, std::string& prefix, std::string* out,
                      unsigned long& count) {
    if (run == runs.numRuns) {
        out[count++] = prefix;
        return;
    }
    std::size_t const mark = prefix.size();
    char const c = runs.chars[run];
    switch (runs.spellings[run]) {
        case RunSpelling::kAsWritten:
            prefix.append(runs.lengths[run], c);
            ConstructRewrite(runs, run + 1, prefix, out, count);
            break;
        case RunSpelling::kOnce:
            prefix += c;
            ConstructRewrite(runs, run + 1, prefix, out, count);
            break;
        case RunSpelling::kOnceOrTwice:
            prefix += c;
            ConstructRewrite(runs, run + 1, prefix, out, count);
            prefix += c;
            ConstructRewrite(runs, run + 1, prefix, out, count);
            break;
    }
    prefix.resize(mark);
}

bool TwoRunsOfOneLetter(LetterRuns const& runs) {
    return runs.numRuns == 2 && Lower(runs.chars[0]) == Lower(runs.chars[1]);
}

}  // namespace

void GetRewrites(std::string* out, unsigned long& count, char const* word) {
    count = 0;
    out[0].clear();
    LetterRuns runs;
    if (!SplitIntoRuns(word, runs) || runs.numRuns < 2 || TwoRunsOfOneLetter(runs) || !HasVowel(word)) return;
    if (!ChooseSpellings(runs)) return;
    std::string prefix;
    ConstructRewrite(runs, 0, prefix, out, count);
    out[count].clear();
}
