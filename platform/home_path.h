#pragma once
// The user's home folder and the "~/" shorthand that the programs'
// preferences may use for folders below it, and the conversion of a
// preference text into a file-system path.
#include <optional>
#include <string>

namespace platform {

// The current user's home folder; nullopt when there is none.
std::optional<std::string> qwcUserFolderCreateCopy();

// A value beginning "~/" gets its tilde replaced by the home folder; any
// other value ("~Documents", "/abs", "rel") and every value when there is no
// home folder are returned unchanged.
std::string ExpandUserFolderTilde(std::string const& value);

// Preference texts are UTF-8 already, as paths are: the text itself, whole.
// A path is never cut, since a cut path would name another file.
std::string qwcCFStringToUTF8string(std::string const& text);

}  // namespace platform
