// Launching a program bundle detached from the caller.  The program is run
// by a grandchild in a session of its own; the child ends at once, so the
// caller reaps it and the program is never the caller's zombie.
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <thread>

#include "platform/process_list.h"
#include "platform/process_list_registry.h"
#include "platform/runtime_folder.h"

namespace platform {

namespace {

constexpr auto kRegistrationWait = std::chrono::seconds(10);
constexpr auto kRegistrationPoll = std::chrono::milliseconds(5);

// A file that keeps growing over many launches is started afresh.
constexpr off_t kMessagesFileLimit = 1 << 20;

// "…/Vorlip.app" (trailing slashes allowed) runs "…/Vorlip.app/Vorlip".
std::string ProgramOfBundle(std::string bundlePath) {
    while (bundlePath.size() > 1 && bundlePath.back() == '/') bundlePath.pop_back();
    std::size_t const slash = bundlePath.rfind('/');
    std::string const fileName = slash == std::string::npos ? bundlePath : bundlePath.substr(slash + 1);
    std::size_t const dot = fileName.rfind('.');
    std::string const stem = dot == std::string::npos || dot == 0 ? fileName : fileName.substr(0, dot);
    if (stem.empty() || stem == "." || stem == "..") return std::string();
    return bundlePath + "/" + stem;
}

bool IsExecutableFile(std::string const& path) {
    struct stat info {};
    return stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode) && access(path.c_str(), X_OK) == 0;
}

// In the grandchild: the signal state the caller may have changed must not
// leak into the program (an ignored SIGPIPE or SIGTERM would be inherited).
void ResetSignals() {
    for (int signalNumber : {SIGPIPE, SIGTERM, SIGINT, SIGCHLD}) signal(signalNumber, SIG_DFL);
    sigset_t none;
    sigemptyset(&none);
    sigprocmask(SIG_SETMASK, &none, nullptr);
}

// A detached program must not hold the caller's pipes open (a caller that
// reads its own output to the end would wait for the program to quit): its
// input becomes /dev/null when it is not a terminal, and what it prints goes
// to its messages file (or /dev/null when there is none), never lost with a
// closed terminal or pipe.
void DetachStandardStreams(int messages) {
    int const null = open("/dev/null", O_RDWR);
    if (null >= 0 && !isatty(0)) dup2(null, 0);
    int const output = messages >= 0 ? messages : null;
    if (output >= 0) {
        dup2(output, 1);
        dup2(output, 2);
    }
    if (null > 2) close(null);
}

// The program's messages file opened for appending (close-on-exec: the
// program gets it as its standard output only), or -1.
int OpenMessagesFile(std::string const& program) {
    std::string const name = program.substr(program.rfind('/') + 1);
    std::string const path = ProgramMessagesPath(name);
    if (path.empty()) return -1;
    int const fd = open(path.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0600);
    struct stat info {};
    if (fd >= 0 && fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && info.st_size > kMessagesFileLimit) {
        if (ftruncate(fd, 0) != 0) {
            // Still usable: it only grows on.
        }
    }
    return fd;
}

// Only async-signal-safe calls between fork and exec.
[[noreturn]] void RunDetached(std::string const& program, int pidPipe, int messages) {
    setsid();
    pid_t const grandchild = fork();
    if (grandchild == 0) {
        close(pidPipe);
        ResetSignals();
        DetachStandardStreams(messages);
        // Nothing the launcher holds open (a lock, a pipe) passes to the
        // program, which may outlive it by far.
        close_range(3, ~0U, 0);
        char* const argv[] = {const_cast<char*>(program.c_str()), nullptr};
        execv(program.c_str(), argv);
        _exit(127);
    }
    bool const sent = grandchild > 0 && write(pidPipe, &grandchild, sizeof grandchild) == sizeof grandchild;
    _exit(sent ? 0 : 1);
}

// The detached program's process id, or 0 when it could not be started.
pid_t StartDetached(std::string const& program) {
    int pipeEnds[2];
    if (pipe2(pipeEnds, O_CLOEXEC) != 0) return 0;
    int const messages = OpenMessagesFile(program);
    pid_t const child = fork();
    if (child == 0) {
        close(pipeEnds[0]);
        RunDetached(program, pipeEnds[1], messages);
    }
    if (messages >= 0) close(messages);
    close(pipeEnds[1]);
    pid_t grandchild = 0;
    if (child > 0) {
        ssize_t got;
        do got = read(pipeEnds[0], &grandchild, sizeof grandchild);
        while (got < 0 && errno == EINTR);
        if (got != sizeof grandchild) grandchild = 0;
        while (waitpid(child, nullptr, 0) < 0 && errno == EINTR) {
        }
    }
    close(pipeEnds[0]);
    return grandchild;
}

// True once the program has registered; false when it ends first or does
// not register in time.
bool AwaitRegistration(pid_t pid) {
    auto const deadline = std::chrono::steady_clock::now() + kRegistrationWait;
    uint64_t startTime = 0;
    while (std::chrono::steady_clock::now() < deadline) {
        std::string const folder = RuntimeFolder();
        Registration registration;
        if (!folder.empty() && ReadLiveRegistration(folder, pid, &registration)) return true;
        if (!ProcessStartTime(pid, &startTime)) return false;
        std::this_thread::sleep_for(kRegistrationPoll);
    }
    return false;
}

}  // namespace

std::string ProgramMessagesPath(std::string const& programName) {
    std::string const folder = RuntimeFolder();
    if (folder.empty() || programName.empty() || programName.find('/') != std::string::npos) return std::string();
    return folder + "/" + programName + ".messages";
}

bool LaunchApplication(std::string const& bundlePath) {
    std::string const program = ProgramOfBundle(bundlePath);
    if (program.empty() || !IsExecutableFile(program)) return false;
    pid_t const pid = StartDetached(program);
    return pid > 0 && AwaitRegistration(pid);
}

}  // namespace platform
