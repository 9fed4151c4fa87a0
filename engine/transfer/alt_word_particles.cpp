#include "engine/transfer/alt_word_particles.h"

#include "engine/foundation/string_utils.h"

std::vector<std::string> SplitParticleWords(std::string const& text) {
    std::vector<std::string> words;
    char const* p = text.c_str();
    for (std::string word = GetNextToken(&p); !word.empty(); word = GetNextToken(&p)) words.push_back(word);
    return words;
}

std::size_t FindParticleInOrigParts(std::vector<std::string> const& parts, std::string const& word, std::size_t after) {
    for (std::size_t i = after; i < parts.size(); ++i) {
        if (parts[i] == word) return i + 1;
    }
    return 0;
}

bool IsOrderedSubset(std::vector<std::string> const& words, std::vector<std::string> const& parts) {
    std::size_t position = 0;
    for (std::string const& word : words) {
        position = FindParticleInOrigParts(parts, word, position);
        if (position == 0) return false;
    }
    return true;
}

int FindBestMatchWhichParticlesAreASubsetOf(std::vector<BestMatch_t> const& bestMatches,
                                            std::vector<std::string> const& words) {
    for (std::size_t i = 0; i < bestMatches.size(); ++i) {
        if (IsOrderedSubset(words, bestMatches[i].particles)) return static_cast<int>(i);
    }
    return -1;
}
