#pragma once
// Helpers for the tests of the engine's rule sets: the texts a rule set
// yields, and rewriting dictionaries with chosen rule sets only.
#include <string>
#include <vector>

#include "engine/compiled/rewriting_dictionary.h"
#include "engine/compiled/rule_set.h"

namespace rewriters_test {

inline std::vector<std::string> Texts(ForwardIterator<RuleApplicationResult<Entry_EX>> results) {
    std::vector<std::string> texts;
    for (; !results.IsAtEnd(); ++results) texts.push_back((*results).GetText());
    return texts;
}

template <class RuleSetT>
std::vector<std::string> Apply(char const* text, MaybeAnyLongerCallback* callback = nullptr) {
    RuleSetT ruleSet;
    return Texts(ruleSet.ApplyRule(text, callback));
}

template <class RuleSetT>
RewriteRuleSetMakers::Maker MakerOf() {
    return [] { return RuleSet<Entry_EX>(RuleSetT()); };
}

inline std::vector<std::string> Headwords(std::vector<Entry_EX> const& entries) {
    std::vector<std::string> headwords;
    for (Entry_EX const& entry : entries) headwords.push_back(entry.GetSrcText());
    return headwords;
}

class CountingCallback : public MaybeAnyLongerCallback {
public:
    void FoundOne() override { ++found; }
    int GetCoreSpeed() override { return 0; }
    int found = 0;
};

}  // namespace rewriters_test
