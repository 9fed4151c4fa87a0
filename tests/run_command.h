#pragma once
// Runs a shell command from a test and collects its standard output and
// exit code (the tests drive the built tools and programs this way).
#include <sys/wait.h>

#include <cstdio>
#include <string>

struct CommandOutcome {
    std::string output;
    int exitCode = -1;
};

inline CommandOutcome RunCommand(std::string const& command) {
    CommandOutcome outcome;
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) return outcome;
    char buffer[65536];
    std::size_t got;
    while ((got = fread(buffer, 1, sizeof buffer, pipe)) > 0) outcome.output.append(buffer, got);
    int const status = pclose(pipe);
    outcome.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return outcome;
}

// A built tool of this build, its standard error discarded.
inline CommandOutcome RunTool(std::string const& tool, std::string const& arguments) {
    return RunCommand(TOOLS_DIR "/" + tool + " " + arguments + " 2>/dev/null");
}
