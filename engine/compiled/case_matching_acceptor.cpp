#include "engine/compiled/case_matching_acceptor.h"

#include <cstring>

#include "engine/foundation/lookup_match.h"

CaseMatchingAcceptor_EXRep::CaseMatchingAcceptor_EXRep(char const* text)
    : fText(text, strnlen(text, RuleApplicationResult<Entry_EX>::kMaxTextLength)) {}

bool CaseMatchingAcceptor_EXRep::Accept(Entry_EX* entry, Dictionary<Entry_EX> const& /*temporary*/) {
    if (char const* const peeked = entry->PeekSrcText())
        return Linguistics_E_Source_LookupStringMatcher(fText.c_str(), peeked);
    return Linguistics_E_Source_LookupStringMatcher(fText, entry->GetSrcText());
}

CaseMatchingAcceptor_EXRep* CaseMatchingAcceptor_EXRep::Clone() const { return new CaseMatchingAcceptor_EXRep(*this); }

void CaseMatchingAcceptor_EXRep::NotifyAccepted() {}

using Result = RuleApplicationResult<Entry_EX>;
using Rep = CaseMatchingAcceptor_EX_RewriterRuleSet::CaseMatchingAcceptor_EX_RewriterRuleSetRep;

ForwardIterator<Result> Rep::ApplyRule(char const* text, MaybeAnyLongerCallback* /*callback*/) {
    return SingleEltForwardIterator<Result>(
        Result(text, EntryAcceptor<Entry_EX>(new CaseMatchingAcceptor_EXRep(text))));
}

Rep* Rep::Clone() const { return new Rep; }

CaseMatchingAcceptor_EX_RewriterRuleSet::CaseMatchingAcceptor_EX_RewriterRuleSet() : RuleSet(new Rep) {}
