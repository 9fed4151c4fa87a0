#pragma once
// Frame transport over non-blocking Unix-domain stream sockets, each step
// bounded by a deadline.  Writes never raise SIGPIPE.
#include <signal.h>
#include <sys/types.h>

#include <chrono>
#include <string>

namespace platform {

class Deadline {
public:
    static Deadline Never() { return Deadline(); }
    static Deadline After(std::chrono::milliseconds span) { return Deadline(std::chrono::steady_clock::now() + span); }
    bool IsNever() const { return fNever; }
    // What is left, at least zero; meaningless for Never.
    std::chrono::milliseconds Remaining() const;

private:
    Deadline() = default;
    explicit Deadline(std::chrono::steady_clock::time_point when) : fNever(false), fWhen(when) {}
    bool fNever = true;
    std::chrono::steady_clock::time_point fWhen{};
};

enum class IOStatus {
    kDone,
    kTimedOut,
    kClosed,    // the peer went away (end of stream, reset, broken pipe)
    kBadFrame,  // a header that is not ours or announces too much
};

// Waits are made with `waitMask` as the signal mask when it is not null, so
// that a caller that blocks signals can let them in only while it waits
// (their handlers then run; the wait itself goes on).
// The process at the other end of a connected socket, when it runs as the
// same user as we do; 0 for anyone else.
pid_t SameUserPeer(int fd);

IOStatus WriteAll(int fd, std::string const& bytes, Deadline const& deadline, sigset_t const* waitMask);
// Waits until fd has something to read (or is closed).
IOStatus WaitReadable(int fd, Deadline const& deadline, sigset_t const* waitMask);
// One whole frame, header included; kBadFrame for a header that is not ours
// or bytes beyond the frame.
IOStatus ReadFrame(int fd, Deadline const& deadline, sigset_t const* waitMask, std::string* frame);

}  // namespace platform
