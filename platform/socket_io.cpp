#include "platform/socket_io.h"

#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

#include "platform/ae_frame.h"

namespace platform {

namespace {

constexpr std::size_t kReadChunk = 64 * 1024;

// kDone when fd is ready for `events`.
IOStatus WaitFor(int fd, short events, Deadline const& deadline, sigset_t const* waitMask) {
    for (;;) {
        timespec timeout{};
        timespec* timeoutPointer = nullptr;
        if (!deadline.IsNever()) {
            auto const left = deadline.Remaining().count();
            timeout.tv_sec = static_cast<time_t>(left / 1000);
            timeout.tv_nsec = static_cast<long>(left % 1000) * 1000000L;
            timeoutPointer = &timeout;
        }
        pollfd entry{fd, events, 0};
        int const ready = ppoll(&entry, 1, timeoutPointer, waitMask);
        if (ready > 0) return IOStatus::kDone;
        if (ready == 0) return IOStatus::kTimedOut;
        if (errno != EINTR) return IOStatus::kClosed;
    }
}

// Reads up to `size` bytes once data is there; kClosed at end of stream.
IOStatus ReadSome(int fd, char* buffer, std::size_t size, Deadline const& deadline, sigset_t const* waitMask,
                  std::size_t* got) {
    for (;;) {
        ssize_t const count = recv(fd, buffer, size, 0);
        if (count > 0) {
            *got = static_cast<std::size_t>(count);
            return IOStatus::kDone;
        }
        if (count == 0) return IOStatus::kClosed;
        if (errno == EINTR) continue;
        if (errno != EAGAIN && errno != EWOULDBLOCK) return IOStatus::kClosed;
        IOStatus const waited = WaitFor(fd, POLLIN, deadline, waitMask);
        if (waited != IOStatus::kDone) return waited;
    }
}

}  // namespace

pid_t SameUserPeer(int fd) {
    ucred credentials{};
    socklen_t size = sizeof credentials;
    if (getsockopt(fd, SOL_SOCKET, SO_PEERCRED, &credentials, &size) != 0 || size != sizeof credentials) return 0;
    return credentials.uid == geteuid() ? credentials.pid : 0;
}

std::chrono::milliseconds Deadline::Remaining() const {
    auto const left = std::chrono::duration_cast<std::chrono::milliseconds>(fWhen - std::chrono::steady_clock::now());
    return std::max(left, std::chrono::milliseconds(0));
}

IOStatus WriteAll(int fd, std::string const& bytes, Deadline const& deadline, sigset_t const* waitMask) {
    std::size_t sent = 0;
    while (sent < bytes.size()) {
        ssize_t const count = send(fd, bytes.data() + sent, bytes.size() - sent, MSG_NOSIGNAL);
        if (count >= 0) {
            sent += static_cast<std::size_t>(count);
            continue;
        }
        if (errno == EINTR) continue;
        if (errno != EAGAIN && errno != EWOULDBLOCK) return IOStatus::kClosed;
        IOStatus const waited = WaitFor(fd, POLLOUT, deadline, waitMask);
        if (waited != IOStatus::kDone) return waited;
    }
    return IOStatus::kDone;
}

IOStatus WaitReadable(int fd, Deadline const& deadline, sigset_t const* waitMask) {
    return WaitFor(fd, POLLIN, deadline, waitMask);
}

IOStatus ReadFrame(int fd, Deadline const& deadline, sigset_t const* waitMask, std::string* frame) {
    // Header and payload usually arrive together: read what is there in
    // chunks, never past what the header announces.  A peer sends one frame
    // and then waits for the answer, so bytes beyond it are a bad frame.
    frame->clear();
    char chunk[kReadChunk];
    uint64_t wanted = kFrameHeaderSize;
    bool headerSeen = false;
    while (frame->size() < wanted) {
        std::size_t got = 0;
        IOStatus const status = ReadSome(fd, chunk, sizeof chunk, deadline, waitMask, &got);
        if (status != IOStatus::kDone) return status;
        // The buffer grows with what arrives, never ahead of it: a header
        // that announces much and sends little costs nothing.
        frame->append(chunk, got);
        if (!headerSeen && frame->size() >= kFrameHeaderSize) {
            uint64_t payloadLength = 0;
            if (!ParseFrameHeader(frame->data(), &payloadLength)) return IOStatus::kBadFrame;
            wanted = kFrameHeaderSize + payloadLength;
            headerSeen = true;
        }
    }
    return frame->size() == wanted ? IOStatus::kDone : IOStatus::kBadFrame;
}

}  // namespace platform
