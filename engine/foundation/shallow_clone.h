#pragma once
// Copying readings from one dictionary's entry to another's, without their
// links (base form, conjugated forms) and, for a fine part of speech, without
// its paraphrases.
#include "engine/foundation/entry.h"

// Copies part of speech, primed, quoted, idiom type, alternate-only, hidden,
// cannot-begin, cannot-end, p-value and feature sets, then the domain weights
// when the source has any (the target's stay otherwise).  The
// can-neither-begin-nor-end flag is not copied.
void ShallowCloneFinePOS(FinePOS_EX const& source, FinePOS_EX target);
// The same onto a new fine part of speech of the target entry, returned.
FinePOS_EX ShallowCloneFinePOS(FinePOS_EX const& source, Entry_EX target);

// A new paraphrase of target with the source's cooked translation, Japanese
// part of speech, transplant, they-translation type, alternate-only, domains,
// semantics, paraphrase number and p-value (the raw translation follows from
// the cooked one).  When both dictionaries have learning in use, a learning
// value recorded for (sourceFinePOS, source) is recorded for the new one.
Paraphrase_EX ShallowCloneParaphrase(FinePOS_EX const& sourceFinePOS, Paraphrase_EX const& source, FinePOS_EX target);
