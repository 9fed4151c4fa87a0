#include "platform/process_list.h"

#include "platform/process_list_registry.h"
#include "platform/runtime_folder.h"

#include <cstdint>

namespace platform {

int GetNextProcess(ProcessSerialNumber* psn) {
    std::string const folder = RuntimeFolder();
    if (!folder.empty() && psn->highLongOfPSN == 0) {
        for (pid_t pid : RegisteredProcessIDs(folder)) {
            if (static_cast<uint32_t>(pid) <= psn->lowLongOfPSN) continue;
            Registration registration;
            if (!ReadLiveRegistration(folder, pid, &registration)) continue;
            *psn = ProcessSerialNumber{0, static_cast<uint32_t>(pid)};
            return noErr;
        }
    }
    *psn = ProcessSerialNumber{};
    return procNotFound;
}

int GetProcessBundleFileName(ProcessSerialNumber const& psn, std::string* bundleFileName) {
    std::string const folder = RuntimeFolder();
    Registration registration;
    if (folder.empty() || psn.highLongOfPSN != 0 || psn.lowLongOfPSN == 0 ||
        psn.lowLongOfPSN > static_cast<uint32_t>(INT32_MAX) ||
        !ReadLiveRegistration(folder, static_cast<pid_t>(psn.lowLongOfPSN), &registration)) {
        return procNotFound;
    }
    *bundleFileName = registration.bundleFileName;
    return noErr;
}

}  // namespace platform
