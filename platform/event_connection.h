#pragma once
// One sender's connection as the server sees it: the frame being received
// and the reply being sent, each moved as far as the socket lets it without
// waiting, so that one slow or stalled sender never holds up the others.
#include <sys/types.h>

#include <chrono>
#include <cstdint>
#include <string>

namespace platform {

class EventConnection {
public:
    enum class Step { kKeep, kFrameReady, kDrop };
    using Clock = std::chrono::steady_clock;

    EventConnection(int fd, pid_t sender);
    ~EventConnection();
    EventConnection(EventConnection&& other) noexcept;
    EventConnection& operator=(EventConnection&& other) noexcept;
    EventConnection(EventConnection const&) = delete;
    EventConnection& operator=(EventConnection const&) = delete;

    int fd() const { return fFd; }
    pid_t Sender() const { return fSender; }
    // POLLOUT while a reply is going out, else POLLIN.
    short WantedEvents() const;

    // Takes what has arrived, never past the end of the frame; kFrameReady
    // once a whole frame is in (TakeFrame), kDrop when the sender closed or
    // sent a frame that is not ours.
    Step ReadSome();
    std::string TakeFrame();

    // Starts sending a reply and sends what the socket takes now.
    Step Reply(std::string bytes);
    // Sends more of the reply; kDrop when the sender has gone.
    Step WriteSome();
    // Sends what is left of the reply, waiting up to `limit`.
    void Flush(std::chrono::milliseconds limit);

    // When a frame or reply that has begun would count as stalled: no byte
    // has moved for `limit`.  Clock::time_point::max() when nothing is
    // under way.
    Clock::time_point StallTime(std::chrono::milliseconds limit) const;

private:
    void Close();

    int fFd = -1;
    pid_t fSender = 0;
    std::string fInbox;
    uint64_t fWanted = 0;  // bytes of the frame in fInbox, once its header is in
    std::string fOutbox;
    std::size_t fSent = 0;
    Clock::time_point fLastProgress;
};

}  // namespace platform
