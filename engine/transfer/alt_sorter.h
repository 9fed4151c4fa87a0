#pragma once
// The order alternate words are offered in.  Each entry is reduced once to a
// sort key (its Japanese, its particle words and the first best match they
// fit), and AltSorter, a comparator holding the set's best matches, orders
// the keys.  The order is a strict weak ordering whatever the keys, so a
// sort over it is well defined.
#include <string>
#include <vector>

#include "engine/transfer/alt_word_particles.h"

struct AltSortKey {
    std::string japanese;            // empty: the entry is dropped
    std::vector<std::string> words;  // particle words; none without particles
    int bestMatch = -1;              // the first best match the words fit, -1 none
};

class AltSorter {
public:
    explicit AltSorter(std::vector<BestMatch_t> const& bestMatches) : fBestMatches(bestMatches) {}

    // The key of an entry with this Japanese and these particle words.
    AltSortKey MakeKey(std::string japanese, std::vector<std::string> words) const;

    // Negative when a goes first, positive when b does, 0 when they are
    // equal:
    // 1. dropped entries last;
    // 2. entries with particles before those without; two without by
    //    Japanese;
    // 3. by the best match their words fit, none before the first;
    // 4. walking both word lists in step through that best match's words:
    //    at the first word that differs, or where one list ends, the word
    //    not in the best match goes first, then a list that ended, then the
    //    word found earlier; two words not in it by their bytes;
    // 5. by Japanese, byte-wise.
    int Compare(AltSortKey const& a, AltSortKey const& b) const;
    bool operator()(AltSortKey const& a, AltSortKey const& b) const { return Compare(a, b) < 0; }

private:
    int CompareWords(AltSortKey const& a, AltSortKey const& b) const;

    std::vector<BestMatch_t> const& fBestMatches;
};
