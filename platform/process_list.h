#pragma once
// Launching program bundles and walking the list of running programs.  A
// program is "running" while it is registered in the per-user runtime folder
// (AppleEventManager::Run registers it) and its process is alive.
#include <string>

#include "platform/process_serial_number.h"

namespace platform {

// Launches the program of a bundle folder ("…/Vorlip.app" runs
// "…/Vorlip.app/Vorlip") detached from the caller, and returns once it has
// registered, so that the first look finds it.  False when the program is
// missing or not executable, or when it ends before registering.
// What the program prints (standard output and error) is appended to its
// messages file (ProgramMessagesPath), so that the launcher can show it.
bool LaunchApplication(std::string const& bundlePath);

// The file that collects the messages of a launched program ("Vorlip") in
// the runtime folder; empty when there is no runtime folder.
std::string ProgramMessagesPath(std::string const& programName);

// Advances *psn to the next running program in ascending process order,
// starting after {0, 0}.  procNotFound at the end of the list, with *psn back
// to {0, 0}.  Stale registrations (process gone) are skipped.
int GetNextProcess(ProcessSerialNumber* psn);

// The bundle file name ("Tazmet.app") the program registered under.
int GetProcessBundleFileName(ProcessSerialNumber const& psn, std::string* bundleFileName);

}  // namespace platform
