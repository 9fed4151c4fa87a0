#pragma once
// Running a command-line tool and taking what it prints, beside the launcher
// of bundled programs.
#include <optional>
#include <string>
#include <vector>

namespace platform {

// Runs `program` (an absolute path, never looked up) with `arguments` and
// gives its standard output once it has exited with status 0.  Nullopt when
// it cannot be started or fails.
std::optional<std::string> ToolOutput(char const* program, std::vector<std::string> const& arguments);

}  // namespace platform
