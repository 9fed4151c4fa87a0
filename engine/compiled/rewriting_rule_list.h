#pragma once
// The rule sets a rewriting dictionary applies, by kind of wrapped
// dictionary.  Each rule set is made by its own maker; a maker left empty
// leaves its rule set out of every list, which is how rule sets not built yet
// stay out.  The list itself is RewritingDictionary_EX_Rep::mkEXRewriteRulesVector.
#include <functional>
#include <vector>

#include "engine/compiled/rule_set.h"
#include "engine/foundation/dictionary.h"

struct RewriteRuleSetMakers {
    using Maker = std::function<RuleSet<Entry_EX>()>;

    Maker escapeWords;      // user dictionaries only
    Maker firstWordSuffix;  // technical dictionaries only
    Maker hyphen;
    Maker prefix;
    Maker morphology;
    Maker suffix;
    Maker caseMatching;
};

// The makers of the engine's own rule sets.
RewriteRuleSetMakers const& DefaultRewriteRuleSetMakers();

// Dictionary kinds by number (bounds inclusive).
template <class EntryT>
bool IsUserDict(Dictionary<EntryT> const& dictionary) {
    unsigned short const id = dictionary.GetID();
    return id >= kMinUserDictionaryID && id <= kMaxUserDictionaryID;
}
