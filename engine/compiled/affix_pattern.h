#pragma once
// Affix patterns: the rows that strip one prefix or suffix off a word.  A
// prefix row's surface text must begin the word (ignoring case); a suffix
// row substitutes its surface ending by its stem ending with the
// consonant/vowel patterns of suffix_pattern.h ("V" any vowel).  The rows of
// one action rule are consecutive; the first carries firstOfRule.
#include <cstddef>
#include <string>

#include "engine/compiled/affix_action_rule.h"

struct AffixPattern {
    // Stems of prefix rows are shorter; suffix stems are made in a buffer of
    // this size.
    static constexpr std::size_t kMaxPrefixStemLength = 80;
    static constexpr std::size_t kStemBufferSize = 160;
    static constexpr unsigned short kMinSuffixStem = 1;

    AffixActionRule const* rule;
    unsigned char firstOfRule;
    unsigned char isPrefix;
    char const* stemEnd;     // "" for prefix rows
    char const* surfaceEnd;  // the prefix itself, in lower case, for prefix rows

    // True with the stem left in *stem; false with *stem empty.  A
    // capitalised word gives a capitalised stem.  Traced to dictlookdump
    // when it is set.
    bool Apply(std::string* stem, char const* word) const;
};

constexpr std::size_t kPrefixPatternCount = 236;
constexpr std::size_t kSuffixPatternCount = 60;
constexpr std::size_t kFirstWordSuffixPatternCount = 10;
extern AffixPattern const kPrefixPatterns[kPrefixPatternCount];
extern AffixPattern const kSuffixPatterns[kSuffixPatternCount];
extern AffixPattern const kFirstWordSuffixPatterns[kFirstWordSuffixPatternCount];

// The next row, from *index on, that applies to word, over the prefix rows
// (indexes 0 to 235) and then the suffix rows (236 to 295), missing-word
// rules included.  On a match: true, the stem copied into stem (room for
// AffixPattern::kStemBufferSize bytes), *rule set and *index moved past the
// row.  False when no row is left.
bool ApplyNextMatchingPattern(int* index, char const* word, char* stem, AffixActionRule const** rule);
