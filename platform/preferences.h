#pragma once
// Per-user application preferences.  An application identifier such as
// "/Library/Application Support/Quorindal/Tovikan/TovikPath" names the file
// ${XDG_CONFIG_HOME:-$HOME/.config}/Quorindal/Tovikan/TovikPath.plist (the
// last path component plus ".plist", below the maker's folders).
#include <optional>
#include <string>

#include "platform/property_list.h"

namespace platform {

std::string PreferencesFilePath(std::string const& applicationID);

// Loads (again) the application's file for the current user.  False when the
// file is missing or malformed, or its top level is not a dictionary.
bool PreferencesSynchronize(std::string const& applicationID);

// A top-level value of the last synchronized file (the file is loaded on
// first use when never synchronized).  A value of another type counts as
// missing.
std::optional<std::string> PreferencesCopyString(std::string const& key, std::string const& applicationID);
std::optional<PropertyValue> PreferencesCopyDictionary(std::string const& key, std::string const& applicationID);

// The current user's home folder ($HOME, else the password database); empty
// when neither gives one.
std::string UserHomeFolder();

}  // namespace platform
