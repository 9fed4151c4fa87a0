// Launching bundles of the stub server and finding them in the process list.
#include "platform/process_list.h"

#include <gtest/gtest.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <vector>

#include "messaging_test_support.h"
#include "platform/apple_events.h"
#include "platform/process_list_registry.h"
#include "platform/runtime_folder.h"

namespace {

using namespace platform;
using messaging_test::Eventually;
using messaging_test::FindProgram;
using messaging_test::ProcessIsGone;
using messaging_test::SendToProgram;
using messaging_test::StubBundle;

class ProcessListTest : public ::testing::Test {
protected:
    ~ProcessListTest() override {
        // Nothing launched may outlive the test.
        for (pid_t pid : launched_) {
            if (!ProcessIsGone(pid)) kill(pid, SIGKILL);
        }
    }

    pid_t LaunchAndFind(StubBundle const& bundle, std::string const& bundleFileName) {
        if (!LaunchApplication(bundle.Path())) return 0;
        pid_t const pid = FindProgram(bundleFileName);
        if (pid != 0) launched_.push_back(pid);
        return pid;
    }

    // Sends quit and waits until neither the process nor its registration is left.
    bool Quit(pid_t pid) {
        AppleEvent reply;
        return SendToProgram(pid, kEventQuit, &reply, kAENoReply) == noErr &&
               Eventually([pid] { return ProcessIsGone(pid); }) &&
               !std::filesystem::exists(RegistrationPath(runtimeDir_.Folder(), pid)) &&
               !std::filesystem::exists(SocketPath(runtimeDir_.Folder(), pid));
    }

    messaging_test::ScopedRuntimeDir runtimeDir_;
    std::vector<pid_t> launched_;
};

void WriteProgram(std::string const& path, std::string const& text, mode_t mode) {
    std::ofstream(path) << text;
    chmod(path.c_str(), mode);
}

TEST_F(ProcessListTest, LaunchesThatCannotWorkAreRefused) {
    struct Case {
        char const* name;
        char const* programText;  // null: no program at all
        mode_t mode;
    } const cases[] = {
        {"no program in the bundle", nullptr, 0},
        {"program not executable", "#!/bin/sh\nexit 0\n", 0644},
        {"program ends before registering", "#!/bin/sh\nexit 0\n", 0755},
    };
    for (auto const& c : cases) {
        SCOPED_TRACE(c.name);
        StubBundle bundle("Broken");
        std::filesystem::remove(bundle.Path() + "/Broken");
        if (c.programText != nullptr) WriteProgram(bundle.Path() + "/Broken", c.programText, c.mode);
        EXPECT_FALSE(LaunchApplication(bundle.Path()));
    }
    EXPECT_FALSE(LaunchApplication(runtimeDir_.Path() + "/Missing.app"));
    EXPECT_EQ(FindProgram("Broken.app"), 0);
}

TEST_F(ProcessListTest, LaunchedProgramsAreFoundByBundleFileNameInProcessOrder) {
    StubBundle stub("Stub"), other("Other");
    // A descriptor the launcher holds open, as a lock would be.
    std::string const heldPath = runtimeDir_.Path() + "/held";
    int const held = open(heldPath.c_str(), O_CREAT | O_RDWR, 0600);
    ASSERT_GE(held, 0);
    pid_t const stubPid = LaunchAndFind(stub, "Stub.app");
    pid_t const otherPid = LaunchAndFind(other, "Other.app");
    close(held);
    ASSERT_NE(stubPid, 0);
    ASSERT_NE(otherPid, 0);
    for (auto const& fd : std::filesystem::directory_iterator("/proc/" + std::to_string(stubPid) + "/fd")) {
        std::error_code error;
        EXPECT_NE(std::filesystem::read_symlink(fd.path(), error), heldPath) << "the launched program holds it";
    }

    std::vector<pid_t> listed;
    ProcessSerialNumber psn;
    while (GetNextProcess(&psn) == noErr) listed.push_back(static_cast<pid_t>(psn.lowLongOfPSN));
    EXPECT_EQ(psn, ProcessSerialNumber{});  // back to no process at the end
    std::vector<pid_t> expected{stubPid, otherPid};
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(listed, expected);

    std::string name;
    ASSERT_EQ(GetProcessBundleFileName(messaging_test::PsnOf(otherPid), &name), noErr);
    EXPECT_EQ(name, "Other.app");
    // Launched detached: not our children, so never our zombies.
    EXPECT_EQ(waitpid(stubPid, nullptr, WNOHANG), -1);

    EXPECT_TRUE(Quit(stubPid));
    EXPECT_TRUE(Quit(otherPid));
    EXPECT_EQ(GetNextProcess(&psn), procNotFound);
}

TEST_F(ProcessListTest, ARenamedBundleIsNeverFound) {
    StubBundle stub("Stub");
    pid_t const pid = LaunchAndFind(stub, "Stub.app");
    ASSERT_NE(pid, 0);
    std::filesystem::rename(stub.Path(), stub.Folder() + "/Renamed.app");
    EXPECT_EQ(FindProgram("Renamed.app"), 0);
    EXPECT_EQ(FindProgram("Stub.app"), pid);
    EXPECT_TRUE(Quit(pid));
}

TEST_F(ProcessListTest, StaleRegistrationsAreSkipped) {
    pid_t const ended = fork();
    if (ended == 0) _exit(0);
    waitpid(ended, nullptr, 0);
    uint64_t ourStart = 0;
    ASSERT_TRUE(ProcessStartTime(getpid(), &ourStart));
    std::string const folder = RuntimeFolder();
    ASSERT_FALSE(folder.empty());

    struct Case {
        char const* name;
        pid_t pid;
        std::string contents;
        bool live;
    } const cases[] = {
        {"process ended", ended, "Ghost.app\n" + std::to_string(ourStart) + "\n", false},
        {"process id reused", getpid(), "Ghost.app\n" + std::to_string(ourStart + 1) + "\n", false},
        {"no start time", getpid(), "Ghost.app\n", false},
        {"the very process", getpid(), "Ghost.app\n" + std::to_string(ourStart) + "\n", true},
    };
    for (auto const& c : cases) {
        SCOPED_TRACE(c.name);
        std::ofstream(RegistrationPath(folder, c.pid)) << c.contents;
        EXPECT_EQ(FindProgram("Ghost.app"), c.live ? c.pid : 0);
        std::string name;
        EXPECT_EQ(GetProcessBundleFileName(messaging_test::PsnOf(c.pid), &name), c.live ? noErr : procNotFound);
        RemoveRegistration(folder, c.pid);
    }
    // A registration whose process id nobody holds is cleaned up on the way.
    std::ofstream(RegistrationPath(folder, ended)) << "Ghost.app\n1\n";
    FindProgram("Ghost.app");
    EXPECT_FALSE(std::filesystem::exists(RegistrationPath(folder, ended)));
}

}  // namespace
