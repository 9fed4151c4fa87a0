#include "apps/quellit/companion_messages.h"

#include <fcntl.h>

#include <utility>

#include "platform/files/file_system.h"
#include "platform/process_list.h"

namespace quellit {

namespace {

constexpr std::size_t kMostLines = 20;
// More than enough for kMostLines lines of messages.
constexpr uint64_t kMostBytes = 16 * 1024;

uint64_t FileSize(std::string const& path) {
    int const fd = path.empty() ? -1 : Files().Open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW, 0);
    if (fd < 0) return 0;
    FileStatus info;
    uint64_t const size = Files().Status(fd, &info) == 0 ? info.size : 0;
    Files().Close(fd);
    return size;
}

// The bytes from `from` to the end, at most the last kMostBytes; a file
// that was started afresh since is read from its start.
std::string ReadFrom(std::string const& path, uint64_t from) {
    int const fd = path.empty() ? -1 : Files().Open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW, 0);
    if (fd < 0) return std::string();
    FileStatus info;
    std::string bytes;
    if (Files().Status(fd, &info) == 0 && info.regular) {
        if (info.size < from) from = 0;
        if (info.size - from > kMostBytes) from = info.size - kMostBytes;
        bytes.resize(info.size - from);
        ssize_t const got = ReadFullyAt(fd, bytes.data(), bytes.size(), from);
        bytes.resize(got > 0 ? static_cast<std::size_t>(got) : 0);
    }
    Files().Close(fd);
    return bytes;
}

std::vector<std::string> NonEmptyLines(std::string const& bytes) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < bytes.size()) {
        std::size_t end = bytes.find('\n', start);
        if (end == std::string::npos) end = bytes.size();
        std::string line = bytes.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (!line.empty()) lines.push_back(std::move(line));
        start = end + 1;
    }
    return lines;
}

}  // namespace

CompanionMessages::CompanionMessages(std::vector<std::string> programNames) {
    for (std::string& name : programNames) fPrograms.push_back(Program{std::move(name), 0});
}

void CompanionMessages::Mark() {
    for (Program& program : fPrograms) program.mark = FileSize(platform::ProgramMessagesPath(program.name));
}

std::string CompanionMessages::SinceMark() const {
    std::string text;
    for (Program const& program : fPrograms) {
        std::vector<std::string> const lines =
            NonEmptyLines(ReadFrom(platform::ProgramMessagesPath(program.name), program.mark));
        std::size_t const first = lines.size() > kMostLines ? lines.size() - kMostLines : 0;
        if (first > 0) text += program.name + ": (" + std::to_string(first) + " earlier lines not shown)\n";
        for (std::size_t i = first; i < lines.size(); ++i) text += program.name + ": " + lines[i] + "\n";
    }
    return text;
}

}  // namespace quellit
