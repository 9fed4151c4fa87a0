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

#include "platform/messaging_test_support.h"
#include "platform/process_list.h"
#include "platform/process_list_registry.h"
#include "platform/runtime_folder.h"
#include "run_command.h"

// Runs aesend with the arguments (shell words) and collects its output.
inline CommandOutcome RunSender(std::string const& arguments) { return RunTool("aesend", arguments); }

// The process id of the running program registered under the bundle file
// name; 0 when there is none.
inline pid_t RunningProgram(std::string const& bundleFileName) { return messaging_test::FindProgram(bundleFileName); }

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
