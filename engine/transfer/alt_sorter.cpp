#include "engine/transfer/alt_sorter.h"

#include <cstddef>

namespace {

int Sign(int value) { return (value > 0) - (value < 0); }

int CompareBytes(std::string const& a, std::string const& b) { return Sign(a.compare(b)); }

// Where the next word of a list stands in the best match's words: a word
// not in them first, then the end of the list, then found words by
// position.
std::size_t NextWordRank(std::vector<std::string> const& words, std::size_t i, std::vector<std::string> const& parts,
                         std::size_t after) {
    if (i == words.size()) return 1;
    std::size_t const found = FindParticleInOrigParts(parts, words[i], after);
    return found == 0 ? 0 : found + 1;
}

}  // namespace

AltSortKey AltSorter::MakeKey(std::string japanese, std::vector<std::string> words) const {
    AltSortKey key;
    key.bestMatch = words.empty() ? -1 : FindBestMatchWhichParticlesAreASubsetOf(fBestMatches, words);
    key.japanese = std::move(japanese);
    key.words = std::move(words);
    return key;
}

int AltSorter::CompareWords(AltSortKey const& a, AltSortKey const& b) const {
    static std::vector<std::string> const kNoParts;
    std::vector<std::string> const& parts =
        a.bestMatch >= 0 && static_cast<std::size_t>(a.bestMatch) < fBestMatches.size()
            ? fBestMatches[static_cast<std::size_t>(a.bestMatch)].particles
            : kNoParts;
    std::size_t position = 0;
    for (std::size_t i = 0;; ++i) {
        bool const aEnds = i == a.words.size();
        bool const bEnds = i == b.words.size();
        if (aEnds && bEnds) return 0;
        if (!aEnds && !bEnds && a.words[i] == b.words[i]) {
            std::size_t const found = FindParticleInOrigParts(parts, a.words[i], position);
            if (found != 0) position = found;
            continue;
        }
        std::size_t const aRank = NextWordRank(a.words, i, parts, position);
        std::size_t const bRank = NextWordRank(b.words, i, parts, position);
        if (aRank != bRank) return aRank < bRank ? -1 : 1;
        // Two different words, neither in the best match: without an order
        // between them the comparison would not be transitive.
        return CompareBytes(a.words[i], b.words[i]);
    }
}

int AltSorter::Compare(AltSortKey const& a, AltSortKey const& b) const {
    bool const aDropped = a.japanese.empty();
    bool const bDropped = b.japanese.empty();
    if (aDropped || bDropped) return static_cast<int>(aDropped) - static_cast<int>(bDropped);

    bool const aParticles = !a.words.empty();
    bool const bParticles = !b.words.empty();
    if (aParticles != bParticles) return aParticles ? -1 : 1;
    if (!aParticles) return CompareBytes(a.japanese, b.japanese);

    if (a.bestMatch != b.bestMatch) return a.bestMatch < b.bestMatch ? -1 : 1;
    if (int const byWords = CompareWords(a, b)) return byWords;
    return CompareBytes(a.japanese, b.japanese);
}
