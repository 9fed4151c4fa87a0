#pragma once
// Writes the entry lines for the converter: "/tmp/oldUD.txt" is a fixed name
// in a folder every user can write to, so the text goes to a new private
// file in the same folder first and is renamed over the fixed name.  A file
// at that name that is not a regular file of ours (another user's file, a
// symbolic link) is neither followed nor overwritten.
#include <string>

namespace quellit {

// False (with the reason in *error) when the text could not be written in
// full and put in place; the fixed name then still holds what it held.
bool WriteOldDictionaryText(std::string const& path, std::string const& bytes, std::string* error);

// Removes the entry lines when a run is over, whatever its outcome: left
// behind, they would keep the user's words in a shared folder and stand in
// the way of the next user's run.  Only a plain file of ours is removed.
void RemoveOldDictionaryText(std::string const& path);

}  // namespace quellit
