#pragma once
// The dictionary facade's entry points by file specification, as the reader
// program uses them: the old dictionary is opened, never created, and while
// it is open the process also holds an advisory lock (flock) on it, so that
// other programs that honour such locks keep off while it is read.
#include <cstdint>
#include <vector>

#include "apps/vorlip/file_specifier.h"

// Opens the existing file as the next user dictionary of gCorvanEngine: for
// update unless readOnly, else (or when that fails) for reading.  The open
// dictionary records the user kind and the file's display name
// (qwcFSSpecStr63Name; empty when that fails).  0 opened
// for update, 1 for reading only, -1 when the file cannot be opened.  The
// dictionary's failures (not a dictionary, corrupt, an advisory lock held
// elsewhere: LockAttemptFailed) pass to the caller, the lists unchanged.
short AddUserDict(FSSpec const& spec, bool readOnly);

// The entries of user dictionary n that cannot be served (a head that
// cannot be read, or a block a group links to that holds no entry), by block
// number; empty when there is no such dictionary.
std::vector<uint32_t> MissingEntriesOfUserDict(short n);

// Creates an empty file, only when none is there; creator and type are not
// used.  0, or -1 when the file exists or cannot be made.
short MakeNewUserDict(FSSpec const& spec, uint32_t creator, uint32_t type);
