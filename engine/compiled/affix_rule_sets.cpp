#include "engine/compiled/affix_rule_sets.h"

#include "engine/compiled/affix_rule_iterator.h"

namespace {

// Stateless over its pattern table: each application makes a new iterator.
template <class IteratorRep>
class AffixRuleSetRep : public RuleSet<Entry_EX>::RuleSetRep_ {
public:
    AffixRuleSetRep(AffixPattern const* patterns, std::size_t count) : fPatterns(patterns), fCount(count) {}

    ForwardIterator<RuleApplicationResult<Entry_EX>> ApplyRule(char const* text,
                                                               MaybeAnyLongerCallback* callback) override {
        return ForwardIterator<RuleApplicationResult<Entry_EX>>(new IteratorRep(text, fPatterns, fCount, callback));
    }
    AffixRuleSetRep* Clone() const override { return new AffixRuleSetRep(*this); }

private:
    AffixPattern const* fPatterns;
    std::size_t fCount;
};

using Affix_EX_RewriterRuleSetRep = AffixRuleSetRep<AffixRuleIteratorRep>;
using FirstWordAffix_EX_RewriterRuleSetRep = AffixRuleSetRep<FirstWordAffixRuleIteratorRep>;

}  // namespace

Prefix_EX_RewriterRuleSet::Prefix_EX_RewriterRuleSet()
    : RuleSet(new Affix_EX_RewriterRuleSetRep(kPrefixPatterns, kPrefixPatternCount)) {}

Suffix_EX_RewriterRuleSet::Suffix_EX_RewriterRuleSet()
    : RuleSet(new Affix_EX_RewriterRuleSetRep(kSuffixPatterns, kSuffixPatternCount)) {}

FirstWordSuffix_EX_RewriterRuleSet::FirstWordSuffix_EX_RewriterRuleSet()
    : RuleSet(new FirstWordAffix_EX_RewriterRuleSetRep(kFirstWordSuffixPatterns, kFirstWordSuffixPatternCount)) {}

RuleSet<Entry_EX> MakePrefixRuleSet() { return Prefix_EX_RewriterRuleSet(); }

RuleSet<Entry_EX> MakeSuffixRuleSet() { return Suffix_EX_RewriterRuleSet(); }

RuleSet<Entry_EX> MakeFirstWordSuffixRuleSet() { return FirstWordSuffix_EX_RewriterRuleSet(); }
