#include "apps/quellit/qwc_file_type.h"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>

namespace quellit {

namespace {

constexpr char kFileTool[] = "/usr/bin/file";

std::string ReadAll(int fd) {
    std::string out;
    char buffer[4096];
    for (;;) {
        ssize_t const got = read(fd, buffer, sizeof buffer);
        if (got > 0) {
            out.append(buffer, static_cast<std::size_t>(got));
        } else if (got == 0 || errno != EINTR) {
            return out;
        }
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

std::optional<std::string> DescribeFileType(std::string const& path) {
    // Everything the child needs is made before the fork: after it only
    // async-signal-safe calls are allowed.
    char const* const argv[] = {kFileTool, "-b", "--", path.c_str(), nullptr};
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
        execv(kFileTool, const_cast<char* const*>(argv));
        _exit(127);
    }
    close(pipeEnds[1]);
    std::string output = ReadAll(pipeEnds[0]);
    close(pipeEnds[0]);
    if (!WaitForExit(child)) return std::nullopt;
    while (!output.empty() && (output.back() == '\n' || output.back() == '\r')) output.pop_back();
    return output;
}

TextEncoding EncodingOfFileType(std::string const& description) {
    if (description.find("UTF-16") != std::string::npos) return TextEncoding::Unicode;
    if (description.find("UTF-8") != std::string::npos) return TextEncoding::UTF8;
    if (description.find("ISO-8859") != std::string::npos) return TextEncoding::ISOLatin1;
    return TextEncoding::ShiftJIS;
}

}  // namespace quellit
