// Launching a companion program and finding its process by bundle name.
#include <chrono>
#include <thread>

#include "apps/quellit/tovik_common_module.h"
#include "platform/process_list.h"

namespace quellit {

using platform::ProcessSerialNumber;

namespace {

// A launched program may take a while to show in the process list.
constexpr int kLooks = 20;
constexpr double kSecondsBetweenLooks = 3.0;

std::string LastPathComponent(std::string path) {
    while (path.size() > 1 && path.back() == '/') path.pop_back();
    std::string::size_type const slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

}  // namespace

ProcessServices const& ProcessServices::Real() {
    static ProcessServices const real{
        &platform::LaunchApplication,
        &platform::GetNextProcess,
        &platform::GetProcessBundleFileName,
        [](double seconds) { std::this_thread::sleep_for(std::chrono::duration<double>(seconds)); },
    };
    return real;
}

int32_t TovikCommonModule::LaunchedApplication(std::string const& bundlePath, ProcessSerialNumber* psn, bool until,
                                               ProcessServices const& services) {
    if (!services.launch(bundlePath)) return -1;
    std::string const name = LastPathComponent(bundlePath);
    for (int look = 0; look < kLooks; ++look) {
        if (TargetApplicationName(name, psn, services)) return 1;
        if (!until) return 0;
        services.sleep(kSecondsBetweenLooks);
    }
    return 0;
}

bool TovikCommonModule::TargetApplicationName(std::string const& bundleFileName, ProcessSerialNumber* psn,
                                              ProcessServices const& services) {
    return GetPSN2Name(bundleFileName, psn, services) == platform::noErr;
}

bool TovikCommonModule::GetNextPSN(ProcessSerialNumber* psn, ProcessServices const& services) {
    if (services.nextProcess(psn) == platform::noErr) return false;
    // Any failure ends the walk, so that no caller can loop on it.
    *psn = ProcessSerialNumber{};
    return true;
}

int TovikCommonModule::GetPSN2Name(std::string const& name, ProcessSerialNumber* psn, ProcessServices const& services) {
    *psn = ProcessSerialNumber{};
    while (!GetNextPSN(psn, services)) {
        std::string bundleFileName;
        if (services.bundleFileName(*psn, &bundleFileName) != platform::noErr) continue;
        if (!bundleFileName.empty() && bundleFileName == name) return platform::noErr;
    }
    return platform::procNotFound;
}

}  // namespace quellit
