#pragma once
// Where the current edition keeps its user dictionary, as its preferences
// say.
#include <optional>
#include <string>

// The application identifier of the current edition's preferences.
inline constexpr char kTovikPathApplicationID[] = "/Library/Application Support/Quorindal/Tovikan/TovikPath";

// DocumentsFolder + "/" + UserDictionaryEJName, a leading "~/" taken from
// the home folder.  When the preferences are missing or incomplete, prints
// the line that says what is wrong on standard output and gives nullopt.
std::optional<std::string> ReadNewUserDictionaryPath();
