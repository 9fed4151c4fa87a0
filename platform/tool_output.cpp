#include "platform/tool_output.h"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>

#include "platform/files/file_system.h"

namespace platform {

namespace {

std::string ReadAll(int fd) {
    std::string out;
    char buffer[4096];
    for (;;) {
        ssize_t const got = Files().Read(fd, buffer, sizeof buffer);
        if (got <= 0) return out;
        out.append(buffer, static_cast<std::size_t>(got));
    }
}

bool WaitForExit(pid_t child) {
    int status = 0;
    while (waitpid(child, &status, 0) < 0) {
        if (errno != EINTR) return false;
    }
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

}  // namespace

std::optional<std::string> ToolOutput(char const* program, std::vector<std::string> const& arguments) {
    // Everything the child needs is made before the fork: after it only
    // async-signal-safe calls are allowed.
    std::vector<char const*> argv{program};
    for (std::string const& argument : arguments) argv.push_back(argument.c_str());
    argv.push_back(nullptr);
    int pipeEnds[2];
    if (pipe2(pipeEnds, O_CLOEXEC) != 0) return std::nullopt;
    pid_t const child = fork();
    if (child < 0) {
        close(pipeEnds[0]);
        close(pipeEnds[1]);
        return std::nullopt;
    }
    if (child == 0) {
        if (dup2(pipeEnds[1], STDOUT_FILENO) < 0) _exit(127);
        execv(program, const_cast<char* const*>(argv.data()));
        _exit(127);
    }
    close(pipeEnds[1]);
    std::string output = ReadAll(pipeEnds[0]);
    close(pipeEnds[0]);
    if (!WaitForExit(child)) return std::nullopt;
    return output;
}

}  // namespace platform
