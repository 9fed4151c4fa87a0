#pragma once
// The user dictionary's Japanese part-of-speech numbers (`JPOSID`) and the
// engine's Japanese target parts of speech they name.
#include "engine/foundation/cook_tables.h"
#include "engine/foundation/value_types.h"

// The name of id without its ":"; "" outside 1..63.
char const* JPOSStrFromID(JPOSID id);

// The id of a name, given with or without its ":" prefix; 0 when none (or
// for null).
JPOSID JPOSIDFromStr(char const* name);

// The target part of speech named by the id; 0 outside 1..63.
POS_J_Target POS_J_TargetFromJPOSID(JPOSID id);
