// POSGuess: word classes of an unknown word guessed from its ending.
#include <cstring>

#include "engine/compiled/missing_word_entries.h"
#include "engine/compiled/suffix_pattern.h"

namespace {

constexpr unsigned short kAdj = kGuessAdjective;
constexpr unsigned short kAdv = kGuessAdverb;
constexpr unsigned short kNoun = kGuessNoun;
constexpr unsigned short kVerb = kGuessVerb;

// An inflectional ending and the stem ending it stands for.  Without
// `checkDerivation` a matching row decides; with it, the candidate stem
// decides by its derivational ending, and a stem without one lets the next
// row try.
struct GuessEnding {
    char const* surfaceEnd;
    char const* stemEnd;
    unsigned short classes;
    bool checkDerivation;
};

constexpr GuessEnding fpGuessEndings[] = {
    {"", "", kAdj | kAdv | kNoun | kVerb, true},
    {"ings", "ing", kNoun, false},
    {"ies", "y", kNoun | kVerb, true},
    {"es", "", kNoun | kVerb, true},
    {"s", "", kNoun | kVerb, true},
    {"ing", "e", kVerb, true},
    {"VWCing", "VWC", kVerb, false},
    {"VCing", "VCe", kVerb, false},
    {"ing", "", kVerb, false},
    {"ed", "e", kVerb, true},
    {"eed", "eed", kNoun, false},
    {"ied", "y", kVerb, false},
    {"VCed", "VCe", kVerb, false},
    {"ed", "", kVerb, false},
};

struct DerivationalEnding {
    char const* ending;
    unsigned short classes;
};

constexpr DerivationalEnding fpDerivEnds[] = {
    {"ic", kAdj},    {"rd", kNoun},    {"ance", kNoun},  {"ence", kNoun},  {"sce", kVerb},  {"duce", kVerb},
    {"like", kAdj},  {"able", kAdj},   {"ible", kAdj},   {"scope", kNoun}, {"wise", kAdv},  {"yte", kNoun},
    {"esque", kAdj}, {"ize", kVerb},   {"ish", kAdj},    {"al", kAdj},     {"iform", kAdj}, {"asm", kNoun},
    {"ism", kNoun},  {"osm", kNoun},   {"mycin", kNoun}, {"ion", kNoun},   {"tron", kNoun}, {"worn", kAdj},
    {"ship", kNoun}, {"meter", kNoun}, {"izer", kNoun},  {"itis", kNoun},  {"less", kAdj},  {"ness", kNoun},
    {"ous", kAdj},   {"ment", kNoun},  {"est", kAdj},    {"ist", kNoun},   {"most", kAdj},  {"efy", kVerb},
    {"ify", kVerb},  {"ogy", kNoun},   {"phy", kNoun},   {"pathy", kNoun}, {"ly", kAdv},    {"metry", kNoun},
    {"ity", kNoun},
};
static_assert(sizeof fpDerivEnds / sizeof fpDerivEnds[0] == 43, "43 derivational endings");

// Guessed stems fit this buffer; an empty stem guesses nothing.
constexpr unsigned long kStemBufferSize = 81;
constexpr unsigned short kMinGuessStem = 1;

// The classes the stem's first derivational ending shares with `classes`,
// or 0.
unsigned short DerivationalClasses(char const* stem, unsigned short classes) {
    for (DerivationalEnding const& derivation : fpDerivEnds) {
        if ((derivation.classes & classes) != 0 && EndsWithCI(stem, derivation.ending))
            return derivation.classes & classes;
    }
    return 0;
}

}  // namespace

void POSGuess(unsigned short* classes, char** stem, char const* word) {
    *classes = 0;
    *stem = nullptr;
    char candidate[kStemBufferSize];
    for (GuessEnding const& row : fpGuessEndings) {
        if (!MakeVCSubst(candidate, sizeof candidate, word, row.stemEnd, row.surfaceEnd, kMinGuessStem)) continue;
        unsigned short const guessed = row.checkDerivation ? DerivationalClasses(candidate, row.classes) : row.classes;
        if (row.checkDerivation && guessed == 0) continue;
        *classes = guessed;
        if (std::strcmp(candidate, word) != 0) {
            *stem = new char[std::strlen(candidate) + 1];
            std::strcpy(*stem, candidate);
        }
        return;
    }
}
