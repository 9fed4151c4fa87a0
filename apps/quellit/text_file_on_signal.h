#pragma once
// A run ended by a signal (the terminal closed, Ctrl-C in a script, a kill)
// still removes the entry lines: left at the fixed name, they would keep the
// user's words in a shared folder and refuse the next user's run.
#include <string>

namespace quellit {

// Installs the handlers for SIGHUP, SIGINT and SIGTERM once; each removes
// the file at `path` (a plain file of ours only) while a run is underway,
// then lets the signal end the program as it would have.
void RemoveTextFileOnSignals(std::string const& path);

// Whether a run holds the file now: outside a run the name may belong to
// another run of the same user, and is left alone.
void SetRunUnderway(bool underway);

}  // namespace quellit
