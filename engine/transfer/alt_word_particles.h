#pragma once
// The particle words of alternate words ("look for", "look after up"): how
// the words of one phrase are found, in order, among the words of a best
// match, the reading that matches the current translation together with
// readings of the same Japanese and part of speech.
#include <cstddef>
#include <string>
#include <vector>

#include "engine/transfer/aw_set.h"

// The words of a particle phrase, split at white space.
std::vector<std::string> SplitParticleWords(std::string const& text);

// The 1-based position of word among parts at or after the part after
// position `after` (0: from the first); 0 when it is not there.
std::size_t FindParticleInOrigParts(std::vector<std::string> const& parts, std::string const& word, std::size_t after);

// Every word, in order, is found among the parts after the previous one's
// position.
bool IsOrderedSubset(std::vector<std::string> const& words, std::vector<std::string> const& parts);

// The index of the first best match the words are an ordered subset of; -1
// when there is none.
int FindBestMatchWhichParticlesAreASubsetOf(std::vector<BestMatch_t> const& bestMatches,
                                            std::vector<std::string> const& words);
