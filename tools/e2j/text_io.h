#pragma once
// The edges of e2j: people read and write UTF-8, the engine Shift-JIS (code
// page 932).  With --sjis the bytes pass through both ways untouched.
#include <istream>
#include <string>
#include <vector>

// The engine's text for what the user typed; a character Shift-JIS lacks
// becomes '?'.
std::string EngineTextFromUser(std::string const& text, bool sjis);

// The user's text for what the engine gives; a byte that is not Shift-JIS
// becomes U+FFFD.
std::string UserTextFromEngine(std::string const& text, bool sjis);

// The text a subcommand works on: its words joined by blanks, or all of `in`
// when there are none.
std::string ReadUserText(std::vector<std::string> const& words, std::istream& in);
