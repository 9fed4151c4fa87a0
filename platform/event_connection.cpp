#include "platform/event_connection.h"

#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <utility>

#include "platform/ae_frame.h"
#include "platform/socket_io.h"

namespace platform {

namespace {

constexpr std::size_t kReadChunk = 64 * 1024;

bool WouldBlock() { return errno == EAGAIN || errno == EWOULDBLOCK; }

}  // namespace

EventConnection::EventConnection(int fd, pid_t sender) : fFd(fd), fSender(sender), fLastProgress(Clock::now()) {}

EventConnection::~EventConnection() { Close(); }

EventConnection::EventConnection(EventConnection&& other) noexcept { *this = std::move(other); }

EventConnection& EventConnection::operator=(EventConnection&& other) noexcept {
    if (this != &other) {
        Close();
        fFd = std::exchange(other.fFd, -1);
        fSender = other.fSender;
        fInbox = std::move(other.fInbox);
        fWanted = other.fWanted;
        fOutbox = std::move(other.fOutbox);
        fSent = other.fSent;
        fLastProgress = other.fLastProgress;
    }
    return *this;
}

void EventConnection::Close() {
    if (fFd >= 0) close(fFd);
    fFd = -1;
}

short EventConnection::WantedEvents() const { return fSent < fOutbox.size() ? POLLOUT : POLLIN; }

EventConnection::Step EventConnection::ReadSome() {
    // The buffer grows with what arrives, never ahead of it: a header that
    // announces much and sends little costs nothing.
    char chunk[kReadChunk];
    uint64_t const wanted = fWanted != 0 ? fWanted : kFrameHeaderSize;
    std::size_t const room = static_cast<std::size_t>(std::min<uint64_t>(sizeof chunk, wanted - fInbox.size()));
    ssize_t count;
    do count = recv(fFd, chunk, room, 0);
    while (count < 0 && errno == EINTR);
    if (count < 0) return WouldBlock() ? Step::kKeep : Step::kDrop;
    if (count == 0) return Step::kDrop;
    fInbox.append(chunk, static_cast<std::size_t>(count));
    fLastProgress = Clock::now();
    if (fWanted == 0 && fInbox.size() == kFrameHeaderSize) {
        uint64_t payloadLength = 0;
        if (!ParseFrameHeader(fInbox.data(), &payloadLength)) return Step::kDrop;
        fWanted = kFrameHeaderSize + payloadLength;
    }
    return fWanted != 0 && fInbox.size() == fWanted ? Step::kFrameReady : Step::kKeep;
}

std::string EventConnection::TakeFrame() {
    fWanted = 0;
    return std::exchange(fInbox, std::string());
}

EventConnection::Step EventConnection::Reply(std::string bytes) {
    fOutbox = std::move(bytes);
    fSent = 0;
    fLastProgress = Clock::now();
    return WriteSome();
}

EventConnection::Step EventConnection::WriteSome() {
    while (fSent < fOutbox.size()) {
        ssize_t const count = send(fFd, fOutbox.data() + fSent, fOutbox.size() - fSent, MSG_NOSIGNAL);
        if (count < 0) {
            if (errno == EINTR) continue;
            return WouldBlock() ? Step::kKeep : Step::kDrop;
        }
        fSent += static_cast<std::size_t>(count);
        fLastProgress = Clock::now();
    }
    fOutbox = std::string();
    fSent = 0;
    return Step::kKeep;
}

void EventConnection::Flush(std::chrono::milliseconds limit) {
    if (fSent >= fOutbox.size() || fFd < 0) return;
    WriteAll(fFd, fOutbox.substr(fSent), Deadline::After(limit), nullptr);
    fOutbox = std::string();
    fSent = 0;
}

EventConnection::Clock::time_point EventConnection::StallTime(std::chrono::milliseconds limit) const {
    bool const underWay = !fInbox.empty() || fSent < fOutbox.size();
    return underWay ? fLastProgress + limit : Clock::time_point::max();
}

}  // namespace platform
