#pragma once
// The readings a set of alternate words starts from: every paraphrase of
// every fine part of speech the set's dictionaries find for the source word,
// made into an entry with what is reported of it, each reading mapped back
// to the dictionary entry it was made from.
#include <string>

#include "engine/foundation/entry.h"
#include "engine/transfer/aw_set.h"

// Appends an entry per paraphrase of the fine part of speech that has a
// translation, when its gross English class is the set's.  A hidden fine part
// of speech adds none; a reading the user disabled is added, marked so.
void AddToListIfGoodFinePOSOrDisabled(AW_SET& set, FinePOS_EX const& finePOS);

// Looks the word up in the set's dictionaries, reverse mapping on, and adds
// the readings of every fine part of speech found.
void AddReadingsOfWord(AW_SET& set, std::string const& word);

// The original dictionary entry's reading of the same paraphrase number when
// the set's dictionaries made the reading's entry up (a rewritten spelling);
// the reading itself otherwise, also when the original has no paraphrase of
// that number.
POSAndParaphrase MapToOriginalEntryIfNecessary(POSAndParaphrase const& reading, AW_SET const& set);
