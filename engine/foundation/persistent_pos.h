#pragma once
// The persistent part-of-speech file: a list of the grammar's part-of-speech
// names that a grammar build leaves beside its binaries.  The engine only
// checks that it is there and complete; the compiled name table stays in
// use either way.
#include <string>

// The file's name: the value of "MTBINC" with its text from "OutBincGroup"
// on replaced by "PersistentPOSs.x86".  Empty (no file) when "MTBINC" is
// unset or holds no "OutBincGroup".
std::string GetPPFileName();

// Reads the file, one "number name" line at a time, and tells standard error
// when it is missing or too short to be whole (199 lines or fewer).  In
// strict mode a short file ends the process with status 1.
void ReadPersistentPOSFile(bool strict);
