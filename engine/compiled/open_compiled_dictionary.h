#pragma once
// Opening a system or technical dictionary file without knowing which
// compiled format it is in: format 5.0 is tried first, then format 4.0.
#include "engine/foundation/dictionary.h"

// Takes the descriptor whatever happens: the dictionary returned owns the
// descriptor it reads and closes it when it goes, and on failure every
// descriptor the call holds is closed before the error reaches the caller.
//
// Only a file that is not a 5.0 dictionary (CorruptDictionary) is tried as
// 4.0; the 4.0 reader's error then passes to the caller (CorruptDictionary
// for a file of neither format).  Other errors of the 5.0 attempt (too many
// open files, a failed read, no memory) pass to the caller at once, and so
// does TooManyFilesOpened when no descriptor is left for the 4.0 attempt.
Dictionary_EX OpenCompiledDictionaryInAppropriateFormat(int fd);
