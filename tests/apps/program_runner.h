#pragma once
// Driving the real programs from a test: the command-line sender, and
// whether a program is still running or registered.
#include <gtest/gtest.h>
#include <sys/types.h>
#include <sys/wait.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>
#include <thread>

#include "platform/process_list.h"
#include "platform/process_list_registry.h"
#include "platform/runtime_folder.h"

struct SenderOutcome {
    std::string output;
    int exitCode = -1;
};

// Runs aesend with the arguments (shell words) and collects its output.
inline SenderOutcome RunSender(std::string const& arguments) {
    SenderOutcome outcome;
    FILE* pipe = popen((TOOLS_DIR "/aesend " + arguments + " 2>/dev/null").c_str(), "r");
    if (pipe == nullptr) return outcome;
    char buffer[65536];
    std::size_t got;
    while ((got = fread(buffer, 1, sizeof buffer, pipe)) > 0) outcome.output.append(buffer, got);
    int const status = pclose(pipe);
    outcome.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return outcome;
}

// The process id of the running program registered under the bundle file
// name; 0 when there is none.
inline pid_t RunningProgram(std::string const& bundleFileName) {
    platform::ProcessSerialNumber psn;
    while (platform::GetNextProcess(&psn) == platform::noErr) {
        std::string name;
        if (platform::GetProcessBundleFileName(psn, &name) == platform::noErr && name == bundleFileName) {
            return static_cast<pid_t>(psn.lowLongOfPSN);
        }
    }
    return 0;
}

// True once the process has ended and left neither registration nor socket
// behind; gives it up to half a minute to get there.
inline bool GoneWithoutTrace(pid_t pid) {
    std::string const folder = platform::RuntimeFolder();
    auto gone = [&] {
        uint64_t startTime = 0;
        return !platform::ProcessStartTime(pid, &startTime) &&
               !std::filesystem::exists(platform::RegistrationPath(folder, pid)) &&
               !std::filesystem::exists(platform::SocketPath(folder, pid));
    };
    for (int tries = 0; tries < 3000 && !gone(); ++tries) std::this_thread::sleep_for(std::chrono::milliseconds(10));
    return gone();
}

// The bundle of one of the two companion programs.
inline std::string CompanionBundle(std::string const& name) {
    return std::string(BUNDLE_DIR) + "/Resources/" + name + ".app";
}
