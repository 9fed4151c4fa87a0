#include "engine/compiled/rule_set.h"

#include <algorithm>
#include <cstring>

namespace {

RuleSet<Entry_EX>::RuleSetRep_* CloneRuleSetRep(RuleSet<Entry_EX>::RuleSetRep_ const& rep) { return rep.Clone(); }

}  // namespace

RuleApplicationResult<Entry_EX>::RuleApplicationResult(std::string const& text)
    : RuleApplicationResult(text, TrivialEntryAcceptor<Entry_EX>()) {}

RuleApplicationResult<Entry_EX>::RuleApplicationResult(std::string const& text, EntryAcceptor<Entry_EX> const& acceptor)
    : fAcceptor(acceptor) {
    std::size_t const length = std::min(text.size(), kMaxTextLength);
    std::memcpy(fText, text.data(), length);
    fText[length] = '\0';
}

RuleSet<Entry_EX>::RuleSet(RuleSetRep_* rep) : fShared(&CloneRuleSetRep, rep) {}

ForwardIterator<RuleApplicationResult<Entry_EX>> RuleSet<Entry_EX>::ApplyRule(char const* text,
                                                                              MaybeAnyLongerCallback* callback) {
    fShared.Assure1Reference();
    return fShared->ApplyRule(text, callback);
}
