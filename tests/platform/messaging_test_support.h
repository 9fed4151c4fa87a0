#pragma once
// Shared pieces of the messaging and process-list tests: a private runtime
// folder per test, servers forked from the test, a stub bundle, and
// descriptor comparison.
#include <gtest/gtest.h>
#include <signal.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <string>
#include <thread>

#include "platform/apple_events.h"
#include "platform/process_list.h"
#include "platform/process_list_registry.h"
#include "support/scratch_folder.h"

namespace messaging_test {

// Points XDG_RUNTIME_DIR at a fresh folder for the life of the object.
class ScopedRuntimeDir {
public:
    ScopedRuntimeDir() {
        char const* previous = getenv("XDG_RUNTIME_DIR");
        fHadPrevious = previous != nullptr;
        if (fHadPrevious) fPrevious = previous;
        setenv("XDG_RUNTIME_DIR", fFolder.Path().c_str(), 1);
    }
    ~ScopedRuntimeDir() {
        if (fHadPrevious)
            setenv("XDG_RUNTIME_DIR", fPrevious.c_str(), 1);
        else
            unsetenv("XDG_RUNTIME_DIR");
    }
    ScopedRuntimeDir(ScopedRuntimeDir const&) = delete;
    ScopedRuntimeDir& operator=(ScopedRuntimeDir const&) = delete;
    std::string const& Path() const { return fFolder.Path(); }
    std::string Folder() const { return fFolder / "tovikan"; }

private:
    ScratchFolder fFolder{"aetest"};
    std::string fPrevious;
    bool fHadPrevious = false;
};

inline platform::ProcessSerialNumber PsnOf(pid_t pid) {
    return platform::ProcessSerialNumber{0, static_cast<uint32_t>(pid)};
}

inline bool IsRegistered(pid_t pid) {
    platform::ProcessSerialNumber psn;
    while (platform::GetNextProcess(&psn) == platform::noErr) {
        if (psn == PsnOf(pid)) return true;
    }
    return false;
}

// Polls `condition` for up to ten seconds.
inline bool Eventually(std::function<bool()> const& condition) {
    auto const deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (std::chrono::steady_clock::now() < deadline) {
        if (condition()) return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return condition();
}

// The first running program registered under the bundle file name; 0 if none.
inline pid_t FindProgram(std::string const& bundleFileName) {
    platform::ProcessSerialNumber psn;
    while (platform::GetNextProcess(&psn) == platform::noErr) {
        std::string name;
        if (platform::GetProcessBundleFileName(psn, &name) == platform::noErr && name == bundleFileName) {
            return static_cast<pid_t>(psn.lowLongOfPSN);
        }
    }
    return 0;
}

inline bool ProcessIsGone(pid_t pid) {
    uint64_t startTime = 0;
    return !platform::ProcessStartTime(pid, &startTime);
}

// A child process serving events with the handlers `install` sets up; it
// ends with Run's result as its exit status.  Registered before the
// constructor returns.
class ForkedServer {
public:
    explicit ForkedServer(std::function<void(platform::AppleEventManager&)> const& install) {
        pid_ = fork();
        if (pid_ == 0) {
            platform::AppleEventManager& manager = platform::AppleEventManager::Shared();
            install(manager);
            _exit(manager.Run("Served.app") == platform::noErr ? 0 : 1);
        }
        if (pid_ < 0) throw std::runtime_error("fork failed");
        if (!Eventually([this] { return IsRegistered(pid_); })) {
            kill(pid_, SIGKILL);
            waitpid(pid_, nullptr, 0);
            throw std::runtime_error("the forked server did not register");
        }
    }
    ~ForkedServer() {
        if (pid_ > 0 && !reaped_) {
            kill(pid_, SIGKILL);
            waitpid(pid_, nullptr, 0);
        }
    }
    ForkedServer(ForkedServer const&) = delete;
    ForkedServer& operator=(ForkedServer const&) = delete;

    pid_t Pid() const { return pid_; }
    platform::ProcessSerialNumber Psn() const { return PsnOf(pid_); }
    // The exit status, or -1 when the child was ended by a signal.
    int WaitForExit() {
        int status = 0;
        waitpid(pid_, &status, 0);
        reaped_ = true;
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

private:
    pid_t pid_ = -1;
    bool reaped_ = false;
};

// A bundle folder "<name>.app" in a temporary folder whose program is a
// link to the built stub server.
class StubBundle {
public:
    explicit StubBundle(std::string const& name = "Stub") : fPath(fFolder / (name + ".app")) {
        std::filesystem::create_directory(fPath);
        std::filesystem::create_symlink(TOOLS_DIR "/aestub", fPath + "/" + name);
    }
    StubBundle(StubBundle const&) = delete;
    StubBundle& operator=(StubBundle const&) = delete;
    std::string const& Path() const { return fPath; }
    std::string const& Folder() const { return fFolder.Path(); }

private:
    ScratchFolder fFolder{"aebundle"};
    std::string fPath;
};

inline int SendToProgram(pid_t pid, platform::AEEventID eventID, platform::AppleEvent* reply,
                         int32_t sendMode = platform::kAEWaitReply, long timeout = platform::kAEDefaultTimeout) {
    platform::AppleEvent event;
    platform::AECreateAppleEvent(platform::kConverterEventClass, eventID, platform::AEMakeProcessDesc(PsnOf(pid)),
                                 platform::kAutoGenerateReturnID, platform::kAnyTransactionID, &event);
    return platform::AESend(event, reply, sendMode, platform::kAENormalPriority, timeout);
}

inline bool SameDesc(platform::AEDesc const& a, platform::AEDesc const& b) {
    if (a.descriptorType != b.descriptorType || a.data != b.data || a.items.size() != b.items.size()) return false;
    for (std::size_t i = 0; i < a.items.size(); ++i) {
        if (!SameDesc(a.items[i], b.items[i])) return false;
    }
    return true;
}

inline bool SameEvent(platform::AppleEvent const& a, platform::AppleEvent const& b) {
    if (a.eventClass != b.eventClass || a.eventID != b.eventID || a.target != b.target || a.returnID != b.returnID ||
        a.transactionID != b.transactionID || a.parameters.size() != b.parameters.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.parameters.size(); ++i) {
        if (a.parameters[i].first != b.parameters[i].first ||
            !SameDesc(a.parameters[i].second, b.parameters[i].second)) {
            return false;
        }
    }
    return true;
}

}  // namespace messaging_test
