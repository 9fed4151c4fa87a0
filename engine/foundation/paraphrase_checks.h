#pragma once
// Whether a dictionary reading may be used in the sentence being translated.
#include "engine/foundation/they_option.h"

class ActiveDomains;
class FinePOS_EX;
class Paraphrase_EX;

// The paraphrase's "they" translation is allowed by the user's option: type
// `eTheyAny` always, types human, non-human and combined by the option's
// flag for them, any other type never.
bool TheyOK(Paraphrase_EX const& paraphrase, TheyTransUserOption const& option);

// The paraphrase serves only as an alternate translation here: it is marked
// alternate-only, none of its domains is active, and the user has not chosen
// the reading (no learning value is recorded for it in its dictionary's
// learning, when that is in use).
bool IsParaAltOnly(ActiveDomains const& domains, FinePOS_EX const& finePOS, Paraphrase_EX const& paraphrase);

// The reading may not be used in the sentence whose active domains and
// "they" option are given: it is alternate-only, its "they" translation is
// not allowed, or the user disabled it through learning.
bool ParaDisabledForAnyReason(FinePOS_EX const& finePOS, Paraphrase_EX const& paraphrase, ActiveDomains const& domains,
                              TheyTransUserOption const& option);
