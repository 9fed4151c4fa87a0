#pragma once
// The registrations of serving programs in the runtime folder.  A program
// with process id <pid> listens on "<pid>.sock" and, once listening, writes
// "<pid>.reg": its bundle file name and its process start time, one a line.
// The start time tells a live registration from a stale one whose process
// ended and whose id was given to another process.
#include <sys/types.h>

#include <cstdint>
#include <string>
#include <vector>

namespace platform {

struct Registration {
    pid_t pid = 0;
    std::string bundleFileName;
    uint64_t startTime = 0;
};

std::string RegistrationPath(std::string const& folder, pid_t pid);
std::string SocketPath(std::string const& folder, pid_t pid);

// The start time of a running (not zombie) process, in clock ticks since
// boot.  False when there is no such process or it has ended.
bool ProcessStartTime(pid_t pid, uint64_t* startTime);

// Registers this process (atomically: a reader sees all of it or nothing).
bool WriteRegistration(std::string const& folder, std::string const& bundleFileName);
void RemoveRegistration(std::string const& folder, pid_t pid);

// Reads and checks one registration: false when it is missing, malformed or
// stale.  A registration whose process id is free is removed on the way.
bool ReadLiveRegistration(std::string const& folder, pid_t pid, Registration* registration);

// Process ids that have a registration file, in ascending order.
std::vector<pid_t> RegisteredProcessIDs(std::string const& folder);

}  // namespace platform
