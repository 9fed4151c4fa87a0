#pragma once
// Replacing a whole file at once: the new bytes go to a new private file
// (mode 0600) in the same folder, are synced, and the new file is renamed over
// the name, so a reader of the name meets the old contents or the new ones,
// never a part.
#include <string>

// False, with the reason in *error ("<what>: <system message>"), when the
// bytes could not be written in full and put in place; the name then still
// holds what it held and no temporary file is left.
bool ReplaceFile(std::string const& path, std::string const& bytes, std::string* error);
