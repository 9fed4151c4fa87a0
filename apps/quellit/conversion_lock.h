#pragma once
// One conversion at a time on this machine.  The entry lines pass through a
// file with one fixed name for every user, so a second run would mix its
// entries with the first one's.  An advisory lock on a file beside it is
// held from the start of a run until the converter has answered; it goes
// with the process, so a run that dies leaves nothing to clean up.
#include <string>

namespace quellit {

class ConversionLock {
public:
    enum class Outcome { kHeld, kBusy, kFailed };

    // The lock file is the text file's path with ".lock" added.
    explicit ConversionLock(std::string const& textPath);
    ~ConversionLock() { Release(); }
    ConversionLock(ConversionLock const&) = delete;
    ConversionLock& operator=(ConversionLock const&) = delete;

    // kBusy when another run holds the lock; kFailed (with the reason) when
    // the lock file cannot be had.  Never waits.
    Outcome Acquire(std::string* reason);
    void Release();
    bool Held() const { return fFd >= 0; }

private:
    std::string fPath;
    int fFd = -1;
};

}  // namespace quellit
