// Launching a companion program and finding its process, against a fake
// process list, a fake launcher and a clock that never sleeps.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "apps/quellit/tovik_common_module.h"

namespace quellit {
namespace {

using platform::ProcessSerialNumber;

struct FakeProcess {
    uint32_t pid;
    std::string bundleFileName;  // "" gives an error when asked
};

// A process list that can grow once the launch has been looked for a few
// times, and a record of what was asked of it.
class FakeSystem {
public:
    bool launchAccepted = true;
    std::vector<FakeProcess> processes;
    std::vector<FakeProcess> launched;  // appear at look number appearsAtLook
    int appearsAtLook = 1;

    int looks = 0;
    std::vector<std::string> launchedPaths;
    std::vector<double> sleeps;

    ProcessServices Services() {
        ProcessServices services;
        services.launch = [this](std::string const& path) {
            launchedPaths.push_back(path);
            return launchAccepted;
        };
        services.nextProcess = [this](ProcessSerialNumber* psn) { return Next(psn); };
        services.bundleFileName = [this](ProcessSerialNumber const& psn, std::string* name) {
            for (FakeProcess const& p : Visible()) {
                if (p.pid == psn.lowLongOfPSN && !p.bundleFileName.empty()) {
                    *name = p.bundleFileName;
                    return platform::noErr;
                }
            }
            return platform::procNotFound;
        };
        services.sleep = [this](double seconds) { sleeps.push_back(seconds); };
        return services;
    }

private:
    std::vector<FakeProcess> Visible() const {
        std::vector<FakeProcess> visible = processes;
        if (looks >= appearsAtLook) visible.insert(visible.end(), launched.begin(), launched.end());
        return visible;
    }

    int Next(ProcessSerialNumber* psn) {
        if (platform::IsNoProcess(*psn)) ++looks;  // every walk starts from no process
        std::vector<FakeProcess> const visible = Visible();
        bool passedCurrent = platform::IsNoProcess(*psn);
        for (FakeProcess const& p : visible) {
            if (passedCurrent) {
                *psn = ProcessSerialNumber{0, p.pid};
                return platform::noErr;
            }
            passedCurrent = p.pid == psn->lowLongOfPSN;
        }
        *psn = ProcessSerialNumber{};
        return platform::procNotFound;
    }
};

TEST(LaunchFindTest, LaunchAndLookCountsSleepsAndResults) {
    struct Case {
        char const* what;
        bool launchAccepted;
        std::vector<FakeProcess> launched;
        int appearsAtLook;
        bool until;
        std::string path;
        int32_t expectedResult;
        uint32_t expectedPid;
        int expectedLooks;
        std::size_t expectedSleeps;
    } const cases[] = {
        {"found at once", true, {{7, "Vorlip.app"}}, 1, true, "/b/Resources/Vorlip.app", 1, 7, 1, 0},
        {"trailing slash", true, {{7, "Vorlip.app"}}, 1, true, "/b/Resources/Vorlip.app/", 1, 7, 1, 0},
        {"one look without until", true, {{7, "Vorlip.app"}}, 2, false, "/b/Vorlip.app", 0, 0, 1, 0},
        {"shows on the third look", true, {{7, "Vorlip.app"}}, 3, true, "/b/Vorlip.app", 1, 7, 3, 2},
        {"renamed bundle never found", true, {{7, "Vorlip.app"}}, 1, true, "/b/Renamed.app", 0, 0, 20, 20},
        {"launch refused", false, {{7, "Vorlip.app"}}, 1, true, "/b/Vorlip.app", -1, 99, 0, 0},
    };
    for (Case const& c : cases) {
        FakeSystem system;
        system.launchAccepted = c.launchAccepted;
        system.processes = {{3, "Finder.app"}, {5, ""}};
        system.launched = c.launched;
        system.appearsAtLook = c.appearsAtLook;
        ProcessSerialNumber psn{0, 99};

        EXPECT_EQ(TovikCommonModule::LaunchedApplication(c.path, &psn, c.until, system.Services()), c.expectedResult)
            << c.what;
        EXPECT_EQ(psn.lowLongOfPSN, c.expectedPid) << c.what;
        EXPECT_EQ(system.looks, c.expectedLooks) << c.what;
        EXPECT_EQ(system.sleeps, std::vector<double>(c.expectedSleeps, 3.0)) << c.what;
        EXPECT_EQ(system.launchedPaths, std::vector<std::string>{c.path}) << c.what;
    }
}

TEST(LaunchFindTest, ProcessWalkFindsTheFirstMatchAndSkipsNamelessProcesses) {
    FakeSystem system;
    system.processes = {{3, ""}, {4, "Tazmet.app"}, {5, "Tazmet.app"}};
    ProcessServices const services = system.Services();
    ProcessSerialNumber psn;

    EXPECT_EQ(TovikCommonModule::GetPSN2Name("Tazmet.app", &psn, services), platform::noErr);
    EXPECT_EQ(psn.lowLongOfPSN, 4u);
    EXPECT_TRUE(TovikCommonModule::TargetApplicationName("Tazmet.app", &psn, services));
    EXPECT_EQ(psn.lowLongOfPSN, 4u);

    EXPECT_EQ(TovikCommonModule::GetPSN2Name("Vorlip.app", &psn, services), platform::procNotFound);
    EXPECT_TRUE(platform::IsNoProcess(psn));
    EXPECT_FALSE(TovikCommonModule::TargetApplicationName("", &psn, services));
    EXPECT_TRUE(platform::IsNoProcess(psn));
}

TEST(LaunchFindTest, GetNextPSNIsTrueOnlyAtTheEndOfTheList) {
    FakeSystem system;
    system.processes = {{3, "A.app"}, {4, "B.app"}};
    ProcessServices const services = system.Services();
    ProcessSerialNumber psn;
    std::vector<uint32_t> walked;
    while (!TovikCommonModule::GetNextPSN(&psn, services)) walked.push_back(psn.lowLongOfPSN);
    EXPECT_EQ(walked, (std::vector<uint32_t>{3, 4}));
    EXPECT_TRUE(platform::IsNoProcess(psn));

    // A failing platform ends the walk too, with no process named.
    ProcessServices failing = services;
    failing.nextProcess = [](ProcessSerialNumber*) { return platform::connectionInvalid; };
    psn = ProcessSerialNumber{0, 3};
    EXPECT_TRUE(TovikCommonModule::GetNextPSN(&psn, failing));
    EXPECT_TRUE(platform::IsNoProcess(psn));
}

}  // namespace
}  // namespace quellit
