#include "platform/process_list_registry.h"

#include <dirent.h>
#include <signal.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <fstream>
#include <sstream>

#include "platform/files/replace_file.h"

namespace platform {

namespace {

// "<pid>.reg" gives pid; anything else (temporary files, sockets) is not one.
bool ParseRegistrationName(std::string const& name, pid_t* pid) {
    static std::string const kSuffix = ".reg";
    if (name.size() <= kSuffix.size() || name.size() > kSuffix.size() + 9) return false;
    if (name.compare(name.size() - kSuffix.size(), kSuffix.size(), kSuffix) != 0) return false;
    long value = 0;
    for (std::size_t i = 0; i + kSuffix.size() < name.size(); ++i) {
        if (name[i] < '0' || name[i] > '9') return false;
        value = value * 10 + (name[i] - '0');
    }
    if (value <= 0) return false;
    *pid = static_cast<pid_t>(value);
    return true;
}

bool ProcessIdIsFree(pid_t pid) { return kill(pid, 0) != 0 && errno == ESRCH; }

}  // namespace

std::string RegistrationPath(std::string const& folder, pid_t pid) {
    return folder + "/" + std::to_string(pid) + ".reg";
}

std::string SocketPath(std::string const& folder, pid_t pid) { return folder + "/" + std::to_string(pid) + ".sock"; }

bool ProcessStartTime(pid_t pid, uint64_t* startTime) {
    std::ifstream in("/proc/" + std::to_string(pid) + "/stat");
    std::string line;
    if (!std::getline(in, line)) return false;
    // The command name in parentheses may hold spaces and parentheses; the
    // fields after the last ')' are plain: state is the first, the start
    // time the twentieth.
    std::size_t const close = line.rfind(')');
    if (close == std::string::npos) return false;
    std::istringstream fields(line.substr(close + 1));
    std::string state;
    if (!(fields >> state) || state == "Z" || state == "X") return false;
    std::string skipped;
    for (int i = 0; i < 18; ++i) {
        if (!(fields >> skipped)) return false;
    }
    return static_cast<bool>(fields >> *startTime);
}

bool WriteRegistration(std::string const& folder, std::string const& bundleFileName) {
    uint64_t startTime = 0;
    if (!ProcessStartTime(getpid(), &startTime)) return false;
    std::string const path = RegistrationPath(folder, getpid());
    std::string error;
    return ReplaceFile(path, bundleFileName + '\n' + std::to_string(startTime) + '\n', &error);
}

void RemoveRegistration(std::string const& folder, pid_t pid) {
    unlink(RegistrationPath(folder, pid).c_str());
    unlink(SocketPath(folder, pid).c_str());
}

bool ReadLiveRegistration(std::string const& folder, pid_t pid, Registration* registration) {
    std::ifstream in(RegistrationPath(folder, pid));
    Registration read;
    read.pid = pid;
    if (!std::getline(in, read.bundleFileName) || !(in >> read.startTime)) return false;
    uint64_t startTime = 0;
    if (!ProcessStartTime(pid, &startTime) || startTime != read.startTime) {
        // Only when no process at all has the id can nobody be registering
        // under it right now.
        if (ProcessIdIsFree(pid)) RemoveRegistration(folder, pid);
        return false;
    }
    *registration = read;
    return true;
}

std::vector<pid_t> RegisteredProcessIDs(std::string const& folder) {
    std::vector<pid_t> pids;
    DIR* directory = opendir(folder.c_str());
    if (directory == nullptr) return pids;
    while (dirent* entry = readdir(directory)) {
        pid_t pid = 0;
        if (ParseRegistrationName(entry->d_name, &pid)) pids.push_back(pid);
    }
    closedir(directory);
    std::sort(pids.begin(), pids.end());
    return pids;
}

}  // namespace platform
