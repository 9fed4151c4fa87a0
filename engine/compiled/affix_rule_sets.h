#pragma once
// The affix rule sets of the rewriting dictionary: a looked-up word is also
// looked up with a prefix or a suffix stripped ("autoformat" as "format",
// "kingdom" as "king"), and every fitting stem entry becomes an entry for the
// whole word with derived readings.  The first-word suffix set does the same
// for the first word of a multi-word term ("boxes office" as "box office").
//
// Each set yields the looked-up text first; its variants follow only while
// nothing was accepted for the text as written, and not at all for fast
// speed settings of the caller (above 79, or above 29 for texts of three or
// more words).
#include "engine/compiled/rule_set.h"

class Prefix_EX_RewriterRuleSet : public RuleSet<Entry_EX> {
public:
    Prefix_EX_RewriterRuleSet();
};

class Suffix_EX_RewriterRuleSet : public RuleSet<Entry_EX> {
public:
    Suffix_EX_RewriterRuleSet();
};

// For technical dictionaries: the noun-plural suffixes of the first word.
class FirstWordSuffix_EX_RewriterRuleSet : public RuleSet<Entry_EX> {
public:
    FirstWordSuffix_EX_RewriterRuleSet();
};

// The makers for RewriteRuleSetMakers.
RuleSet<Entry_EX> MakePrefixRuleSet();
RuleSet<Entry_EX> MakeSuffixRuleSet();
RuleSet<Entry_EX> MakeFirstWordSuffixRuleSet();
