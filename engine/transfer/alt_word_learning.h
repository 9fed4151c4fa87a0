#pragma once
// What a user does with an alternate word: choose it (a learning bump), set,
// reset, enable or disable its learning value, and list the English forms of
// its reading.  Every call maps the reading to its original entry first and
// works through the learning interface of the reading's dictionary; a null
// set or reading, or a dictionary without learning in use, changes nothing
// and answers 0 or false.
#include <string>
#include <vector>

#include "engine/foundation/can_be_null.h"
#include "engine/foundation/entry.h"
#include "engine/transfer/aw_set.h"

using AltWordReading = CanBeNull<POSAndParaphrase>;

// The user chose the reading: one learning bump, for it alone.
void IncStatistics(AW_SET const* set, AltWordReading const& reading);

// The reading's dictionary learns and may be written.
bool IsLearningIntarfaceAvailable(AW_SET const* set, AltWordReading const& reading);
float GetAltWordEntryLearningValue(AW_SET const* set, AltWordReading const& reading);

// These three act on the reading and on every reading folded into it.
void SetAltWordEntryLearningValue(AW_SET const* set, AltWordReading const& reading, float value);
void ResetAltWordEntryLearningValue(AW_SET const* set, AltWordReading const& reading);
// Enabled clears the value; disabled records -1.0.
void SetAltWordEntryEnabledState(AW_SET const* set, AltWordReading const& reading, ParaphraseEnabledState state);

// The English forms of the reading's base form, one per distinct UDPOS, in
// order; out is emptied first.
void GetInflectionsFromAltWordID(AW_SET const* set, std::vector<InflectionAndUDPOSID>& out,
                                 AltWordReading const& reading);
