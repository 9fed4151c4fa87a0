#include "apps/quellit/text_file_on_signal.h"

#include <limits.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstring>

namespace quellit {

namespace {

char gPath[PATH_MAX] = {};
volatile sig_atomic_t gRunUnderway = 0;

// Only async-signal-safe calls here.  SA_RESETHAND has put the default
// action back, so the signal raised again ends the program once this
// handler returns.
void OnEndingSignal(int signal) {
    if (gRunUnderway) {
        struct stat info;
        if (::lstat(gPath, &info) == 0 && S_ISREG(info.st_mode) && info.st_uid == ::geteuid()) ::unlink(gPath);
    }
    ::raise(signal);
}

}  // namespace

void RemoveTextFileOnSignals(std::string const& path) {
    if (path.empty() || path.size() >= sizeof gPath) return;
    std::memcpy(gPath, path.c_str(), path.size() + 1);
    struct sigaction action = {};
    action.sa_handler = OnEndingSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESETHAND;
    for (int signal : {SIGHUP, SIGINT, SIGTERM}) sigaction(signal, &action, nullptr);
}

void SetRunUnderway(bool underway) { gRunUnderway = underway ? 1 : 0; }

}  // namespace quellit
